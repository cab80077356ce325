#include "world/Physics.h"

NxPhysicsSDK* g_physicsSDK = NULL;
NxScene* g_physicsScene = NULL;
const NxVec3 g_gravity(0.0f, -9.81f, 0.0f);
NxMaterialIndex g_stickyMaterialIndex = 0;
NxMaterialIndex g_roughMaterialIndex = 0;

// Creates a material with the given values, every other one at its default,
// and returns its index (0, the default material, if it could not be made).
static NxMaterialIndex CreateMaterial(NxScene* scene, NxReal dynamicFriction, NxReal staticFriction,
                                      NxReal restitution)
{
    NxMaterialDesc materialDesc;
    materialDesc.dynamicFriction = dynamicFriction;
    materialDesc.staticFriction = staticFriction;
    materialDesc.restitution = restitution;
    NxMaterial* material = scene->createMaterial(materialDesc);
    return material ? material->getMaterialIndex() : 0;
}

NxScene* PhysicsInit()
{
    NxSDKCreateError errorCode = NXCE_NO_ERROR;
    g_physicsSDK =
        NxCreatePhysicsSDK(NX_PHYSICS_SDK_VERSION, NULL, NULL, NxPhysicsSDKDesc(), &errorCode);
    if (!g_physicsSDK)
        return NULL;

    // Only gravity differs from the defaults: fixed steps of 1/60 s, at most 8
    // of them per simulate.
    NxSceneDesc sceneDesc;
    sceneDesc.gravity = g_gravity;
    NxScene* scene = g_physicsSDK->createScene(sceneDesc);
    if (!scene)
        return NULL;

    // Before any shape exists, so that every shape gets it.
    g_physicsSDK->setParameter(NX_SKIN_WIDTH, 0.075f);

    g_stickyMaterialIndex = CreateMaterial(scene, 1.0f, 2.0f, 0.0f);
    g_roughMaterialIndex = CreateMaterial(scene, 1.0f, 1.2f, 0.0f);

    g_physicsScene = scene;
    return scene;
}

void TuneDefaultMaterial(NxScene* scene)
{
    NxMaterial* defaultMaterial = scene->getMaterialFromIndex(0);
    if (!defaultMaterial)
        return;
    defaultMaterial->setRestitution(0.0f);
    defaultMaterial->setStaticFriction(0.0f);
    defaultMaterial->setDynamicFriction(0.0f);
}

NxActor* CreateGround(NxScene* scene)
{
    NxPlaneShapeDesc planeDesc;
    NxActorDesc actorDesc;
    actorDesc.shapes.pushBack(&planeDesc);
    return scene->createActor(actorDesc);
}
