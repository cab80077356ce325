// Scenes of which pixels a triangle covers. Direct3D 9 puts pixel centres on
// whole coordinates and fills a pixel whose centre lies inside a triangle,
// or on a top or left edge. These scenes place vertices on chosen pixel
// positions: the projection is the perspective one with both scales 1, the
// view and world are identities and every vertex is at z = w = 1, so (x, y)
// lands on pixel (256 (x + 1), 128 (1 - y)) of the 512 × 256 back buffer,
// exactly for the whole, half and quarter pixels most shapes here use (they
// lie on any sub-pixel grid a rasteriser snaps vertices to). Unlit, one
// colour a triangle.
#include "SceneSetup.h"
#include "SceneWindow.h"
#include "Scenes.h"

#include <cmath>

namespace
{

static_assert(kSceneWidth == 512 && kSceneHeight == 256,
              "pixel positions are exact only for a 512 x 256 back buffer");

// Pixel coordinates (x right, y down, centres on whole numbers) to a vertex.
D3DXVECTOR3 Pixel(float x, float y)
{
    return D3DXVECTOR3(x / 256.0f - 1.0f, 1.0f - y / 128.0f, 1.0f);
}

MeshData FlatTriangle(float x0, float y0, float x1, float y1, float x2, float y2, D3DCOLOR colour)
{
    return Triangle(Pixel(x0, y0), Pixel(x1, y1), Pixel(x2, y2), colour, colour, colour);
}

MeshData FlatRectangle(float left, float top, float right, float bottom, D3DCOLOR colour)
{
    MeshData mesh = FlatTriangle(left, top, right, top, right, bottom, colour);
    mesh.Append(FlatTriangle(left, top, right, bottom, left, bottom, colour));
    return mesh;
}

MeshData RasterPattern()
{
    MeshData all;
    // Edges through pixel centres, on pixel borders, and a quarter of a
    // pixel either side of a centre.
    all.Append(FlatRectangle(8, 8, 40, 40, 0xFFFF0000));
    all.Append(FlatRectangle(48.5f, 8.5f, 80.5f, 40.5f, 0xFF00C000));
    all.Append(FlatRectangle(88.25f, 8.25f, 120.75f, 40.75f, 0xFF0000FF));
    // A square cut along a diagonal through pixel centres: each centre on
    // it belongs to one of the two triangles, none to both or neither.
    all.Append(FlatTriangle(128, 8, 160, 8, 160, 40, 0xFFFFFF00));
    all.Append(FlatTriangle(128, 8, 160, 40, 128, 40, 0xFF00FFFF));
    // A fan of eight triangles about a pixel centre, corners on centres.
    const float fan[9][2] = {{200, 8},  {212, 12}, {216, 24}, {212, 36}, {200, 40},
                             {188, 36}, {184, 24}, {188, 12}, {200, 8}};
    for (int i = 0; i < 8; ++i)
        all.Append(FlatTriangle(200, 24, fan[i][0], fan[i][1], fan[i + 1][0], fan[i + 1][1],
                                i % 2 == 0 ? 0xFFFF00FF : 0xFF008080));
    // Slivers narrower than a pixel.
    all.Append(FlatTriangle(226, 8, 227, 8, 226.5f, 40, 0xFF800000));
    all.Append(FlatTriangle(232, 8, 232.5f, 8, 232.5f, 40, 0xFF008000));
    all.Append(FlatTriangle(238.4f, 8, 238.6f, 40, 238.2f, 40, 0xFF000080));
    // A chequerboard of 2 × 2 squares: shared edges, no gaps, no overlaps.
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
        {
            const auto x = static_cast<float>(248 + 2 * column);
            const auto y = static_cast<float>(8 + 2 * row);
            all.Append(FlatRectangle(x, y, x + 2, y + 2,
                                     (row + column) % 2 == 0 ? 0xFF202020 : 0xFFE0E0E0));
        }
    // Long, shallow and steep edges at odd slopes, so that pixel centres
    // come close to them at every distance.
    all.Append(FlatTriangle(290, 10, 500, 30, 300, 44, 0xFFFF8000));
    all.Append(FlatTriangle(8, 60, 40, 250, 20, 248, 0xFF8000FF));
    all.Append(FlatTriangle(50, 60, 500, 100, 52, 75, 0xFF0080FF));
    all.Append(FlatTriangle(60.3f, 110.7f, 300.1f, 250.9f, 450.6f, 120.2f, 0xFF80FF00));
    // A triangle strip of thin triangles sharing long edges.
    for (int i = 0; i < 12; ++i)
    {
        const auto f = static_cast<float>(i);
        all.Append(FlatTriangle(460 + 3.3f * f, 110, 463.3f + 3.3f * f, 110, 460 + 3.3f * f + 9,
                                250, i % 2 == 0 ? 0xFFFFFFFF : 0xFF000000));
    }
    // A disc of many thin triangles about a point between pixel centres.
    for (int i = 0; i < 40; ++i)
    {
        const float a0 = 2.0f * D3DX_PI * static_cast<float>(i) / 40.0f;
        const float a1 = 2.0f * D3DX_PI * static_cast<float>(i + 1) / 40.0f;
        all.Append(FlatTriangle(120.5f, 170.5f, 120.5f + 45 * std::cos(a0),
                                170.5f + 45 * std::sin(a0), 120.5f + 45 * std::cos(a1),
                                170.5f + 45 * std::sin(a1), i % 2 == 0 ? 0xFFC00000 : 0xFF00C0C0));
    }
    return all;
}

std::string DrawRasterPattern(IDirect3DDevice9* device, DWORD fillMode)
{
    // The projection D3DXMatrixPerspectiveFovLH makes for a fovy of pi / 2
    // and an aspect of 1 (near 0.5, far 1000), written out so that both
    // scales are exactly 1.
    const float zf = 1000.0f;
    const float zn = 0.5f;
    D3DXMATRIX projection(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, zf / (zf - zn), 1, 0, 0,
                          -zn * zf / (zf - zn), 0);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    SceneMesh pattern;
    std::string error =
        pattern.Create(device, RasterPattern(), D3DFVF_XYZ | D3DFVF_DIFFUSE, Indices::Bits16);
    if (!error.empty())
        return error;
    BeginFrame(device);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_FILLMODE, fillMode);
    pattern.Draw(device);
    device->EndScene();
    return {};
}

} // namespace

std::string DrawRasterFill(IDirect3DDevice9* device)
{
    return DrawRasterPattern(device, D3DFILL_SOLID);
}

std::string DrawRasterWireframe(IDirect3DDevice9* device)
{
    return DrawRasterPattern(device, D3DFILL_WIREFRAME);
}
