// Where a picture's lines of text stand, found from the ink alone, so that
// two fonts that shape their glyphs differently can still be compared: each
// line's rows and columns and the colour its ink is drawn in.
#pragma once

#include "Picture.h"

#include <cstdint>
#include <string>
#include <vector>

struct InkLine
{
    // The line's core rows (where its letters' bodies stand: from the first
    // to the last row holding at least a quarter of the ink of the line's
    // fullest row, so that lone ascenders and descenders are left out) and
    // the columns of ink in them; right and bottom are exclusive.
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    // The colour the ink blends towards: the line's strongest ink pixel
    // taken on from the background until a channel reaches 0 or 255. Both
    // an antialiased edge and a full pixel give the text's colour.
    std::uint32_t colour = 0;
};

// The background is the picture's commonest colour; ink is any pixel that
// differs from it by more than 48 levels in a channel. Lines are read top to
// bottom: blocks of rows with ink, each split where a row has less than 15 %
// of the ink of the block's fullest row (where one line's descenders meet
// the next line's ascenders).
std::vector<InkLine> FindInkLines(const Picture& picture);

// Whether `b` stands where `a` does, for two faces of the same cell size
// whose glyphs differ: core rows within 2 pixels, horizontal centres within
// 3, widths within 25 % of the wider (each face's declared average width
// sets its horizontal scale), colours within 24 levels a channel. `why` gets
// the first mismatch.
bool SameLinePlace(const InkLine& a, const InkLine& b, std::string& why);
