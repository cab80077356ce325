// d3d9-scenes-compare: judges a scene drawn by our Direct3D 9 stand-in
// against the same scene drawn by Windows' own (under Wine), both written by
// d3d9-scenes.
//
//   d3d9-scenes-compare geometry OURS.ppm THEIRS.ppm [DIFFERENCE.ppm]
//       passes when at least 99.5 % of the pixels are within 4 levels in
//       every channel; DIFFERENCE.ppm shows where they are not.
//   d3d9-scenes-compare text OURS.ppm THEIRS.ppm
//       passes when both have the same lines of text, each standing in the
//       same place in the same colour (LinePlace.h); glyph shapes may differ.
//
// Exit status 0 when the pictures agree, 1 when they do not, 2 on bad input.
#include "LinePlace.h"

#include <Difference.h>
#include <InkLines.h>
#include <PpmFile.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

constexpr double kGeometryShare = 0.995;
constexpr int kNear = 4; // levels a pixel may be off and still agree
constexpr int kFar = 8;  // levels a viewer would notice (reported only)

int Usage()
{
    std::fprintf(stderr, "usage: d3d9-scenes-compare geometry|text OURS.ppm THEIRS.ppm "
                         "[DIFFERENCE.ppm]\n");
    return 2;
}

int CompareGeometry(const picture::Image& ours, const picture::Image& theirs,
                    const char* differencePath)
{
    const picture::Difference near = picture::Compare(ours, theirs, kNear);
    const picture::Difference far = picture::Compare(ours, theirs, kFar);
    const double within = 1.0 - near.Share();
    std::printf("%.3f %% of the pixels within %d levels, %.3f %% more than %d apart, largest "
                "difference %d\n",
                100.0 * within, kNear, 100.0 * far.Share(), kFar, near.largest);
    if (!near.where.Empty())
        std::printf("pixels more than %d apart lie within columns %d-%d, rows %d-%d\n", kNear,
                    near.where.left, near.where.right - 1, near.where.top, near.where.bottom - 1);
    if (differencePath != nullptr)
    {
        const std::string error =
            picture::WritePpm(differencePath, picture::DifferencePicture(ours, theirs, kNear));
        if (!error.empty())
            std::fprintf(stderr, "d3d9-scenes-compare: %s\n", error.c_str());
    }
    if (within >= kGeometryShare)
        return 0;
    std::printf("FAILED: fewer than %.1f %% of the pixels are within %d levels\n",
                100.0 * kGeometryShare, kNear);
    return 1;
}

void PrintLine(const char* who, const picture::InkLine& line)
{
    std::printf("  %-6s rows %3d-%3d, columns %3d-%3d, colour %06x\n", who, line.top,
                line.bottom - 1, line.left, line.right - 1,
                static_cast<unsigned>(picture::ToPixel(line.colour) & 0xffffffu));
}

int CompareText(const picture::Image& ours, const picture::Image& theirs)
{
    const std::vector<picture::InkLine> a = picture::FindInkLines(ours, ours.Whole());
    const std::vector<picture::InkLine> b = picture::FindInkLines(theirs, theirs.Whole());
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
    picture::Image ours;
    picture::Image theirs;
    std::string error = picture::ReadPpm(argv[2], ours);
    if (error.empty())
        error = picture::ReadPpm(argv[3], theirs);
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
