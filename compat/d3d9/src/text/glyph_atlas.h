// The glyphs of one ID3DXFont, rasterised once when the font is made into a
// single 8-bit coverage image that a backend uploads as a texture, with the
// metrics that TextLayout places them by. Immutable after Create, so drawing
// text never rasterises.
//
// The characters are DrawTextA's bytes in the Western ANSI code page (1252):
// ASCII 32..126 and 0x80..0xFF. A byte the face has no glyph for draws the
// face's missing-glyph box; control characters (below 32, and 127) draw
// nothing and take no room.
#pragma once

#include "backend.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace compat::d3d9::text
{

// Where one character's glyph sits, in whole pixels. A glyph without ink (the
// space) has a zero width and height.
struct Glyph
{
    int advance = 0; // pen movement to the next character
    int left = 0;    // from the pen to the box's left edge
    int top = 0;     // from the baseline up to the box's top edge
    int width = 0;
    int height = 0;
    int atlasX = 0; // the box's top-left corner in the atlas
    int atlasY = 0;
};

class GlyphAtlas
{
public:
    // Resolves desc.faceName through fontconfig, sizes the glyphs as GDI
    // does (see cell_size.h) and rasterises every character. Null with a
    // one-line `whyNot` when no face is found, the size or weight is out of
    // range, or FreeType fails.
    static std::unique_ptr<GlyphAtlas> Create(const FontDesc& desc, std::string& whyNot);

    // The coverage image: Width() * Height() bytes, top row first, rows
    // tightly packed. Width() is a power of two of at least 64, so rows are
    // 4-byte aligned. A gap of zero coverage surrounds every glyph.
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::span<const uint8_t> Coverage() const { return coverage_; }

    // The distance from one line's top to the next: the cell height.
    int LineHeight() const { return lineHeight_; }
    // From the top of a line down to its baseline.
    int Ascent() const { return ascent_; }
    // The family of the face fontconfig chose.
    std::string_view FamilyName() const { return family_; }

    const Glyph& GlyphFor(char c) const { return glyphs_[static_cast<unsigned char>(c)]; }

    // Glyph rasterisations made by this process so far, by every atlas.
    static std::size_t RasterisedGlyphCount();

private:
    GlyphAtlas() = default;

    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> coverage_;
    int lineHeight_ = 0;
    int ascent_ = 0;
    std::string family_;
    std::array<Glyph, 256> glyphs_{};
};

} // namespace compat::d3d9::text
