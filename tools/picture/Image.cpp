#include "Image.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>

namespace picture
{

std::ostream& operator<<(std::ostream& out, const Rgb& colour)
{
    return out << "(" << colour.r << ", " << colour.g << ", " << colour.b << ")";
}

int ColourDifference(Rgb a, Rgb b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

Region Image::Clip(Region region) const
{
    return {std::max(region.left, 0), std::max(region.top, 0), std::min(region.right, width),
            std::min(region.bottom, height)};
}

} // namespace picture
