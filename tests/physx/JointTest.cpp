// The six-degree-of-freedom joint: frames from global values, locked, free and
// limited motions, the soft linear limit, and what createJoint refuses.
#include "PhysxTestSupport.h"
#include "world/Suspension.h"

#include <compat/physx.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{

using physx_test::AddBox;
using physx_test::AddSphere;
using physx_test::TestScene;
using physx_test::TurnDegrees;

constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

// A 20 kg wheel on a 1,000,000 kg body in empty space, joined at the body's
// centre like a strut: sliding along the tilted axis only, within +-1 mm
// freely and beyond it against a spring of 100000 N/m and a damper of
// 20000 N s/m.
class Strut : public ::testing::Test
{
protected:
    const NxVec3 anchor{0, 2, 0};
    const NxVec3 axisAsGiven{0.0f, 0.79f, -0.21f};
    TestScene scene{NxVec3(0, 0, 0)};
    NxActor* body = AddBox(*scene, anchor, NxVec3(1, 0.5f, 1), 1.0e6f);
    NxActor* wheel = AddSphere(*scene, anchor, 0.5f, 20.0f);
    NxJoint* joint =
        AddSuspensionStrut(scene.get(), body, wheel, anchor, axisAsGiven, 100000.0f, 20000.0f);

    NxVec3 Axis() const
    {
        NxVec3 unit = axisAsGiven;
        unit.normalize();
        return body->getGlobalOrientation() * unit;
    }
    // The wheel's offset from the anchor, the body's centre, in world axes.
    NxVec3 Offset() const { return wheel->getGlobalPosition() - body->getGlobalPosition(); }
    double Slide() const { return Offset().dot(Axis()); }
    double Sideways() const { return (Offset() - Axis() * NxReal(Slide())).magnitude(); }
    double RelativeTurnDegrees() const
    {
        return TurnDegrees(body->getGlobalOrientationQuat().getConjugate() *
                           wheel->getGlobalOrientationQuat());
    }
};

TEST_F(Strut, JointTakesTheGlobalAnchorAndTheNormalisedAxis)
{
    ASSERT_NE(joint, nullptr);
    EXPECT_EQ(scene->getNbJoints(), 1u);
    const NxVec3 globalAnchor = joint->getGlobalAnchor();
    EXPECT_NEAR(globalAnchor.distance(anchor), 0.0, 1e-6);
    const NxVec3 axis = joint->getGlobalAxis();
    // (0, 0.79, -0.21) / 0.8174
    EXPECT_NEAR(axis.y, 0.96648, 1e-4);
    EXPECT_NEAR(axis.z, -0.25691, 1e-4);
}

TEST_F(Strut, WheelMovesOnlyAlongTheAxisAndKeepsItsOrientation)
{
    wheel->setLinearVelocity(NxVec3(3, 2, 1));
    wheel->setAngularVelocity(NxVec3(2, 1, 3));
    scene.Frames(60);
    EXPECT_LT(Sideways(), 1e-3);
    EXPECT_LT(RelativeTurnDegrees(), 0.1);
    EXPECT_LT(std::fabs(Slide()), 0.02); // the spring has caught it
}

TEST_F(Strut, WheelSlidesFreelyWithinTheLimit)
{
    // 6 mm/s along the axis for 0.1 s: 0.6 mm, inside the free 1 mm.
    wheel->setLinearVelocity(Axis() * 0.006f);
    scene.Frames(6);
    EXPECT_NEAR(Slide(), 0.0006, 2e-6);
    EXPECT_NEAR(wheel->getLinearVelocity().dot(Axis()), 0.006, 1e-6);
}

TEST_F(Strut, SpringPushesTheWheelBackWithinTheLimitFromEitherSide)
{
    for (const NxReal start : {0.011f, -0.011f})
    {
        wheel->setGlobalPosition(anchor + Axis() * start);
        wheel->setLinearVelocity(NxVec3(0, 0, 0));
        scene.Frame();
        // The limit only pushes: the spring's first step sends the wheel back
        // toward the anchor, and the damper does not hold it back.
        EXPECT_LT(std::fabs(Slide()), std::fabs(start));
        EXPECT_LT(wheel->getLinearVelocity().dot(Axis()) * start, 0.0f);
        scene.Frames(120);
        EXPECT_LT(std::fabs(Slide()), 0.0015) << "from " << start;
    }
}

