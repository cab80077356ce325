// yak52-render ART_FOLDER OUTPUT_FOLDER: draws the aircraft the way the
// program does at start-up (its light, ambient colour, projection, sky and
// materials; the airframe, wheels and struts at their start places) on the
// OpenGL backend in an offscreen window, and saves the picture seen from the
// front, the side and above as front.png, side.png and above.png.
// Exit status 0 when all three were written; otherwise a one-line reason on
// stderr and status 1.
#include "AircraftScene.h"
#include "PngFile.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace
{

constexpr unsigned int kWidth = 1200;
constexpr unsigned int kHeight = 800;
// The program's sky.
constexpr D3DCOLOR kSky = 0xFF9B9BFF;

struct NamedView
{
    const char* file;
    yak52_picture::View view;
};
// The program's light shines from ahead of the aircraft (towards -z) and its
// materials have no ambient part, so surfaces facing across or up are drawn
// black: the side and top views are taken from 30 degrees ahead of abeam and
// 35 degrees ahead of overhead, where the light shows the shapes. The
// aircraft's middle is about 1.2 m behind the body's centre.
const NamedView kViews[] = {
    {"front.png", {{0.0f, 6.5f, 9.8f}, {0.0f, 5.8f, -0.2f}, {0.0f, 1.0f, 0.0f}}},
    {"side.png", {{-7.8f, 6.6f, 3.3f}, {0.0f, 5.8f, -1.2f}, {0.0f, 1.0f, 0.0f}}},
    {"above.png", {{0.0f, 14.8f, 5.1f}, {0.0f, 5.8f, -1.2f}, {0.0f, 0.0f, 1.0f}}},
};

int Fail(const std::string& reason)
{
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: yak52-render ART_FOLDER OUTPUT_FOLDER");
    const std::string artFolder = argv[1];
    const std::filesystem::path output(argv[2]);
    std::error_code error;
    std::filesystem::create_directories(output, error);
    if (error || !std::filesystem::is_directory(output))
        return Fail(output.string() + ": not a folder that can be written");

    yak52_picture::AircraftScene scene;
    if (const std::string failure = scene.Open(kWidth, kHeight, artFolder); !failure.empty())
        return Fail(failure);
    for (const NamedView& named : kViews)
    {
        picture::Image image;
        if (const std::string failure = scene.Draw(named.view, kSky, image); !failure.empty())
            return Fail(failure);
        const std::string path = (output / named.file).string();
        if (const std::string failure = picture::WritePng(path, image); !failure.empty())
            return Fail(failure);
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
