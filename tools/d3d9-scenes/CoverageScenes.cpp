// Scenes of what covers what: wireframe, the three cull modes and the depth
// buffer.
#include "SceneSetup.h"
#include "Scenes.h"

namespace
{

using V = D3DXVECTOR3;

// Two triangles that wind opposite ways on screen, a closed box and an open
// cup (a sphere's lower half, tipped towards the camera), drawn in the cull
// mode given: culling keeps the faces of one winding, the box's outside or
// its inside, and part of the cup's.
std::string DrawCullContent(IDirect3DDevice9* device, DWORD cullMode)
{
    SetFrontView(device);
    // Seen from the camera, which looks along -z, +x runs to the left: the
    // red triangle winds counter-clockwise on screen, the green one clockwise.
    SceneMesh counterClockwise;
    SceneMesh clockwise;
    SceneMesh box;
    SceneMesh cup;
    MeshData half = Sphere(0.9f, 24, 12);
    half.indices.erase(half.indices.begin(), half.indices.begin() + 6 * 24 * 6);
    half.Paint(NormalColour);
    std::string error =
        counterClockwise.Create(device,
                                Triangle(V(-4.3f, -1.5f, 0.0f), V(-3.5f, 1.5f, 0.0f),
                                         V(-2.5f, -1.2f, 0.0f), 0xFFFF0000, 0xFFFF8000, 0xFFFFFF00),
                                kPositionColour, Indices::Bits16) +
        clockwise.Create(device,
                         Triangle(V(-2.2f, -1.5f, 0.0f), V(-0.6f, -1.2f, 0.0f),
                                  V(-1.4f, 1.5f, 0.0f), 0xFF00FF00, 0xFF00FFFF, 0xFF0000FF),
                         kPositionColour, Indices::Bits16) +
        box.Create(device, Box(0.7f, 0.7f, 0.7f), kPositionNormal, Indices::Bits16) +
        cup.Create(device, half, kPositionColour, Indices::Bits32);
    if (!error.empty())
        return error;

    BeginFrame(device);
    device->SetRenderState(D3DRS_CULLMODE, cullMode);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    counterClockwise.Draw(device);
    clockwise.Draw(device);
    DrawAtPose(device, cup, V(3.2f, -0.3f, 0.0f), Turn(V(1.0f, 0.0f, 0.0f), -0.5f));
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    const D3DMATERIAL9 material = AmbientMaterial(1.0f, 0.8f, 0.3f, 0.6f, 0.6f, 0.6f);
    device->SetMaterial(&material);
    D3DXQUATERNION turn;
    const D3DXQUATERNION yaw = Turn(V(0.0f, 1.0f, 0.0f), 0.6f);
    const D3DXQUATERNION pitch = Turn(V(1.0f, 0.0f, 0.0f), 0.4f);
    D3DXQuaternionMultiply(&turn, &yaw, &pitch);
    DrawAtPose(device, box, V(0.9f, 0.0f, 0.0f), turn);
    device->EndScene();
    return {};
}

} // namespace

std::string DrawWireframe(IDirect3DDevice9* device)
{
    SetFrontView(device);
    SceneMesh colouredBall;
    SceneMesh ball;
    SceneMesh box;
    MeshData painted = Sphere(1.0f, 16, 8);
    painted.Paint(NormalColour);
    std::string error = colouredBall.Create(device, painted, kPositionColour, Indices::Bits16) +
                        ball.Create(device, Sphere(1.0f, 16, 8), kPositionNormal, Indices::Bits32) +
                        box.Create(device, Box(0.8f, 0.8f, 0.8f), kPositionNormal, Indices::None);
    if (!error.empty())
        return error;

    BeginFrame(device);
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    DrawAt(device, colouredBall, V(-3.0f, 0.0f, 0.0f));
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    const D3DMATERIAL9 white = DiffuseMaterial(1.0f, 1.0f, 1.0f);
    device->SetMaterial(&white);
    DrawAt(device, ball, V(0.0f, 0.0f, 0.0f));
    // The cull mode still applies to wireframe triangles.
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    const D3DMATERIAL9 lit = AmbientMaterial(1.0f, 1.0f, 0.0f, 0.5f, 0.5f, 1.0f);
    device->SetMaterial(&lit);
    DrawAtPose(device, box, V(3.0f, 0.0f, 0.0f), Turn(V(1.0f, 1.0f, 0.0f), 0.7f));
    device->EndScene();
    return {};
}

std::string DrawCullNone(IDirect3DDevice9* device)
{
    return DrawCullContent(device, D3DCULL_NONE);
}

std::string DrawCullClockwise(IDirect3DDevice9* device)
{
    return DrawCullContent(device, D3DCULL_CW);
}

std::string DrawCullCounterClockwise(IDirect3DDevice9* device)
{
    return DrawCullContent(device, D3DCULL_CCW);
}

std::string DrawDepth(IDirect3DDevice9* device)
{
    SetFrontView(device);
    // A floor that reaches behind the camera: the near plane cuts it.
    MeshData floor = Quad(V(-40.0f, -1.0f, 40.0f), V(40.0f, -1.0f, 40.0f), V(40.0f, -1.0f, -40.0f),
                          V(-40.0f, -1.0f, -40.0f), V(0, 1, 0));
    const D3DCOLOR floorColours[] = {0xFF204020, 0xFF408040, 0xFFC0E0A0, 0xFF80A060};
    for (std::size_t i = 0; i < floor.vertices.size(); ++i)
        floor.vertices[i].colour = floorColours[i];
    // Two walls that pass through each other.
    MeshData wall = Quad(V(-1.2f, 1.0f, 0.0f), V(1.2f, 1.0f, 0.0f), V(1.2f, -1.0f, 0.0f),
                         V(-1.2f, -1.0f, 0.0f), V(0, 0, -1));
    SceneMesh floorMesh;
    SceneMesh wallMesh;
    SceneMesh ball;
    std::string error = floorMesh.Create(device, floor, kPositionColour, Indices::Bits16) +
                        wallMesh.Create(device, wall, kPositionNormal, Indices::Bits16) +
                        ball.Create(device, Sphere(1.0f, 32, 16), kPositionNormal, Indices::Bits16);
    if (!error.empty())
        return error;

    BeginFrame(device);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    // The nearer things first, so that the depth test has to keep them.
    const D3DMATERIAL9 red = AmbientMaterial(1.0f, 0.2f, 0.2f, 0.6f, 0.1f, 0.1f);
    device->SetMaterial(&red);
    DrawAtPose(device, wallMesh, V(-2.0f, 0.0f, 0.0f), Turn(V(0.0f, 1.0f, 0.0f), 0.5f));
    const D3DMATERIAL9 blue = AmbientMaterial(0.2f, 0.4f, 1.0f, 0.1f, 0.2f, 0.7f);
    device->SetMaterial(&blue);
    DrawAtPose(device, wallMesh, V(-2.0f, 0.0f, 0.0f), Turn(V(0.0f, 1.0f, 0.0f), -0.5f));
    const D3DMATERIAL9 white = AmbientMaterial(1.0f, 1.0f, 1.0f, 0.4f, 0.4f, 0.4f);
    device->SetMaterial(&white);
    DrawAt(device, ball, V(2.0f, -0.8f, 0.5f));
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    floorMesh.Draw(device);
    device->EndScene();
    return {};
}
