// How far two pictures of the same size are apart, pixel by pixel.
#pragma once

#include "Image.h"

namespace picture
{

// How far two pixels are apart: the largest of the differences of their
// opacities and of their colour channels as shown over black (a nearly
// transparent pixel's colour hardly shows, so it counts only as much as the
// pixel is opaque). For opaque pixels, the largest channel difference.
int PixelDifference(std::uint32_t a, std::uint32_t b);

struct Difference
{
    long pixels = 0;    // pixels compared
    long differing = 0; // pixels more than the levels asked apart
    int largest = 0;    // the largest pixel difference
    // The smallest rectangle holding every differing pixel (empty when none).
    Region where;

    double Share() const { return pixels == 0 ? 0.0 : double(differing) / double(pixels); }
};

// Compares pictures of the same size (within `region`, when given); a pixel
// differs when its difference is more than `levels`.
Difference Compare(const Image& a, const Image& b, int levels);
Difference Compare(const Image& a, const Image& b, int levels, Region region);

// A picture of where they differ: `a` faded to grey, pixels more than
// `levels` apart yellow, more than twice `levels` red.
Image DifferencePicture(const Image& a, const Image& b, int levels);

} // namespace picture
