// The physics SDK and the one scene the aircraft lives in: gravity, the
// contact skin width, the surface material every shape uses and the ground.
#pragma once

#include <NxPhysics.h>

extern NxPhysicsSDK* g_physicsSDK;
extern NxScene* g_physicsScene;
extern const NxVec3 g_gravity;
extern NxMaterialIndex g_stickyMaterialIndex;
extern NxMaterialIndex g_roughMaterialIndex;

// Creates the SDK and the scene and sets them up. Returns the scene, or NULL
// when the SDK or the scene could not be created.
NxScene* PhysicsInit();

// Makes the scene's default material (index 0) frictionless and without bounce.
void TuneDefaultMaterial(NxScene* scene);

// Adds the static ground, the plane y = 0, and returns its actor.
NxActor* CreateGround(NxScene* scene);
