#include "world/Suspension.h"

#include <stdio.h>

const NxVec3 g_frontStrutAxis(0.0f, 0.79f, -0.21f);
const NxVec3 g_mainStrutAxis(0.0f, 0.95f, -0.05f);
const float g_strutSpring = 100000.0f;
const float g_strutDamping = 20000.0f;

NxJoint* AddSuspensionStrut(NxScene* scene, NxActor* body, NxActor* wheel, NxVec3 anchor,
                            NxVec3 axis, float spring, float damping)
{
    // A missing actor would stand for the fixed world and pin the other one.
    if (!scene || !body || !wheel)
    {
        fprintf(stderr, "AddSuspensionStrut: no scene, body or wheel to join\n");
        return NULL;
    }

    NxD6JointDesc d6Desc;
    d6Desc.actor[0] = body;
    d6Desc.actor[1] = wheel;
    d6Desc.setGlobalAnchor(anchor);
    d6Desc.setGlobalAxis(axis);

    d6Desc.xMotion = NX_D6JOINT_MOTION_LIMITED;
    d6Desc.yMotion = NX_D6JOINT_MOTION_LOCKED;
    d6Desc.zMotion = NX_D6JOINT_MOTION_LOCKED;
    d6Desc.swing1Motion = NX_D6JOINT_MOTION_LOCKED;
    d6Desc.swing2Motion = NX_D6JOINT_MOTION_LOCKED;
    d6Desc.twistMotion = NX_D6JOINT_MOTION_LOCKED;

    d6Desc.linearLimit.value = 0.001f;
    d6Desc.linearLimit.restitution = 0.01f;
    d6Desc.linearLimit.spring = spring;
    d6Desc.linearLimit.damping = damping;

    d6Desc.projectionMode = NX_JPM_NONE;

    return scene->createJoint(d6Desc);
}

// Ignores the pair of the two actors and the pair of their first shapes.
static void IgnorePair(NxScene* scene, NxActor* fuselage, NxActor* wheel, bool byShape)
{
    if (!fuselage || !wheel)
    {
        fprintf(stderr, "IgnoreWheelContacts: no fuselage or wheel to keep apart\n");
        return;
    }
    if (byShape)
        scene->setShapePairFlags(*fuselage->getShapes()[0], *wheel->getShapes()[0], NX_IGNORE_PAIR);
    else
        scene->setActorPairFlags(*fuselage, *wheel, NX_IGNORE_PAIR);
}

void IgnoreWheelContacts(NxScene* scene, NxActor* fuselage, NxActor* frontWheel, NxActor* leftWheel,
                         NxActor* rightWheel)
{
    if (!scene)
        return;
    IgnorePair(scene, fuselage, frontWheel, false);
    IgnorePair(scene, fuselage, leftWheel, false);
    IgnorePair(scene, fuselage, rightWheel, false);
    IgnorePair(scene, fuselage, frontWheel, true);
    IgnorePair(scene, fuselage, leftWheel, true);
    IgnorePair(scene, fuselage, rightWheel, true);
}
