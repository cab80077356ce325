// The world's teardown.
#include "WorldFixture.h"

#include "world/WorldGlobals.h"

TEST_F(WorldTest, TeardownGivesBackEveryMeshBufferAndLeavesTheScene)
{
    WriteArt();
    ASSERT_TRUE(InitWorld());
    const auto buffersMade = []
    {
        size_t count = 0;
        for (const auto& call : compat::d3d9::RecordedCalls())
            count += call.method == "CreateVertexBuffer" || call.method == "CreateIndexBuffer";
        return count;
    }();
    EXPECT_EQ(buffersMade, 30u);

    compat::d3d9::ClearRecordedCalls();
    delete m_world;
    m_world = nullptr;
    size_t finalReleases = 0;
    for (const auto& call : compat::d3d9::RecordedCalls())
        finalReleases += call.method == "Release" && call.result == 0;
    // Every vertex and index buffer of the fifteen meshes.
    EXPECT_EQ(finalReleases, 30u);
    // The physics scene keeps its bodies and joints.
    EXPECT_EQ(g_scene->getNbActors(), 5u);
    EXPECT_EQ(g_scene->getNbJoints(), 3u);
}
