// Where geometry lands and what covers what: the transforms with D3DX's
// matrices, pre-transformed vertices, the depth test, culling, wireframe,
// index buffers and strides.
#include "GlTest.h"

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace gl_test
{
namespace
{

constexpr int kWidth = 160;
constexpr int kHeight = 120;
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};

class Geometry : public GlTest
{
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        MakeWindowAndDevice(kWidth, kHeight);
        device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    }

    void Draw(IDirect3DVertexBuffer9* vb, UINT stride, DWORD fvf, UINT triangles, UINT first = 0)
    {
        device_->SetFVF(fvf);
        device_->SetStreamSource(0, vb, 0, stride);
        ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, first, triangles), D3D_OK)
            << compat::d3d9::LastError();
    }

    // The pixel D3DX's arithmetic puts v on: through the matrix, divided by
    // w, then into the back buffer with y down.
    static POINT Predict(const D3DXVECTOR3& v, const D3DXMATRIX& m)
    {
        D3DXVECTOR3 ndc;
        D3DXVec3TransformCoord(&ndc, &v, &m);
        return POINT{static_cast<LONG>(std::lround((ndc.x + 1.0f) * 0.5f * kWidth)),
                     static_cast<LONG>(std::lround((1.0f - ndc.y) * 0.5f * kHeight))};
    }
};

TEST_F(Geometry, VerticesLandWhereWorldViewAndProjectionPutThem)
{
    D3DXMATRIX world;
    D3DXMatrixTranslation(&world, 0.3f, -0.2f, 0.5f);
    const D3DXVECTOR3 eye(1.0f, 2.5f, -10.0f);
    const D3DXVECTOR3 at(0.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    D3DXMATRIX view;
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    D3DXMATRIX projection;
    D3DXMatrixPerspectiveFovLH(&projection, D3DX_PI / 4, float(kWidth) / kHeight, 0.5f, 1000.0f);
    device_->SetTransform(D3DTS_WORLD, &world);
    device_->SetTransform(D3DTS_VIEW, &view);
    device_->SetTransform(D3DTS_PROJECTION, &projection);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);

    const ColourVertex triangle[] = {{-2.0f, -1.0f, 0.0f, 0xFFFF0000},
                                     {1.5f, 2.0f, 1.0f, 0xFFFF0000},
                                     {2.5f, -1.5f, -1.0f, 0xFFFF0000}};
    IDirect3DVertexBuffer9* vb = MakeVertices(triangle, sizeof triangle, kColourFvf);
    BeginFrame();
    Draw(vb, sizeof(ColourVertex), kColourFvf, 1);
    device_->EndScene();
    const Image picture = PresentAndRead();

    D3DXMATRIX worldView;
    D3DXMATRIX all;
    D3DXMatrixMultiply(&worldView, &world, &view);
    D3DXMatrixMultiply(&all, &worldView, &projection);
    RECT predicted{kWidth, kHeight, 0, 0};
    for (const ColourVertex& v : triangle)
    {
        const POINT p = Predict(D3DXVECTOR3(v.x, v.y, v.z), all);
        predicted.left = std::min(predicted.left, p.x);
        predicted.top = std::min(predicted.top, p.y);
        predicted.right = std::max(predicted.right, p.x);
        predicted.bottom = std::max(predicted.bottom, p.y);
    }
    const RECT drawn = Bounds(picture, kRed);
    EXPECT_NEAR(drawn.left, predicted.left, 1);
    EXPECT_NEAR(drawn.top, predicted.top, 1);
    EXPECT_NEAR(drawn.right, predicted.right, 1);
    EXPECT_NEAR(drawn.bottom, predicted.bottom, 1);
}

