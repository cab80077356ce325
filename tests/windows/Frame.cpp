#include "Frame.h"

#include <XWindowPixels.h>

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace windows_test
{

bool Differ(Rgb a, Rgb b, int levels)
{
    return std::abs(a.r - b.r) > levels || std::abs(a.g - b.g) > levels ||
           std::abs(a.b - b.b) > levels;
}

Rgb Frame::At(int x, int y) const
{
    const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
    return {static_cast<int>(p >> 16 & 0xff), static_cast<int>(p >> 8 & 0xff),
            static_cast<int>(p & 0xff)};
}

Frame ReadPngFrame(const std::string& path)
{
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0)
        throw std::runtime_error("cannot read " + path + ": " + image.message);
    image.format = PNG_FORMAT_BGRA; // little-endian 0xAARRGGBB words
    Frame frame;
    frame.width = static_cast<int>(image.width);
    frame.height = static_cast<int>(image.height);
    frame.pixels.resize(static_cast<std::size_t>(frame.width) * frame.height);
    if (png_image_finish_read(&image, nullptr, frame.pixels.data(), 0, nullptr) == 0)
    {
        const std::string reason = image.message;
        png_image_free(&image);
        throw std::runtime_error("cannot read " + path + ": " + reason);
    }
    return frame;
}

Frame FromX(test::XWindowPixels pixels)
{
    return Frame{pixels.width, pixels.height, std::move(pixels.pixels)};
}

Frame Stretched(const Frame& frame, int width, int height)
{
    Frame out{width, height, {}};
    out.pixels.reserve(static_cast<std::size_t>(width) * height);
    const double sx = double(frame.width) / width;
    const double sy = double(frame.height) / height;
    for (int y = 0; y < height; ++y)
    {
        const double fy = std::clamp((y + 0.5) * sy - 0.5, 0.0, frame.height - 1.0);
        const int y0 = static_cast<int>(fy);
        const int y1 = std::min(y0 + 1, frame.height - 1);
        const double wy = fy - y0;
        for (int x = 0; x < width; ++x)
        {
            const double fx = std::clamp((x + 0.5) * sx - 0.5, 0.0, frame.width - 1.0);
            const int x0 = static_cast<int>(fx);
            const int x1 = std::min(x0 + 1, frame.width - 1);
            const double wx = fx - x0;
            std::uint32_t pixel = 0xff000000u;
            for (int shift : {16, 8, 0})
            {
                auto channel = [&](int px, int py) {
                    return double(frame.pixels[std::size_t(py) * frame.width + px] >> shift & 0xff);
                };
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

} // namespace windows_test
