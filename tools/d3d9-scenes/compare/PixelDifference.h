// How far two pictures of a geometry scene are apart, pixel by pixel: a
// pixel's difference is the largest of its three channels' differences.
#pragma once

#include "Picture.h"

struct PixelDifference
{
    long pixels = 0;
    long within4 = 0; // pixels differing by at most 4 levels
    long over8 = 0;   // pixels differing by more than 8 levels
    int largest = 0;
    // The smallest rectangle holding every pixel that differs by more than 4
    // (right <= left when there is none).
    int left = 0, top = 0, right = 0, bottom = 0;

    double ShareWithin4() const { return pixels == 0 ? 0.0 : double(within4) / double(pixels); }
    double ShareOver8() const { return pixels == 0 ? 0.0 : double(over8) / double(pixels); }
};

// The pictures must have the same size.
PixelDifference ComparePixels(const Picture& a, const Picture& b);

// A picture of where they differ: `a` faded to grey, pixels differing by 5
// to 8 levels yellow, by more than 8 red.
Picture DifferencePicture(const Picture& a, const Picture& b);
