#include "SceneSetup.h"

#include "SceneWindow.h"

#include "app/DeviceSetUp.h"

void BeginFrame(IDirect3DDevice9* device, D3DCOLOR colour)
{
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, colour, 1.0f,
                  0);
    device->BeginScene();
}

void SetProgramStartState(IDirect3DDevice9* device)
{
    AppSetUpDevice(device, kSceneWidth, kSceneHeight);
}

void SetFrontView(IDirect3DDevice9* device)
{
    SetProgramStartState(device);
    SetView(device, D3DXVECTOR3(0.0f, 1.5f, 6.0f), D3DXVECTOR3(0.0f, 0.0f, 0.0f));
}

void SetView(IDirect3DDevice9* device, const D3DXVECTOR3& eye, const D3DXVECTOR3& at)
{
    const D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    D3DXMATRIX view;
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    device->SetTransform(D3DTS_VIEW, &view);
}

void SetViewFromPose(IDirect3DDevice9* device, const D3DXVECTOR3& position,
                     const D3DXQUATERNION& orientation)
{
    D3DXMATRIX turn;
    D3DXMatrixRotationQuaternion(&turn, &orientation);
    const D3DXVECTOR3 up(turn._21, turn._22, turn._23);
    const D3DXVECTOR3 at(position.x + turn._31, position.y + turn._32, position.z + turn._33);
    D3DXMATRIX view;
    D3DXMatrixLookAtLH(&view, &position, &at, &up);
    device->SetTransform(D3DTS_VIEW, &view);
}

D3DMATERIAL9 DiffuseMaterial(float r, float g, float b)
{
    D3DMATERIAL9 material = {};
    material.Diffuse.r = r;
    material.Diffuse.g = g;
    material.Diffuse.b = b;
    return material;
}

D3DMATERIAL9 AmbientMaterial(float r, float g, float b, float ambientR, float ambientG,
                             float ambientB)
{
    D3DMATERIAL9 material = DiffuseMaterial(r, g, b);
    material.Ambient.r = ambientR;
    material.Ambient.g = ambientG;
    material.Ambient.b = ambientB;
    return material;
}

D3DCOLOR NormalColour(const MeshVertex& vertex)
{
    const D3DXVECTOR3& n = vertex.normal;
    return ColourOf(0.5f + 0.5f * n.x, 0.5f + 0.5f * n.y, 0.5f + 0.5f * n.z);
}

D3DXQUATERNION Turn(const D3DXVECTOR3& axis, float angle)
{
    D3DXQUATERNION q;
    D3DXQuaternionRotationAxis(&q, &axis, angle);
    return q;
}

void DrawAtPose(IDirect3DDevice9* device, const SceneMesh& mesh, const D3DXVECTOR3& position,
                const D3DXQUATERNION& orientation)
{
    D3DXMATRIX base;
    device->GetTransform(D3DTS_WORLD, &base);
    D3DXMATRIX translation;
    D3DXMatrixTranslation(&translation, position.x, position.y, position.z);
    D3DXMATRIX rotation;
    D3DXMatrixRotationQuaternion(&rotation, &orientation);
    D3DXMATRIX pose;
    D3DXMatrixMultiply(&pose, &rotation, &translation);
    device->MultiplyTransform(D3DTS_WORLD, &pose);
    mesh.Draw(device);
    device->SetTransform(D3DTS_WORLD, &base);
}

void DrawAt(IDirect3DDevice9* device, const SceneMesh& mesh, const D3DXVECTOR3& position)
{
    DrawAtPose(device, mesh, position, D3DXQUATERNION(0.0f, 0.0f, 0.0f, 1.0f));
}
