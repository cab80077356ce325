// A joint of a scene, and the six-degree-of-freedom joint.
#pragma once

#include "NxD6JointDesc.h"

class NxActor;
class NxD6Joint;
class NxScene;

class NxJoint
{
public:
    virtual NxScene& getScene() const = 0;
    virtual NxJointType getType() const = 0;
    virtual NxD6Joint* isD6Joint() = 0;
    // Null stands for the fixed world.
    virtual void getActors(NxActor** actor1, NxActor** actor2) = 0;
    // Where the joint is now, as seen from the first actor.
    virtual NxVec3 getGlobalAnchor() const = 0;
    virtual NxVec3 getGlobalAxis() const = 0;
    virtual const char* getName() const = 0;

    void* userData = nullptr;

protected:
    virtual ~NxJoint() = default;
};

class NxD6Joint : public NxJoint
{
public:
    // The descriptor the joint was made with.
    virtual void saveToDesc(NxD6JointDesc& desc) = 0;
};