TEST_F(Strut, SteadyLoadDeflectsByLoadOverSpringBeyondTheLimit)
{
    for (const NxReal load : {2000.0f, -2000.0f})
    {
        for (int frame = 0; frame < 180; ++frame)
        {
            wheel->addForce(Axis() * load);
            scene.Frame();
        }
        // 2000 N / 100000 N/m + 0.001 m.
        const double expected = load / 100000.0 + (load > 0 ? 0.001 : -0.001);
        EXPECT_NEAR(Slide(), expected, 0.1 * std::fabs(expected)) << "load " << load;
        EXPECT_LT(Sideways(), 1e-3);
    }
}

TEST_F(Strut, StrutDescriptorIsTheSuspensionOne)
{
    NxD6JointDesc desc;
    ASSERT_NE(joint->isD6Joint(), nullptr);
    joint->isD6Joint()->saveToDesc(desc);
    EXPECT_EQ(desc.actor[0], body);
    EXPECT_EQ(desc.actor[1], wheel);
    EXPECT_EQ(desc.xMotion, NX_D6JOINT_MOTION_LIMITED);
    for (NxD6JointMotion motion :
         {desc.yMotion, desc.zMotion, desc.swing1Motion, desc.swing2Motion, desc.twistMotion})
        EXPECT_EQ(motion, NX_D6JOINT_MOTION_LOCKED);
    EXPECT_FLOAT_EQ(desc.linearLimit.value, 0.001f);
    EXPECT_FLOAT_EQ(desc.linearLimit.restitution, 0.01f);
    EXPECT_FLOAT_EQ(desc.linearLimit.spring, 100000.0f);
    EXPECT_FLOAT_EQ(desc.linearLimit.damping, 20000.0f);
    EXPECT_EQ(desc.projectionMode, NX_JPM_NONE);
    EXPECT_EQ(desc.jointFlags & NX_JF_COLLISION_ENABLED, 0u);
}

TEST_F(Strut, StrutNeedsBothActors)
{
    compat::physx::ClearLastError();
    EXPECT_EQ(AddSuspensionStrut(scene.get(), body, NULL, anchor, axisAsGiven, 1, 1), nullptr);
    EXPECT_EQ(AddSuspensionStrut(NULL, body, wheel, anchor, axisAsGiven, 1, 1), nullptr);
    EXPECT_EQ(scene->getNbJoints(), 1u);
}

TEST(JointFrames, GlobalValuesAreTurnedIntoEachActorsFrame)
{
    TestScene scene(NxVec3(0, 0, 0));
    // Turned a quarter about y: its x axis points along world -z, its z along +x.
    NxActorDesc desc;
    NxBodyDesc body;
    body.mass = 1.0f;
    NxBoxShapeDesc box;
    box.dimensions = NxVec3(0.5f);
    desc.shapes.pushBack(&box);
    desc.body = &body;
    desc.globalPose.M.fromQuat(NxQuat(90.0f, NxVec3(0, 1, 0)));
    desc.globalPose.t = NxVec3(1, 2, 3);
    NxActor* turned = scene->createActor(desc);

    NxD6JointDesc joint;
    joint.actor[0] = turned;
    joint.actor[1] = nullptr; // the world
    joint.setGlobalAnchor(NxVec3(1, 2, 5));
    joint.setGlobalAxis(NxVec3(2, 0, 0));
    // Anchor (0, 0, 2) from the actor's origin along world z is its -x.
    EXPECT_NEAR(joint.localAnchor[0].distance(NxVec3(-2, 0, 0)), 0.0, 1e-5);
    EXPECT_EQ(joint.localAnchor[1], NxVec3(1, 2, 5));
    // World x is the actor's z; the axis is normalised.
    EXPECT_NEAR(joint.localAxis[0].distance(NxVec3(0, 0, 1)), 0.0, 1e-5);
    EXPECT_EQ(joint.localAxis[1], NxVec3(1, 0, 0));
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_NEAR(joint.localNormal[i].magnitude(), 1.0, 1e-5);
        EXPECT_NEAR(joint.localNormal[i].dot(joint.localAxis[i]), 0.0, 1e-5);
    }
    EXPECT_TRUE(joint.isValid());

    compat::physx::ClearLastError();
    const NxVec3 before = joint.localAxis[0];
    joint.setGlobalAxis(NxVec3(0, 0, 0));
    EXPECT_NE(compat::physx::LastError().find("axis is zero"), std::string::npos);
    EXPECT_EQ(joint.localAxis[0], before);
}

