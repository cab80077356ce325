// The simulation object: the aircraft's physics bodies and meshes, its part
// tree and camera viewpoints, its control channels, engine and keyboard.
#pragma once

#include <d3d9.h>
#include <windows.h>

class CControlChannel;
class CEngine;
class CGraphics;
class CKeyboard;
class CMesh;
class CPoseNode;
struct MeshTableEntry;
struct DrawTableEntry;
struct ChannelTableEntry;

class CWorld
{
public:
    // Sets the camera mode to 0 and every pointer member to null, so that a
    // world whose Init stopped part-way can still be destroyed.
    CWorld();
    // Releases the nodes, channels, engine, meshes and keyboard; the physics
    // scene and its bodies stay until the process ends.
    ~CWorld();

    // Builds the whole world and binds the keyboard to the window. On
    // failure it writes one line on stderr saying what failed.
    bool Init(HWND window);
    // Advances the world by dt seconds; false while Esc is held.
    bool Update(float dt);
    // Draws the fuselage, wheels and struts at their simulated poses, seen
    // from the active camera viewpoint.
    void Render(CGraphics* graphics);

    // The fifteen mesh files in load order, each with the member its mesh
    // goes into (world/MeshTable.h).
    static const MeshTableEntry s_meshTable[15];
    // The seven meshes Render draws, in order, each with its body, its shift
    // from the body's pose and its material (render/DrawTable.h).
    static const DrawTableEntry s_drawTable[7];
    // The nine control channels, each with the member it goes into and the
    // values its Init takes (world/ChannelTable.h).
    static const ChannelTableEntry s_channelTable[9];

private:
    bool LoadMeshes();
    void CreatePartNodes();
    void CreateChannels();
    void CreateCameraViewpoints();
    void UpdateCamera();

    int m_cameraMode;
    D3DMATERIAL9 m_redMaterial;
    D3DMATERIAL9 m_whiteMaterial;

    // The part tree.
    CPoseNode* m_rootNode;
    CPoseNode* m_wingNode;
    CPoseNode* m_leftAileronNode;
    CPoseNode* m_rightAileronNode;
    CPoseNode* m_leftAileronTrailNode;
    CPoseNode* m_rightAileronTrailNode;
    CPoseNode* m_flapNode;
    CPoseNode* m_flapTrailNode;
    CPoseNode* m_tailNode;
    CPoseNode* m_elevatorNode;
    CPoseNode* m_elevatorTrailNode;
    CPoseNode* m_rudderNode;
    CPoseNode* m_rudderTrailNode;
    CPoseNode* m_propellerNode;
    CPoseNode* m_frontCanopyNode;
    CPoseNode* m_rearCanopyNode;
    CPoseNode* m_leftBrakeFlapNode;
    CPoseNode* m_rightBrakeFlapNode;
    CPoseNode* m_leftBrakeFlapTrailNode;
    CPoseNode* m_rightBrakeFlapTrailNode;
    CPoseNode* m_frontWheelNode;
    CPoseNode* m_leftWheelNode;
    CPoseNode* m_rightWheelNode;

    // The camera rig: three viewpoints in one block, and the orbit pivot.
    CPoseNode* m_cameraNodes;
    CPoseNode* m_cameraPivotNode;

    // The meshes, in the order they are loaded.
    CMesh* m_frontStrutMesh;
    CMesh* m_mainStrutMesh;
    CMesh* m_rightBrakeFlapMesh;
    CMesh* m_leftBrakeFlapMesh;
    CMesh* m_canopyFrameMesh;
    CMesh* m_canopyGlassMesh;
    CMesh* m_fuselageMesh;
    CMesh* m_leftAileronMesh;
    CMesh* m_rightAileronMesh;
    CMesh* m_elevatorMesh;
    CMesh* m_propellerMesh;
    CMesh* m_rudderMesh;
    CMesh* m_frontWheelMesh;
    CMesh* m_rightWheelMesh;
    CMesh* m_leftWheelMesh;

    // The controls.
    CControlChannel* m_rollControl;
    CControlChannel* m_leftAileronControl;
    CControlChannel* m_rightAileronControl;
    CControlChannel* m_elevatorControl;
    CControlChannel* m_rudderControl;
    CControlChannel* m_frontCanopyControl;
    CControlChannel* m_rearCanopyControl;
    CControlChannel* m_brakeFlapControl;
    CControlChannel* m_throttleControl;

    CEngine* m_engine;
    CKeyboard* m_keyboard;

    friend class CWorldInspector; // tests and the capture tool look inside
};
