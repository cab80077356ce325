// The world's drawing on the recording backend.
#include "WorldFixture.h"

#include "platform/Graphics.h"
#include "render/Mesh.h"
#include "world/WorldGlobals.h"

#include <d3dx9.h>

namespace
{
std::vector<compat::d3d9::RecordedCall> Calls()
{
    std::vector<compat::d3d9::RecordedCall> calls;
    for (const auto& call : compat::d3d9::RecordedCalls())
        if (call.method != "AddRef" && call.method != "Release")
            calls.push_back(call);
    return calls;
}
} // namespace

TEST_F(WorldTest, RenderDrawsSevenMeshesAtTheBodyPosesWithTheirMaterials)
{
    WriteArt();
    ASSERT_TRUE(InitWorld());
    // Put every body at a known place, unturned.
    g_fuselageActor->setGlobalPosition(NxVec3(0.0f, 1.0f, 0.0f));
    g_frontWheelActor->setGlobalPosition(NxVec3(0.0f, 0.35f, 1.5f));
    g_leftWheelActor->setGlobalPosition(NxVec3(1.41f, 0.35f, -0.25f));
    g_rightWheelActor->setGlobalPosition(NxVec3(-1.41f, 0.35f, -0.25f));

    IDirect3DDevice9* device = CGraphics::GetDevice();
    D3DXMATRIX before;
    D3DXMatrixTranslation(&before, 0.0f, 0.0f, 0.0f);
    device->SetTransform(D3DTS_WORLD, &before);
    compat::d3d9::ClearRecordedCalls();
    m_world->Render(m_graphics);

    const auto calls = Calls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0].method, "SetTransform");
    EXPECT_EQ(calls[0].ints[0], D3DTS_VIEW);
    // The view from viewpoint 0 at (0, 0, 15), looking at the root at the origin.
    D3DXMATRIX view;
    const D3DXVECTOR3 eye(0.0f, 0.0f, 15.0f), at(0.0f, 0.0f, 14.0f), up(0.0f, 1.0f, 0.0f);
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(calls[0].matrix.m[r][c], view.m[r][c], 1e-5) << r << "," << c;

    struct Expected
    {
        D3DXVECTOR3 position;
        bool red;
        CMesh* mesh;
    };
    const CWorldInspector inspect = Inspect();
    const Expected expected[7] = {
        {{0.0f, 1.0f, 0.0f}, false, inspect.FuselageMesh()},
        {{0.0f, 0.35f, 1.5f}, true, inspect.FrontWheelMesh()},
        {{0.0f, 0.56f, 1.45f}, false, inspect.FrontStrutMesh()},
        {{1.535f, 0.48f, -0.235f}, false, inspect.MainStrutMesh()},
        {{-1.535f, 0.48f, -0.235f}, false, inspect.MainStrutMesh()},
        {{1.41f, 0.35f, -0.25f}, false, inspect.LeftWheelMesh()},
        {{-1.41f, 0.35f, -0.25f}, false, inspect.RightWheelMesh()},
    };
    size_t i = 0;
    int drawn = 0;
    for (const Expected& e : expected)
    {
        while (i < calls.size() && calls[i].method != "SetMaterial")
            ++i;
        ASSERT_LT(i, calls.size()) << "draw " << drawn;
        EXPECT_FLOAT_EQ(calls[i].material.Diffuse.r, 1.0f);
        EXPECT_FLOAT_EQ(calls[i].material.Diffuse.g, e.red ? 0.0f : 1.0f);
        EXPECT_FLOAT_EQ(calls[i].material.Diffuse.a, 0.0f);
        ASSERT_EQ(calls[i + 1].method, "MultiplyTransform");
        const D3DMATRIX& m = calls[i + 1].matrix;
        EXPECT_NEAR(m._41, e.position.x, 1e-4) << "draw " << drawn;
        EXPECT_NEAR(m._42, e.position.y, 1e-4) << "draw " << drawn;
        EXPECT_NEAR(m._43, e.position.z, 1e-4) << "draw " << drawn;
        EXPECT_NEAR(m._11, 1.0f, 1e-4);
        EXPECT_EQ(calls[i + 2].method, "SetFVF");
        EXPECT_EQ(calls[i + 3].method, "SetStreamSource");
        EXPECT_EQ(calls[i + 3].pointers[0], e.mesh->GetVertexBuffer());
        // The world matrix goes back to what it was.
        size_t j = i + 1;
        while (j < calls.size() && !(calls[j].method == "SetTransform" && calls[j].ints[0] == 256))
            ++j;
        ASSERT_LT(j, calls.size());
        EXPECT_EQ(calls[j].matrix._41, 0.0f);
        i = j;
        ++drawn;
    }
    EXPECT_EQ(drawn, 7);

    D3DXMATRIX after;
    device->GetTransform(D3DTS_WORLD, &after);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(after.m[r][c], before.m[r][c]);
}

TEST_F(WorldTest, RenderWithoutGraphicsDrawsNothing)
{
    WriteArt();
    ASSERT_TRUE(InitWorld());
    compat::d3d9::ClearRecordedCalls();
    m_world->Render(nullptr);
    EXPECT_TRUE(Calls().empty());
}