// A wheel on the fixed world that may only turn about the joint's x axis.
class Twist : public ::testing::Test
{
protected:
    TestScene scene{NxVec3(0, 0, 0)};
    NxActor* wheel = AddSphere(*scene, NxVec3(0, 1, 0), 0.5f, 20.0f);

    NxJoint* Join(NxD6JointMotion twist, NxReal limit = 0)
    {
        NxD6JointDesc desc;
        desc.actor[0] = nullptr;
        desc.actor[1] = wheel;
        desc.setGlobalAnchor(NxVec3(0, 1, 0));
        desc.setGlobalAxis(NxVec3(1, 0, 0));
        desc.xMotion = desc.yMotion = desc.zMotion = NX_D6JOINT_MOTION_LOCKED;
        desc.swing1Motion = desc.swing2Motion = NX_D6JOINT_MOTION_LOCKED;
        desc.twistMotion = twist;
        desc.twistLimit.low.value = -limit;
        desc.twistLimit.high.value = limit;
        return scene->createJoint(desc);
    }
};

TEST_F(Twist, FreeTwistSpinsOnLosingOnlyTheAngularDamping)
{
    ASSERT_NE(Join(NX_D6JOINT_MOTION_FREE), nullptr);
    wheel->setAngularVelocity(NxVec3(2, 0, 0));
    scene.Frames(60);
    // Angular damping 0.05 per second: 2 e^-0.05 = 1.9025 rad/s after 1 s.
    EXPECT_NEAR(wheel->getAngularVelocity().x, 2.0 * std::exp(-0.05), 2e-3);
    EXPECT_NEAR(wheel->getGlobalPosition().distance(NxVec3(0, 1, 0)), 0.0, 1e-3);
}

TEST_F(Twist, LimitedTwistStopsAtTheLimit)
{
    ASSERT_NE(Join(NX_D6JOINT_MOTION_LIMITED, 0.3f), nullptr);
    wheel->setAngularVelocity(NxVec3(2, 0, 0));
    scene.Frames(60);
    EXPECT_NEAR(TurnDegrees(wheel->getGlobalOrientationQuat()), 0.3 * kDegreesPerRadian, 1.0);
}

TEST_F(Twist, LockedTwistDoesNotTurn)
{
    ASSERT_NE(Join(NX_D6JOINT_MOTION_LOCKED), nullptr);
    wheel->setAngularVelocity(NxVec3(2, 0, 0));
    scene.Frames(60);
    EXPECT_LT(TurnDegrees(wheel->getGlobalOrientationQuat()), 0.1);
}

TEST(JointRefusals, InvalidJointsAreNotMade)
{
    TestScene scene;
    NxActor* a = AddSphere(*scene, NxVec3(0, 1, 0), 0.5f, 1.0f);
    NxPlaneShapeDesc plane;
    NxActorDesc groundDesc;
    groundDesc.shapes.pushBack(&plane);
    NxActor* ground = scene->createActor(groundDesc);

    const auto refused = [&](NxD6JointDesc desc, const char* words)
    {
        compat::physx::ClearLastError();
        EXPECT_EQ(scene->createJoint(desc), nullptr) << words;
        EXPECT_NE(compat::physx::LastError().find(words), std::string::npos)
            << compat::physx::LastError();
    };
    NxD6JointDesc desc;
    desc.actor[0] = a;
    desc.actor[1] = a;
    refused(desc, "the same");
    desc.actor[1] = ground;
    desc.actor[0] = nullptr;
    refused(desc, "neither actor is dynamic");
    desc.actor[0] = a;
    desc.projectionMode = NX_JPM_POINT_MINDIST;
    refused(desc, "NX_JPM_NONE");
    desc.projectionMode = NX_JPM_NONE;
    desc.linearLimit.spring = -1;
    refused(desc, "linearLimit");
    desc.linearLimit.spring = 0;
    desc.localAxis[0] = NxVec3(0, 2, 0);
    refused(desc, "unit length");
    EXPECT_EQ(scene->getNbJoints(), 0u);
}

} // namespace
