// The aircraft of the world: the fuselage dropped on its three sprung struts
// onto the frictionless ground, against its static equilibrium worked out by
// hand.
#include "PhysxTestSupport.h"

#include <compat/physx.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{

using physx_test::Aircraft;
using physx_test::PitchDegrees;
using physx_test::TestScene;

constexpr double kPi = 3.14159265358979323846;

// The airframe at rest on its wheels, with `push` newtons more pressing down
// on the fuselage's centre.
//
// The fuselage (1035 kg) hangs on three struts whose anchors lie, from its
// centre, at rn = (0, -1.0, 1.5) (nose wheel) and rm = (+-1.41, -0.9, -0.25)
// (main wheels), along the unit axes an = (0, 0.79, -0.21) / 0.8174 =
// (0, 0.96648, -0.25691) and am = (0, 0.95, -0.05) / 0.9513 =
// (0, 0.99863, -0.05256); each wheel (20 kg) rests with its centre 0.35 above
// the ground (radius 0.5 less two skins of 0.075).
//
// The ground is frictionless, so it pushes each wheel straight up. A wheel
// carries no moment (the push goes through its centre), so its strut takes a
// vertical load: n (nose) and s (each main), the ground's push less the
// wheel's weight. The fuselage's balance gives
//   n + 2 s = 1035 g + push                 (forces)
//   n zn + 2 s zm = 0                       (moments about its centre)
// with zn, zm the wheel centres' distances ahead of the centre. The locked
// sideways motions take the part of each load across the strut; the spring
// takes the part along it, n an.y' (an.y' the axis' vertical part once the
// fuselage is pitched), so the strut is shortened by
//   dn = 0.001 + n an.y' / 100000,  dm = 0.001 + s am.y' / 100000.
// The wheel centres are then at rn + dn an and rm + dm am in the fuselage's
// frame, and both at height 0.35: the pitch t about x satisfies
//   tan t = (yn - ym) / (zn - zm),
// nose up since the nose wheel hangs 0.1 lower; the centre's height is
// 0.35 - (yn cos t - zn sin t).
//
// Level, zn = 1.5 and zm = -0.25 give n = 1450 N, s = 4351 N, dn = 15.0 mm,
// dm = 44.5 mm and a pitch of 4.25 degrees; pitched, the main wheels move
// 6.4 cm back and the loads shift. Iterated to a fixed point:
//   push 0:     n = 1075.5 N, s = 4538.9 N, dn = 11.15 mm, dm = 46.01 mm,
//               pitch 4.418 degrees nose up, height 1.2210 m;
//   push 900 N: n = 1164.0 N, s = 4944.7 N, dn = 11.98 mm, dm = 50.02 mm,
//               pitch 4.522 degrees, height 1.2173 m (3.7 mm lower).
struct Equilibrium
{
    double height;
    double pitchDegrees; // nose up
    double noseSlide;
    double mainSlide;
};

Equilibrium StaticEquilibrium(double push)
{
    const double g = 9.81, k = 100000.0, limit = 0.001;
    const double ryn = -1.0, rzn = 1.5, rym = -0.9, rzm = -0.25;
    const double ayn = 0.79 / std::hypot(0.79, 0.21), azn = -0.21 / std::hypot(0.79, 0.21);
    const double aym = 0.95 / std::hypot(0.95, 0.05), azm = -0.05 / std::hypot(0.95, 0.05);
    double t = 0, dn = limit, dm = limit; // pitch (about +x, nose up negative)
    Equilibrium e{};
    for (int pass = 0; pass < 100; ++pass)
    {
        const double yn = ryn + dn * ayn, zn = rzn + dn * azn;
        const double ym = rym + dm * aym, zm = rzm + dm * azm;
        const double zNose = yn * std::sin(t) + zn * std::cos(t);
        const double zMain = ym * std::sin(t) + zm * std::cos(t);
        const double load = 1035.0 * g + push;
        const double n = load * -zMain / (zNose - zMain);
        const double s = (load - n) / 2;
        dn = limit + n * (ayn * std::cos(t) - azn * std::sin(t)) / k;
        dm = limit + s * (aym * std::cos(t) - azm * std::sin(t)) / k;
        const double ynNew = ryn + dn * ayn, znNew = rzn + dn * azn;
        const double ymNew = rym + dm * aym, zmNew = rzm + dm * azm;
        t = std::atan2(ynNew - ymNew, znNew - zmNew);
        e = {0.35 - (ynNew * std::cos(t) - znNew * std::sin(t)), -t * 180 / kPi, dn, dm};
    }
    return e;
}

// How far the wheel has slid up its strut from the anchor, in the fuselage's frame.
double StrutSlide(const NxActor& fuselage, const NxActor& wheel, NxVec3 wheelStart, NxVec3 axis)
{
    NxVec3 local;
    fuselage.getGlobalPose().multiplyByInverseRT(wheel.getGlobalPosition(), local);
    axis.normalize();
    return (local - (wheelStart - physx_test::kFuselageStart)).dot(axis);
}

class AircraftDrop : public ::testing::Test
{
protected:
    explicit AircraftDrop(bool sleeps = true)
        : ground(physx_test::AddFrictionlessGround(*scene)),
          aircraft(physx_test::AddAircraft(*scene, sleeps))
    {
    }

