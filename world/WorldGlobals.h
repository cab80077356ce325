// The world module's globals: the physics scene and the aircraft's bodies
// with their start positions, and the state the update keeps between frames.
#pragma once

#include <NxPhysics.h>

extern NxScene* g_scene;
extern NxActor* g_groundActor;
extern NxActor* g_fuselageActor;
extern NxActor* g_leftWheelActor;
extern NxActor* g_rightWheelActor;
extern NxActor* g_frontWheelActor;

extern const NxVec3 g_fuselageStart;
extern const NxVec3 g_leftWheelStart;
extern const NxVec3 g_rightWheelStart;
extern const NxVec3 g_frontWheelStart;

extern float g_frameTime;
extern float g_flightSpeed;
extern bool g_brakeFlapTowardMin;
extern bool g_frontCanopyTowardMax;
extern bool g_rearCanopyTowardMax;
