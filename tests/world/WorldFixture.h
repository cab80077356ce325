// A world on the recording device backend with the scripted keyboard, run
// from a temporary folder whose ../art/3d/yak_52/ holds small mesh files.
#pragma once

#include "RecordingDeviceTest.h"
#include "ScratchFolder.h"
#include "scene/PoseNode.h"
#include "world/World.h"
#include "world/WorldInspector.h"

#include <compat/d3d9.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class WorldTest : public RecordingDeviceTest
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

    test::ScratchFolder m_folder{"zarv-world"};
    std::filesystem::path m_root;
    std::filesystem::path m_savedDirectory;
    CWorld* m_world = nullptr;
};
