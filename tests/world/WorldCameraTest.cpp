// The camera step: choosing and turning the viewpoints.
#include "WorldFixture.h"

#include "scene/PoseNode.h"

#include <dinput.h>

#include <cmath>

namespace
{
class WorldCameraTest : public WorldTest
{
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        WriteArt();
        ASSERT_TRUE(InitWorld());
    }
    void Run(int frames, std::initializer_list<int> keys = {})
    {
        Hold(keys);
        for (int i = 0; i < frames; ++i)
            m_world->Update(1.0f / 60.0f);
    }
    float DistanceToRoot(int viewpoint)
    {
        const D3DXVECTOR3 v = Inspect().Viewpoint(viewpoint)->GetWorldPosition(false);
        const D3DXVECTOR3 r = Inspect().Root()->GetWorldPosition(false);
        const D3DXVECTOR3 d = v - r;
        return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    }
};
} // namespace

TEST_F(WorldCameraTest, OrbitKeepsFifteenMetresAndTheAngleSurvivesModeSwitches)
{
    Run(1);
    const D3DXVECTOR3 before = Inspect().Viewpoint(0)->GetWorldPosition(false);
    Run(60, {DIK_S}); // one second: 20 degrees about the pivot's x axis
    EXPECT_NEAR(DistanceToRoot(0), 15.0f, 1e-3);
    const D3DXVECTOR3 after = Inspect().Viewpoint(0)->GetWorldPosition(false);
    const D3DXVECTOR3 root = Inspect().Root()->GetWorldPosition(false);
    EXPECT_NEAR(after.y - root.y, 15.0f * std::sin(20.0f * 3.14159265f / 180.0f), 0.05f);
    EXPECT_NE(after.y, before.y);

    Run(1, {DIK_F2});
    EXPECT_EQ(Inspect().CameraMode(), 1);
    Run(1, {DIK_F1});
    EXPECT_EQ(Inspect().CameraMode(), 0);
    const D3DXVECTOR3 back = Inspect().Viewpoint(0)->GetWorldPosition(false);
    EXPECT_NEAR(back.y, after.y, 1e-4);
}

TEST_F(WorldCameraTest, AttachedViewpointTurnsInPlace)
{
    Run(1, {DIK_F2});
    const D3DXVECTOR3 before = Inspect().Viewpoint(1)->GetWorldPosition(false);
    Run(60, {DIK_S});
    const D3DXVECTOR3 after = Inspect().Viewpoint(1)->GetWorldPosition(false);
    EXPECT_NEAR(after.x, before.x, 1e-5);
    EXPECT_NEAR(after.y, before.y, 1e-5);
    EXPECT_NEAR(after.z, before.z, 1e-5);
    // It now looks 20 degrees up or down: its orientation changed.
    const D3DXQUATERNION q = Inspect().Viewpoint(1)->GetWorldOrientation(false);
    const D3DXQUATERNION root = Inspect().Root()->GetWorldOrientation(false);
    // The turn relative to the root: 20 degrees, so cos(10°) in its real part.
    const float dot = q.x * root.x + q.y * root.y + q.z * root.z + q.w * root.w;
    EXPECT_NEAR(std::fabs(dot), std::cos(10.0f * 3.14159265f / 180.0f), 1e-3);
}

TEST_F(WorldCameraTest, HeldF3RebuildsTheFreeViewpointEveryFrame)
{
    Run(60, {DIK_E, DIK_EQUALS}); // fly a little
    Run(1, {DIK_F3, DIK_S});
    EXPECT_EQ(Inspect().CameraMode(), 2);
    const D3DXVECTOR3 root = Inspect().Root()->GetWorldPosition(false);
    const D3DXVECTOR3 free = Inspect().Viewpoint(2)->GetWorldPosition(false);
    EXPECT_NEAR(free.x, root.x, 1e-4);
    EXPECT_NEAR(free.y, root.y + 1.0f, 1e-4);
    EXPECT_NEAR(free.z, root.z - 150.0f, 1e-3);
    // Its turn is rebuilt too: -5 degrees about x, whatever S did before.
    Run(1, {DIK_F3});
    const D3DXQUATERNION q = Inspect().Viewpoint(2)->GetWorldOrientation(false);
    EXPECT_NEAR(q.x, std::sin(-2.5f * 3.14159265f / 180.0f), 1e-5);
    EXPECT_NEAR(q.w, std::cos(-2.5f * 3.14159265f / 180.0f), 1e-5);
}
