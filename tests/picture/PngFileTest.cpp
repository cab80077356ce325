// PNG files written and read back: every pixel's colour in its place, the
// alpha kept or dropped as asked, and a one-line reason for every file that
// cannot be written or read.
#include "PngFile.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{

using picture::Image;

TEST(PngFile, KeepsEveryPixelRowByRowWithOrWithoutItsAlpha)
{
    const test::ScratchFolder folder{"picture-test"};
    Image image{7, 3, {}};
    for (std::uint32_t i = 0; i < 21; ++i)
        image.pixels.push_back((i * 12u) << 24 | (i * 11u) << 16 | (255 - i) << 8 | i * 3u);

    Image withAlpha, opaque;
    ASSERT_EQ(picture::WritePngWithAlpha(folder / "alpha.png", image), "");
    ASSERT_EQ(picture::ReadPng(folder / "alpha.png", withAlpha), "");
    ASSERT_EQ(picture::WritePng(folder / "opaque.png", image), "");
    ASSERT_EQ(picture::ReadPng(folder / "opaque.png", opaque), "");

    ASSERT_EQ(withAlpha.width, 7);
    ASSERT_EQ(withAlpha.height, 3);
    EXPECT_EQ(withAlpha.pixels, image.pixels);
    ASSERT_EQ(opaque.pixels.size(), image.pixels.size());
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        EXPECT_EQ(opaque.pixels[i], image.pixels[i] | 0xff000000u) << "pixel " << i;
}

TEST(PngFile, SaysWhyItCannotWrite)
{
    const test::ScratchFolder folder{"picture-test"};
    const Image four{2, 2, std::vector<std::uint32_t>(4, 0xff102030u)};

    const std::string missing = folder / "no/such/folder/a.png";
    EXPECT_EQ(picture::WritePng(missing, four),
              "cannot write " + missing + ": No such file or directory");
    EXPECT_EQ(picture::WritePng(folder / "b.png", Image{3, 2, four.pixels}),
              "no image of 3x2 pixels to write to " + folder / "b.png");
    EXPECT_FALSE(std::filesystem::exists(folder / "b.png"));
}

TEST(PngFile, NamesTheFileItCannotReadAndSaysWhy)
{
    const test::ScratchFolder folder{"picture-test"};
    const std::string missing = folder / "missing.png";
    const std::string garbled = folder / "garbled.png";
    std::ofstream(garbled) << "not a picture\n";

    Image image{1, 1, {0}};
    EXPECT_EQ(picture::ReadPng(missing, image),
              "cannot read " + missing + ": No such file or directory");
    EXPECT_EQ(image.width, 0);
    const std::string error = picture::ReadPng(garbled, image);
    EXPECT_EQ(error.rfind("cannot read " + garbled + ": ", 0), 0u) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    EXPECT_GT(error.size(), ("cannot read " + garbled + ": ").size()) << error;
    EXPECT_TRUE(image.pixels.empty());
}

} // namespace
