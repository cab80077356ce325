// How the library judges pictures: the share of pixels that differ (and
// same-picture, which judges two PNG files by it), the overlap of two shapes
// over a plain background, and where lines of text stand, each on a small
// picture made for the purpose.
#include "ChildProcess.h"
#include "Difference.h"
#include "InkLines.h"
#include "PngFile.h"
#include "ScratchFolder.h"
#include "Silhouette.h"

#include <gtest/gtest.h>

namespace
{

using picture::Image;
using picture::Rgb;

constexpr Rgb kSky{155, 155, 255};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kRed{255, 0, 0};

Image Plain(int width, int height, Rgb colour)
{
    return Image{width, height,
                 std::vector<std::uint32_t>(std::size_t(width) * height, picture::ToPixel(colour))};
}

void Fill(Image& image, picture::Region region, Rgb colour)
{
    for (int y = region.top; y < region.bottom; ++y)
        for (int x = region.left; x < region.right; ++x)
            image.Pixel(x, y) = picture::ToPixel(colour);
}

TEST(Difference, CountsThePixelsMoreThanTheLevelsApartAndWhereTheyAre)
{
    const Image a = Plain(40, 25, kSky);
    Image b = a;
    // Twelve pixels far off, in columns 3..14 of row 7; thirty a little off;
    // one whose opacity alone changed.
    for (int x = 3; x < 15; ++x)
        b.Pixel(x, 7) = picture::ToPixel({155, 175, 255});
    for (int x = 0; x < 30; ++x)
        b.Pixel(x, 20) = picture::ToPixel({150, 155, 255});
    b.Pixel(30, 22) = picture::ToPixel(kSky, 100);

    const picture::Difference d = picture::Compare(a, b, 8);
    EXPECT_EQ(d.pixels, 40 * 25);
    EXPECT_EQ(d.differing, 13);
    EXPECT_DOUBLE_EQ(d.Share(), 13.0 / (40 * 25));
    EXPECT_EQ(d.largest, 155);
    EXPECT_EQ(d.where.left, 3);
    EXPECT_EQ(d.where.top, 7);
    EXPECT_EQ(d.where.right, 31);
    EXPECT_EQ(d.where.bottom, 23);
    EXPECT_EQ(picture::Compare(a, b, 4).differing, 13 + 30);
    EXPECT_EQ(picture::Compare(a, a, 0).differing, 0);
}

// Exit status 0 within the share allowed, 1 over it, 2 for a file that
// cannot be read.
TEST(SamePicture, PassesWithinTheShareFailsOverItAndRefusesWhatItCannotRead)
{
    const test::ScratchFolder folder{"picture-test"};
    const Image a = Plain(20, 10, kSky);
    Image b = a;
    for (int x = 0; x < 3; ++x)
        b.Pixel(x, 4) = picture::ToPixel({155, 155, 200});
    ASSERT_EQ(picture::WritePng(folder / "a.png", a), "");
    ASSERT_EQ(picture::WritePng(folder / "b.png", b), "");

    auto run = [&](std::vector<std::string> arguments, std::string* output = nullptr)
    {
        arguments.insert(arguments.begin(), SAME_PICTURE);
        test::ChildProcess program(arguments, folder.Path());
        const std::optional<int> status = program.Wait(60);
        if (output != nullptr)
            *output = program.Output();
        return status.value_or(-1);
    };
    std::string output;
    EXPECT_EQ(run({"a.png", "b.png"}, &output), 1) << "3 of 200 is more than 0.5 %";
    EXPECT_EQ(output, "3 of 200 pixels differ by more than 8 levels (1.500%)\n");
    EXPECT_EQ(run({"a.png", "b.png", "0.02"}), 0);
    EXPECT_EQ(run({"a.png", "a.png"}), 0);
    EXPECT_EQ(run({"a.png", "missing.png"}), 2);
    EXPECT_EQ(run({"a.png"}), 2);
}

TEST(Silhouette, CountsTheShapesPixelsAndThoseThatDifferOnItsEdges)
{
    // A square, and the same square two pixels to the right with one pixel
    // of another colour inside it; a blob in the excluded corner.
    Image first = Plain(40, 30, kSky);
    Image second = first;
    Fill(first, {5, 5, 15, 15}, {255, 255, 255});
    Fill(second, {7, 5, 17, 15}, {255, 255, 255});
    second.Pixel(10, 10) = picture::ToPixel(kRed);
    Fill(second, {30, 0, 36, 6}, kRed);

    const picture::SilhouetteOverlap overlap =
        picture::CompareSilhouettes(first, second, kSky, {28, 0, 40, 8}, 8);
    EXPECT_EQ(overlap.inFirst, 100);
    EXPECT_EQ(overlap.inSecond, 100);
    EXPECT_EQ(overlap.inEither, 120);
    EXPECT_EQ(overlap.differing, 41);
    EXPECT_EQ(overlap.differingAtEdges, 40);
    EXPECT_DOUBLE_EQ(overlap.Share(), 41.0 / 120);
}

TEST(InkLines, FindsEachLinesRowsColumnsAndColour)
{
    Image text = Plain(160, 50, kSky);
    // A long cyan line of letters three pixels wide, a g's tail below it.
    for (int x = 10; x < 110; x += 4)
        Fill(text, {x, 4, x + 3, 12}, kCyan);
    Fill(text, {30, 12, 31, 15}, kCyan);
    // A red line drawn at half strength, as an antialiased edge is.
    Fill(text, {20, 20, 50, 28}, {205, 78, 128});
    // A line of one short letter, far narrower than the first.
    Fill(text, {60, 34, 64, 42}, kCyan);

    const std::vector<picture::InkLine> lines = picture::FindInkLines(text, text.Whole());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].top, 4);
    EXPECT_EQ(lines[0].bottom, 12) << "the tail is left out";
    EXPECT_EQ(lines[0].left, 10);
    EXPECT_EQ(lines[0].right, 109);
    EXPECT_DOUBLE_EQ(lines[0].middle, 8.0);
    EXPECT_EQ(lines[0].colour, kCyan);
    EXPECT_EQ(lines[1].top, 20);
    EXPECT_EQ(lines[1].left, 20);
    EXPECT_EQ(lines[1].right, 50);
    EXPECT_FALSE(picture::Differ(lines[1].colour, kRed, 2)) << lines[1].colour;
    EXPECT_EQ(lines[2].top, 34);
    EXPECT_DOUBLE_EQ(lines[2].Centre(), 62.0);

    // Within a region, only the lines in it.
    const std::vector<picture::InkLine> lower = picture::FindInkLines(text, {0, 16, 160, 50});
    ASSERT_EQ(lower.size(), 2u);
    EXPECT_EQ(lower[0].top, 20);
}

} // namespace
