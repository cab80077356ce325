// A picture read back from a back buffer: width × height pixels, top row
// first, each 0x00RRGGBB (the X of D3DFMT_X8R8G8B8 is dropped).
#pragma once

#include <cstdint>
#include <vector>

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

inline int RedOf(std::uint32_t rgb)
{
    return static_cast<int>((rgb >> 16) & 0xff);
}
inline int GreenOf(std::uint32_t rgb)
{
    return static_cast<int>((rgb >> 8) & 0xff);
}
inline int BlueOf(std::uint32_t rgb)
{
    return static_cast<int>(rgb & 0xff);
}
