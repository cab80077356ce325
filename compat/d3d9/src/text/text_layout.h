// Where DrawTextA puts each glyph: the layout of a text in a rectangle as a
// list of textured quads over a GlyphAtlas, for a backend to draw. Computes
// only; never allocates and never rasterises.
//
// Lines break at "\n", "\r\n" and "\r" (a break at the very end adds no
// line); each line is placed on its own: DT_LEFT at the rectangle's left,
// DT_CENTER at left + floor((width - line width) / 2), DT_RIGHT ending at the
// right, so glyphs always sit on whole pixels. Lines follow one another every
// LineHeight() from the rectangle's top; with DT_SINGLELINE the breaks draw
// nothing and DT_VCENTER / DT_BOTTOM place the one line. Every quad is cut to
// the rectangle, its texture coordinates cut in proportion, unless
// DT_NOCLIP. With DT_CALCRECT nothing is laid out.
//
// Formats outside kLaidOutFormats are ignored: words are not wrapped
// (DT_WORDBREAK), tabs are not expanded, and an '&' is drawn as itself as
// with DT_NOPREFIX.
#pragma once

#include "glyph_atlas.h"

#include <d3dx9core.h>

#include <cstddef>
#include <span>
#include <string_view>

namespace compat::d3d9::text
{

// A glyph's rectangle in pixels (origin at the top-left of the render target,
// y down) and the same rectangle in the atlas (0..1, v down the atlas rows).
struct GlyphQuad
{
    float x0, y0, x1, y1;
    float u0, v0, u1, v1;
};

constexpr DWORD kLaidOutFormats = DT_LEFT | DT_CENTER | DT_RIGHT | DT_TOP | DT_VCENTER | DT_BOTTOM |
                                  DT_SINGLELINE | DT_NOCLIP | DT_CALCRECT | DT_NOPREFIX;

// Writes the quads of `text` (up to its first NUL, if any) into `quads`;
// glyphs beyond its capacity are dropped. `quadCount` gets the number
// written. Returns the height of the text, lines * LineHeight(), 0 for an
// empty text, whatever the clipping and capacity.
int LayOutText(const GlyphAtlas& atlas, std::string_view text, const RECT& rect, DWORD format,
               std::span<GlyphQuad> quads, std::size_t& quadCount);

// The widest line's width and the text's height, for DT_CALCRECT.
struct TextExtent
{
    int width = 0;
    int height = 0;
};
TextExtent MeasureText(const GlyphAtlas& atlas, std::string_view text, DWORD format);

} // namespace compat::d3d9::text
