// The shots and the poses CSV on a disk that fills up, and the poses CSV
// read back.
#include "PngFile.h"
#include "PoseLog.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
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

TEST(CapturePngFile, ReportsAFileThatCannotGrow)
{
    ScratchFolder folder;
    // Noise, so that the file is far larger than the limit.
    picture::Image noise{256, 256, std::vector<std::uint32_t>(256 * 256)};
    std::uint32_t state = 12345;
    for (std::uint32_t& pixel : noise.pixels)
        pixel = state = state * 1664525u + 1013904223u;
    const std::string path = folder / "noise.png";
    std::string error;
    {
        capture_test::FileSizeLimit limit(4096);
        error = picture::WritePng(path, noise);
    }
    EXPECT_EQ(error, "cannot write " + path + ": File too large");
    // Without the limit the same image is written.
    EXPECT_EQ(picture::WritePng(path, noise), "");
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
