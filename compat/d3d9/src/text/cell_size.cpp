// GDI sizes a font by its cell, not its em: a positive LOGFONT height is the
// distance from the highest ascender to the lowest descender the face claims
// (its Windows ascent and descent), so the em is smaller than the height. A
// width is the average character width the face declares, which sets the
// horizontal scale on its own, stretching or squeezing the glyphs.
//
// For the program's font (height 10, width 10, "Areal", which fontconfig
// resolves to DejaVu Sans: 2048 units per em, Windows ascent 1901, descent
// 483, average width 1038):
//   em height = 10 * 2048 / (1901 + 483) = 8.59 px, ascent 1901 / 2384 * 10
//   = 7.97 -> baseline 8 px below the line's top, line height 10 px;
//   em width = 10 * 2048 / 1038 = 19.73 px, 2.3 times the em height, so the
//   glyphs come out wide (a lower-case text averages 10 px a character,
//   where DejaVu's own proportions would give 4.35 px).
#include "cell_size.h"

#include <algorithm>
#include <cmath>

namespace compat::d3d9::text
{
namespace
{

constexpr int kDefaultCellHeight = 16;

} // namespace

std::optional<CellSize> SizeCell(const FaceMetrics& face, int height, unsigned width,
                                 std::string& whyNot)
{
    if (height < -kMaxFontPixels || height > kMaxFontPixels)
    {
        whyNot = "font height " + std::to_string(height) + " is outside -" +
                 std::to_string(kMaxFontPixels) + ".." + std::to_string(kMaxFontPixels);
        return std::nullopt;
    }
    if (width > static_cast<unsigned>(kMaxFontPixels))
    {
        whyNot =
            "font width " + std::to_string(width) + " is above " + std::to_string(kMaxFontPixels);
        return std::nullopt;
    }
    const int cellUnits = face.ascent + face.descent;
    if (face.unitsPerEm <= 0 || face.ascent <= 0 || face.descent < 0)
    {
        whyNot = "the face has no usable vertical metrics";
        return std::nullopt;
    }
    if (width > 0 && face.averageWidth <= 0)
    {
        whyNot = "the face has no average character width to scale a width by";
        return std::nullopt;
    }

    CellSize size;
    const double upem = face.unitsPerEm;
    if (height < 0)
    {
        size.emHeight = -height;
        size.lineHeight = std::max(1, static_cast<int>(std::lround(-height * cellUnits / upem)));
    }
    else
    {
        size.lineHeight = height == 0 ? kDefaultCellHeight : height;
        size.emHeight = size.lineHeight * upem / cellUnits;
    }
    const long ascent = std::lround(face.ascent * size.emHeight / upem);
    size.ascent = static_cast<int>(std::min<long>(size.lineHeight, ascent));
    size.emWidth = width > 0 ? width * upem / face.averageWidth : size.emHeight;
    return size;
}

} // namespace compat::d3d9::text
