// The fixed-function lighting: one directional light, the material, the
// ambient render state, normals through the world matrix, vertex colours,
// lighting off.
#include "GlTest.h"

#include <cmath>

namespace gl_test
{
namespace
{

constexpr int kSize = 64;

class Lighting : public GlTest
{
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        MakeWindowAndDevice(kSize, kSize);
        // Identity transforms: positions are clip coordinates, and world
        // space is view space.
        device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        D3DLIGHT9 light{};
        light.Type = D3DLIGHT_DIRECTIONAL;
        light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
        light.Direction = {0.0f, 0.0f, -1.0f};
        device_->SetLight(0, &light);
        device_->LightEnable(0, TRUE);
        D3DMATERIAL9 material{};
        material.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
        device_->SetMaterial(&material);
    }

    // A triangle over the middle of the back buffer whose every vertex has
    // the normal n; returns the colour at the centre.
    Rgb DrawWithNormal(float nx, float ny, float nz)
    {
        const NormalVertex triangle[] = {{-0.8f, -0.8f, 0.5f, nx, ny, nz},
                                         {0.0f, 0.8f, 0.5f, nx, ny, nz},
                                         {0.8f, -0.8f, 0.5f, nx, ny, nz}};
        IDirect3DVertexBuffer9* vb = MakeVertices(triangle, sizeof triangle, kNormalFvf);
        BeginFrame(0xFF404040);
        device_->SetFVF(kNormalFvf);
        device_->SetStreamSource(0, vb, 0, sizeof(NormalVertex));
        EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3D_OK);
        device_->EndScene();
        return PresentAndRead().At(kSize / 2, kSize / 2);
    }

    static void ExpectGrey(const Rgb& c, double level)
    {
        const int expected = static_cast<int>(std::lround(255.0 * level));
        EXPECT_NEAR(c.r, expected, 2) << c;
        EXPECT_NEAR(c.g, expected, 2) << c;
        EXPECT_NEAR(c.b, expected, 2) << c;
    }
};

TEST_F(Lighting, AFaceTowardsTheLightTakesNDotL)
{
    // The light shines along −z, so a face lit head-on has the normal +z.
    ExpectGrey(DrawWithNormal(0.0f, 0.0f, 1.0f), 1.0);
    ExpectGrey(DrawWithNormal(0.0f, 0.6f, 0.8f), 0.8);
    ExpectGrey(DrawWithNormal(0.8f, 0.0f, 0.6f), 0.6);
}

TEST_F(Lighting, AFaceTurnedAwayIsBlackWithoutAmbient)
{
    ExpectGrey(DrawWithNormal(0.0f, 0.0f, -1.0f), 0.0);
    ExpectGrey(DrawWithNormal(0.0f, 1.0f, 0.0f), 0.0);
}

TEST_F(Lighting, TheAmbientStateLightsTheMaterialsAmbient)
{
    D3DMATERIAL9 material{};
    material.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    material.Ambient = {1.0f, 0.5f, 0.0f, 1.0f};
    device_->SetMaterial(&material);
    device_->SetRenderState(D3DRS_AMBIENT, 0xFF808080);
    // Facing away: only ambient, 0x80 × (1, 0.5, 0).
    const Rgb away = DrawWithNormal(0.0f, 0.0f, -1.0f);
    EXPECT_NEAR(away.r, 128, 2) << away;
    EXPECT_NEAR(away.g, 64, 2) << away;
    EXPECT_NEAR(away.b, 0, 2) << away;
    // Half lit: ambient plus half the diffuse, saturating in red.
    const Rgb half = DrawWithNormal(0.0f, 0.866f, 0.5f);
    EXPECT_NEAR(half.r, 255, 2) << half;
    EXPECT_NEAR(half.g, 64 + 128, 3) << half;
    EXPECT_NEAR(half.b, 128, 2) << half;
}

TEST_F(Lighting, TheLightsAndMaterialsColoursMultiply)
{
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 0.5f, 0.25f, 1.0f};
    light.Direction = {0.0f, 0.0f, -2.0f}; // not normalised: the light is
    device_->SetLight(0, &light);
    D3DMATERIAL9 material{};
    material.Diffuse = {0.5f, 1.0f, 1.0f, 1.0f};
    device_->SetMaterial(&material);
    const Rgb c = DrawWithNormal(0.0f, 0.0f, 1.0f);
    EXPECT_NEAR(c.r, 128, 2) << c;
    EXPECT_NEAR(c.g, 128, 2) << c;
    EXPECT_NEAR(c.b, 64, 2) << c;
}

