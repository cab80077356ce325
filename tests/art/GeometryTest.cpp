// The meshes fit the aircraft the program simulates: the sizes of a Yak-52,
// wheels of the radius the physics rests them on, struts that join each
// wheel to the airframe along its axis, and moving parts whose hinges lie
// where the program turns them. The reference places below are the
// program's own (body start positions, drawing offsets, strut axes, part
// places), written out independently of the generator.
#include "ArtMesh.h"

#include <gtest/gtest.h>

#include <cmath>

namespace art_test
{
namespace
{

// Physics start positions: the wheel centres relative to the fuselage body.
const P3 kFuselageStart{0.0, 5.8, 0.1};
const P3 kLeftWheel = P3{1.41, 4.9, -0.15} - kFuselageStart;
const P3 kRightWheel = P3{-1.41, 4.9, -0.15} - kFuselageStart;
const P3 kNoseWheel = P3{0.0, 4.8, 1.6} - kFuselageStart;
const double kRestingRadius = 0.35;

// Strut placements (offset from the wheel centre) and axes.
struct StrutPlace
{
    const char* file;
    P3 wheel;
    P3 offset;
    P3 axis;
};
const StrutPlace kStruts[] = {
    {"i_stokF.txt", kNoseWheel, {0.0, 0.21, -0.05}, {0.0, 0.79, -0.21}},
    {"i_lstok.txt", kLeftWheel, {0.125, 0.13, 0.015}, {0.0, 0.95, -0.05}},
    {"i_lstok.txt", kRightWheel, {-0.125, 0.13, 0.015}, {0.0, 0.95, -0.05}},
};

// A point of a part's frame in the airframe: the part's place, turned about y.
P3 AtPlace(P3 local, P3 place, double yawDegrees = 0.0)
{
    const double a = yawDegrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    return P3{local.x * c + local.z * s, local.y, -local.x * s + local.z * c} + place;
}

class Aircraft : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_airframe = new ArtMesh(LoadArt("i_fuselag.txt")); }
    static void TearDownTestSuite()
    {
        delete s_airframe;
        s_airframe = nullptr;
    }
    static const ArtMesh& Airframe() { return *s_airframe; }
    static ArtMesh* s_airframe;
};
ArtMesh* Aircraft::s_airframe = nullptr;

TEST_F(Aircraft, AirframeHasTheLengthSpanAndHeightOfTheAircraft)
{
    const Bounds b = Airframe().GetBounds();
    EXPECT_NEAR(b.Size().z, 7.7, 0.3) << "length, spinner to rudder";
    EXPECT_NEAR(b.Size().x, 9.3, 0.2) << "span";
    EXPECT_NEAR(b.min.x + b.max.x, 0.0, 0.01) << "the wing sits across the centre line";
    EXPECT_NEAR(b.max.y, 1.8, 0.1) << "top of the fin";
    EXPECT_NEAR(b.min.y, -0.2, 0.05) << "the belly";
    EXPECT_NEAR(b.max.z, 2.5, 0.2) << "the spinner's tip ahead of the hub";
    EXPECT_NEAR(b.min.z, -5.0, 0.2) << "the tail";
}

TEST_F(Aircraft, AirframeHoldsItsHubHingesAndCanopyWhereThePartsTurn)
{
    const P3 inside[] = {
        {0.0, 0.33, 2.19},      // propeller hub
        {-3.3133, 0.03, -0.45}, // left aileron hinge, in the wing
        {3.3133, 0.03, -0.45},  // right aileron hinge
        {0.0, 0.72, -4.25},     // elevator hinge, in the tailplane
        {0.0, 1.138, -4.41},    // rudder hinge, in the fin
        {0.0, 0.92, 0.1},       // front canopy on its sill
        {0.0, 0.91, -1.08},     // rear canopy
        {0.0, 1.2, -0.5},       // under the canopy's roof
        {-4.0, 0.05, 0.3},      // out along the wing
        {4.0, 0.05, 0.3},
    };
    for (const P3& p : inside)
        EXPECT_TRUE(Airframe().Contains(p)) << p.x << " " << p.y << " " << p.z;
    const P3 outside[] = {
        {0.0, 1.35, -0.5}, // above the canopy
        {0.0, -0.35, 0.0}, // below the belly
        {2.0, 0.5, 0.0},   // above the wing
        {0.0, 0.33, 2.7},  // ahead of the spinner
        {0.0, 1.0, -3.0},  // ahead of the fin
    };
    for (const P3& p : outside)
        EXPECT_FALSE(Airframe().Contains(p)) << p.x << " " << p.y << " " << p.z;
}

