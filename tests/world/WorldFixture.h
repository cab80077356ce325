// A world on the recording device backend with the scripted keyboard, run
// from a temporary folder whose ../art/3d/yak_52/ holds small mesh files.
#pragma once

#include "scene/PoseNode.h"
#include "world/World.h"

#include <compat/d3d9.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class CWindow;
class CGraphics;
class CPoseNode;
class CControlChannel;
class CEngine;
class CMesh;

// Reads the world's members for the tests.
class CWorldInspector
{
public:
    explicit CWorldInspector(CWorld& world) : m_world(world) {}
    int CameraMode() const { return m_world.m_cameraMode; }
    CPoseNode* Root() const { return m_world.m_rootNode; }
    CPoseNode* Pivot() const { return m_world.m_cameraPivotNode; }
    CPoseNode* Viewpoint(int i) const { return &m_world.m_cameraNodes[i]; }
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
    std::vector<CMesh*> Meshes() const;
    CMesh* FuselageMesh() const { return m_world.m_fuselageMesh; }
    CMesh* FrontWheelMesh() const { return m_world.m_frontWheelMesh; }
    CMesh* FrontStrutMesh() const { return m_world.m_frontStrutMesh; }
    CMesh* MainStrutMesh() const { return m_world.m_mainStrutMesh; }
    CMesh* LeftWheelMesh() const { return m_world.m_leftWheelMesh; }
    CMesh* RightWheelMesh() const { return m_world.m_rightWheelMesh; }

private:
    CWorld& m_world;
};

// The fifteen mesh file names the world loads, in load order.
extern const char* const kMeshFileNames[15];

class WorldTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the fifteen mesh files except `missing` (a file name, or empty).
    void WriteArt(const std::string& missing = "");
    // Creates the world and runs Init; the world is kept in m_world.
    bool InitWorld();
    // Holds exactly the given keys (DIK_ codes) for the next updates.
    static void Hold(std::initializer_list<int> keys);

    CWorldInspector Inspect() { return CWorldInspector(*m_world); }

    std::filesystem::path m_root;
    std::filesystem::path m_savedDirectory;
    CWindow* m_window = nullptr;
    CGraphics* m_graphics = nullptr;
    CWorld* m_world = nullptr;
};
