// same-picture: compares two PNG pictures of the same size pixel by pixel.
//
//   same-picture A.png B.png [MAX_SHARE]
//
// Prints how many pixels differ by more than 8 levels, and exits 0 when that
// is at most MAX_SHARE of them (default 0.005), 1 when more or when the
// sizes differ, and 2 when a file cannot be read or the arguments are wrong.
#include "Difference.h"
#include "PngFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

constexpr int kLevels = 8;
constexpr double kDefaultShare = 0.005;

int Usage()
{
    std::fprintf(stderr, "usage: same-picture A.png B.png [MAX_SHARE]\n");
    return 2;
}

// MAX_SHARE: a number from 0 to 1.
bool ReadShare(const char* text, double& share)
{
    char* end = nullptr;
    share = std::strtod(text, &end);
    return end != text && *end == '\0' && share >= 0 && share <= 1;
}

} // namespace

int main(int argc, char** argv)
{
    double limit = kDefaultShare;
    if (argc < 3 || argc > 4 || (argc == 4 && !ReadShare(argv[3], limit)))
        return Usage();
    picture::Image a, b;
    std::string error = picture::ReadPng(argv[1], a);
    if (error.empty())
        error = picture::ReadPng(argv[2], b);
    if (!error.empty())
    {
        std::fprintf(stderr, "same-picture: %s\n", error.c_str());
        return 2;
    }
    if (a.width != b.width || a.height != b.height)
    {
        std::fprintf(stderr, "same-picture: %dx%d against %dx%d\n", a.width, a.height, b.width,
                     b.height);
        return 1;
    }
    const picture::Difference d = picture::Compare(a, b, kLevels);
    std::printf("%ld of %ld pixels differ by more than %d levels (%.3f%%)\n", d.differing, d.pixels,
                kLevels, 100.0 * d.Share());
    return d.Share() <= limit ? 0 : 1;
}
