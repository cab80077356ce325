#include "LinePlace.h"

#include <algorithm>
#include <cstdlib>

namespace
{

constexpr int kRowTolerance = 2;
constexpr int kCentreTolerance = 3;
constexpr double kWidthTolerance = 0.25;
constexpr int kColourTolerance = 24;

} // namespace

bool SameLinePlace(const picture::InkLine& a, const picture::InkLine& b, std::string& why)
{
    const int widthA = a.right - a.left;
    const int widthB = b.right - b.left;
    if (std::abs(a.top - b.top) > kRowTolerance || std::abs(a.bottom - b.bottom) > kRowTolerance)
        why = "its rows differ by more than " + std::to_string(kRowTolerance);
    else if (std::abs((a.left + a.right) - (b.left + b.right)) > 2 * kCentreTolerance)
        why = "its centres differ by more than " + std::to_string(kCentreTolerance) + " pixels";
    else if (std::abs(widthA - widthB) > kWidthTolerance * std::max(widthA, widthB))
        why = "its widths differ by more than 25 %";
    else if (picture::Differ(a.colour, b.colour, kColourTolerance))
        why = "its colours differ by more than " + std::to_string(kColourTolerance) + " levels";
    else
        return true;
    return false;
}
