// The scene's fixed time-stepping, forces over a simulate, free fall, and
// repeatability.
#include "PhysxTestSupport.h"

#include <compat/physx.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace
{

using compat::physx::StepsInLastSimulate;
using compat::physx::TotalSteps;
using physx_test::TestScene;

constexpr double kG = 9.81;
constexpr double kStep = 1.0 / 60.0;

TEST(Stepping, SplitsElapsedTimeIntoStepsOfOneSixtieth)
{
    TestScene scene;
    scene.Frame(0.1f);
    EXPECT_EQ(StepsInLastSimulate(*scene), 6u); // 0.1 s / (1/60 s)
    scene.Frame(1.0f / 60.0f);
    EXPECT_EQ(StepsInLastSimulate(*scene), 1u);
    scene.Frame(0.0f);
    EXPECT_EQ(StepsInLastSimulate(*scene), 0u);
    EXPECT_EQ(TotalSteps(*scene), 7u);
}

TEST(Stepping, CarriesTheTimeLeftBelowOneStep)
{
    TestScene scene;
    scene.Frame(0.01f); // 0.6 of a step: none yet
    EXPECT_EQ(StepsInLastSimulate(*scene), 0u);
    scene.Frame(0.01f); // 1.2 steps in all: one, 0.2 carried
    EXPECT_EQ(StepsInLastSimulate(*scene), 1u);
    EXPECT_EQ(TotalSteps(*scene), 1u);
    scene.Frame(0.0135f); // 0.2 + 0.81 = 1.01 steps
    EXPECT_EQ(StepsInLastSimulate(*scene), 1u);
}

TEST(Stepping, RunsAtMostEightStepsAndDropsTheRest)
{
    TestScene scene;
    NxActor* ball = physx_test::AddSphere(*scene, NxVec3(0, 100, 0), 0.5f, 1.0f);
    scene.Frame(1.0f); // 60 steps' worth
    EXPECT_EQ(StepsInLastSimulate(*scene), 8u);
    // Eight steps of the integrator (v += g h, then y += v h) fall
    // g h^2 (1 + 2 + ... + 8) = 9.81 / 3600 * 36 = 0.0981 m.
    EXPECT_NEAR(100.0 - ball->getGlobalPosition().y, kG * kStep * kStep * 36, 1e-4);
    scene.Frame(0.0f); // nothing of the dropped time is carried
    EXPECT_EQ(StepsInLastSimulate(*scene), 0u);
}

TEST(Stepping, VariableTimingRunsOneStepOfTheElapsedTime)
{
    TestScene scene;
    scene->setTiming(1.0f / 60.0f, 8, NX_TIMESTEP_VARIABLE);
    NxActor* ball = physx_test::AddSphere(*scene, NxVec3(0, 100, 0), 0.5f, 1.0f);
    scene.Frame(0.25f);
    EXPECT_EQ(StepsInLastSimulate(*scene), 1u);
    // One step of 0.25 s: v = -g h, y = -g h^2 = -0.613125.
    EXPECT_NEAR(ball->getGlobalPosition().y, 100.0 - kG * 0.25 * 0.25, 1e-4);
}

TEST(Stepping, FreeFallMatchesHalfGTSquaredWithinOneStepsError)
{
    TestScene scene;
    NxActor* ball = physx_test::AddSphere(*scene, NxVec3(0, 100, 0), 0.5f, 1.0f);
    scene.Frames(60);
    const double t = 1.0;
    const double fall = 100.0 - ball->getGlobalPosition().y;
    // Stepping with the new velocity overshoots 1/2 g t^2 = 4.905 m by
    // 1/2 g t h = 0.0818 m.
    EXPECT_NEAR(fall, 0.5 * kG * t * t, 0.5 * kG * t * kStep + 1e-3);
    EXPECT_NEAR(ball->getLinearVelocity().y, -kG * t, 1e-4);
}

TEST(Stepping, RefusesANegativeOrNonFiniteTimeAndASecondSimulate)
{
    TestScene scene;
    compat::physx::ClearLastError();
    scene->simulate(-0.1f);
    EXPECT_NE(compat::physx::LastError().find("elapsed time -0.1"), std::string::npos);
    scene->simulate(NAN);
    EXPECT_EQ(TotalSteps(*scene), 0u);
    EXPECT_FALSE(scene->checkResults(NX_RIGID_BODY_FINISHED));

    scene->simulate(0.1f);
    EXPECT_TRUE(scene->checkResults(NX_RIGID_BODY_FINISHED));
    scene->simulate(0.1f);
    EXPECT_NE(compat::physx::LastError().find("before fetchResults"), std::string::npos);
    EXPECT_TRUE(scene->fetchResults(NX_RIGID_BODY_FINISHED, true));
    EXPECT_FALSE(scene->fetchResults(NX_RIGID_BODY_FINISHED, true));
    EXPECT_EQ(TotalSteps(*scene), 6u);
}

// A 2 kg body in empty space, and the velocity the force modes give it.
class ForceModes : public ::testing::Test
{
protected:
    TestScene scene{NxVec3(0, 0, 0)};
    NxActor* box = physx_test::AddBox(*scene, NxVec3(0, 0, 0), NxVec3(0.5f, 0.5f, 0.5f), 2.0f);

    double SpeedAfter(NxReal seconds)
    {
        scene.Frame(seconds);
        return box->getLinearVelocity().x;
    }
};

TEST_F(ForceModes, ForceActsThroughEveryStepOfTheNextSimulateOnly)
{
    box->addForce(NxVec3(10, 0, 0), NX_FORCE);
    // 10 N on 2 kg over 3 steps of 1/60 s: 5 m/s^2 * 0.05 s.
    EXPECT_NEAR(SpeedAfter(0.05f), 0.25, 1e-5);
    EXPECT_NEAR(SpeedAfter(0.05f), 0.25, 1e-5);
}

TEST_F(ForceModes, AccelerationIsForcePerKilogram)
{
    box->addForce(NxVec3(3, 0, 0), NX_ACCELERATION);
    EXPECT_NEAR(SpeedAfter(0.05f), 0.15, 1e-5); // 3 m/s^2 * 0.05 s
}

TEST_F(ForceModes, ImpulseAndVelocityChangeActAtOnce)
{
    box->addForce(NxVec3(4, 0, 0), NX_IMPULSE); // 4 N s / 2 kg
    EXPECT_NEAR(box->getLinearVelocity().x, 2.0, 1e-6);
    box->addForce(NxVec3(1.5f, 0, 0), NX_VELOCITY_CHANGE);
    EXPECT_NEAR(box->getLinearVelocity().x, 3.5, 1e-6);
}

TEST_F(ForceModes, LocalForceTurnsWithTheBody)
{
    // Turned a quarter about y, the body's x axis points along world -z.
    NxActorDesc desc;
    NxBodyDesc body;
    body.mass = 2.0f;
    NxBoxShapeDesc shape;
    shape.dimensions = NxVec3(0.5f);
    desc.shapes.pushBack(&shape);
    desc.body = &body;
    desc.globalPose.M.fromQuat(NxQuat(90.0f, NxVec3(0, 1, 0)));
    desc.globalPose.t = NxVec3(5, 0, 0);
    NxActor* turned = scene->createActor(desc);
    turned->addLocalForce(NxVec3(10, 0, 0), NX_FORCE);
    scene.Frame(0.05f);
    const NxVec3 v = turned->getLinearVelocity();
    EXPECT_NEAR(v.x, 0.0, 1e-5);
    EXPECT_NEAR(v.z, -0.25, 1e-5);
}

TEST_F(ForceModes, UnsupportedModesAndBadForcesAreRefused)
{
    compat::physx::ClearLastError();
    box->addForce(NxVec3(1, 0, 0), NX_SMOOTH_IMPULSE);
    EXPECT_NE(compat::physx::LastError().find("force mode 3 is not supported"), std::string::npos);
    box->addForce(NxVec3(INFINITY, 0, 0), NX_FORCE);
    EXPECT_NE(compat::physx::LastError().find("not finite"), std::string::npos);
    EXPECT_EQ(SpeedAfter(0.05f), 0.0);
}

TEST(Stepping, SameCallsGiveTheSameResultsBitForBit)
{
    auto run = [](std::vector<NxMat34>& poses)
    {
        TestScene scene;
        physx_test::AddFrictionlessGround(*scene);
        const physx_test::Aircraft aircraft = physx_test::AddAircraft(*scene);
        for (int frame = 0; frame < 240; ++frame)
        {
            if (frame % 50 < 20)
                aircraft.fuselage->addForce(NxVec3(0, -900, 0));
            scene.Frame(frame % 3 ? 1.0f / 60.0f : 0.021f);
        }
        for (NxActor* actor :
             {aircraft.fuselage, aircraft.frontWheel, aircraft.leftWheel, aircraft.rightWheel})
            poses.push_back(actor->getGlobalPose());
    };
    std::vector<NxMat34> first, second;
    run(first);
    run(second);
    ASSERT_EQ(first.size(), second.size());
    EXPECT_EQ(std::memcmp(first.data(), second.data(), first.size() * sizeof(NxMat34)), 0);
}

} // namespace
