// DrawTextA's layout of the program's help texts: lines centred one by one,
// the block at the top of the rectangle, the height drawn, and a layout that
// neither rasterises nor allocates.
#include "AllocationCounter.h"
#include "TextTest.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace test
{
namespace
{

constexpr RECT kCameraRect{0, 0, 600, 400};
constexpr RECT kKeysRect{0, 100, 600, 300};

class Layout : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(ProgramFont(), nullptr); }
};

// The quads whose top lies in the line `index` lines below `top`.
std::vector<GlyphQuad> OnLine(const std::vector<GlyphQuad>& quads, int top, int index)
{
    std::vector<GlyphQuad> line;
    for (const GlyphQuad& q : quads)
        if (q.y0 >= static_cast<float>(top + index * 10) &&
            q.y0 < static_cast<float>(top + index * 10 + 10))
            line.push_back(q);
    return line;
}

TEST_F(Layout, EachCameraHelpLineIsCentredOnTheRectangle)
{
    const auto layout = LayOut(kCameraHelp, kCameraRect);
    EXPECT_EQ(layout.height, 50);
    std::set<float> starts;
    std::string_view rest = kCameraHelp;
    for (int i = 0; !rest.empty(); ++i)
    {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(rest.size(), line.size() + 1));
        const auto quads = OnLine(layout.quads, 0, i);
        ASSERT_EQ(quads.size(), line.size() - std::count(line.begin(), line.end(), ' '))
            << "line " << i;
        // Where the pen started: the first glyph's place less its bearing
        // and the advances of the spaces before it.
        const std::size_t ink = line.find_first_not_of(' ');
        const float start =
            quads.front().x0 - static_cast<float>(ProgramFont()->GlyphFor(line[ink]).left +
                                                  AdvanceSum(line.substr(0, ink)));
        EXPECT_NEAR(start + static_cast<float>(AdvanceSum(line)) / 2, 300, 1) << line;
        EXPECT_EQ(start, std::floor(start)) << "glyphs sit on whole pixels";
        starts.insert(start);
    }
    EXPECT_EQ(starts.size(), 5u) << "lines of different lengths start at different places";
}

TEST_F(Layout, TheKeysHelpStartsAtTheRectangleTopInsideItsWidth)
{
    const auto layout = LayOut(kKeysHelp, kKeysRect);
    EXPECT_EQ(layout.height, 30);
    for (const GlyphQuad& q : layout.quads)
        EXPECT_TRUE(q.y0 >= 100 && q.x0 >= 0 && q.x1 <= 600) << q.x0 << "," << q.y0;
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(OnLine(layout.quads, 100, i).empty()) << "line " << i;
}

TEST_F(Layout, HeightIsLinesTimesTheLineHeightAndBreaksDrawNothing)
{
    struct Case
    {
        std::string_view text;
        int lines;
        std::size_t glyphs;
    };
    const Case cases[] = {
        {"Push", 1, 4},       {"Push\n", 1, 4},
        {"Push\r\n", 1, 4},   {"Exit\n\nPush", 3, 8},
        {"Exit\rPush", 2, 8}, {"Exit\r\nPush", 2, 8},
        {"", 0, 0},           {std::string_view("Exit\0Push", 9), 1, 4},
    };
    for (const Case& c : cases)
    {
        const auto layout = LayOut(c.text, kCameraRect);
        EXPECT_EQ(layout.height, c.lines * 10) << c.text;
        EXPECT_EQ(layout.quads.size(), c.glyphs) << c.text;
        EXPECT_EQ(compat::d3d9::text::MeasureText(*ProgramFont(), c.text, 0).height, c.lines * 10);
    }
}

TEST_F(Layout, TheTextEndsAtItsCount)
{
    const auto prefix = LayOut(kKeysHelp.substr(0, 4), kKeysRect);
    const auto exit = LayOut("Exit", kKeysRect);
    EXPECT_EQ(prefix.height, 10);
    ASSERT_EQ(prefix.quads.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(prefix.quads[i].x0, exit.quads[i].x0) << "centred as \"Exit\" alone";
}

TEST_F(Layout, AlignmentsAgreeInARectangleAsWideAsTheText)
{
    const int width = compat::d3d9::text::MeasureText(*ProgramFont(), kKeysHelp, 0).width;
    EXPECT_EQ(width, AdvanceSum("Exit - 'ESC'")) << "the widest line";
    const RECT fit{7, 3, 7 + width, 40};
    const auto left = LayOut("Exit - 'ESC'", fit, DT_LEFT);
    EXPECT_EQ(left.quads.front().x0, 7 + ProgramFont()->GlyphFor('E').left);
    for (DWORD format : {DWORD{DT_CENTER}, DWORD{DT_RIGHT}})
    {
        const auto other = LayOut("Exit - 'ESC'", fit, format);
        ASSERT_EQ(other.quads.size(), left.quads.size());
        for (std::size_t i = 0; i < left.quads.size(); ++i)
            EXPECT_EQ(other.quads[i].x0, left.quads[i].x0) << "format " << format;
    }
    const auto calc = LayOut(kKeysHelp, kKeysRect, DT_CALCRECT);
    EXPECT_EQ(calc.height, 30);
    EXPECT_TRUE(calc.quads.empty()) << "DT_CALCRECT only measures";
    const auto single = LayOut("a\nb", RECT{0, 0, 100, 40}, DT_SINGLELINE | DT_BOTTOM);
    EXPECT_EQ(single.height, 10);
    ASSERT_EQ(single.quads.size(), 2u);
    EXPECT_TRUE(single.quads[0].y0 >= 30 && single.quads[1].y0 >= 30) << "one line, at the bottom";
}

TEST_F(Layout, NeitherRasterisesNorAllocates)
{
    std::array<GlyphQuad, 128> quads{};
    std::size_t count = 0;
    const std::size_t rasterised = GlyphAtlas::RasterisedGlyphCount();
    const std::size_t allocations = AllocationCount();
    int heights = 0;
    for (int frame = 0; frame < 3; ++frame)
    {
        using compat::d3d9::text::LayOutText;
        heights += LayOutText(*ProgramFont(), kCameraHelp, kCameraRect, DT_CENTER, quads, count);
        heights += LayOutText(*ProgramFont(), kKeysHelp, kKeysRect, DT_CENTER, quads, count);
    }
    EXPECT_EQ(AllocationCount(), allocations);
    EXPECT_EQ(GlyphAtlas::RasterisedGlyphCount(), rasterised);
    EXPECT_EQ(heights, 3 * (50 + 30));
    EXPECT_GT(count, 0u);
}

} // namespace
} // namespace test
