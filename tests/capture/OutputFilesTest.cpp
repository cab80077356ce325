// The PNG writer and the poses CSV writer, read back.
#include "CaptureOutputs.h"
#include "PngFile.h"
#include "PoseLog.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace
{

using capture_test::ScratchFolder;

std::string Contents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(CapturePngFile, KeepsEveryPixelsColourRowByRowAndDropsAlpha)
{
    ScratchFolder folder;
    const unsigned width = 7, height = 3;
    std::vector<std::uint32_t> pixels(width * height);
    for (unsigned i = 0; i < pixels.size(); ++i)
        pixels[i] = (i % 2 ? 0x00000000u : 0xFF000000u) | (i * 11u) << 16 | (255 - i) << 8 | i * 3u;
    const std::string path = folder / "seven.png";
    ASSERT_EQ(png_file::WritePng(path, width, height, pixels), "");

    const capture_test::Picture picture = capture_test::ReadPng(path);
    ASSERT_EQ(picture.width, width);
    ASSERT_EQ(picture.height, height);
    for (unsigned y = 0; y < height; ++y)
        for (unsigned x = 0; x < width; ++x)
        {
            const unsigned i = y * width + x;
            const capture_test::Rgb rgb = picture.At(x, y);
            EXPECT_EQ(rgb.r, int(i * 11)) << x << "," << y;
            EXPECT_EQ(rgb.g, int(255 - i)) << x << "," << y;
            EXPECT_EQ(rgb.b, int(i * 3)) << x << "," << y;
        }
}

TEST(CapturePngFile, RefusesAMissingFolderAndAnImageOfTheWrongSize)
{
    ScratchFolder folder;
    const std::vector<std::uint32_t> four(4, 0xFF102030u);

    const std::string missing = folder / "no/such/folder/a.png";
    const std::string error = png_file::WritePng(missing, 2, 2, four);
    EXPECT_NE(error.find("cannot write " + missing + ": No such file or directory"),
              std::string::npos)
        << error;

    EXPECT_NE(png_file::WritePng(folder / "b.png", 3, 2, four).find("no image of 3x2"),
              std::string::npos);
    EXPECT_NE(png_file::WritePng(folder / "c.png", 0, 0, {}).find("no image of 0x0"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "b.png"));
}

TEST(CapturePngFile, ReportsAFileThatCannotGrow)
{
    ScratchFolder folder;
    // Noise, so that the file is far larger than the limit.
    std::vector<std::uint32_t> pixels(256 * 256);
    std::uint32_t state = 12345;
    for (std::uint32_t& pixel : pixels)
        pixel = state = state * 1664525u + 1013904223u;
    const std::string path = folder / "noise.png";
    std::string error;
    {
        capture_test::FileSizeLimit limit(4096);
        error = png_file::WritePng(path, 256, 256, pixels);
    }
    EXPECT_EQ(error, "cannot write " + path + ": File too large");
    // Without the limit the same image is written.
    EXPECT_EQ(png_file::WritePng(path, 256, 256, pixels), "");
    EXPECT_GT(std::filesystem::file_size(path), 4096u);
}

TEST(CapturePoseLog, WritesTheHeaderAndOneLineABodyWithSixDecimals)
{
    ScratchFolder folder;
    const std::string path = folder / "poses.csv";
    host::PoseLog log;
    ASSERT_EQ(log.Open(path), "");
    log.Write(0, 1.0 / 60.0, "fuselage", {0.1, 1.2345678, -5.5, 0.0, 0.7071068, 0.0, 0.7071068});
    // Values that round to zero never print a minus sign.
    log.Write(12, 0.2166666, "camera", {-0.0000004, -0.0, 15.0, -1e-9, 0.0, 0.0, -1.0});
    ASSERT_EQ(log.Close(), "");
    EXPECT_EQ(Contents(path), "frame,time,body,x,y,z,qx,qy,qz,qw\n"
                              "0,0.016667,fuselage,0.100000,1.234568,-5.500000,0.000000,"
                              "0.707107,0.000000,0.707107\n"
                              "12,0.216667,camera,0.000000,0.000000,15.000000,0.000000,"
                              "0.000000,0.000000,-1.000000\n");
}

TEST(CapturePoseLog, ReportsFilesItCannotOpenOrFill)
{
    ScratchFolder folder;
    host::PoseLog missing;
    const std::string path = folder / "none/poses.csv";
    EXPECT_EQ(missing.Open(path), "cannot write " + path + ": No such file or directory");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.Close(), "");

    // The lines that do not fit are noticed when the file is closed.
    const std::string big = folder / "big.csv";
    capture_test::FileSizeLimit limit(4096);
    host::PoseLog full;
    ASSERT_EQ(full.Open(big), "");
    for (long frame = 0; frame < 1000; ++frame)
        full.Write(frame, 0.0, "root", {});
    EXPECT_EQ(full.Close(), "cannot write " + big + ": File too large");
}

} // namespace
