// Read access to the world's private members, for the programs that watch a
// world from outside: the tests, the capture tool that logs the root's and
// the camera's poses, and the art renderer that draws the world's meshes.
// The world names this class its friend; the program itself never uses it.
#pragma once

#include "render/DrawTable.h"
#include "scene/PoseNode.h"
#include "world/MeshTable.h"
#include "world/World.h"

#include <array>

class CWorldInspector
{
public:
    explicit CWorldInspector(const CWorld& world) : m_world(world) {}

    int CameraMode() const { return m_world.m_cameraMode; }
    CPoseNode* Root() const { return m_world.m_rootNode; }
    CPoseNode* Pivot() const { return m_world.m_cameraPivotNode; }
    CPoseNode* Viewpoint(int i) const { return &m_world.m_cameraNodes[i]; }
    // The viewpoint the view is built from: the active one of the three.
    CPoseNode* ActiveViewpoint() const { return Viewpoint(m_world.m_cameraMode); }
    CPoseNode* LeftAileron() const { return m_world.m_leftAileronNode; }
    CPoseNode* FrontCanopy() const { return m_world.m_frontCanopyNode; }

    CControlChannel* Roll() const { return m_world.m_rollControl; }
    CControlChannel* Elevator() const { return m_world.m_elevatorControl; }
    CControlChannel* Rudder() const { return m_world.m_rudderControl; }
    CControlChannel* BrakeFlap() const { return m_world.m_brakeFlapControl; }
    CControlChannel* FrontCanopyChannel() const { return m_world.m_frontCanopyControl; }
    CControlChannel* RearCanopyChannel() const { return m_world.m_rearCanopyControl; }
    CControlChannel* Throttle() const { return m_world.m_throttleControl; }
    CEngine* Engine() const { return m_world.m_engine; }

    // The fifteen meshes in load order.
    std::array<CMesh*, 15> Meshes() const
    {
        std::array<CMesh*, 15> meshes;
        for (std::size_t i = 0; i < meshes.size(); ++i)
            meshes[i] = m_world.*CWorld::s_meshTable[i].mesh;
        return meshes;
    }
    CMesh* FuselageMesh() const { return m_world.m_fuselageMesh; }
    CMesh* FrontWheelMesh() const { return m_world.m_frontWheelMesh; }
    CMesh* FrontStrutMesh() const { return m_world.m_frontStrutMesh; }
    CMesh* MainStrutMesh() const { return m_world.m_mainStrutMesh; }
    CMesh* LeftWheelMesh() const { return m_world.m_leftWheelMesh; }
    CMesh* RightWheelMesh() const { return m_world.m_rightWheelMesh; }

    // What the world draws, in its order, with every body at its start place:
    // the mesh, where it goes, and whether its material is the red one (the
    // others are white).
    struct StartDraw
    {
        CMesh* mesh;
        D3DXVECTOR3 position;
        bool red;
    };
    std::array<StartDraw, 7> StartDraws() const
    {
        std::array<StartDraw, 7> draws;
        for (std::size_t i = 0; i < draws.size(); ++i)
        {
            const DrawTableEntry& draw = CWorld::s_drawTable[i];
            const D3DXVECTOR3 start(draw.start->x, draw.start->y, draw.start->z);
            draws[i] = {m_world.*draw.mesh, start + draw.offset,
                        draw.material == &CWorld::m_redMaterial};
        }
        return draws;
    }

    // The mesh files of what the world draws, as its mesh table gives them.
    struct DrawnMeshFiles
    {
        const char* fuselage;
        const char* frontWheel;
        const char* leftWheel;
        const char* rightWheel;
        const char* frontStrut;
        const char* mainStrut;
    };
    static DrawnMeshFiles DrawnFiles()
    {
        return {PathOf(&CWorld::m_fuselageMesh),   PathOf(&CWorld::m_frontWheelMesh),
                PathOf(&CWorld::m_leftWheelMesh),  PathOf(&CWorld::m_rightWheelMesh),
                PathOf(&CWorld::m_frontStrutMesh), PathOf(&CWorld::m_mainStrutMesh)};
    }

private:
    static const char* PathOf(CMesh* CWorld::*mesh)
    {
        for (const MeshTableEntry& entry : CWorld::s_meshTable)
            if (entry.mesh == mesh)
                return entry.path;
        return nullptr;
    }

    const CWorld& m_world;
};
