// Whether a line of text stands where another does, for two faces of the
// same cell size whose glyphs differ.
#pragma once

#include <InkLines.h>

#include <string>

// Core rows within 2 pixels, horizontal centres within 3, widths within 25 %
// of the wider (each face's declared average width sets its horizontal
// scale), colours within 24 levels a channel. `why` gets the first mismatch.
bool SameLinePlace(const picture::InkLine& a, const picture::InkLine& b, std::string& why);
