#include "PixelDifference.h"

#include <algorithm>
#include <cstdlib>

namespace
{

int Difference(std::uint32_t p, std::uint32_t q)
{
    return std::max({std::abs(RedOf(p) - RedOf(q)), std::abs(GreenOf(p) - GreenOf(q)),
                     std::abs(BlueOf(p) - BlueOf(q))});
}

} // namespace

PixelDifference ComparePixels(const Picture& a, const Picture& b)
{
    PixelDifference d;
    d.left = a.width;
    d.top = a.height;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
        {
            const int difference = Difference(a.At(x, y), b.At(x, y));
            ++d.pixels;
            d.largest = std::max(d.largest, difference);
            if (difference <= 4)
            {
                ++d.within4;
                continue;
            }
            if (difference > 8)
                ++d.over8;
            d.left = std::min(d.left, x);
            d.top = std::min(d.top, y);
            d.right = std::max(d.right, x + 1);
            d.bottom = std::max(d.bottom, y + 1);
        }
    return d;
}

Picture DifferencePicture(const Picture& a, const Picture& b)
{
    Picture out = a;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
        {
            const std::uint32_t p = a.At(x, y);
            const int difference = Difference(p, b.At(x, y));
            const auto grey =
                static_cast<std::uint32_t>(64 + (RedOf(p) + GreenOf(p) + BlueOf(p)) / 6);
            std::uint32_t shown = grey * 0x010101u;
            if (difference > 8)
                shown = 0xFF0000u;
            else if (difference > 4)
                shown = 0xFFFF00u;
            out.pixels[static_cast<std::size_t>(y) * a.width + x] = shown;
        }
    return out;
}
