// What the text tests share: the program's font (made once), its two help
// texts, and a layout into a vector for easy inspection.
#pragma once

#include "text/glyph_atlas.h"
#include "text/text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace test
{

using compat::d3d9::FontDesc;
using compat::d3d9::text::Glyph;
using compat::d3d9::text::GlyphAtlas;
using compat::d3d9::text::GlyphQuad;

inline constexpr std::string_view kCameraHelp =
    "Camera:\n choose - F1, F2, F3\n Up/Dw - S, X\n Left/Right - Z, C\n Roll - A, D";
inline constexpr std::string_view kKeysHelp = "Exit - 'ESC'\nReset - 'R'\nPush - 'P'";

// The arguments the program gives D3DXCreateFontW, some of them changed.
inline FontDesc ProgramDesc(int height = 10, unsigned width = 10, unsigned weight = 20,
                            std::string face = "Areal")
{
    return FontDesc{height, width, weight, 10, FALSE, 10, 7, 10, 10, std::move(face)};
}

inline std::unique_ptr<GlyphAtlas> Make(const FontDesc& desc)
{
    std::string whyNot;
    auto atlas = GlyphAtlas::Create(desc, whyNot);
    EXPECT_NE(atlas, nullptr) << whyNot;
    return atlas;
}

// The program's font, made on first use; null (and the test fails) when it
// cannot be made.
inline const GlyphAtlas* ProgramFont()
{
    static const std::unique_ptr<GlyphAtlas> font = Make(ProgramDesc());
    return font.get();
}

struct Layout
{
    int height = 0;
    std::vector<GlyphQuad> quads;
};

inline Layout LayOut(std::string_view text, RECT rect, DWORD format = DT_CENTER,
                     std::size_t capacity = 1024)
{
    Layout layout{0, std::vector<GlyphQuad>(capacity)};
    std::size_t count = 0;
    layout.height =
        compat::d3d9::text::LayOutText(*ProgramFont(), text, rect, format, layout.quads, count);
    layout.quads.resize(count);
    return layout;
}

inline int AdvanceSum(std::string_view line)
{
    int sum = 0;
    for (char c : line)
        sum += ProgramFont()->GlyphFor(c).advance;
    return sum;
}

} // namespace test
