// A frame of the program as a picture: read from the PNG file zarv-capture
// writes, or from a real X window; and stretched to another size the way a
// presented back buffer is stretched into a smaller client area.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test
{
struct XWindowPixels;
}

namespace windows_test
{

struct Rgb
{
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Whether some channel of `a` and `b` differs by more than `levels`.
bool Differ(Rgb a, Rgb b, int levels);

struct Frame
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xFFRRGGBB, top row first

    Rgb At(int x, int y) const;
};

// Throws, saying why, when the file is not a PNG file it can read.
Frame ReadPngFrame(const std::string& path);
Frame FromX(test::XWindowPixels pixels);

// `frame` resampled to width × height with a linear filter, each target
// pixel's centre mapped onto the source as a texture blit maps it.
Frame Stretched(const Frame& frame, int width, int height);

} // namespace windows_test