TEST_F(Lighting, NormalsTurnWithTheWorldMatrix)
{
    // A normal along +x, turned by the world matrix: −60° about y takes it
    // to (cos 60°, 0, sin 60°), towards the light; +60° takes it away.
    D3DXMATRIX rotation;
    D3DXMATRIX shift;
    D3DXMatrixTranslation(&shift, 0.0f, 0.0f, 0.5f);
    D3DXMATRIX world;
    D3DXMatrixRotationY(&rotation, -D3DX_PI / 3);
    D3DXMatrixMultiply(&world, &rotation, &shift);
    device_->SetTransform(D3DTS_WORLD, &world);
    const NormalVertex triangle[] = {
        {-0.4f, -0.8f, 0.0f, 1, 0, 0}, {0.0f, 0.8f, 0.0f, 1, 0, 0}, {0.4f, -0.8f, 0.0f, 1, 0, 0}};
    IDirect3DVertexBuffer9* vb = MakeVertices(triangle, sizeof triangle, kNormalFvf);
    auto draw = [&]
    {
        BeginFrame(0xFF404040);
        device_->SetFVF(kNormalFvf);
        device_->SetStreamSource(0, vb, 0, sizeof(NormalVertex));
        device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1);
        device_->EndScene();
        return PresentAndRead().At(kSize / 2, kSize / 2);
    };
    ExpectGrey(draw(), std::sin(D3DX_PI / 3));

    D3DXMatrixRotationY(&rotation, D3DX_PI / 3);
    D3DXMatrixMultiply(&world, &rotation, &shift);
    device_->SetTransform(D3DTS_WORLD, &world);
    ExpectGrey(draw(), 0.0);
}

TEST_F(Lighting, TheViewMatrixDoesNotMoveTheLightWithTheCamera)
{
    // The camera turned about y looks at the face from the side; the face
    // and the light stay where they are in the world, so the lighting does
    // not change.
    D3DXMATRIX view;
    D3DXMatrixRotationY(&view, 0.3f);
    device_->SetTransform(D3DTS_VIEW, &view);
    ExpectGrey(DrawWithNormal(0.0f, 0.6f, 0.8f), 0.8);
}

TEST_F(Lighting, WithLightingOffAFaceIsWhiteOrItsVertexColour)
{
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    ExpectGrey(DrawWithNormal(0.0f, 0.0f, -1.0f), 1.0);

    const ColourVertex triangle[] = {{-0.8f, -0.8f, 0.5f, 0xFF20C040},
                                     {0.0f, 0.8f, 0.5f, 0xFF20C040},
                                     {0.8f, -0.8f, 0.5f, 0xFF20C040}};
    IDirect3DVertexBuffer9* vb = MakeVertices(triangle, sizeof triangle, kColourFvf);
    BeginFrame();
    device_->SetFVF(kColourFvf);
    device_->SetStreamSource(0, vb, 0, sizeof(ColourVertex));
    device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1);
    device_->EndScene();
    EXPECT_EQ(PresentAndRead().At(kSize / 2, kSize / 2), (Rgb{0x20, 0xC0, 0x40}));
}

TEST_F(Lighting, ALitVertexColourIsTheDiffuseMaterial)
{
    struct Vertex
    {
        float x, y, z, nx, ny, nz;
        D3DCOLOR colour;
    };
    const DWORD fvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE;
    const Vertex triangle[] = {{-0.8f, -0.8f, 0.5f, 0, 0.6f, 0.8f, 0xFFFF8000},
                               {0.0f, 0.8f, 0.5f, 0, 0.6f, 0.8f, 0xFFFF8000},
                               {0.8f, -0.8f, 0.5f, 0, 0.6f, 0.8f, 0xFFFF8000}};
    IDirect3DVertexBuffer9* vb = MakeVertices(triangle, sizeof triangle, fvf);
    auto draw = [&]
    {
        BeginFrame();
        device_->SetFVF(fvf);
        device_->SetStreamSource(0, vb, 0, sizeof(Vertex));
        device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1);
        device_->EndScene();
        return PresentAndRead().At(kSize / 2, kSize / 2);
    };
    // The vertex colour × N·L (0.8).
    const Rgb fromVertex = draw();
    EXPECT_NEAR(fromVertex.r, 204, 2) << fromVertex;
    EXPECT_NEAR(fromVertex.g, 102, 2) << fromVertex;
    EXPECT_NEAR(fromVertex.b, 0, 2) << fromVertex;
    // Told to take the diffuse from the material, the white material × 0.8.
    device_->SetRenderState(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_MATERIAL);
    ExpectGrey(draw(), 0.8);
}

} // namespace
} // namespace gl_test
