// The glyph atlas: the face fontconfig picks, glyphs sized as GDI sizes
// them, and an atlas whose glyphs lie apart, each where its metrics say.
#include "TextTest.h"

#include <algorithm>

namespace test
{
namespace
{

// The sum of a glyph's coverage in the atlas.
long Ink(const GlyphAtlas& atlas, char c)
{
    const Glyph& g = atlas.GlyphFor(c);
    long ink = 0;
    for (int y = g.atlasY; y < g.atlasY + g.height; ++y)
        for (int x = g.atlasX; x < g.atlasX + g.width; ++x)
            ink += atlas.Coverage()[static_cast<std::size_t>(y) * atlas.Width() + x];
    return ink;
}

// The average advance of lower-case English text: the letter and space
// frequencies (per thousand) a face's declared average width is weighed by.
double EnglishAverageAdvance(const GlyphAtlas& atlas)
{
    static constexpr int kPerThousand[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                             56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    double sum = 0;
    for (int i = 0; i < 27; ++i)
        sum += kPerThousand[i] * atlas.GlyphFor(i < 26 ? static_cast<char>('a' + i) : ' ').advance;
    return sum / 1000;
}

TEST(FaceLookup, AMissingNameGetsASubstituteAndThinWeightsTheRegularFace)
{
    const GlyphAtlas* areal = ProgramFont();
    ASSERT_NE(areal, nullptr);
    EXPECT_FALSE(areal->FamilyName().empty());
    EXPECT_NE(areal->FamilyName(), "Areal") << "there is no such face";
    EXPECT_LT(areal->GlyphFor('i').advance, areal->GlyphFor('W').advance) << "proportional";

    const auto mono = Make(ProgramDesc(10, 10, 20, "DejaVu Sans Mono"));
    const auto regular = Make(ProgramDesc(10, 10, 400));
    const auto bold = Make(ProgramDesc(10, 10, 700));
    ASSERT_TRUE(mono && regular && bold);
    EXPECT_EQ(mono->FamilyName(), "DejaVu Sans Mono") << "an existing name is taken as it is";
    EXPECT_EQ(mono->GlyphFor('i').advance, mono->GlyphFor('W').advance);
    EXPECT_TRUE(std::ranges::equal(areal->Coverage(), regular->Coverage()))
        << "weight 20 draws as weight 400, not with a light face";
    EXPECT_GT(Ink(*bold, 'H'), Ink(*regular, 'H') * 5 / 4);
}

TEST(GlyphSize, CellHeightIsTheLineHeightAndHoldsEveryGlyph)
{
    // At the program's height every glyph fits its line. Where the face's
    // ascent and descent both end part way into a pixel, a glyph reaching
    // them may cover one antialiased row beyond the whole-pixel cell.
    for (int height : {10, 17, 40})
    {
        const int spill = height == 10 ? 0 : 1;
        const auto atlas = Make(ProgramDesc(height, 0));
        ASSERT_NE(atlas, nullptr);
        EXPECT_EQ(atlas->LineHeight(), height);
        for (char c = 33; c < 127; ++c)
        {
            const Glyph& g = atlas->GlyphFor(c);
            EXPECT_GT(g.width * g.height, 0) << c;
            EXPECT_GE(atlas->Ascent() - g.top, -spill) << c << " at height " << height;
            EXPECT_LE(atlas->Ascent() - g.top + g.height, height + spill)
                << c << " at height " << height;
        }
        EXPECT_NEAR(atlas->GlyphFor('H').height, ProgramFont()->GlyphFor('H').height * height / 10,
                    height / 10);
    }
}

TEST(GlyphSize, WidthIsTheAverageCharacterWidth)
{
    const auto twenty = Make(ProgramDesc(10, 20));
    const auto natural = Make(ProgramDesc(10, 0));
    ASSERT_TRUE(ProgramFont() && twenty && natural);
    EXPECT_NEAR(EnglishAverageAdvance(*ProgramFont()), 10, 1);
    EXPECT_NEAR(EnglishAverageAdvance(*twenty), 20, 1);
    EXPECT_EQ(twenty->GlyphFor('H').height, ProgramFont()->GlyphFor('H').height);
    EXPECT_LT(EnglishAverageAdvance(*natural), 7.5)
        << "DejaVu's own proportions are narrower than 10 pixels a character at this height";
}

TEST(Atlas, GlyphsLieInsideAndApartAndEachFontRasterisesOnce)
{
    const std::size_t before = GlyphAtlas::RasterisedGlyphCount();
    const auto atlas = Make(ProgramDesc(12, 12));
    ASSERT_NE(atlas, nullptr);
    const std::size_t rasterised = GlyphAtlas::RasterisedGlyphCount() - before;
    EXPECT_GE(rasterised, 95u) << "printable ASCII at least";
    EXPECT_LE(rasterised, 224u) << "no glyph twice";

    const int w = atlas->Width();
    ASSERT_EQ(atlas->Coverage().size(), static_cast<std::size_t>(w) * atlas->Height());
    // No atlas pixel belongs to two glyphs, and a ring of empty pixels
    // surrounds each.
    std::vector<const Glyph*> owner(atlas->Coverage().size(), nullptr);
    for (int c = 32; c < 256; ++c)
    {
        const Glyph& g = atlas->GlyphFor(static_cast<char>(c));
        if (g.width == 0)
            continue;
        ASSERT_TRUE(g.atlasX >= 1 && g.atlasY >= 1 && g.atlasX + g.width < w &&
                    g.atlasY + g.height < atlas->Height())
            << "byte " << c << " with its gap inside";
        for (int y = g.atlasY - 1; y <= g.atlasY + g.height; ++y)
            for (int x = g.atlasX - 1; x <= g.atlasX + g.width; ++x)
            {
                const std::size_t at = static_cast<std::size_t>(y) * w + x;
                if (x < g.atlasX || y < g.atlasY || x == g.atlasX + g.width ||
                    y == g.atlasY + g.height)
                    EXPECT_EQ(atlas->Coverage()[at], 0) << "byte " << c << "'s gap";
                else if (owner[at] != nullptr &&
                         (owner[at]->atlasX != g.atlasX || owner[at]->atlasY != g.atlasY))
                    ADD_FAILURE() << "byte " << c << " overlaps another glyph";
                else
                    owner[at] = &g;
            }
    }
}

TEST(Atlas, BytesAreWesternCodePageCharactersAndControlsDrawNothing)
{
    const GlyphAtlas& atlas = *ProgramFont();
    const auto same = [&](char a, char b)
    {
        return atlas.GlyphFor(a).atlasX == atlas.GlyphFor(b).atlasX &&
               atlas.GlyphFor(a).atlasY == atlas.GlyphFor(b).atlasY;
    };
    EXPECT_TRUE(same('\x81', '\x8D')) << "undefined bytes share the missing-glyph box";
    EXPECT_FALSE(same('\x80', '\x81')) << "0x80 is the euro sign";
    EXPECT_GT(Ink(atlas, '\xE9'), Ink(atlas, 'e')) << "0xE9 is e with an accent";
    for (char control : {'\t', '\x01', '\x7F'})
        EXPECT_EQ(atlas.GlyphFor(control).advance + atlas.GlyphFor(control).width, 0);
}

TEST(Atlas, BadArgumentsAreRefusedWithAOneLineReason)
{
    const std::pair<FontDesc, const char*> cases[] = {
        {ProgramDesc(10, 10, 1001), "weight 1001"},
        {ProgramDesc(100000), "height 100000"},
        {ProgramDesc(10, 5000), "width 5000"},
    };
    for (const auto& [desc, named] : cases)
    {
        std::string whyNot;
        EXPECT_EQ(GlyphAtlas::Create(desc, whyNot), nullptr) << named;
        EXPECT_NE(whyNot.find(named), std::string::npos) << whyNot;
        EXPECT_EQ(whyNot.find('\n'), std::string::npos) << whyNot;
    }
}

} // namespace
} // namespace test
