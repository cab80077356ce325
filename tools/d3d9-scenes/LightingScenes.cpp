// Scenes of the fixed-function lighting the program relies on: its light
// and ambient colour on materials with and without an ambient part, a
// coloured ambient render state, and diffuse colours taken from the vertices
// (D3DRS_DIFFUSEMATERIALSOURCE left at its default) or from the material.
// Spheres show every angle to the light; turned boxes show flat faces.
#include "SceneSetup.h"
#include "Scenes.h"

namespace
{

using V = D3DXVECTOR3;

D3DXQUATERNION BoxTurn()
{
    D3DXQUATERNION turn;
    const D3DXQUATERNION yaw = Turn(V(0.0f, 1.0f, 0.0f), 0.6f);
    const D3DXQUATERNION pitch = Turn(V(1.0f, 0.0f, 0.0f), 0.45f);
    D3DXQuaternionMultiply(&turn, &yaw, &pitch);
    return turn;
}

// A row of spheres above a row of turned boxes, one column a material.
std::string DrawColumns(IDirect3DDevice9* device, const D3DMATERIAL9 (&materials)[4], DWORD fvf,
                        MeshData sphere, MeshData box)
{
    SceneMesh ball;
    SceneMesh block;
    std::string error = ball.Create(device, sphere, fvf, Indices::Bits16) +
                        block.Create(device, box, fvf, Indices::Bits32);
    if (!error.empty())
        return error;
    for (int i = 0; i < 4; ++i)
    {
        const float x = -3.3f + 2.2f * static_cast<float>(i);
        device->SetMaterial(&materials[i]);
        DrawAt(device, ball, V(x, 0.85f, 0.0f));
        DrawAtPose(device, block, V(x, -1.25f, 0.0f), BoxTurn());
    }
    return {};
}

} // namespace

std::string DrawLitMaterials(IDirect3DDevice9* device)
{
    SetFrontView(device);
    // The program's white and red, and two with an ambient part.
    const D3DMATERIAL9 materials[4] = {
        DiffuseMaterial(1.0f, 1.0f, 1.0f),
        DiffuseMaterial(1.0f, 0.0f, 0.0f),
        AmbientMaterial(0.2f, 0.5f, 1.0f, 0.5f, 0.5f, 0.5f),
        AmbientMaterial(1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f),
    };
    BeginFrame(device);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    std::string error = DrawColumns(device, materials, kPositionNormal, Sphere(0.9f, 40, 20),
                                    Box(0.6f, 0.6f, 0.6f));
    device->EndScene();
    return error;
}

std::string DrawLitAmbient(IDirect3DDevice9* device)
{
    SetFrontView(device);
    // A coloured ambient state: its red, green and blue must not trade places.
    device->SetRenderState(D3DRS_AMBIENT, 0xFF2060C0);
    const D3DMATERIAL9 materials[4] = {
        AmbientMaterial(1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f),
        AmbientMaterial(0.0f, 0.0f, 0.0f, 1.0f, 0.5f, 0.25f),
        DiffuseMaterial(1.0f, 1.0f, 1.0f),
        AmbientMaterial(0.5f, 0.8f, 0.2f, 0.8f, 0.3f, 1.0f),
    };
    BeginFrame(device);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    std::string error = DrawColumns(device, materials, kPositionNormal, Sphere(0.9f, 40, 20),
                                    Box(0.6f, 0.6f, 0.6f));
    device->EndScene();
    return error;
}

std::string DrawLitVertexColours(IDirect3DDevice9* device)
{
    SetFrontView(device);
    MeshData sphere = Sphere(0.9f, 40, 20);
    sphere.Paint(
        [](const MeshVertex& v) {
            return ColourOf(0.5f + 0.5f * v.normal.x, 0.5f + 0.5f * v.normal.y,
                            0.5f + 0.5f * v.normal.z);
        });
    MeshData box = Box(0.6f, 0.6f, 0.6f);
    const D3DCOLOR faceColours[6] = {0xFFFF4040, 0xFF40FF40, 0xFF4040FF,
                                     0xFFFFFF40, 0xFF40FFFF, 0xFFFF40FF};
    for (std::size_t i = 0; i < box.vertices.size(); ++i)
        box.vertices[i].colour = faceColours[i / 4];
    SceneMesh ball;
    SceneMesh block;
    std::string error =
        ball.Create(device, sphere, kPositionNormal | D3DFVF_DIFFUSE, Indices::Bits16) +
        block.Create(device, box, kPositionNormal | D3DFVF_DIFFUSE, Indices::Bits16);
    if (!error.empty())
        return error;

    // Diffuse from the vertices (the default source) with and without an
    // ambient part in the material; then from the material (red) when told.
    const D3DMATERIAL9 ambient = AmbientMaterial(0.3f, 0.3f, 0.3f, 0.6f, 0.6f, 0.6f);
    const D3DMATERIAL9 plain = DiffuseMaterial(0.3f, 0.3f, 0.3f);
    const D3DMATERIAL9 red = AmbientMaterial(1.0f, 0.0f, 0.0f, 0.6f, 0.6f, 0.6f);
    BeginFrame(device);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetMaterial(&ambient);
    DrawAt(device, ball, V(-3.3f, 0.85f, 0.0f));
    DrawAtPose(device, block, V(-3.3f, -1.25f, 0.0f), BoxTurn());
    device->SetMaterial(&plain);
    DrawAt(device, ball, V(-1.1f, 0.85f, 0.0f));
    DrawAtPose(device, block, V(-1.1f, -1.25f, 0.0f), BoxTurn());
    device->SetMaterial(&red);
    device->SetRenderState(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_MATERIAL);
    DrawAt(device, ball, V(1.1f, 0.85f, 0.0f));
    DrawAtPose(device, block, V(1.1f, -1.25f, 0.0f), BoxTurn());
    // Ambient from the vertices too.
    device->SetRenderState(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_COLOR1);
    device->SetRenderState(D3DRS_AMBIENTMATERIALSOURCE, D3DMCS_COLOR1);
    DrawAt(device, ball, V(3.3f, 0.85f, 0.0f));
    DrawAtPose(device, block, V(3.3f, -1.25f, 0.0f), BoxTurn());
    device->EndScene();
    return {};
}
