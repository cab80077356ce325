#include "IconImage.h"

#include <algorithm>
#include <cmath>

namespace yak52_picture
{
namespace
{

// The smallest box around the opaque pixels; empty if none.
picture::Region OpaqueBox(const picture::Image& image)
{
    picture::Region box{image.width, image.height, 0, 0};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (picture::Alpha(image.Pixel(x, y)) != 0)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

// How much of the source pixel [i, i+1) lies in [from, to).
double Overlap(double from, double to, int i)
{
    return std::max(0.0, std::min(to, i + 1.0) - std::max(from, double(i)));
}

} // namespace

picture::Image CutOut(const picture::Image& onBlack, const picture::Image& onWhite)
{
    picture::Image out{onBlack.width, onBlack.height, {}};
    out.pixels.resize(onBlack.pixels.size());
    for (std::size_t i = 0; i < out.pixels.size() && i < onWhite.pixels.size(); ++i)
    {
        const std::uint32_t rgb = onBlack.pixels[i] & 0xFFFFFFu;
        out.pixels[i] = rgb == (onWhite.pixels[i] & 0xFFFFFFu) ? 0xFF000000u | rgb : 0u;
    }
    return out;
}

picture::Image FramedIcon(const picture::Image& cutOut, int size, double fill)
{
    const picture::Region box = OpaqueBox(cutOut);
    if (box.Empty() || size <= 0)
        return {};
    // The square of the source that becomes the icon, in source pixels.
    const double side = std::max(box.right - box.left, box.bottom - box.top) / fill;
    const double originX = (box.left + box.right) / 2.0 - side / 2.0;
    const double originY = (box.top + box.bottom) / 2.0 - side / 2.0;
    const double step = side / size;

    picture::Image icon{size, size, std::vector<std::uint32_t>(std::size_t(size) * size)};
    for (int v = 0; v < size; ++v)
    {
        const double y0 = originY + v * step, y1 = y0 + step;
        const int rowFirst = int(std::max(0.0, std::floor(y0)));
        const int rowEnd = int(std::clamp(std::ceil(y1), 0.0, double(cutOut.height)));
        for (int u = 0; u < size; ++u)
        {
            const double x0 = originX + u * step, x1 = x0 + step;
            const int colFirst = int(std::max(0.0, std::floor(x0)));
            const int colEnd = int(std::clamp(std::ceil(x1), 0.0, double(cutOut.width)));
            // Colour weighted by coverage (premultiplied), over the whole area.
            double a = 0, r = 0, g = 0, b = 0;
            for (int y = rowFirst; y < rowEnd; ++y)
                for (int x = colFirst; x < colEnd; ++x)
                {
                    const std::uint32_t p = cutOut.Pixel(x, y);
                    const double w = Overlap(x0, x1, x) * Overlap(y0, y1, y) * (p >> 24) / 255.0;
                    a += w;
                    r += w * ((p >> 16) & 0xFF);
                    g += w * ((p >> 8) & 0xFF);
                    b += w * (p & 0xFF);
                }
            if (a <= 0)
                continue;
            auto channel = [](double value) { return std::uint32_t(std::lround(value)) & 0xFF; };
            icon.Pixel(u, v) = channel(255 * a / (step * step)) << 24 | channel(r / a) << 16 |
                               channel(g / a) << 8 | channel(b / a);
        }
    }
    return icon;
}

picture::Image WithRim(const picture::Image& icon, int radius, double opacity)
{
    constexpr double kRimGrey = 0x28;
    const int w = icon.width, h = icon.height;
    auto alphaAt = [&](int x, int y) { return picture::Alpha(icon.Pixel(x, y)) / 255.0; };
    picture::Image out = icon;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            // The rim: the most opaque pixel of the model within the radius.
            double rim = 0;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    if (dx * dx + dy * dy <= radius * radius + radius && x + dx >= 0 &&
                        x + dx < w && y + dy >= 0 && y + dy < h)
                        rim = std::max(rim, alphaAt(x + dx, y + dy));
            rim *= opacity;
            // The model over the rim (straight alpha).
            const std::uint32_t p = icon.Pixel(x, y);
            const double a = alphaAt(x, y);
            const double alpha = a + rim * (1 - a);
            if (alpha <= 0)
                continue;
            auto mix = [&](int shift)
            {
                const double model = (p >> shift) & 0xFF;
                const double value = (model * a + kRimGrey * rim * (1 - a)) / alpha;
                return (std::uint32_t(std::lround(value)) & 0xFF) << shift;
            };
            out.Pixel(x, y) =
                (std::uint32_t(std::lround(alpha * 255)) & 0xFF) << 24 | mix(16) | mix(8) | mix(0);
        }
    return out;
}

} // namespace yak52_picture
