// A rigid actor of a scene: static (no body) or dynamic.
#pragma once

#include "NxMat34.h"

class NxScene;
class NxShape;

enum NxForceMode : int
{
    NX_FORCE = 0,                  // newtons, through every step of the next simulate
    NX_IMPULSE = 1,                // newton seconds, at once
    NX_VELOCITY_CHANGE = 2,        // m/s, at once, whatever the mass
    NX_SMOOTH_IMPULSE = 3,         // not supported
    NX_SMOOTH_VELOCITY_CHANGE = 4, // not supported
    NX_ACCELERATION = 5,           // m/s^2, through every step of the next simulate
};

class NxActor
{
public:
    virtual NxScene& getScene() const = 0;
    virtual const char* getName() const = 0;
    virtual bool isDynamic() const = 0;

    virtual NxU32 getNbShapes() const = 0;
    virtual NxShape* const* getShapes() const = 0;

    virtual NxMat34 getGlobalPose() const = 0;
    virtual NxVec3 getGlobalPosition() const = 0;
    virtual NxMat33 getGlobalOrientation() const = 0;
    virtual NxQuat getGlobalOrientationQuat() const = 0;
    // Moves a dynamic actor there at once and wakes it; its orientation and
    // velocities stay as they are.
    virtual void setGlobalPosition(const NxVec3& vec) = 0;

    virtual NxReal getMass() const = 0;
    virtual NxVec3 getMassSpaceInertiaTensor() const = 0;
    virtual NxVec3 getLinearVelocity() const = 0;
    virtual void setLinearVelocity(const NxVec3& linVel) = 0;
    virtual NxVec3 getAngularVelocity() const = 0;
    virtual void setAngularVelocity(const NxVec3& angVel) = 0;
    virtual NxReal getLinearDamping() const = 0;
    virtual NxReal getAngularDamping() const = 0;
    virtual NxReal getMaxAngularVelocity() const = 0;
    virtual NxU32 getSolverIterationCount() const = 0;

    // Force or velocity change at the centre of mass, in world axes or in the
    // actor's own axes.
    virtual void addForce(const NxVec3& force, NxForceMode mode = NX_FORCE, bool wakeup = true) = 0;
    virtual void addLocalForce(const NxVec3& force, NxForceMode mode = NX_FORCE,
                               bool wakeup = true) = 0;

    virtual bool isSleeping() const = 0;
    virtual void wakeUp(NxReal wakeCounterValue = NX_SLEEP_INTERVAL) = 0;
    virtual void putToSleep() = 0;

    void* userData = nullptr;

protected:
    virtual ~NxActor() = default;
};