TEST_F(Geometry, APointLandsOnThePredictedPixel)
{
    D3DXMATRIX view;
    const D3DXVECTOR3 eye(0.0f, 2.5f, -10.0f);
    const D3DXVECTOR3 at(0.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    D3DXMATRIX projection;
    D3DXMatrixPerspectiveFovLH(&projection, D3DX_PI / 4, float(kWidth) / kHeight, 0.5f, 1000.0f);
    device_->SetTransform(D3DTS_VIEW, &view);
    device_->SetTransform(D3DTS_PROJECTION, &projection);
    D3DXMATRIX all;
    D3DXMatrixMultiply(&all, &view, &projection);

    for (const D3DXVECTOR3 v :
         {D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(-3.1f, 1.7f, 2.0f), D3DXVECTOR3(2.2f, -1.3f, -4.0f)})
    {
        const ColourVertex point{v.x, v.y, v.z, 0xFF00FF00};
        IDirect3DVertexBuffer9* vb = MakeVertices(&point, sizeof point, kColourFvf);
        BeginFrame();
        device_->SetFVF(kColourFvf);
        device_->SetStreamSource(0, vb, 0, sizeof(ColourVertex));
        device_->DrawPrimitive(D3DPT_POINTLIST, 0, 1);
        device_->EndScene();
        const Image picture = PresentAndRead();
        const RECT drawn = Bounds(picture, kGreen);
        const POINT p = Predict(v, all);
        ASSERT_EQ(Count(picture, kGreen), 1) << "at " << v.x << ", " << v.y << ", " << v.z;
        EXPECT_NEAR(drawn.left, p.x, 1);
        EXPECT_NEAR(drawn.top, p.y, 1);
    }
}

TEST_F(Geometry, PretransformedVerticesCoverTheirPixelsExactly)
{
    struct Vertex
    {
        float x, y, z, rhw;
        D3DCOLOR colour;
    };
    const DWORD fvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE;
    // A quad over pixels 10..29 × 20..34, as Direct3D 9 fills it.
    const Vertex quad[] = {{10, 20, 0.5f, 1, 0xFFFF0000}, {30, 20, 0.5f, 1, 0xFFFF0000},
                           {10, 35, 0.5f, 1, 0xFFFF0000}, {30, 20, 0.5f, 1, 0xFFFF0000},
                           {30, 35, 0.5f, 1, 0xFFFF0000}, {10, 35, 0.5f, 1, 0xFFFF0000}};
    IDirect3DVertexBuffer9* vb = MakeVertices(quad, sizeof quad, fvf);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    BeginFrame();
    Draw(vb, sizeof(Vertex), fvf, 2);
    device_->EndScene();
    const Image picture = PresentAndRead();
    const RECT drawn = Bounds(picture, kRed);
    EXPECT_EQ(drawn.left, 10);
    EXPECT_EQ(drawn.top, 20);
    EXPECT_EQ(drawn.right, 30);
    EXPECT_EQ(drawn.bottom, 35);
    EXPECT_EQ(Count(picture, kRed), 20 * 15);
}

// A material or a render state changed between two draws from the same
// buffer, with nothing else set in between, changes the second draw.
TEST_F(Geometry, AStateChangedBetweenDrawsOfOneBufferReachesTheNextDraw)
{
    // Three squares side by side, drawn one at a time, lit by the ambient
    // light alone so that each shows its material's ambient colour.
    std::vector<NormalVertex> squares;
    for (float left : {-0.9f, -0.3f, 0.3f})
        for (const auto& [x, y] : {std::pair{0.0f, 0.0f},
                                   {0.0f, 0.5f},
                                   {0.5f, 0.0f},
                                   std::pair{0.5f, 0.0f},
                                   {0.0f, 0.5f},
                                   {0.5f, 0.5f}})
            squares.push_back({left + x, y - 0.25f, 0.5f, 0.0f, 0.0f, -1.0f});
    IDirect3DVertexBuffer9* vb = MakeVertices(
        squares.data(), static_cast<UINT>(squares.size() * sizeof(NormalVertex)), kNormalFvf);
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    for (const D3DTRANSFORMSTATETYPE which : {D3DTS_WORLD, D3DTS_VIEW, D3DTS_PROJECTION})
        device_->SetTransform(which, &identity);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device_->SetRenderState(D3DRS_LIGHTING, TRUE);
    device_->SetRenderState(D3DRS_AMBIENT, 0xFFFFFFFF);
    device_->SetFVF(kNormalFvf);
    device_->SetStreamSource(0, vb, 0, sizeof(NormalVertex));
    D3DMATERIAL9 material{};
    material.Ambient = {1.0f, 0.0f, 0.0f, 1.0f};
    device_->SetMaterial(&material);
    BeginFrame();
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    material.Ambient = {0.0f, 1.0f, 0.0f, 1.0f};
    device_->SetMaterial(&material);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 6, 2), D3D_OK);
    device_->SetRenderState(D3DRS_AMBIENT, 0xFF000000);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 12, 2), D3D_OK);

    // Then a white light shining into the screen adds the material's blue
    // diffuse colour, and the first square's vertices are drawn twice more:
    // moved up by the world matrix, then seen through a view turned 60° about
    // x (and moved back into the depth range), which turns the normals and
    // the light alike and so leaves the colour as it was.
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    light.Direction = {0.0f, 0.0f, 1.0f};
    device_->SetLight(0, &light);
    device_->LightEnable(0, TRUE);
    material.Diffuse = {0.0f, 0.0f, 1.0f, 1.0f};
    device_->SetMaterial(&material);
    device_->SetRenderState(D3DRS_AMBIENT, 0xFFFFFFFF);
    D3DXMATRIX moved;
    D3DXMatrixTranslation(&moved, 0.6f, 0.5f, 0.0f);
    device_->SetTransform(D3DTS_WORLD, &moved);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    device_->SetTransform(D3DTS_WORLD, &identity);
    const float c = 0.5f, s = -0.8660254f; // cos and sin of -60°
    const D3DXMATRIX turned(1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0.0f, 0.3f, 1);
    device_->SetTransform(D3DTS_VIEW, &turned);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    device_->EndScene();
    const Image picture = PresentAndRead();
    const int y = kHeight / 2;
    EXPECT_EQ(picture.At(kWidth * 5 / 20, y), kRed) << "the first square";
    EXPECT_EQ(picture.At(kWidth * 11 / 20, y), kGreen) << "the material changed";
    EXPECT_EQ(picture.At(kWidth * 17 / 20, y), (Rgb{0, 0, 0})) << "the ambient light went out";
    // The moved square's centre is at (-0.05, 0.5); the turned one's at
    // (-0.65, 0.433).
    EXPECT_EQ(picture.At(kWidth * 95 / 200, kHeight / 4), (Rgb{0, 255, 255}))
        << "the world matrix changed";
    const Rgb turnedSquare = picture.At(kWidth * 35 / 200, kHeight * 567 / 2000);
    EXPECT_EQ(turnedSquare.g, 255) << "the view changed";
    EXPECT_GE(turnedSquare.b, 250) << "the light turned with the view";
}

