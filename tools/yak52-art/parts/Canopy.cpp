// The long tandem canopy: on the airframe a closed bubble from the windscreen
// to the rear fairing with its bows; as moving parts one sliding section
// (glass, and its frame of two bows and two sill rails) about the section's
// place on the sill.
#include "geometry/Curve.h"
#include "geometry/Solids.h"
#include "parts/Measurements.h"
#include "parts/Parts.h"

#include <cmath>

namespace yak52
{

namespace
{
constexpr double kSquareness = 2.6;
constexpr int kArcPoints = 21;

// The sliding section: its length along z about its place, and its arch,
// which reaches below the sill into the fuselage so no gap shows at its foot.
constexpr double kSectionFront = 0.45;
constexpr double kSectionBack = -0.55;
constexpr double kSectionHalfWidth = 0.39;
constexpr double kSectionFoot = -0.30;
constexpr double kSectionTop = 0.33;

// The fixed bubble on the airframe: its foot, well inside the fuselage, and
// key sections along z (half width, height above the foot) from the rear
// fairing to the windscreen.
constexpr double kBubbleBase = 0.60;
struct BubbleKey
{
    double z, halfWidth, height;
};
constexpr BubbleKey kBubble[] = {
    {-1.95, 0.28, 0.28}, {-1.60, 0.37, 0.58}, {-1.30, 0.39, 0.65}, {0.20, 0.39, 0.65},
    {0.45, 0.38, 0.63},  {0.70, 0.35, 0.50},  {0.95, 0.28, 0.30},
};
constexpr double kBowHalfWidth = 0.02;  // across the glass
constexpr double kBowHalfDepth = 0.025; // along z

// The arch of a bow in the plane z = 0, from the right sill over the top to the left.
std::vector<Vec3> BowPath(double halfWidth, double height)
{
    const Profile arch = Dome(halfWidth, height, kSquareness, kArcPoints);
    std::vector<Vec3> path;
    for (int i = 0; i < kArcPoints; ++i)
        path.push_back({arch.points[static_cast<std::size_t>(i)].u,
                        arch.points[static_cast<std::size_t>(i)].v, 0.0});
    return path;
}

TriangleList Bow(double halfWidth, double height, Vec3 at)
{
    return Sweep(BowPath(halfWidth, height), Rectangle(kBowHalfWidth, kBowHalfDepth), {0, 0, 1})
        .Placed(Pose::At(at));
}

// Half width of the section's arch at the sill (local height 0), as a
// fraction of its widest.
double SillWidthFraction()
{
    const double v = -kSectionFoot / (kSectionTop - kSectionFoot);
    return std::pow(1.0 - std::pow(v, kSquareness), 1.0 / kSquareness);
}

std::vector<std::pair<double, double>> BubbleKeys(double BubbleKey::*field)
{
    std::vector<std::pair<double, double>> keys;
    for (const BubbleKey& key : kBubble)
        keys.emplace_back(key.z, key.*field);
    return keys;
}
} // namespace

TriangleList BuildCanopyGlass()
{
    const Profile section =
        Dome(kSectionHalfWidth, kSectionTop - kSectionFoot, kSquareness, kArcPoints);
    return Loft({{kSectionBack, section}, {kSectionFront, section}}, {0, kSectionFoot, 0},
                {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
}

TriangleList BuildCanopyFrame()
{
    // The bows stand just outside the glass at its two ends; the rails run
    // along the sill between them.
    const double width = kSectionHalfWidth + 0.01, height = kSectionTop - kSectionFoot + 0.012;
    TriangleList frame = Bow(width, height, {0, kSectionFoot, kSectionFront});
    frame.Append(Bow(width, height, {0, kSectionFoot, kSectionBack}));
    // The rails sit on the glass's flank at the height of the sill.
    const double railLength = (kSectionFront - kSectionBack) / 2.0 - 0.01;
    const double railMiddle = (kSectionFront + kSectionBack) / 2.0;
    const double sillHalfWidth = kSectionHalfWidth * SillWidthFraction();
    for (double side : {-1.0, 1.0})
        frame.Append(Box({side * sillHalfWidth, 0.017, railMiddle}, {0.02, 0.015, railLength}));
    return frame;
}

TriangleList BuildCanopyFairing()
{
    const Curve halfWidth(BubbleKeys(&BubbleKey::halfWidth));
    const Curve height(BubbleKeys(&BubbleKey::height));
    std::vector<LoftSection> sections;
    for (double z : Steps(halfWidth.Front(), halfWidth.Back(), 28))
        sections.push_back({z, Dome(halfWidth(z), height(z), kSquareness, kArcPoints)});
    TriangleList canopy = Loft(sections, {0, kBubbleBase, 0}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});

    // Bows: the windscreen's frame, the arch between the cockpits, the rear one.
    for (double z : {0.55, -0.54, -1.63})
        canopy.Append(Bow(halfWidth(z) + 0.012, height(z) + 0.012, {0, kBubbleBase, z}));
    return canopy;
}

} // namespace yak52
