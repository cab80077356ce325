// Clipping to DrawTextA's rectangle: quads cut at its edges with their
// texture coordinates cut in proportion, none with DT_NOCLIP, and no more
// quads than the caller has room for.
#include "TextTest.h"

namespace test
{
namespace
{

// `whole` cut to the rectangle: the quad expected.
GlyphQuad Cut(GlyphQuad whole, RECT r)
{
    GlyphQuad cut = whole;
    const float du = (whole.u1 - whole.u0) / (whole.x1 - whole.x0);
    const float dv = (whole.v1 - whole.v0) / (whole.y1 - whole.y0);
    cut.x0 = std::max(whole.x0, static_cast<float>(r.left));
    cut.x1 = std::min(whole.x1, static_cast<float>(r.right));
    cut.y0 = std::max(whole.y0, static_cast<float>(r.top));
    cut.y1 = std::min(whole.y1, static_cast<float>(r.bottom));
    cut.u0 += (cut.x0 - whole.x0) * du;
    cut.u1 -= (whole.x1 - cut.x1) * du;
    cut.v0 += (cut.y0 - whole.y0) * dv;
    cut.v1 -= (whole.y1 - cut.y1) * dv;
    return cut;
}

// The quads of `whole` that reach into `r`, cut to it.
std::vector<GlyphQuad> CutAll(const std::vector<GlyphQuad>& whole, RECT r)
{
    std::vector<GlyphQuad> cut;
    for (const GlyphQuad& q : whole)
        if (q.x1 > static_cast<float>(r.left) && q.x0 < static_cast<float>(r.right) &&
            q.y1 > static_cast<float>(r.top) && q.y0 < static_cast<float>(r.bottom))
            cut.push_back(Cut(q, r));
    return cut;
}

void ExpectSame(const std::vector<GlyphQuad>& got, const std::vector<GlyphQuad>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
    {
        const GlyphQuad& g = got[i];
        const GlyphQuad& w = want[i];
        EXPECT_TRUE(g.x0 == w.x0 && g.x1 == w.x1 && g.y0 == w.y0 && g.y1 == w.y1) << "quad " << i;
        for (auto [a, b] : {std::pair{g.u0, w.u0}, {g.u1, w.u1}, {g.v0, w.v0}, {g.v1, w.v1}})
            EXPECT_NEAR(a, b, 1e-5f) << "quad " << i;
    }
}

TEST(Clipping, ARectangleNarrowerOrShorterThanTheTextCutsItAtItsEdges)
{
    ASSERT_NE(ProgramFont(), nullptr);
    // Both rectangles are centred on x = 112, so the text lands in the same
    // place in each; the small one cuts it on both sides and below.
    const RECT small{100, 0, 124, 15};
    const auto whole = LayOut(kKeysHelp, RECT{-888, 0, 1112, 500});
    const auto cut = LayOut(kKeysHelp, small);
    const auto want = CutAll(whole.quads, small);
    ExpectSame(cut.quads, want);
    EXPECT_LT(want.size(), whole.quads.size()) << "some glyphs fall wholly outside";
    bool left = false, right = false, bottom = false;
    for (const GlyphQuad& q : cut.quads)
    {
        left |= q.x0 == 100;
        right |= q.x1 == 124;
        bottom |= q.y1 == 15;
    }
    EXPECT_TRUE(left && right && bottom) << "glyphs straddle three edges";
    EXPECT_EQ(cut.height, 30) << "the height drawn does not depend on the clipping";

    ExpectSame(LayOut(kKeysHelp, small, DT_CENTER | DT_NOCLIP).quads, whole.quads);
}

TEST(Clipping, QuadsBeyondTheCapacityAreDropped)
{
    ASSERT_NE(ProgramFont(), nullptr);
    const auto all = LayOut(kCameraHelp, RECT{0, 0, 600, 400});
    const auto three = LayOut(kCameraHelp, RECT{0, 0, 600, 400}, DT_CENTER, 3);
    EXPECT_EQ(three.height, all.height);
    ExpectSame(three.quads, std::vector<GlyphQuad>(all.quads.begin(), all.quads.begin() + 3));
    EXPECT_TRUE(LayOut(kCameraHelp, RECT{0, 0, 600, 400}, DT_CENTER, 0).quads.empty());
}

} // namespace
} // namespace test