TEST_F(Geometry, APixelCentreOnASlantedEdgeGoesToTheTriangleWhoseLeftEdgeItIs)
{
    if (OnOpenGlEs())
        GTEST_SKIP() << "OpenGL ES cannot count window y down from the top (glClipControl); "
                        "without, a centre on a slanted edge may go to either triangle";
    struct Vertex
    {
        float x, y, z, rhw;
        D3DCOLOR colour;
    };
    const DWORD fvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE;
    // The shared edge (10, 10)-(40, 20) passes through the pixel centres
    // (13, 11), (16, 12), ... (37, 19). It is the left edge of the green
    // triangle above it and the right edge of the red one below.
    const Vertex triangles[] = {{10, 10, 0.5f, 1, 0xFF00FF00}, {40, 5, 0.5f, 1, 0xFF00FF00},
                                {40, 20, 0.5f, 1, 0xFF00FF00}, {10, 10, 0.5f, 1, 0xFFFF0000},
                                {40, 20, 0.5f, 1, 0xFFFF0000}, {10, 40, 0.5f, 1, 0xFFFF0000}};
    IDirect3DVertexBuffer9* vb = MakeVertices(triangles, sizeof triangles, fvf);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    BeginFrame();
    Draw(vb, sizeof(Vertex), fvf, 2);
    device_->EndScene();
    const Image picture = PresentAndRead();
    for (int x = 13; x < 40; x += 3)
        EXPECT_EQ(picture.At(x, 10 + (x - 10) / 3), kGreen) << "at " << x;
}

