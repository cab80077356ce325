// Where the lines of text in a picture stand, found from the ink alone, so
// that text drawn by two font rasterisers, whose glyphs never agree pixel
// for pixel, can still be compared: each line's rows and columns and the
// colour its ink is drawn in.
#pragma once

#include "Image.h"

#include <vector>

namespace picture
{

struct InkLine
{
    // The line's core rows (its letters' bodies: from the first to the last
    // row holding at least a quarter of the ink of the line's fullest row,
    // so that lone ascenders and descenders are left out) and the columns
    // of ink in them; right and bottom are exclusive.
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    // The mean row of the core's ink (pixel centres at .5): where the line
    // stands, to a fraction of a pixel.
    double middle = 0;
    // The colour the ink blends towards: the line's strongest ink pixel
    // taken on from the background until a channel reaches 0 or 255. An
    // antialiased edge and a fully covered pixel both give the text's colour.
    Rgb colour;

    double Centre() const { return (left + right) / 2.0; }
};

// The lines within `region`, top to bottom. The background is the region's
// commonest colour; ink is any pixel more than 48 levels from it in some
// channel. Blocks of rows with ink are split where a row holds less than
// 15 % of the ink of the block's fullest row (one line's descenders meeting
// the next line's ascenders); a line needs two core rows.
std::vector<InkLine> FindInkLines(const Image& image, Region region);

} // namespace picture
