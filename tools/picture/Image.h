// The pictures the tools and tests read, write and compare: width × height
// pixels, top row first, each 0xAARRGGBB with straight (not premultiplied)
// alpha.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

namespace picture
{

// Pictures larger than this a side are refused as damaged files.
inline constexpr int kLargestSide = 16384;

constexpr int Alpha(std::uint32_t pixel)
{
    return static_cast<int>(pixel >> 24 & 0xff);
}
constexpr int Red(std::uint32_t pixel)
{
    return static_cast<int>(pixel >> 16 & 0xff);
}
constexpr int Green(std::uint32_t pixel)
{
    return static_cast<int>(pixel >> 8 & 0xff);
}
constexpr int Blue(std::uint32_t pixel)
{
    return static_cast<int>(pixel & 0xff);
}

// A pixel's colour, without its opacity.
struct Rgb
{
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& colour);

constexpr Rgb ToRgb(std::uint32_t pixel)
{
    return {Red(pixel), Green(pixel), Blue(pixel)};
}
constexpr std::uint32_t ToPixel(Rgb colour, int alpha = 255)
{
    return std::uint32_t(alpha & 0xff) << 24 | std::uint32_t(colour.r & 0xff) << 16 |
           std::uint32_t(colour.g & 0xff) << 8 | std::uint32_t(colour.b & 0xff);
}

// The largest of the three channels' differences.
int ColourDifference(Rgb a, Rgb b);
// Whether some channel of `a` and `b` differs by more than `levels`.
inline bool Differ(Rgb a, Rgb b, int levels)
{
    return ColourDifference(a, b) > levels;
}

// A rectangle of pixels; right and bottom are exclusive.
struct Region
{
    int left = 0, top = 0, right = 0, bottom = 0;

    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct Image
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t Pixel(int x, int y) const { return pixels[Index(x, y)]; }
    std::uint32_t& Pixel(int x, int y) { return pixels[Index(x, y)]; }
    Rgb At(int x, int y) const { return ToRgb(Pixel(x, y)); }
    Region Whole() const { return {0, 0, width, height}; }
    // The part of `region` inside the picture.
    Region Clip(Region region) const;

    // How many pixels of `region` have a colour that passes `test`.
    template <typename Test> int Count(Region region, Test test) const
    {
        const Region inside = Clip(region);
        int count = 0;
        for (int y = inside.top; y < inside.bottom; ++y)
            for (int x = inside.left; x < inside.right; ++x)
                count += test(At(x, y)) ? 1 : 0;
        return count;
    }

private:
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

} // namespace picture