TEST_F(Geometry, TheDepthTestKeepsTheNearerTriangleInEitherOrder)
{
    const ColourVertex triangles[] = {
        // near, red
        {-0.9f, -0.9f, 0.3f, 0xFFFF0000},
        {0.0f, 0.9f, 0.3f, 0xFFFF0000},
        {0.9f, -0.9f, 0.3f, 0xFFFF0000},
        // far, green
        {-0.9f, -0.9f, 0.7f, 0xFF00FF00},
        {0.0f, 0.9f, 0.7f, 0xFF00FF00},
        {0.9f, -0.9f, 0.7f, 0xFF00FF00},
    };
    IDirect3DVertexBuffer9* vb = MakeVertices(triangles, sizeof triangles, kColourFvf);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    auto centre = [&](UINT firstDrawn, UINT secondDrawn)
    {
        BeginFrame();
        Draw(vb, sizeof(ColourVertex), kColourFvf, 1, firstDrawn);
        Draw(vb, sizeof(ColourVertex), kColourFvf, 1, secondDrawn);
        device_->EndScene();
        return PresentAndRead().At(kWidth / 2, kHeight / 2);
    };
    EXPECT_EQ(centre(0, 3), kRed) << "near first";
    EXPECT_EQ(centre(3, 0), kRed) << "far first";
    // Without the depth test the last drawn covers.
    device_->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    EXPECT_EQ(centre(0, 3), kGreen);
}

TEST_F(Geometry, CullingDropsTheFacesThatWindTheCulledWay)
{
    // On screen, (-0.9,-0.9) → (0,0.9) → (0.9,-0.9) runs clockwise, which
    // Direct3D takes as the front.
    const ColourVertex triangles[] = {
        {-0.9f, -0.9f, 0.5f, 0xFFFF0000}, {0.0f, 0.9f, 0.5f, 0xFFFF0000},
        {0.9f, -0.9f, 0.5f, 0xFFFF0000},  {-0.9f, -0.9f, 0.5f, 0xFF00FF00},
        {0.9f, -0.9f, 0.5f, 0xFF00FF00},  {0.0f, 0.9f, 0.5f, 0xFF00FF00},
    };
    IDirect3DVertexBuffer9* vb = MakeVertices(triangles, sizeof triangles, kColourFvf);
    auto drawn = [&](DWORD cull, UINT first)
    {
        device_->SetRenderState(D3DRS_CULLMODE, cull);
        BeginFrame();
        Draw(vb, sizeof(ColourVertex), kColourFvf, 1, first);
        device_->EndScene();
        return PresentAndRead().At(kWidth / 2, kHeight / 2) != kSkyRgb;
    };
    EXPECT_TRUE(drawn(D3DCULL_CCW, 0)) << "the default keeps clockwise faces";
    EXPECT_FALSE(drawn(D3DCULL_CCW, 3));
    EXPECT_FALSE(drawn(D3DCULL_CW, 0));
    EXPECT_TRUE(drawn(D3DCULL_CW, 3));
    EXPECT_TRUE(drawn(D3DCULL_NONE, 0));
    EXPECT_TRUE(drawn(D3DCULL_NONE, 3));
}

TEST_F(Geometry, WireframeLeavesTheInteriorAtTheClearColour)
{
    const ColourVertex triangle[] = {{-0.9f, -0.9f, 0.5f, 0xFFFF0000},
                                     {0.0f, 0.9f, 0.5f, 0xFFFF0000},
                                     {0.9f, -0.9f, 0.5f, 0xFFFF0000}};
    IDirect3DVertexBuffer9* vb = MakeVertices(triangle, sizeof triangle, kColourFvf);
    auto draw = [&]
    {
        BeginFrame();
        Draw(vb, sizeof(ColourVertex), kColourFvf, 1);
        device_->EndScene();
        return PresentAndRead();
    };
    const int filled = Count(draw(), kRed);
    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
    const Image wire = draw();
    if (OnOpenGlEs())
    {
        // WebGL 2 has no wireframe: the triangle is filled, and the device
        // says why.
        EXPECT_EQ(Count(wire, kRed), filled);
        EXPECT_NE(compat::d3d9::LastError().find("wireframe"), std::string_view::npos);
        return;
    }
    EXPECT_EQ(wire.At(kWidth / 2, kHeight / 2), kSkyRgb);
    EXPECT_GT(Count(wire, kRed), kHeight) << "the edges are drawn";
    EXPECT_LT(Count(wire, kRed), filled / 4);
}

