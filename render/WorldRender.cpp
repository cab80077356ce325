// Draws the fuselage, the wheels and the struts at the poses the physics
// scene reports, seen from the active camera viewpoint.
#include "world/World.h"

#include "platform/Graphics.h"
#include "render/DrawTable.h"
#include "render/Mesh.h"
#include "scene/PoseNode.h"
#include "world/WorldGlobals.h"

#include <d3dx9.h>

const DrawTableEntry CWorld::s_drawTable[7] = {
    {&g_fuselageActor, &g_fuselageStart, D3DXVECTOR3(0.0f, 0.0f, 0.0f), &CWorld::m_whiteMaterial,
     &CWorld::m_fuselageMesh},
    {&g_frontWheelActor, &g_frontWheelStart, D3DXVECTOR3(0.0f, 0.0f, 0.0f), &CWorld::m_redMaterial,
     &CWorld::m_frontWheelMesh},
    {&g_frontWheelActor, &g_frontWheelStart, D3DXVECTOR3(0.0f, 0.21f, -0.05f),
     &CWorld::m_whiteMaterial, &CWorld::m_frontStrutMesh},
    {&g_leftWheelActor, &g_leftWheelStart, D3DXVECTOR3(0.125f, 0.13f, 0.015f),
     &CWorld::m_whiteMaterial, &CWorld::m_mainStrutMesh},
    {&g_rightWheelActor, &g_rightWheelStart, D3DXVECTOR3(-0.125f, 0.13f, 0.015f),
     &CWorld::m_whiteMaterial, &CWorld::m_mainStrutMesh},
    {&g_leftWheelActor, &g_leftWheelStart, D3DXVECTOR3(0.0f, 0.0f, 0.0f), &CWorld::m_whiteMaterial,
     &CWorld::m_leftWheelMesh},
    {&g_rightWheelActor, &g_rightWheelStart, D3DXVECTOR3(0.0f, 0.0f, 0.0f),
     &CWorld::m_whiteMaterial, &CWorld::m_rightWheelMesh},
};

namespace
{
D3DXVECTOR3 PositionOf(NxActor* actor)
{
    const NxVec3 p = actor->getGlobalPosition();
    return D3DXVECTOR3(p.x, p.y, p.z);
}

D3DXQUATERNION OrientationOf(NxActor* actor)
{
    const NxQuat q = actor->getGlobalOrientationQuat();
    return D3DXQUATERNION(q.x, q.y, q.z, q.w);
}
} // namespace

void CWorld::Render(CGraphics* graphics)
{
    if (!graphics || !CGraphics::GetDevice())
        return;
    IDirect3DDevice9* device = CGraphics::GetDevice();

    // The view looks along the viewpoint's own +z with its own +y up.
    CPoseNode& viewpoint = m_cameraNodes[m_cameraMode];
    const D3DXVECTOR3 vPosition = viewpoint.GetWorldPosition(false);
    const D3DXQUATERNION qOrient = viewpoint.GetWorldOrientation(false);
    D3DXMATRIX mOrient;
    D3DXMatrixRotationQuaternion(&mOrient, &qOrient);
    const D3DXVECTOR3 vUpVec(mOrient._21, mOrient._22, mOrient._23);
    const D3DXVECTOR3 vLookatPt(vPosition.x + mOrient._31, vPosition.y + mOrient._32,
                                vPosition.z + mOrient._33);
    D3DXMATRIX matView;
    D3DXMatrixLookAtLH(&matView, &vPosition, &vLookatPt, &vUpVec);
    device->SetTransform(D3DTS_VIEW, &matView);

    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);

    D3DXMATRIX mWorldMatrix;
    device->GetTransform(D3DTS_WORLD, &mWorldMatrix);

    // Each body's mesh at its pose; the struts at their wheel's pose shifted
    // in world axes.
    D3DXVECTOR3 position(0.0f, 0.0f, 0.0f);
    D3DXQUATERNION orientation(0.0f, 0.0f, 0.0f, 1.0f);
    for (int i = 0; i < 7; ++i)
    {
        const DrawTableEntry& draw = s_drawTable[i];
        // The front strut reuses the pose read for the front wheel.
        if (i != 2)
        {
            position = PositionOf(*draw.actor);
            orientation = OrientationOf(*draw.actor);
        }
        device->SetMaterial(&(this->*draw.material));
        graphics->SetWorldFromPose(position + draw.offset, orientation);
        DrawMesh(this->*draw.mesh);
        device->SetTransform(D3DTS_WORLD, &mWorldMatrix);
    }
}
