// The world's update: keys, controls, engine, flight and the physics step.
#include "WorldFixture.h"

#include "scene/PoseNode.h"
#include "world/ControlChannel.h"
#include "world/Engine.h"
#include "world/WorldGlobals.h"

#include <compat/physx.h>

#include <compat/dinput.h>
#include <dinput.h>

#include <cmath>
#include <iterator>

namespace
{
class WorldUpdateTest : public WorldTest
{
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        WriteArt();
        ASSERT_TRUE(InitWorld());
    }
    // Runs `frames` updates of 1/60 s with the keys held.
    bool Run(int frames, std::initializer_list<int> keys = {})
    {
        Hold(keys);
        bool result = true;
        for (int i = 0; i < frames; ++i)
            result = m_world->Update(1.0f / 60.0f);
        return result;
    }
};

bool Equal(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}
} // namespace

TEST_F(WorldUpdateTest, NoTimeMeansNoChangeAndNoStepEvenWithEsc)
{
    Run(3); // the canopies and brake flaps are on their way
    const D3DXVECTOR3 root = Inspect().Root()->GetWorldPosition(false);
    const float flap = Inspect().BrakeFlap()->Get();
    const auto steps = compat::physx::TotalSteps(*g_scene);
    Hold({DIK_ESCAPE, DIK_R, DIK_UP, DIK_E});
    EXPECT_TRUE(m_world->Update(0.0f));
    EXPECT_TRUE(m_world->Update(-1.0f));
    EXPECT_TRUE(Equal(Inspect().Root()->GetWorldPosition(false), root));
    EXPECT_EQ(Inspect().BrakeFlap()->Get(), flap);
    EXPECT_EQ(Inspect().Elevator()->Get(), 0.0f);
    EXPECT_FALSE(Inspect().Engine()->IsRunning());
    EXPECT_EQ(compat::physx::TotalSteps(*g_scene), steps);
}

TEST_F(WorldUpdateTest, EscStillAppliesTheControlsButNotFlightCameraOrPhysics)
{
    Run(30); // falling
    Hold({DIK_ESCAPE, DIK_E, DIK_UP, DIK_R, DIK_F2});
    const D3DXVECTOR3 root = Inspect().Root()->GetWorldPosition(false);
    const auto steps = compat::physx::TotalSteps(*g_scene);
    EXPECT_FALSE(m_world->Update(1.0f / 60.0f));
    // Controls and the reset happened...
    EXPECT_GT(Inspect().Elevator()->Get(), 0.0f);
    EXPECT_FALSE(Inspect().Engine()->IsRunning()); // E switched it on, R off again
    const NxVec3 fuselage = g_fuselageActor->getGlobalPosition();
    EXPECT_EQ(fuselage.y, g_fuselageStart.y);
    // ...but no flight, no camera change and no physics step.
    EXPECT_TRUE(Equal(Inspect().Root()->GetWorldPosition(false), root));
    EXPECT_EQ(Inspect().CameraMode(), 0);
    EXPECT_EQ(compat::physx::TotalSteps(*g_scene), steps);
}

TEST_F(WorldUpdateTest, ResetPutsTheBodiesBackEveryFrameKeepingTheirVelocity)
{
    Run(20);
    const float falling = g_fuselageActor->getLinearVelocity().y;
    ASSERT_LT(falling, -2.0f);
    for (int frame = 0; frame < 10; ++frame)
    {
        Hold({DIK_R});
        m_world->Update(1.0f / 60.0f);
        // Each frame's step starts from the start position: one step below it.
        const NxVec3 p = g_fuselageActor->getGlobalPosition();
        EXPECT_NEAR(p.x, g_fuselageStart.x, 1e-4);
        EXPECT_LT(p.y, g_fuselageStart.y);
        EXPECT_GT(p.y, g_fuselageStart.y - 0.2f);
        EXPECT_NEAR(p.z, g_fuselageStart.z, 1e-4);
    }
    // The velocity kept growing while the bodies were put back.
    EXPECT_LT(g_fuselageActor->getLinearVelocity().y, falling - 1.0f);
    EXPECT_NEAR(g_frontWheelActor->getGlobalPosition().z, g_frontWheelStart.z, 1e-3);
}

