// Turning two renders of the same frame, one on black and one on white, into
// a picture with a transparent background, framed and scaled to an icon.
#pragma once

#include <compat/d3d9.h>

#include <cstdint>
#include <vector>

namespace yak52_picture
{

// Straight (not premultiplied) 0xAARRGGBB pixels, top row first.
struct RgbaImage
{
    unsigned width = 0;
    unsigned height = 0;
    std::vector<std::uint32_t> pixels;
};

// The model's pixels are those drawn alike on both backgrounds; every other
// pixel is background and becomes transparent. The two images are the same
// size.
RgbaImage CutOut(const compat::d3d9::Image& onBlack, const compat::d3d9::Image& onWhite);

// A square of `size` pixels holding the whole model, centred, its longer side
// `fill` of the square's, averaged down from the cut-out (area sampling, so
// that edges are smooth and partly covered pixels partly transparent). Empty
// when the cut-out holds no model pixel.
RgbaImage FramedIcon(const RgbaImage& cutOut, unsigned size, double fill);

// The icon over a dark rim `radius` pixels wide (`opacity` from 0 to 1), so
// that a light model stands out on a light background too.
RgbaImage WithRim(const RgbaImage& icon, int radius, double opacity);

} // namespace yak52_picture
