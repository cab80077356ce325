// The world's start-up: bodies, joints, meshes, the part tree and cameras.
#include "WorldFixture.h"

#include "render/Mesh.h"
#include "scene/PoseNode.h"
#include "world/MeshTable.h"
#include "world/WorldGlobals.h"

#include <compat/physx.h>

namespace
{
void ExpectNear(const D3DXVECTOR3& actual, float x, float y, float z)
{
    EXPECT_NEAR(actual.x, x, 1e-4);
    EXPECT_NEAR(actual.y, y, 1e-4);
    EXPECT_NEAR(actual.z, z, 1e-4);
}
} // namespace

TEST_F(WorldTest, InitBuildsBodiesJointsMeshesAndThePartTree)
{
    WriteArt();
    ASSERT_TRUE(InitWorld());

    ASSERT_NE(g_scene, nullptr);
    EXPECT_EQ(g_scene->getNbActors(), 5u);
    EXPECT_EQ(g_scene->getNbJoints(), 3u);
    EXPECT_FALSE(g_groundActor->isDynamic());
    for (NxActor* body : {g_fuselageActor, g_leftWheelActor, g_rightWheelActor, g_frontWheelActor})
    {
        ASSERT_NE(body, nullptr);
        EXPECT_TRUE(body->isDynamic());
    }
    EXPECT_FLOAT_EQ(g_fuselageActor->getMass(), 1035.0f);
    EXPECT_FLOAT_EQ(g_frontWheelActor->getMass(), 20.0f);
    EXPECT_EQ(g_fuselageActor->getGlobalPosition().y, 5.8f);
    EXPECT_EQ(g_leftWheelActor->getGlobalPosition().x, 1.41f);

    for (CMesh* mesh : Inspect().Meshes())
    {
        ASSERT_NE(mesh, nullptr);
        EXPECT_NE(mesh->GetVertexBuffer(), nullptr);
    }

    // The root faces backwards: its children's -z offsets land on +z.
    ExpectNear(Inspect().Viewpoint(0)->GetWorldPosition(false), 0.0f, 0.0f, 15.0f);
    ExpectNear(Inspect().Viewpoint(1)->GetWorldPosition(false), 0.0f, 1.0f, 0.4f);
    ExpectNear(Inspect().Viewpoint(2)->GetWorldPosition(false), 0.0f, 1.0f, -150.0f);
    ExpectNear(Inspect().LeftAileron()->GetWorldPosition(false), 3.3133f, 0.03f, 0.45f);
    EXPECT_EQ(Inspect().CameraMode(), 0);
    ASSERT_NE(Inspect().Pivot(), nullptr);
}

TEST_F(WorldTest, MissingFirstMeshFailsAfterTheBodiesAndBeforeAnyNode)
{
    WriteArt("i_stokF.txt");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(InitWorld());
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(g_scene->getNbActors(), 5u);
    EXPECT_EQ(g_scene->getNbJoints(), 3u);
    for (CMesh* mesh : Inspect().Meshes())
    {
        ASSERT_NE(mesh, nullptr); // all fifteen exist, none loaded
        EXPECT_EQ(mesh->GetVertexBuffer(), nullptr);
    }
    EXPECT_EQ(Inspect().Root(), nullptr);
    EXPECT_EQ(Inspect().Roll(), nullptr);
    // One line naming the file.
    EXPECT_NE(err.find("i_stokF.txt"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST_F(WorldTest, MissingLastMeshFailsAfterEveryOtherMeshLoaded)
{
    WriteArt("i_Wheel_left.txt");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(InitWorld());
    const std::string err = testing::internal::GetCapturedStderr();
    const auto meshes = Inspect().Meshes();
    for (size_t i = 0; i + 1 < meshes.size(); ++i)
        EXPECT_NE(meshes[i]->GetVertexBuffer(), nullptr) << GetMeshFileName(CWorld::s_meshTable[i]);
    EXPECT_EQ(meshes.back()->GetVertexBuffer(), nullptr);
    EXPECT_NE(err.find("i_Wheel_left.txt"), std::string::npos) << err;
}

TEST_F(WorldTest, AMeshThatIsNeverDrawnIsStillRequired)
{
    WriteArt("i_propeller.txt");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(InitWorld());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("i_propeller.txt"), std::string::npos);
}

TEST_F(WorldTest, MalformedMeshNamesTheFileAndTheReason)
{
    WriteArt();
    {
        FILE* file = std::fopen("../art/3d/yak_52/i_glass.txt", "w");
        ASSERT_NE(file, nullptr);
        std::fputs("this is not a mesh\n", file);
        std::fclose(file);
    }
    testing::internal::CaptureStderr();
    EXPECT_FALSE(InitWorld());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("i_glass.txt"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST_F(WorldTest, APartBuiltWorldCanBeDestroyed)
{
    WriteArt("i_vrudder.txt");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(InitWorld());
    testing::internal::GetCapturedStderr();
    delete m_world; // must release the loaded meshes and skip the rest
    m_world = nullptr;
    EXPECT_EQ(g_scene->getNbActors(), 5u);
}