TEST_F(Aircraft, WheelsAreTyresOfTheRestingRadiusTurningAboutX)
{
    for (const char* name : {"i_Wheel_front.txt", "i_Wheel_left.txt", "i_Wheel_right.txt"})
    {
        SCOPED_TRACE(name);
        const ArtMesh wheel = LoadArt(name);
        const Bounds b = wheel.GetBounds();
        EXPECT_NEAR(b.max.y, kRestingRadius, 0.01);
        EXPECT_NEAR(-b.min.y, kRestingRadius, 0.01);
        EXPECT_NEAR(b.max.z, kRestingRadius, 0.01);
        EXPECT_NEAR(-b.min.z, kRestingRadius, 0.01);
        EXPECT_LT(b.Size().x, 0.3) << "the axle runs along x";
        EXPECT_GT(b.Size().x, 0.1);
        EXPECT_TRUE(wheel.Contains({0, 0, 0})) << "a solid hub at the centre";
    }
    // The two main wheels are mirror images, their hub caps outboard.
    const Bounds left = LoadArt("i_Wheel_left.txt").GetBounds();
    const Bounds right = LoadArt("i_Wheel_right.txt").GetBounds();
    EXPECT_NEAR(left.max.x, -right.min.x, 1e-5);
    EXPECT_NEAR(left.min.x, -right.max.x, 1e-5);
    EXPECT_GE(left.max.x, -left.min.x) << "the left wheel stands at +x: its cap faces +x";
}

TEST_F(Aircraft, WheelsHangClearBelowTheAirframe)
{
    const Bounds airframe = Airframe().GetBounds();
    const struct
    {
        const char* file;
        P3 centre;
    } wheels[] = {{"i_Wheel_front.txt", kNoseWheel},
                  {"i_Wheel_left.txt", kLeftWheel},
                  {"i_Wheel_right.txt", kRightWheel}};
    for (const auto& w : wheels)
    {
        SCOPED_TRACE(w.file);
        const ArtMesh wheel = LoadArt(w.file).Moved(w.centre);
        const Bounds b = wheel.GetBounds();
        EXPECT_LT(b.min.y, airframe.min.y - 0.3) << "the wheels touch the ground first";
        for (const P3& p : Airframe().positions)
            ASSERT_FALSE(p.x > b.min.x && p.x < b.max.x && p.y > b.min.y && p.y < b.max.y &&
                         p.z > b.min.z && p.z < b.max.z)
                << "the airframe reaches into the wheel at " << p.x << " " << p.y << " " << p.z;
        for (std::size_t i = 0; i < wheel.positions.size(); i += 7)
            ASSERT_FALSE(Airframe().Contains(wheel.positions[i]));
    }
}

TEST_F(Aircraft, StrutsHoldTheWheelsAndRiseAlongTheirAxesIntoTheAirframe)
{
    for (const StrutPlace& place : kStruts)
    {
        SCOPED_TRACE(std::string(place.file) + " at x " + std::to_string(place.wheel.x));
        const P3 origin = place.wheel + place.offset;
        const ArtMesh strut = LoadArt(place.file).Moved(origin);
        EXPECT_TRUE(strut.Contains(place.wheel)) << "the axle passes through the wheel's centre";

        // The far end: the point reaching farthest along the axis.
        const P3 axis = place.axis * (1.0 / Length(place.axis));
        double reach = 0;
        P3 top = origin;
        for (const P3& p : strut.positions)
            if (Dot(p - origin, axis) > reach)
            {
                reach = Dot(p - origin, axis);
                top = p;
            }
        EXPECT_GT(reach, 0.5) << "the leg is long enough to reach the airframe";
        const P3 across = (top - origin) - axis * reach;
        EXPECT_LT(Length(across), 0.06) << "the leg runs along the axis";
        EXPECT_TRUE(Airframe().Contains(origin + axis * (reach - 0.01)))
            << "the leg ends inside the airframe";
        EXPECT_FALSE(Airframe().Contains(origin + axis * (reach * 0.5)))
            << "the leg's middle is in the open";
    }
}

