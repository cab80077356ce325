// The sprung struts that carry the fuselage on its wheels, and the contact
// filtering that keeps the fuselage and the wheels from colliding.
#pragma once

#include <NxPhysics.h>

// The struts' axes (as written, not normalised), spring and damping.
extern const NxVec3 g_frontStrutAxis;
extern const NxVec3 g_mainStrutAxis;
extern const float g_strutSpring;
extern const float g_strutDamping;

// Joins `wheel` to `body` with a six-degree-of-freedom joint at the global
// `anchor` that leaves only a sprung slide along `axis`: free within 1 mm of
// the anchor, held beyond it by `spring` (N/m) and `damping` (N s/m). Returns
// the joint, or NULL if the scene refused it or an actor is missing.
NxJoint* AddSuspensionStrut(NxScene* scene, NxActor* body, NxActor* wheel, NxVec3 anchor,
                            NxVec3 axis, float spring, float damping);

// Switches off contacts between the fuselage and each wheel, by actor pair and
// by shape pair, nose wheel first, then left and right.
void IgnoreWheelContacts(NxScene* scene, NxActor* fuselage, NxActor* frontWheel, NxActor* leftWheel,
                         NxActor* rightWheel);
