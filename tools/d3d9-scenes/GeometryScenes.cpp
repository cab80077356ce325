// Scenes of where geometry lands and in what colour: the clear colour,
// vertex colours drawn unlit, every vertex and index format the program's
// mesh code can make, and the program's way of placing meshes and the
// camera.
#include "SceneSetup.h"
#include "Scenes.h"

namespace
{

using V = D3DXVECTOR3;

// A square's corners in four colours.
MeshData FourColourQuad(float left, float top, float right, float bottom, float z)
{
    MeshData quad = Quad(V(left, top, z), V(right, top, z), V(right, bottom, z), V(left, bottom, z),
                         V(0.0f, 0.0f, 1.0f));
    const D3DCOLOR corners[] = {0xFFFFFFFF, 0xFFFFFF00, 0xFF000000, 0xFF8040C0};
    for (std::size_t i = 0; i < quad.vertices.size(); ++i)
        quad.vertices[i].colour = corners[i];
    return quad;
}

} // namespace

std::string DrawClear(IDirect3DDevice9* device)
{
    BeginFrame(device);
    device->EndScene();
    return {};
}

std::string DrawUnlitColours(IDirect3DDevice9* device)
{
    SetFrontView(device);
    SceneMesh rgb;
    SceneMesh corners;
    SceneMesh white;
    SceneMesh transparent;
    SceneMesh ball;
    std::string error =
        rgb.Create(device,
                   Triangle(V(-4.6f, -1.8f, 0.0f), V(-3.2f, 2.0f, 0.0f), V(-1.8f, -1.8f, 0.0f),
                            0xFFFF0000, 0xFF00FF00, 0xFF0000FF),
                   kPositionColour, Indices::Bits16) +
        corners.Create(device, FourColourQuad(-1.5f, 1.2f, 0.9f, -1.2f, 0.0f), kPositionColour,
                       Indices::Bits32) +
        white.Create(device,
                     Triangle(V(1.2f, -1.6f, 0.0f), V(1.8f, 1.6f, 0.0f), V(2.4f, -1.6f, 0.0f),
                              0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF),
                     D3DFVF_XYZ, Indices::None) +
        // Alpha 0 in the vertex colours: the back buffer has no alpha and
        // nothing blends, so they draw as opaque as any.
        transparent.Create(device,
                           Triangle(V(-1.5f, -1.6f, 1.0f), V(0.9f, -1.6f, 1.0f),
                                    V(-0.3f, -2.6f, 1.0f), 0x00FF8000, 0x0000FF80, 0x008000FF),
                           kPositionColour, Indices::Bits16) +
        ball.Create(device, Sphere(0.9f, 24, 12), kPositionNormal, Indices::Bits16);
    if (!error.empty())
        return error;

    BeginFrame(device);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    rgb.Draw(device);
    corners.Draw(device);
    white.Draw(device);
    transparent.Draw(device);
    // Unlit and without colours: opaque white.
    DrawAt(device, ball, V(3.6f, 0.0f, 0.0f));
    device->EndScene();
    return {};
}

