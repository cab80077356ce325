#include "Silhouette.h"

namespace picture
{
namespace
{

bool NextToBackground(const Image& image, int x, int y, Rgb background, int levels)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.Whole().Contains(x + dx, y + dy) &&
                !Differ(image.At(x + dx, y + dy), background, levels))
                return true;
    return false;
}

} // namespace

SilhouetteOverlap CompareSilhouettes(const Image& first, const Image& second, Rgb background,
                                     Region excluded, int levels)
{
    SilhouetteOverlap result;
    for (int y = 0; y < first.height; ++y)
        for (int x = 0; x < first.width; ++x)
        {
            if (excluded.Contains(x, y))
                continue;
            const Rgb a = first.At(x, y), b = second.At(x, y);
            const bool inFirst = Differ(a, background, levels);
            const bool inSecond = Differ(b, background, levels);
            result.inFirst += inFirst ? 1 : 0;
            result.inSecond += inSecond ? 1 : 0;
            if (!inFirst && !inSecond)
                continue;
            ++result.inEither;
            if (!Differ(a, b, levels))
                continue;
            ++result.differing;
            if (NextToBackground(first, x, y, background, levels) ||
                NextToBackground(second, x, y, background, levels))
                ++result.differingAtEdges;
        }
    return result;
}

} // namespace picture
