// The pixel size of a font's glyphs from the height and width that
// D3DXCreateFont takes, worked out as GDI does for a LOGFONT.
#pragma once

#include <optional>
#include <string>

namespace compat::d3d9::text
{

// The face's own vertical and horizontal metrics, in font units.
struct FaceMetrics
{
    int unitsPerEm = 0;
    int ascent = 0;       // above the baseline
    int descent = 0;      // below the baseline, positive
    int averageWidth = 0; // the face's average character advance
};

struct CellSize
{
    double emWidth = 0;  // the em square in pixels, horizontally
    double emHeight = 0; // and vertically
    int lineHeight = 0;  // from the top of one line to the top of the next
    int ascent = 0;      // from the top of a line down to its baseline
};

// The largest height or width accepted, in pixels; beyond it the atlas of a
// font would not fit in a texture.
constexpr int kMaxFontPixels = 256;

// `height` > 0 is the cell height (ascent + descent), < 0 the character
// (em) height, 0 a default cell of 16 pixels. `width` > 0 is the average
// character width, 0 keeps the face's own proportions. Null with `whyNot` set
// for a size out of range or a face without usable metrics.
std::optional<CellSize> SizeCell(const FaceMetrics& face, int height, unsigned width,
                                 std::string& whyNot);

} // namespace compat::d3d9::text