TEST_F(Aircraft, ControlSurfacesTurnAboutTheirHingesAndFillTheirPlaceInTheAirframe)
{
    const struct
    {
        const char* file;
        P3 place;
        double yaw;
        P3 sample; // a point within the surface, behind its hinge, in its own frame
    } surfaces[] = {
        {"i_eleron_l.txt", {-3.3133, 0.03, -0.45}, 4.0, {0.3, 0.0, -0.08}},
        {"i_eleron_r.txt", {3.3133, 0.03, -0.45}, -4.0, {-0.3, 0.0, -0.08}},
        {"i_elevator.txt", {0.0, 0.72, -4.25}, 0.0, {0.8, 0.0, -0.15}},
        {"i_vrudder.txt", {0.0, 1.138, -4.41}, 0.0, {0.0, 0.3, -0.15}},
    };
    for (const auto& s : surfaces)
    {
        SCOPED_TRACE(s.file);
        const ArtMesh part = LoadArt(s.file);
        EXPECT_TRUE(part.Contains({0, 0, 0})) << "the hinge runs through the part's nose";
        EXPECT_TRUE(part.Contains(s.sample));
        const Bounds b = part.GetBounds();
        EXPECT_LT(b.max.z, 0.07) << "nothing reaches far ahead of the hinge";
        EXPECT_LT(b.min.z, -0.2) << "the trailing edge lies behind the hinge";
        EXPECT_TRUE(Airframe().Contains(AtPlace(s.sample, s.place, s.yaw)))
            << "the airframe carries the surface in its neutral place";
    }
    const Bounds left = LoadArt("i_eleron_l.txt").GetBounds();
    const Bounds right = LoadArt("i_eleron_r.txt").GetBounds();
    EXPECT_NEAR(left.min.x, -right.max.x, 1e-5) << "the ailerons mirror each other";
}

TEST_F(Aircraft, BrakeFlapsAreThinPlatesBehindTheirHinges)
{
    for (const char* name : {"i_brakeflapl.txt", "i_brakeflapr.txt"})
    {
        SCOPED_TRACE(name);
        const ArtMesh flap = LoadArt(name);
        const Bounds b = flap.GetBounds();
        EXPECT_TRUE(flap.Contains({0, 0, 0}));
        EXPECT_LT(b.Size().y, 0.05);
        EXPECT_GT(b.Size().x, 1.0) << "spanning the wing root";
        EXPECT_LT(b.min.z, -0.15);
    }
}

TEST_F(Aircraft, PropellerAndCanopyFitTheirPlaces)
{
    const ArtMesh propeller = LoadArt("i_propeller.txt");
    const Bounds p = propeller.GetBounds();
    EXPECT_TRUE(propeller.Contains({0, 0, 0})) << "the hub";
    EXPECT_NEAR(std::max(p.Size().x, p.Size().y), 2.4, 0.2) << "a 2.4 m disc";
    EXPECT_LT(p.Size().z, 0.8) << "blades in the disc plane";
    EXPECT_NEAR(p.Centre().x, 0.0, 0.02);
    EXPECT_NEAR(p.Centre().y, 0.0, 0.02);

    // One sliding section: its glass stands on the sill with its roof near
    // y = 1.25 in the airframe; the frame encloses the glass.
    const ArtMesh glass = LoadArt("i_glass.txt");
    const Bounds g = glass.GetBounds();
    EXPECT_TRUE(glass.Contains({0, 0, 0}));
    EXPECT_NEAR(g.max.y, 1.25 - 0.92, 0.03);
    EXPECT_NEAR(g.Size().z, 1.0, 0.25) << "one of two sections over the two seats";
    const Bounds f = LoadArt("i_pereplet.txt").GetBounds();
    EXPECT_GE(f.max.y, g.max.y);
    EXPECT_GE(f.max.x, g.max.x);
    EXPECT_LE(f.min.x, g.min.x);
}

} // namespace
} // namespace art_test
