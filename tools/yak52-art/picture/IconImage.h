// Turning two renders of the same frame, one on black and one on white, into
// a picture with a transparent background, framed and scaled to an icon.
#pragma once

#include <Image.h>

namespace yak52_picture
{

// The model's pixels are those drawn alike on both backgrounds; every other
// pixel is background and becomes transparent. The two images are the same
// size.
picture::Image CutOut(const picture::Image& onBlack, const picture::Image& onWhite);

// A square of `size` pixels holding the whole model, centred, its longer side
// `fill` of the square's, averaged down from the cut-out (area sampling, so
// that edges are smooth and partly covered pixels partly transparent). Empty
// when the cut-out holds no model pixel.
picture::Image FramedIcon(const picture::Image& cutOut, int size, double fill);

// The icon over a dark rim `radius` pixels wide (`opacity` from 0 to 1), so
// that a light model stands out on a light background too.
picture::Image WithRim(const picture::Image& icon, int radius, double opacity);

} // namespace yak52_picture
