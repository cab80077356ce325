#include "TextLines.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

namespace
{

constexpr int kInk = 48;
constexpr int kRowTolerance = 2;
constexpr int kCentreTolerance = 3;
constexpr double kWidthTolerance = 0.25;
constexpr int kColourTolerance = 24;

int Difference(std::uint32_t p, std::uint32_t q)
{
    return std::max({std::abs(RedOf(p) - RedOf(q)), std::abs(GreenOf(p) - GreenOf(q)),
                     std::abs(BlueOf(p) - BlueOf(q))});
}

std::uint32_t CommonestColour(const Picture& picture)
{
    std::map<std::uint32_t, int> counts;
    for (std::uint32_t p : picture.pixels)
        ++counts[p];
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// From the background through `ink` on to where a channel reaches 0 or 255.
std::uint32_t TextColour(std::uint32_t background, std::uint32_t ink)
{
    const int from[3] = {RedOf(background), GreenOf(background), BlueOf(background)};
    const int to[3] = {RedOf(ink), GreenOf(ink), BlueOf(ink)};
    double scale = 1e9;
    for (int c = 0; c < 3; ++c)
    {
        const int step = to[c] - from[c];
        if (step > 0)
            scale = std::min(scale, double(255 - from[c]) / step);
        else if (step < 0)
            scale = std::min(scale, double(from[c]) / -step);
    }
    std::uint32_t colour = 0;
    for (int c = 0; c < 3; ++c)
    {
        const double value = from[c] + scale * (to[c] - from[c]);
        colour = (colour << 8) | static_cast<std::uint32_t>(std::clamp(value + 0.5, 0.0, 255.0));
    }
    return colour;
}

struct Rows
{
    int first;
    int last; // exclusive
};

// Splits a block of rows at its valleys (rows with less than 15 % of the
// ink of the block's fullest row: one line's descenders meeting the next
// line's ascenders) and gives each piece's core: from its first to its last
// row with at least a quarter of the piece's fullest row.
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

std::vector<InkLine> FindInkLines(const Picture& picture)
{
    const std::uint32_t background = CommonestColour(picture);
    std::vector<int> counts(static_cast<std::size_t>(picture.height), 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            counts[y] += Difference(picture.At(x, y), background) > kInk ? 1 : 0;

    std::vector<Rows> cores;
    int start = -1;
    for (int y = 0; y <= picture.height; ++y)
    {
        const bool ink = y < picture.height && counts[y] > 0;
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
        InkLine line{rows.first, rows.last, picture.width, 0, 0};
        std::uint32_t strongest = background;
        for (int y = rows.first; y < rows.last; ++y)
            for (int x = 0; x < picture.width; ++x)
            {
                const std::uint32_t p = picture.At(x, y);
                const int difference = Difference(p, background);
                if (difference <= kInk)
                    continue;
                line.left = std::min(line.left, x);
                line.right = std::max(line.right, x + 1);
                if (difference > Difference(strongest, background))
                    strongest = p;
            }
        line.colour = TextColour(background, strongest);
        lines.push_back(line);
    }
    return lines;
}

bool SameLinePlace(const InkLine& a, const InkLine& b, std::string& why)
{
    const int widthA = a.right - a.left;
    const int widthB = b.right - b.left;
    if (std::abs(a.top - b.top) > kRowTolerance || std::abs(a.bottom - b.bottom) > kRowTolerance)
        why = "its rows differ by more than " + std::to_string(kRowTolerance);
    else if (std::abs((a.left + a.right) - (b.left + b.right)) > 2 * kCentreTolerance)
        why = "its centres differ by more than " + std::to_string(kCentreTolerance) + " pixels";
    else if (std::abs(widthA - widthB) > kWidthTolerance * std::max(widthA, widthB))
        why = "its widths differ by more than 25 %";
    else if (Difference(a.colour, b.colour) > kColourTolerance)
        why = "its colours differ by more than " + std::to_string(kColourTolerance) + " levels";
    else
        return true;
    return false;
}