TEST_F(WorldUpdateTest, TheStrongerKeyOfEachPairWins)
{
    Run(1, {DIK_LEFT, DIK_RIGHT, DIK_UP, DIK_DOWN, DIK_DELETE, DIK_NEXT});
    EXPECT_FLOAT_EQ(Inspect().Roll()->Get(), -0.38f);             // Right wins
    EXPECT_FLOAT_EQ(Inspect().Elevator()->Get(), 100.0f / 60.0f); // Up wins
    EXPECT_FLOAT_EQ(Inspect().Rudder()->Get(), 108.0f / 60.0f);   // Delete wins
    // Let go: each pair returns toward 0 at its own rate.
    Run(1);
    EXPECT_FLOAT_EQ(Inspect().Roll()->Get(), 0.0f);
    EXPECT_FLOAT_EQ(Inspect().Elevator()->Get(), 0.0f);
    EXPECT_FLOAT_EQ(Inspect().Rudder()->Get(), 0.0f);
}

TEST_F(WorldUpdateTest, BrakeFlapsAndCanopiesMoveOnTheirOwnAtFirst)
{
    Run(30); // half a second
    EXPECT_NEAR(Inspect().FrontCanopyChannel()->Get(), -0.5f, 1e-5);
    EXPECT_NEAR(Inspect().RearCanopyChannel()->Get(), -0.5f, 1e-5);
    EXPECT_NEAR(Inspect().BrakeFlap()->Get(), -15.0f, 1e-3);
    Run(60); // 1.5 s in all
    EXPECT_NEAR(Inspect().BrakeFlap()->Get(), -45.0f, 1e-3);
    // Home takes the flaps back in.
    Run(30, {DIK_HOME});
    EXPECT_NEAR(Inspect().BrakeFlap()->Get(), -30.0f, 1e-3);
}

TEST_F(WorldUpdateTest, CanopyKeyActsOnlyAtAnEnd)
{
    Run(10); // the front canopy is on its way to -0.5
    const float moving = Inspect().FrontCanopyChannel()->Get();
    ASSERT_GT(moving, -0.5f);
    Run(1, {DIK_1}); // mid-travel: no reversal
    EXPECT_LT(Inspect().FrontCanopyChannel()->Get(), moving);
    Run(30); // reaches -0.5
    ASSERT_EQ(Inspect().FrontCanopyChannel()->Get(), -0.5f);
    Run(1, {DIK_1}); // at the end: it goes back toward 0
    EXPECT_GT(Inspect().FrontCanopyChannel()->Get(), -0.5f);
    EXPECT_EQ(Inspect().RearCanopyChannel()->Get(), -0.5f);
}

TEST_F(WorldUpdateTest, EngineStartTargetsTheThrottleSetting)
{
    Run(1, {DIK_E});
    // Throttle 10 of 2..100: target 2929 / 100 × 10 = 292.9 rpm, closed by 1 %.
    EXPECT_NEAR(Inspect().Engine()->GetRpm(), 2.929f, 1e-4);
    EXPECT_TRUE(Inspect().Engine()->IsRunning());
    Run(1, {DIK_EQUALS});
    EXPECT_FLOAT_EQ(Inspect().Throttle()->Get(), 10.98f);
}

TEST_F(WorldUpdateTest, WithTheEngineOffTheRootOnlyRisesToItsFloor)
{
    Run(5);
    const D3DXVECTOR3 root = Inspect().Root()->GetWorldPosition(false);
    EXPECT_EQ(root.x, 0.0f);
    EXPECT_EQ(root.y, 1.0f);
    EXPECT_EQ(root.z, 0.0f);
    EXPECT_EQ(g_flightSpeed, 0.0f);
}

