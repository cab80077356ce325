#include "Difference.h"

#include <algorithm>
#include <cstdlib>

namespace picture
{
namespace
{

int Shown(int channel, int alpha)
{
    return (channel * alpha + 127) / 255;
}

} // namespace

int PixelDifference(std::uint32_t a, std::uint32_t b)
{
    const int alphaA = Alpha(a), alphaB = Alpha(b);
    return std::max({std::abs(alphaA - alphaB),
                     std::abs(Shown(Red(a), alphaA) - Shown(Red(b), alphaB)),
                     std::abs(Shown(Green(a), alphaA) - Shown(Green(b), alphaB)),
                     std::abs(Shown(Blue(a), alphaA) - Shown(Blue(b), alphaB))});
}

Difference Compare(const Image& a, const Image& b, int levels)
{
    return Compare(a, b, levels, a.Whole());
}

Difference Compare(const Image& a, const Image& b, int levels, Region region)
{
    const Region inside = a.Clip(region);
    Difference d;
    d.where = {inside.right, inside.bottom, inside.left, inside.top};
    for (int y = inside.top; y < inside.bottom; ++y)
        for (int x = inside.left; x < inside.right; ++x)
        {
            const int difference = PixelDifference(a.Pixel(x, y), b.Pixel(x, y));
            ++d.pixels;
            d.largest = std::max(d.largest, difference);
            if (difference <= levels)
                continue;
            ++d.differing;
            d.where = {std::min(d.where.left, x), std::min(d.where.top, y),
                       std::max(d.where.right, x + 1), std::max(d.where.bottom, y + 1)};
        }
    return d;
}

Image DifferencePicture(const Image& a, const Image& b, int levels)
{
    Image out = a;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
        {
            const Rgb colour = a.At(x, y);
            const int difference = PixelDifference(a.Pixel(x, y), b.Pixel(x, y));
            const int grey = 64 + (colour.r + colour.g + colour.b) / 6;
            Rgb shown{grey, grey, grey};
            if (difference > 2 * levels)
                shown = {255, 0, 0};
            else if (difference > levels)
                shown = {255, 255, 0};
            out.Pixel(x, y) = ToPixel(shown);
        }
    return out;
}

} // namespace picture
