// What every joint is made with: the two actors and, for each, the joint's
// anchor and axes in that actor's own frame.
#pragma once

#include "NxVec3.h"

class NxActor;

enum NxJointType : int
{
    NX_JOINT_PRISMATIC = 0,
    NX_JOINT_REVOLUTE = 1,
    NX_JOINT_CYLINDRICAL = 2,
    NX_JOINT_SPHERICAL = 3,
    NX_JOINT_POINT_ON_LINE = 4,
    NX_JOINT_POINT_IN_PLANE = 5,
    NX_JOINT_DISTANCE = 6,
    NX_JOINT_PULLEY = 7,
    NX_JOINT_FIXED = 8,
    NX_JOINT_D6 = 9, // the only kind this stand-in builds
};

enum NxJointFlag : int
{
    NX_JF_COLLISION_ENABLED = (1 << 0), // the two actors may still collide
    NX_JF_VISUALIZATION = (1 << 1),
};

class NxJointDesc
{
public:
    // Null stands for the fixed world.
    NxActor* actor[2];
    // Per actor, in its frame: the joint's y axis, x axis and origin.
    NxVec3 localNormal[2];
    NxVec3 localAxis[2];
    NxVec3 localAnchor[2];
    NxU32 jointFlags;
    const char* name;
    void* userData;

    virtual ~NxJointDesc() = default;
    NxJointType getType() const { return type; }
    virtual void setToDefault()
    {
        for (int i = 0; i < 2; ++i)
        {
            actor[i] = nullptr;
            localAxis[i].set(0, 0, 1);
            localNormal[i].set(1, 0, 0);
            localAnchor[i].zero();
        }
        jointFlags = NX_JF_VISUALIZATION;
        name = nullptr;
        userData = nullptr;
    }
    virtual bool isValid() const;

    // Set the local anchors and axes from global values and the two actors'
    // poses at this moment (through the utility library, as in the SDK).
    void setGlobalAnchor(const NxVec3& wsAnchor);
    void setGlobalAxis(const NxVec3& wsAxis);

protected:
    explicit NxJointDesc(NxJointType jointType) : type(jointType) {}
    NxJointDesc(const NxJointDesc&) = default;
    NxJointDesc& operator=(const NxJointDesc&) = default;

private:
    NxJointType type;
};
