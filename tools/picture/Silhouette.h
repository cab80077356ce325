// How well the shapes drawn over a plain background in two pictures of the
// same size agree: the pixels that are not background in either picture,
// and how many of them differ.
#pragma once

#include "Image.h"

namespace picture
{

// Pixels more than `levels` from the background are the shape's; pixels of
// `excluded` are left out (a corner with text in it, say).
struct SilhouetteOverlap
{
    int inFirst = 0;  // the shape's pixels in the first picture
    int inSecond = 0; // and in the second
    int inEither = 0;
    int differing = 0;        // of those, pixels more than `levels` apart
    int differingAtEdges = 0; // of those, next to the background in one picture

    double Share() const { return inEither > 0 ? double(differing) / inEither : 1.0; }
};

SilhouetteOverlap CompareSilhouettes(const Image& first, const Image& second, Rgb background,
                                     Region excluded, int levels);

} // namespace picture