TEST_F(Geometry, IndexedDrawsReadBothIndexSizesFromTheirBaseVertex)
{
    // Two quads, red then green, 32 bytes apart (more than the 16 of the
    // format); the indices name one quad's corners 0..3.
    struct Padded
    {
        ColourVertex v;
        float padding[4];
    };
    const Padded vertices[] = {
        {{-0.9f, -0.9f, 0.5f, 0xFFFF0000}, {}}, {{-0.9f, 0.9f, 0.5f, 0xFFFF0000}, {}},
        {{0.9f, 0.9f, 0.5f, 0xFFFF0000}, {}},   {{0.9f, -0.9f, 0.5f, 0xFFFF0000}, {}},
        {{-0.9f, -0.9f, 0.5f, 0xFF00FF00}, {}}, {{-0.9f, 0.9f, 0.5f, 0xFF00FF00}, {}},
        {{0.9f, 0.9f, 0.5f, 0xFF00FF00}, {}},   {{0.9f, -0.9f, 0.5f, 0xFF00FF00}, {}},
    };
    IDirect3DVertexBuffer9* vb = MakeVertices(vertices, sizeof vertices, kColourFvf);
    const uint16_t indices16[] = {9, 9, 9, 0, 1, 2, 0, 2, 3};
    const uint32_t indices32[] = {0, 1, 2, 0, 2, 3};
    IDirect3DIndexBuffer9* ib16 = MakeIndices(indices16, sizeof indices16, D3DFMT_INDEX16);
    IDirect3DIndexBuffer9* ib32 = MakeIndices(indices32, sizeof indices32, D3DFMT_INDEX32);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    auto draw = [&](IDirect3DIndexBuffer9* ib, INT baseVertex, UINT startIndex)
    {
        BeginFrame();
        device_->SetFVF(kColourFvf);
        device_->SetStreamSource(0, vb, 0, sizeof(Padded));
        device_->SetIndices(ib);
        EXPECT_EQ(
            device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, baseVertex, 0, 4, startIndex, 2),
            D3D_OK)
            << compat::d3d9::LastError();
        device_->EndScene();
        return PresentAndRead();
    };
    const int quadArea = static_cast<int>(0.9 * kWidth) * static_cast<int>(0.9 * kHeight);
    Image p = draw(ib16, 0, 3);
    EXPECT_NEAR(Count(p, kRed), quadArea, kWidth + kHeight);
    p = draw(ib16, 4, 3);
    EXPECT_NEAR(Count(p, kGreen), quadArea, kWidth + kHeight);
    p = draw(ib32, 4, 0);
    EXPECT_NEAR(Count(p, kGreen), quadArea, kWidth + kHeight);
    p = draw(ib32, 0, 0);
    EXPECT_NEAR(Count(p, kRed), quadArea, kWidth + kHeight);
}

TEST_F(Geometry, UnlockSendsTheNewBytesToTheGpu)
{
    ColourVertex triangle[] = {{-0.9f, -0.9f, 0.5f, 0xFFFF0000},
                               {0.0f, 0.9f, 0.5f, 0xFFFF0000},
                               {0.9f, -0.9f, 0.5f, 0xFFFF0000}};
    IDirect3DVertexBuffer9* vb = MakeVertices(triangle, sizeof triangle, kColourFvf);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    auto centre = [&]
    {
        BeginFrame();
        Draw(vb, sizeof(ColourVertex), kColourFvf, 1);
        device_->EndScene();
        return PresentAndRead().At(kWidth / 2, kHeight / 2);
    };
    EXPECT_EQ(centre(), kRed);
    // Only the colours change, locked by range.
    void* data = nullptr;
    ASSERT_EQ(vb->Lock(0, sizeof triangle, &data, 0), D3D_OK);
    for (ColourVertex& v : triangle)
        v.colour = 0xFF00FF00;
    std::memcpy(data, triangle, sizeof triangle);
    ASSERT_EQ(vb->Unlock(), D3D_OK);
    EXPECT_EQ(centre(), kGreen);
}

} // namespace
} // namespace gl_test
