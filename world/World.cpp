#include "world/World.h"

#include "platform/Keyboard.h"
#include "render/Mesh.h"
#include "scene/PoseNode.h"
#include "world/Engine.h"
#include "world/MeshTable.h"
#include "world/Physics.h"
#include "world/Suspension.h"
#include "world/WorldGlobals.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

NxScene* g_scene = nullptr;
NxActor* g_groundActor = nullptr;
NxActor* g_fuselageActor = nullptr;
NxActor* g_leftWheelActor = nullptr;
NxActor* g_rightWheelActor = nullptr;
NxActor* g_frontWheelActor = nullptr;

const NxVec3 g_fuselageStart(0.0f, 5.8f, 0.1f);
const NxVec3 g_leftWheelStart(1.41f, 4.9f, -0.15f);
const NxVec3 g_rightWheelStart(-1.41f, 4.9f, -0.15f);
const NxVec3 g_frontWheelStart(0.0f, 4.8f, 1.6f);

CWorld::CWorld()
{
    // Every pointer member null (a part-built world can be destroyed), the
    // materials zero, the camera on viewpoint 0.
    std::memset(static_cast<void*>(this), 0, sizeof(*this));
    m_cameraMode = 0;
}

namespace
{
NxActor* CreateBody(const NxVec3& position, NxShapeDesc& shape, float mass)
{
    NxBodyDesc bodyDesc;
    bodyDesc.mass = mass;
    bodyDesc.solverIterationCount = 20;
    NxActorDesc actorDesc;
    actorDesc.shapes.pushBack(&shape);
    actorDesc.body = &bodyDesc;
    actorDesc.globalPose.t = position;
    return g_scene->createActor(actorDesc);
}
} // namespace

bool CWorld::Init(HWND window)
{
    // Physics: the scene, its frictionless default material and the ground.
    g_scene = PhysicsInit();
    if (!g_scene)
    {
        std::fprintf(stderr, "Can't create the physics scene\n");
        return false;
    }
    TuneDefaultMaterial(g_scene);
    g_groundActor = CreateGround(g_scene);

    // The fuselage: a flat slab carried by the wheels.
    NxBoxShapeDesc boxDesc;
    boxDesc.dimensions = NxVec3(14.5f, 0.5f, 9.5f);
    boxDesc.localPose.t = NxVec3(0.0f, 0.0f, 0.0f);
    g_fuselageActor = CreateBody(g_fuselageStart, boxDesc, 1035.0f);

    // The wheels share one body and one sphere description.
    {
        NxBodyDesc bodyDesc;
        bodyDesc.mass = 20.0f;
        bodyDesc.solverIterationCount = 20;
        NxSphereShapeDesc sphereDesc;
        sphereDesc.radius = 0.5f;
        sphereDesc.localPose.t = NxVec3(0.0f, 0.0f, 0.0f);
        NxActorDesc actorDesc;
        actorDesc.shapes.pushBack(&sphereDesc);
        actorDesc.body = &bodyDesc;
        actorDesc.globalPose.t = g_leftWheelStart;
        g_leftWheelActor = g_scene->createActor(actorDesc);
        actorDesc.globalPose.t = g_rightWheelStart;
        g_rightWheelActor = g_scene->createActor(actorDesc);
        actorDesc.globalPose.t = g_frontWheelStart;
        g_frontWheelActor = g_scene->createActor(actorDesc);
    }

    // The sprung struts, and no contacts between the fuselage and its wheels.
    AddSuspensionStrut(g_scene, g_fuselageActor, g_frontWheelActor, g_frontWheelStart,
                       g_frontStrutAxis, g_strutSpring, g_strutDamping);
    AddSuspensionStrut(g_scene, g_fuselageActor, g_rightWheelActor, g_rightWheelStart,
                       g_mainStrutAxis, g_strutSpring, g_strutDamping);
    AddSuspensionStrut(g_scene, g_fuselageActor, g_leftWheelActor, g_leftWheelStart,
                       g_mainStrutAxis, g_strutSpring, g_strutDamping);
    IgnoreWheelContacts(g_scene, g_fuselageActor, g_frontWheelActor, g_leftWheelActor,
                        g_rightWheelActor);

    if (!LoadMeshes())
        return false;

    CreatePartNodes();
    CreateChannels();

    m_redMaterial = D3DMATERIAL9();
    m_redMaterial.Diffuse.r = 1.0f;
    m_whiteMaterial = D3DMATERIAL9();
    m_whiteMaterial.Diffuse.r = 1.0f;
    m_whiteMaterial.Diffuse.g = 1.0f;
    m_whiteMaterial.Diffuse.b = 1.0f;

    CreateCameraViewpoints();

    m_engine = new CEngine(2929.0f);

    m_keyboard = new CKeyboard();
    if (!m_keyboard->Create(window, GetModuleHandleW(nullptr)))
    {
        std::fprintf(stderr, "Can't create the keyboard device\n");
        return false;
    }

    // The orbit pivot, under the root; viewpoint 0 swings around it.
    m_cameraPivotNode = new CPoseNode();
    m_cameraPivotNode->SetParent(m_rootNode);
    m_cameraNodes[0].SetParent(m_cameraPivotNode);
    return true;
}

bool CWorld::LoadMeshes()
{
    m_leftBrakeFlapMesh = new CMesh();
    m_rightBrakeFlapMesh = new CMesh();
    m_canopyFrameMesh = new CMesh();
    m_canopyGlassMesh = new CMesh();
    m_rudderMesh = new CMesh();
    m_fuselageMesh = new CMesh();
    m_leftAileronMesh = new CMesh();
    m_rightAileronMesh = new CMesh();
    m_elevatorMesh = new CMesh();
    m_propellerMesh = new CMesh();
    m_frontWheelMesh = new CMesh();
    m_rightWheelMesh = new CMesh();
    m_leftWheelMesh = new CMesh();
    m_mainStrutMesh = new CMesh();
    m_frontStrutMesh = new CMesh();

    for (const MeshTableEntry& file : s_meshTable)
        if (!(this->*file.mesh)->Load(file.path))
        {
            std::fprintf(stderr, "%s\n", (this->*file.mesh)->GetError());
            return false;
        }
    return true;
}
