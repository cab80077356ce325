// How two frames of the program compare: the aircraft pixel by pixel, the
// help texts by where their lines stand and by their colours (two font
// rasterisers never draw the same glyphs).
#pragma once

#include "Frame.h"

#include <vector>

namespace windows_test
{

struct Region
{
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive
};

// The model's pixels: those that are not sky in either frame, outside
// `excluded` (the help texts' corner); how many there are in each frame and
// in either, and how many of the latter differ by more than `levels`.
struct ModelDifference
{
    int inFirst = 0;
    int inSecond = 0;
    int inEither = 0;
    int differing = 0;
    int differingAtEdges = 0; // of those, next to the sky in one of the frames

    double Share() const { return inEither > 0 ? double(differing) / inEither : 1.0; }
};

// Frames of the same size.
ModelDifference CompareModel(const Frame& first, const Frame& second, Rgb sky, Region excluded,
                             int levels);

// One line of a help text: the rows and columns its ink covers, the mean
// height of its ink (pixel centres at .5); its ink's
// colour at full strength (each ink pixel's way from the sky, lengthened to
// where a stroke covering the whole pixel would lie, averaged), and how
// near full strength its strongest pixel comes (0 sky .. 1 full).
struct TextLine
{
    int top = 0, bottom = 0, left = 0, right = 0; // right and bottom exclusive
    double middle = 0;
    Rgb ink;
    double strength = 0;

    double Centre() const { return (left + right) / 2.0; }
};

// The lines drawn in `colour` over `sky` within `region`, top first: pixels
// at least half way from the sky towards the colour are ink; a line is a run
// of rows with at least an eighth of the inkiest row's ink.
std::vector<TextLine> FindTextLines(const Frame& frame, Rgb colour, Rgb sky, Region region);

} // namespace windows_test
