// The camera step: F1, F2 and F3 choose the viewpoint; A/D, S/X and Z/C
// turn it (in orbit mode, the pivot it swings around) at 20 degrees a second.
#include "world/World.h"

#include "platform/Keyboard.h"
#include "scene/PoseNode.h"
#include "world/WorldGlobals.h"

void CWorld::UpdateCamera()
{
    if (m_keyboard->IsKeyDown(DIK_F1))
        m_cameraMode = 0;
    if (m_keyboard->IsKeyDown(DIK_F2))
        m_cameraMode = 1;
    if (m_keyboard->IsKeyDown(DIK_F3))
    {
        // The free viewpoint is rebuilt 150 m behind the root, turns dropped.
        m_cameraNodes[2] = CPoseNode();
        const D3DXVECTOR3 w = m_rootNode->GetWorldPosition(false);
        m_cameraNodes[2].SetPosition(w.x + 0.0f, w.y + 1.0f, w.z - 150.0f);
        m_cameraNodes[2].Rotate(1.0f, 0.0f, 0.0f, -5.0f);
        m_cameraMode = 2;
    }

    // In orbit mode the pivot turns, swinging viewpoint 0 around the root;
    // otherwise the viewpoint turns in place.
    CPoseNode* target = m_cameraMode == 0 ? m_cameraPivotNode : &m_cameraNodes[m_cameraMode];
    const float a = g_frameTime * 20.0f;
    if (m_keyboard->IsKeyDown(DIK_A))
        target->Rotate(0.0f, 0.0f, 1.0f, a);
    if (m_keyboard->IsKeyDown(DIK_D))
        target->Rotate(0.0f, 0.0f, 1.0f, -a);
    if (m_keyboard->IsKeyDown(DIK_X))
        target->Rotate(1.0f, 0.0f, 0.0f, -a);
    if (m_keyboard->IsKeyDown(DIK_S))
        target->Rotate(1.0f, 0.0f, 0.0f, a);
    if (m_keyboard->IsKeyDown(DIK_Z))
        target->Rotate(0.0f, 1.0f, 0.0f, -a);
    if (m_keyboard->IsKeyDown(DIK_C))
        target->Rotate(0.0f, 1.0f, 0.0f, a);
}