    TestScene scene;
    NxActor* ground;
    Aircraft aircraft;
    NxActor* bodies[4] = {aircraft.fuselage, aircraft.frontWheel, aircraft.leftWheel,
                          aircraft.rightWheel};
    int fuselageWheelContacts = 0;

    void Frames(int count)
    {
        for (int i = 0; i < count; ++i)
        {
            scene.Frame();
            for (int w = 1; w < 4; ++w)
                fuselageWheelContacts +=
                    compat::physx::ContactPointCount(*scene, *aircraft.fuselage, *bodies[w]);
        }
    }
};

TEST_F(AircraftDrop, SceneHoldsFiveActorsAndThreeJoints)
{
    EXPECT_EQ(scene->getNbActors(), 5u);
    EXPECT_EQ(scene->getNbJoints(), 3u);
    EXPECT_EQ(aircraft.fuselage->getMass(), 1035.0f);
    EXPECT_EQ(aircraft.frontWheel->getMass(), 20.0f);
    EXPECT_EQ(aircraft.fuselage->getSolverIterationCount(), 20u);
}

TEST_F(AircraftDrop, ComesToRestOnItsWheelsAtTheStaticEquilibrium)
{
    Frames(300);
    NxVec3 before[4];
    for (int i = 0; i < 4; ++i)
        before[i] = bodies[i]->getGlobalPosition();
    const NxQuat turnBefore = aircraft.fuselage->getGlobalOrientationQuat();
    Frames(60); // the sixth second
    for (int i = 0; i < 4; ++i)
        EXPECT_LT(bodies[i]->getGlobalPosition().distance(before[i]), 0.002) << "body " << i;
    EXPECT_LT(physx_test::TurnDegrees(turnBefore.getConjugate() *
                                      aircraft.fuselage->getGlobalOrientationQuat()),
              0.1);

    for (int w = 1; w < 4; ++w)
        EXPECT_NEAR(bodies[w]->getGlobalPosition().y, 0.35, 0.02) << "wheel " << w;
    const Equilibrium expected = StaticEquilibrium(0);
    EXPECT_NEAR(aircraft.fuselage->getGlobalPosition().y, expected.height, 0.02);
    EXPECT_NEAR(-PitchDegrees(*aircraft.fuselage), expected.pitchDegrees, 0.5);

    Frames(600); // ten more seconds
    for (int i = 0; i < 4; ++i)
        EXPECT_LT(bodies[i]->getGlobalPosition().distance(before[i]), 0.01) << "body " << i;
    EXPECT_EQ(fuselageWheelContacts, 0);
}

// With sleeping off, nothing stops the slow pitching short of equilibrium: the
// struts' springs alone are measured against the working.
class AircraftAwake : public AircraftDrop
{
protected:
    AircraftAwake() : AircraftDrop(false) {}
};

TEST_F(AircraftAwake, SettlesOnTheStrutsAsWorkedOut)
{
    Frames(900);
    const Equilibrium expected = StaticEquilibrium(0);
    ASSERT_FALSE(aircraft.fuselage->isSleeping());
    EXPECT_NEAR(aircraft.fuselage->getGlobalPosition().y, expected.height, 0.005);
    EXPECT_NEAR(-PitchDegrees(*aircraft.fuselage), expected.pitchDegrees, 0.15);
    const double nose = StrutSlide(*aircraft.fuselage, *aircraft.frontWheel,
                                   physx_test::kFrontWheelStart, NxVec3(0, 0.79f, -0.21f));
    const double left = StrutSlide(*aircraft.fuselage, *aircraft.leftWheel,
                                   physx_test::kLeftWheelStart, NxVec3(0, 0.95f, -0.05f));
    const double right = StrutSlide(*aircraft.fuselage, *aircraft.rightWheel,
                                    physx_test::kRightWheelStart, NxVec3(0, 0.95f, -0.05f));
    EXPECT_NEAR(nose, expected.noseSlide, 0.1 * expected.noseSlide);
    EXPECT_NEAR(left, expected.mainSlide, 0.1 * expected.mainSlide);
    EXPECT_NEAR(right, expected.mainSlide, 0.1 * expected.mainSlide);
    EXPECT_EQ(fuselageWheelContacts, 0);
}

TEST_F(AircraftAwake, PushLowersTheFuselageAsTheSpringsPredictAndItComesBack)
{
    Frames(900);
    const double rest = aircraft.fuselage->getGlobalPosition().y;
    for (int frame = 0; frame < 60; ++frame)
    {
        aircraft.fuselage->addForce(NxVec3(0, -900, 0), NX_FORCE, true);
        Frames(1);
    }
    const double pushed = aircraft.fuselage->getGlobalPosition().y;
    Frames(180);
    const double released = aircraft.fuselage->getGlobalPosition().y;
    // 1.2210 - 1.2173: 3.7 mm.
    const double predicted = StaticEquilibrium(0).height - StaticEquilibrium(900).height;
    EXPECT_NEAR(rest - pushed, predicted, 0.3 * predicted);
    EXPECT_NEAR(released, rest, 0.3 * predicted);
    EXPECT_EQ(fuselageWheelContacts, 0);
}

} // namespace
