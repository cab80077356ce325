// The fuselage from the cowling's front face to the tail cone: one loft of
// rounded cross-sections, circular at the engine, squarer along the cabin,
// shrinking and rising towards the tail.
#include "geometry/Curve.h"
#include "geometry/Solids.h"
#include "parts/Parts.h"

namespace yak52
{

namespace
{
// Key sections: z, half width, top, bottom, squareness.
struct BodyKey
{
    double z, halfWidth, top, bottom, exponent;
};
constexpr BodyKey kKeys[] = {
    {-4.95, 0.05, 0.66, 0.50, 2.0},  {-4.50, 0.10, 0.69, 0.36, 2.1},
    {-3.80, 0.18, 0.73, 0.22, 2.2},  {-3.00, 0.28, 0.79, 0.08, 2.3},
    {-2.20, 0.37, 0.84, -0.07, 2.4}, {-1.50, 0.43, 0.87, -0.18, 2.5},
    {-0.70, 0.46, 0.88, -0.21, 2.5}, {0.00, 0.47, 0.88, -0.22, 2.5},
    {0.60, 0.48, 0.87, -0.22, 2.4},  {1.00, 0.50, 0.86, -0.21, 2.3},
    {1.40, 0.52, 0.86, -0.20, 2.1},  {1.75, 0.52, 0.85, -0.19, 2.0},
    {1.95, 0.49, 0.82, -0.16, 2.0},  {2.05, 0.43, 0.76, -0.10, 2.0},
};

// The engine's axis height, and the lip ahead of the last key: (z, radius).
constexpr double kEngineAxis = 0.33;
constexpr std::pair<double, double> kCowlingLip[] = {
    {2.065, 0.405}, {2.06, 0.375}, {2.035, 0.355}, {1.99, 0.35}};

Curve KeyCurve(double BodyKey::*field)
{
    std::vector<std::pair<double, double>> keys;
    for (const BodyKey& key : kKeys)
        keys.emplace_back(key.z, key.*field);
    return Curve(std::move(keys));
}
} // namespace

TriangleList BuildFuselageBody()
{
    const Curve halfWidth = KeyCurve(&BodyKey::halfWidth), top = KeyCurve(&BodyKey::top),
                bottom = KeyCurve(&BodyKey::bottom), exponent = KeyCurve(&BodyKey::exponent);
    // Closer sections at the cowling, where the outline turns fastest.
    std::vector<double> stations = Steps(kKeys[0].z, 1.40, 32);
    for (double z : Steps(1.40, kKeys[std::size(kKeys) - 1].z, 8))
        if (z > stations.back())
            stations.push_back(z);
    std::vector<LoftSection> sections;
    for (double z : stations)
        sections.push_back({z, SuperEllipse(halfWidth(z), bottom(z), top(z), exponent(z), 48)});
    // The cowling's front lip rolls inward to a recessed face behind the spinner.
    for (const auto& [z, radius] : kCowlingLip)
        sections.push_back(
            {z, SuperEllipse(radius, kEngineAxis - radius, kEngineAxis + radius, 2.0, 48)});
    return Loft(sections, {}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
}

} // namespace yak52