TEST_F(WorldUpdateTest, TheEngineFliesTheRootForward)
{
    Run(120, {DIK_E, DIK_EQUALS});
    const D3DXVECTOR3 root = Inspect().Root()->GetWorldPosition(false);
    // The root faces world -z (turned 180 degrees) and flies that way.
    EXPECT_LT(root.z, -0.01f);
    EXPECT_NEAR(root.x, 0.0f, 1e-4);
    // The viewpoints under it follow.
    const D3DXVECTOR3 view = Inspect().Viewpoint(1)->GetWorldPosition(false);
    EXPECT_NEAR(view.z, root.z + 0.4f, 1e-3);
}

TEST_F(WorldUpdateTest, TheAircraftDropsOntoItsWheelsAndSettles)
{
    Run(360);
    const NxVec3 fuselage = g_fuselageActor->getGlobalPosition();
    // Carried by the struts: well above the ground, far below the start.
    EXPECT_GT(fuselage.y, 1.1f);
    EXPECT_LT(fuselage.y, 1.35f);
    for (NxActor* wheel : {g_leftWheelActor, g_rightWheelActor, g_frontWheelActor})
        EXPECT_NEAR(wheel->getGlobalPosition().y, 0.35f, 0.01f);
    // Pushing lowers the fuselage.
    Run(60, {DIK_P});
    EXPECT_LT(g_fuselageActor->getGlobalPosition().y, fuselage.y - 0.002f);
}

TEST_F(WorldUpdateTest, SoakWithRandomKeysAndFrameTimesStaysFinite)
{
    const int keys[] = {DIK_ESCAPE, DIK_R,  DIK_P,    DIK_EQUALS, DIK_MINUS, DIK_E,    DIK_LEFT,
                        DIK_RIGHT,  DIK_UP, DIK_DOWN, DIK_DELETE, DIK_NEXT,  DIK_HOME, DIK_END,
                        DIK_1,      DIK_2,  DIK_F1,   DIK_F2,     DIK_F3,    DIK_A,    DIK_D,
                        DIK_S,      DIK_X,  DIK_Z,    DIK_C};
    const float times[] = {0.0f, -0.5f, 1.0f, 1.0f / 60.0f, 1.0f / 30.0f, 0.001f, 0.25f};
    unsigned state = 12345u; // a fixed linear congruential sequence
    auto next = [&state]
    {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7FFFu;
    };
    auto finite = [](const auto&... values) { return (std::isfinite(values) && ...); };
    for (int frame = 0; frame < 20000; ++frame)
    {
        compat::dinput::ReleaseScriptedKeys();
        const unsigned held = next() % 4;
        for (unsigned k = 0; k < held; ++k)
            compat::dinput::SetScriptedKey(keys[next() % std::size(keys)], true);
        m_world->Update(times[next() % std::size(times)]);

        for (NxActor* body :
             {g_fuselageActor, g_leftWheelActor, g_rightWheelActor, g_frontWheelActor})
        {
            const NxVec3 p = body->getGlobalPosition();
            const NxQuat q = body->getGlobalOrientationQuat();
            ASSERT_TRUE(finite(p.x, p.y, p.z, q.x, q.y, q.z, q.w)) << "frame " << frame;
        }
        for (int i = 0; i < 3; ++i)
        {
            const D3DXVECTOR3 v = Inspect().Viewpoint(i)->GetWorldPosition(false);
            const D3DXQUATERNION q = Inspect().Viewpoint(i)->GetWorldOrientation(false);
            ASSERT_TRUE(finite(v.x, v.y, v.z, q.x, q.y, q.z, q.w)) << "frame " << frame;
        }
        const D3DXVECTOR3 root = Inspect().Root()->GetWorldPosition(false);
        ASSERT_TRUE(finite(root.x, root.y, root.z, g_flightSpeed)) << "frame " << frame;
    }
}
