// The GDI size arithmetic on faces with easy numbers: a positive height is
// the cell (ascent + descent), a negative one the em, a width the average
// character width.
#include "text/cell_size.h"

#include <gtest/gtest.h>

namespace test
{
namespace
{

using compat::d3d9::text::CellSize;
using compat::d3d9::text::FaceMetrics;
using compat::d3d9::text::SizeCell;

// A cell as tall as the em, and one twice as tall; characters average half
// an em.
constexpr FaceMetrics kCellIsEm{1000, 800, 200, 500};
constexpr FaceMetrics kCellIsTwoEms{1000, 1500, 500, 500};

TEST(CellSize, FollowsHeightAndWidthAsGdiDoes)
{
    struct Case
    {
        FaceMetrics face;
        int height;
        unsigned width;
        CellSize want;
    };
    const Case cases[] = {
        {kCellIsEm, 10, 0, {10, 10, 10, 8}},
        {kCellIsTwoEms, 10, 0, {5, 5, 10, 8}}, // ascent 7.5 rounds to 8
        {kCellIsEm, 10, 10, {20, 10, 10, 8}},
        {kCellIsTwoEms, 10, 3, {6, 5, 10, 8}},
        {kCellIsTwoEms, -12, 0, {12, 12, 24, 18}},
        {kCellIsEm, 0, 0, {16, 16, 16, 13}}, // a default cell of 16
    };
    for (const Case& c : cases)
    {
        std::string whyNot;
        const auto got = SizeCell(c.face, c.height, c.width, whyNot);
        ASSERT_TRUE(got.has_value()) << whyNot;
        const std::string name = "height " + std::to_string(c.height) + " width " +
                                 std::to_string(c.width) + " of a " +
                                 (c.face.ascent == 800 ? "one" : "two") + "-em cell";
        EXPECT_DOUBLE_EQ(got->emWidth, c.want.emWidth) << name;
        EXPECT_DOUBLE_EQ(got->emHeight, c.want.emHeight) << name;
        EXPECT_EQ(got->lineHeight, c.want.lineHeight) << name;
        EXPECT_EQ(got->ascent, c.want.ascent) << name;
    }
}

TEST(CellSize, RefusesSizesOutOfRangeAndFacesWithoutMetrics)
{
    struct Case
    {
        FaceMetrics face;
        int height;
        unsigned width;
        const char* named;
    };
    const Case cases[] = {
        {kCellIsEm, 257, 0, "height 257"},
        {kCellIsEm, -257, 0, "height -257"},
        {kCellIsEm, 10, 257, "width 257"},
        {FaceMetrics{0, 800, 200, 500}, 10, 0, "vertical metrics"},
        {FaceMetrics{1000, 800, 200, 0}, 10, 10, "average character width"},
    };
    for (const Case& c : cases)
    {
        std::string whyNot;
        EXPECT_FALSE(SizeCell(c.face, c.height, c.width, whyNot).has_value()) << c.named;
        EXPECT_NE(whyNot.find(c.named), std::string::npos) << whyNot;
        EXPECT_EQ(whyNot.find('\n'), std::string::npos) << whyNot;
    }
}

} // namespace
} // namespace test
