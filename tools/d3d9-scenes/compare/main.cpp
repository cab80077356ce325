// d3d9-scenes-compare: judges a scene drawn by our Direct3D 9 stand-in
// against the same scene drawn by Windows' own (under Wine), both written by
// d3d9-scenes.
//
//   d3d9-scenes-compare geometry OURS.ppm THEIRS.ppm [DIFFERENCE.ppm]
//       passes when at least 99.5 % of the pixels are within 4 levels in
//       every channel; DIFFERENCE.ppm shows where they are not.
//   d3d9-scenes-compare text OURS.ppm THEIRS.ppm
//       passes when both have the same lines of text, each standing in the
//       same place in the same colour (TextLines.h); glyph shapes may differ.
//
// Exit status 0 when the pictures agree, 1 when they do not, 2 on bad input.
#include "PixelDifference.h"
#include "PpmFile.h"
#include "TextLines.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

constexpr double kGeometryShare = 0.995;

int Usage()
{
    std::fprintf(stderr, "usage: d3d9-scenes-compare geometry|text OURS.ppm THEIRS.ppm "
                         "[DIFFERENCE.ppm]\n");
    return 2;
}

int CompareGeometry(const Picture& ours, const Picture& theirs, const char* differencePath)
{
    const PixelDifference d = ComparePixels(ours, theirs);
    std::printf("%.3f %% of the pixels within 4 levels, %.3f %% more than 8 apart, largest "
                "difference %d\n",
                100.0 * d.ShareWithin4(), 100.0 * d.ShareOver8(), d.largest);
    if (d.right > d.left)
        std::printf("pixels more than 4 apart lie within columns %d-%d, rows %d-%d\n", d.left,
                    d.right - 1, d.top, d.bottom - 1);
    if (differencePath != nullptr)
    {
        const std::string error = WritePpm(differencePath, DifferencePicture(ours, theirs));
        if (!error.empty())
            std::fprintf(stderr, "d3d9-scenes-compare: %s\n", error.c_str());
    }
    if (d.ShareWithin4() >= kGeometryShare)
        return 0;
    std::printf("FAILED: fewer than %.1f %% of the pixels are within 4 levels\n",
                100.0 * kGeometryShare);
    return 1;
}

void PrintLine(const char* who, const InkLine& line)
{
    std::printf("  %-6s rows %3d-%3d, columns %3d-%3d, colour %06x\n", who, line.top,
                line.bottom - 1, line.left, line.right - 1, static_cast<unsigned>(line.colour));
}

int CompareText(const Picture& ours, const Picture& theirs)
{
    const std::vector<InkLine> a = FindInkLines(ours);
    const std::vector<InkLine> b = FindInkLines(theirs);
    bool same = a.size() == b.size();
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
    {
        std::printf("line %zu\n", i + 1);
        if (i < a.size())
            PrintLine("ours", a[i]);
        if (i < b.size())
            PrintLine("theirs", b[i]);
        std::string why;
        if (i < a.size() && i < b.size() && !SameLinePlace(a[i], b[i], why))
        {
            std::printf("  FAILED: %s\n", why.c_str());
            same = false;
        }
    }
    if (a.size() != b.size())
        std::printf("FAILED: %zu lines of text in ours, %zu in theirs\n", a.size(), b.size());
    return same ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 5)
        return Usage();
    const bool geometry = std::strcmp(argv[1], "geometry") == 0;
    if (!geometry && std::strcmp(argv[1], "text") != 0)
        return Usage();
    Picture ours;
    Picture theirs;
    std::string error = ReadPpm(argv[2], ours);
    if (error.empty())
        error = ReadPpm(argv[3], theirs);
    if (error.empty() && (ours.width != theirs.width || ours.height != theirs.height))
        error = std::string(argv[2]) + " and " + argv[3] + " differ in size";
    if (!error.empty())
    {
        std::fprintf(stderr, "d3d9-scenes-compare: %s\n", error.c_str());
        return 2;
    }
    if (geometry)
        return CompareGeometry(ours, theirs, argc == 5 ? argv[4] : nullptr);
    if (argc == 5)
        return Usage();
    return CompareText(ours, theirs);
}
