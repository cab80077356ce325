#include "geometry/Profile.h"

#include "geometry/Vec3.h"

#include <cmath>

namespace yak52
{

namespace
{
double SignedPower(double value, double power)
{
    return std::copysign(std::pow(std::fabs(value), power), value);
}
} // namespace

Point2 Profile::Centroid() const
{
    double area = 0.0, cu = 0.0, cv = 0.0;
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i)
    {
        const Point2 a = points[i], b = points[(i + 1) % n];
        const double cross = a.u * b.v - b.u * a.v;
        area += cross;
        cu += (a.u + b.u) * cross;
        cv += (a.v + b.v) * cross;
    }
    return {cu / (3.0 * area), cv / (3.0 * area)};
}

Profile SuperEllipse(double halfWidth, double bottom, double top, double exponent, int count)
{
    Profile profile;
    const double centre = (top + bottom) / 2.0, halfHeight = (top - bottom) / 2.0;
    for (int i = 0; i < count; ++i)
    {
        const double t = kPi / 2.0 - 2.0 * kPi * i / count;
        profile.points.push_back({halfWidth * SignedPower(std::cos(t), 2.0 / exponent),
                                  centre + halfHeight * SignedPower(std::sin(t), 2.0 / exponent)});
    }
    profile.creases.assign(profile.points.size(), false);
    return profile;
}

Profile Dome(double halfWidth, double height, double exponent, int arcCount)
{
    Profile profile;
    for (int i = 0; i < arcCount; ++i)
    {
        const double t = kPi * i / (arcCount - 1);
        profile.points.push_back({halfWidth * SignedPower(std::cos(t), 2.0 / exponent),
                                  height * std::pow(std::sin(t), 2.0 / exponent)});
        profile.creases.push_back(i == 0 || i == arcCount - 1);
    }
    profile.points.back().v = profile.points.front().v = 0.0;
    // Points along the base keep the flat bottom from fanning into slivers.
    const int basePoints = 3;
    for (int i = 1; i <= basePoints; ++i)
    {
        profile.points.push_back({-halfWidth + 2.0 * halfWidth * i / (basePoints + 1), 0.0});
        profile.creases.push_back(false);
    }
    return profile;
}

Profile Aerofoil(double thickness, double camber, int perSide)
{
    auto station = [&](int k) { return (1.0 - std::cos(kPi * k / perSide)) / 2.0; };
    auto halfThickness = [&](double x)
    {
        return 5.0 * thickness *
               (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                0.1036 * x * x * x * x);
    };
    auto camberLine = [&](double x)
    {
        const double p = 0.4; // where the camber is greatest
        return x < p ? camber / (p * p) * (2 * p * x - x * x)
                     : camber / ((1 - p) * (1 - p)) * (1 - 2 * p + 2 * p * x - x * x);
    };
    Profile profile;
    profile.points.push_back({1.0, 0.0}); // the trailing edge
    profile.creases.push_back(true);
    for (int k = perSide - 1; k >= 1; --k)
    {
        const double x = station(k);
        profile.points.push_back({x, camberLine(x) + halfThickness(x)});
        profile.creases.push_back(false);
    }
    profile.points.push_back({0.0, 0.0}); // the leading edge
    profile.creases.push_back(false);
    for (int k = 1; k <= perSide - 1; ++k)
    {
        const double x = station(k);
        profile.points.push_back({x, camberLine(x) - halfThickness(x)});
        profile.creases.push_back(false);
    }
    return profile;
}

Profile HingedSection(double noseRadius, double chord, int arcCount)
{
    // The flanks run from the trailing edge to where they touch the nose circle.
    const double touch = std::acos(noseRadius / chord);
    Profile profile;
    profile.points.push_back({chord, 0.0});
    profile.creases.push_back(true);
    const int flankPoints = 3;
    const Point2 upperTouch{noseRadius * std::cos(touch), noseRadius * std::sin(touch)};
    for (int i = 1; i <= flankPoints; ++i)
    {
        const double t = static_cast<double>(i) / (flankPoints + 1);
        profile.points.push_back({chord + (upperTouch.u - chord) * t, upperTouch.v * t});
        profile.creases.push_back(false);
    }
    for (int i = 0; i < arcCount; ++i)
    {
        const double a = touch + (2.0 * kPi - 2.0 * touch) * i / (arcCount - 1);
        profile.points.push_back({noseRadius * std::cos(a), noseRadius * std::sin(a)});
        profile.creases.push_back(false);
    }
    for (int i = flankPoints; i >= 1; --i)
    {
        const double t = static_cast<double>(i) / (flankPoints + 1);
        profile.points.push_back({chord + (upperTouch.u - chord) * t, -upperTouch.v * t});
        profile.creases.push_back(false);
    }
    return profile;
}

Profile Rectangle(double halfU, double halfV)
{
    Profile profile;
    profile.points = {{halfU, halfV}, {-halfU, halfV}, {-halfU, -halfV}, {halfU, -halfV}};
    profile.creases.assign(4, true);
    return profile;
}

} // namespace yak52
