// One rule for every picture of text, whatever drew it. Ink is judged
// against the background alone, not against a colour named in advance, so
// that lines of several colours are found in one pass and a line drawn in a
// wrong colour is still found (and then fails on its colour rather than
// going missing). Lines are told apart where the ink of a block of rows runs
// thin, and each line's core is measured against its own fullest row rather
// than against the fullest row of the whole picture, so that a short line
// standing apart from long ones keeps all of its rows.
#include "InkLines.h"

#include <algorithm>
#include <map>

namespace picture
{
namespace
{

constexpr int kInk = 48;

Rgb CommonestColour(const Image& image, Region region)
{
    std::map<std::uint32_t, int> counts;
    for (int y = region.top; y < region.bottom; ++y)
        for (int x = region.left; x < region.right; ++x)
            ++counts[image.Pixel(x, y) & 0xffffffu];
    if (counts.empty())
        return {};
    return ToRgb(std::max_element(counts.begin(), counts.end(),
                                  [](const auto& a, const auto& b) { return a.second < b.second; })
                     ->first);
}

// From the background through `ink` on to where a channel reaches 0 or 255.
Rgb TextColour(Rgb background, Rgb ink)
{
    const int from[3] = {background.r, background.g, background.b};
    const int to[3] = {ink.r, ink.g, ink.b};
    double scale = 1e9;
    for (int c = 0; c < 3; ++c)
    {
        const int step = to[c] - from[c];
        if (step > 0)
            scale = std::min(scale, double(255 - from[c]) / step);
        else if (step < 0)
            scale = std::min(scale, double(from[c]) / -step);
    }
    int colour[3];
    for (int c = 0; c < 3; ++c)
        colour[c] =
            static_cast<int>(std::clamp(from[c] + scale * (to[c] - from[c]) + 0.5, 0.0, 255.0));
    return {colour[0], colour[1], colour[2]};
}

struct Rows
{
    int first;
    int last; // exclusive
};

// Splits a block of rows at its valleys and gives each piece's core.
void SplitBlock(const std::vector<int>& counts, Rows block, std::vector<Rows>& cores)
{
    auto fullest = [&](Rows rows)
    {
        int most = 0;
        for (int y = rows.first; y < rows.last; ++y)
            most = std::max(most, counts[y]);
        return most;
    };
    const int blockMost = fullest(block);
    int start = -1;
    for (int y = block.first; y <= block.last; ++y)
    {
        const bool valley = y == block.last || counts[y] * 100 < blockMost * 15;
        if (!valley && start < 0)
            start = y;
        if (!valley || start < 0)
            continue;
        const Rows piece{start, y};
        start = -1;
        const int most = fullest(piece);
        Rows core{piece.last, piece.first};
        for (int row = piece.first; row < piece.last; ++row)
            if (counts[row] * 4 >= most)
            {
                core.first = std::min(core.first, row);
                core.last = std::max(core.last, row + 1);
            }
        if (core.last - core.first >= 2)
            cores.push_back(core);
    }
}

} // namespace

std::vector<InkLine> FindInkLines(const Image& image, Region region)
{
    const Region inside = image.Clip(region);
    if (inside.Empty())
        return {};
    const Rgb background = CommonestColour(image, inside);
    auto isInk = [&](Rgb colour) { return Differ(colour, background, kInk); };
    // Ink pixels a row, indexed by the row in the picture.
    std::vector<int> counts(static_cast<std::size_t>(inside.bottom), 0);
    for (int y = inside.top; y < inside.bottom; ++y)
        counts[y] = image.Count({inside.left, y, inside.right, y + 1}, isInk);

    std::vector<Rows> cores;
    int start = -1;
    for (int y = inside.top; y <= inside.bottom; ++y)
    {
        const bool ink = y < inside.bottom && counts[y] > 0;
        if (ink && start < 0)
            start = y;
        if (!ink && start >= 0)
        {
            SplitBlock(counts, Rows{start, y}, cores);
            start = -1;
        }
    }

    std::vector<InkLine> lines;
    for (const Rows& rows : cores)
    {
        InkLine line{rows.first, rows.last, inside.right, inside.left, 0, {}};
        Rgb strongest = background;
        double inkRows = 0, inkPixels = 0;
        for (int y = rows.first; y < rows.last; ++y)
            for (int x = inside.left; x < inside.right; ++x)
            {
                const Rgb colour = image.At(x, y);
                if (!isInk(colour))
                    continue;
                line.left = std::min(line.left, x);
                line.right = std::max(line.right, x + 1);
                inkRows += y + 0.5;
                inkPixels += 1;
                if (ColourDifference(colour, background) > ColourDifference(strongest, background))
                    strongest = colour;
            }
        line.middle = inkRows / inkPixels;
        line.colour = TextColour(background, strongest);
        lines.push_back(line);
    }
    return lines;
}

} // namespace picture
