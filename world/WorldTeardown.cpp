// The world's teardown: nodes, channels, engine, meshes and, last, the
// keyboard. The physics scene and its bodies stay until the process ends.
#include "world/World.h"

#include "platform/Keyboard.h"
#include "platform/SafeDelete.h"
#include "render/Mesh.h"
#include "scene/PoseNode.h"
#include "world/ControlChannel.h"
#include "world/Engine.h"

#include <cstdlib>

CWorld::~CWorld()
{
    SafeDelete(m_cameraPivotNode);
    SafeDelete(m_engine);
    SafeDelete(m_throttleControl);
    std::free(m_cameraNodes);

    SafeDelete(m_brakeFlapControl);
    SafeDelete(m_frontCanopyControl);
    SafeDelete(m_rearCanopyControl);
    SafeDelete(m_elevatorControl);
    SafeDelete(m_leftAileronControl);
    SafeDelete(m_rightAileronControl);
    SafeDelete(m_rudderControl);
    SafeDelete(m_rollControl);

    SafeDelete(m_rightBrakeFlapMesh);
    SafeDelete(m_leftBrakeFlapMesh);
    SafeDelete(m_canopyFrameMesh);
    SafeDelete(m_canopyGlassMesh);
    SafeDelete(m_rudderMesh);
    SafeDelete(m_propellerMesh);
    SafeDelete(m_fuselageMesh);
    SafeDelete(m_leftAileronMesh);
    SafeDelete(m_rightAileronMesh);
    SafeDelete(m_elevatorMesh);
    SafeDelete(m_mainStrutMesh);
    SafeDelete(m_frontStrutMesh);

    SafeDelete(m_leftBrakeFlapTrailNode);
    SafeDelete(m_rightBrakeFlapTrailNode);
    SafeDelete(m_frontCanopyNode);
    SafeDelete(m_rearCanopyNode);
    SafeDelete(m_rudderTrailNode);
    SafeDelete(m_propellerNode);
    SafeDelete(m_tailNode);
    SafeDelete(m_elevatorTrailNode);
    SafeDelete(m_leftAileronTrailNode);
    SafeDelete(m_rightAileronTrailNode);
    SafeDelete(m_flapTrailNode);
    SafeDelete(m_leftBrakeFlapNode);
    SafeDelete(m_rightBrakeFlapNode);
    SafeDelete(m_rudderNode);
    SafeDelete(m_elevatorNode);
    SafeDelete(m_flapNode);
    SafeDelete(m_leftAileronNode);
    SafeDelete(m_rightAileronNode);
    SafeDelete(m_wingNode);

    SafeDelete(m_frontWheelMesh);
    SafeDelete(m_rightWheelMesh);
    SafeDelete(m_leftWheelMesh);

    SafeDelete(m_frontWheelNode);
    SafeDelete(m_rightWheelNode);
    SafeDelete(m_leftWheelNode);
    SafeDelete(m_rootNode);

    SafeDelete(m_keyboard);
}
