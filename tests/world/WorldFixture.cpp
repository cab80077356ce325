#include "WorldFixture.h"

#include "platform/Window.h"
#include "render/MeshFile.h"
#include "world/MeshTable.h"
#include "world/WorldGlobals.h"

#include <compat/dinput.h>

void WorldTest::SetUp()
{
    compat::dinput::ResetForTests();
    compat::dinput::UseScriptedKeyboard(true);
    // The update's state between frames belongs to the process: start each
    // world from the values it has when the program starts.
    g_frameTime = 0.0f;
    g_flightSpeed = 0.0f;
    g_brakeFlapTowardMin = true;
    g_frontCanopyTowardMax = false;
    g_rearCanopyTowardMax = false;

    // <tmp>/run is the working folder; <tmp>/art/3d/yak_52 holds the meshes.
    m_root = m_folder.Path();
    std::filesystem::create_directories(m_root / "run");
    std::filesystem::create_directories(m_root / "art" / "3d" / "yak_52");
    m_savedDirectory = std::filesystem::current_path();
    std::filesystem::current_path(m_root / "run");

    RecordingDeviceTest::SetUp();
}

void WorldTest::TearDown()
{
    delete m_world;
    RecordingDeviceTest::TearDown();
    std::filesystem::current_path(m_savedDirectory);
    compat::dinput::ResetForTests();
}

void WorldTest::WriteArt(const std::string& missing)
{
    // A small tetrahedron, written by the export writer, stands for every part.
    const float a[3] = {0.0f, 0.0f, 0.0f}, b[3] = {1.0f, 0.0f, 0.0f}, c[3] = {0.0f, 1.0f, 0.0f},
                d[3] = {0.0f, 0.0f, 1.0f};
    const float* triangles[4][3] = {{a, c, b}, {a, b, d}, {a, d, c}, {b, c, d}};
    std::vector<float> values;
    for (auto& triangle : triangles)
        for (const float* p : triangle)
        {
            values.insert(values.end(), p, p + 3);
            values.insert(values.end(), {0.0f, 0.0f, 1.0f});
        }
    MeshFormat format;
    format.position = 3;
    format.normal = 1;
    CMeshFile file;
    file.SetVertices(format, values.data(), 12);
    for (const MeshTableEntry& entry : CWorld::s_meshTable)
        if (missing != GetMeshFileName(entry))
        {
            const std::string path =
                (m_root / "art" / "3d" / "yak_52" / GetMeshFileName(entry)).string();
            SaveMeshFile(&file, path.c_str(), 1.0f, 1.0f, 1.0f);
        }
}

bool WorldTest::InitWorld()
{
    m_world = new CWorld();
    return m_world->Init(m_window->GetHandle());
}

void WorldTest::Hold(std::initializer_list<int> keys)
{
    compat::dinput::ReleaseScriptedKeys();
    for (int key : keys)
        compat::dinput::SetScriptedKey(key, true);
}