std::string DrawMeshFormats(IDirect3DDevice9* device)
{
    SetFrontView(device);
    MeshData plain = Sphere(0.8f, 24, 12);
    MeshData painted = plain;
    painted.Paint(NormalColour);
    struct Shape
    {
        const MeshData* data;
        DWORD fvf;
        Indices indices;
        V at;
    };
    const Shape shapes[] = {
        {&plain, kPositionNormal, Indices::Bits16, V(-3.3f, 0.9f, 0.0f)},
        {&plain, kPositionNormal, Indices::Bits32, V(-1.1f, 0.9f, 0.0f)},
        {&plain, kPositionNormal, Indices::None, V(1.1f, 0.9f, 0.0f)},
        {&plain, kPositionNormal | D3DFVF_TEX1, Indices::Bits16, V(3.3f, 0.9f, 0.0f)},
        {&painted, kPositionNormal | D3DFVF_DIFFUSE, Indices::Bits16, V(-3.3f, -1.1f, 0.0f)},
        {&painted, kPositionNormal | D3DFVF_DIFFUSE | D3DFVF_TEX1, Indices::Bits32,
         V(-1.1f, -1.1f, 0.0f)},
        // Lit without normals: only the ambient part is left.
        {&painted, kPositionColour, Indices::Bits16, V(1.1f, -1.1f, 0.0f)},
        {&plain, D3DFVF_XYZ | D3DFVF_TEX1, Indices::None, V(3.3f, -1.1f, 0.0f)},
    };
    SceneMesh meshes[8];
    std::string error;
    for (int i = 0; i < 8; ++i)
        error += meshes[i].Create(device, *shapes[i].data, shapes[i].fvf, shapes[i].indices);
    if (!error.empty())
        return error;

    BeginFrame(device);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    const D3DMATERIAL9 white = DiffuseMaterial(1.0f, 1.0f, 1.0f);
    const D3DMATERIAL9 withAmbient = AmbientMaterial(1.0f, 1.0f, 1.0f, 0.4f, 0.6f, 0.8f);
    for (int i = 0; i < 8; ++i)
    {
        device->SetMaterial(i < 4 ? &white : &withAmbient);
        DrawAt(device, meshes[i], shapes[i].at);
    }
    device->EndScene();
    return {};
}

std::string DrawTransforms(IDirect3DDevice9* device)
{
    // The program's start-up state, its world matrix included.
    SetProgramStartState(device);
    // The camera as the program places its viewpoints: pitched down, then
    // turned about y to look back along -z.
    D3DXQUATERNION camera;
    const D3DXQUATERNION pitch = Turn(V(1.0f, 0.0f, 0.0f), 0.25f);
    const D3DXQUATERNION yaw = Turn(V(0.0f, 1.0f, 0.0f), D3DX_PI + 0.2f);
    D3DXQuaternionMultiply(&camera, &pitch, &yaw);
    SetViewFromPose(device, V(1.5f, 2.0f, 7.0f), camera);

    SceneMesh slab;
    SceneMesh post;
    SceneMesh ball;
    std::string error =
        slab.Create(device, Box(1.0f, 0.3f, 0.6f), kPositionNormal, Indices::Bits16) +
        post.Create(device, Box(0.15f, 0.9f, 0.15f), kPositionNormal, Indices::Bits32) +
        ball.Create(device, Sphere(0.5f, 20, 10), kPositionNormal, Indices::Bits16);
    if (!error.empty())
        return error;

    BeginFrame(device);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    const D3DMATERIAL9 white = DiffuseMaterial(1.0f, 1.0f, 1.0f);
    const D3DMATERIAL9 red = DiffuseMaterial(1.0f, 0.0f, 0.0f);
    device->SetMaterial(&white);
    for (int i = 0; i < 5; ++i)
    {
        const float f = static_cast<float>(i);
        D3DXQUATERNION turn;
        const D3DXQUATERNION roll = Turn(V(0.0f, 0.0f, 1.0f), 0.3f * f);
        const D3DXQUATERNION heading = Turn(V(0.3f, 1.0f, 0.2f), 0.5f + 0.4f * f);
        D3DXQuaternionMultiply(&turn, &roll, &heading);
        const V at(-3.6f + 1.8f * f, 0.2f * f - 0.4f, -1.0f + 0.5f * f);
        DrawAtPose(device, slab, at, turn);
        // A post beside each slab, at the slab's pose shifted in world axes
        // as the program places its struts.
        device->SetMaterial(&red);
        DrawAtPose(device, post, at + V(0.0f, 0.9f, -0.7f), turn);
        device->SetMaterial(&white);
    }
    DrawAtPose(device, ball, V(0.0f, -1.6f, 1.5f), Turn(V(1.0f, 0.0f, 0.0f), 1.0f));
    device->EndScene();
    return {};
}
