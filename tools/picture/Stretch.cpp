#include "Stretch.h"

#include <algorithm>
#include <cmath>

namespace picture
{

Image Stretched(const Image& image, int width, int height)
{
    Image out{width, height, {}};
    out.pixels.reserve(static_cast<std::size_t>(width) * height);
    const double sx = double(image.width) / width;
    const double sy = double(image.height) / height;
    for (int y = 0; y < height; ++y)
    {
        const double fy = std::clamp((y + 0.5) * sy - 0.5, 0.0, image.height - 1.0);
        const int y0 = static_cast<int>(fy);
        const int y1 = std::min(y0 + 1, image.height - 1);
        const double wy = fy - y0;
        for (int x = 0; x < width; ++x)
        {
            const double fx = std::clamp((x + 0.5) * sx - 0.5, 0.0, image.width - 1.0);
            const int x0 = static_cast<int>(fx);
            const int x1 = std::min(x0 + 1, image.width - 1);
            const double wx = fx - x0;
            std::uint32_t pixel = 0xff000000u;
            for (int shift : {16, 8, 0})
            {
                auto channel = [&](int px, int py)
                { return double(image.Pixel(px, py) >> shift & 0xff); };
                const double top = channel(x0, y0) * (1 - wx) + channel(x1, y0) * wx;
                const double bottom = channel(x0, y1) * (1 - wx) + channel(x1, y1) * wx;
                const auto value =
                    static_cast<std::uint32_t>(std::lround(top * (1 - wy) + bottom * wy));
                pixel |= value << shift;
            }
            out.pixels.push_back(pixel);
        }
    }
    return out;
}

} // namespace picture
