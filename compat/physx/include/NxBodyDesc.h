// What makes an actor dynamic: its mass, motion and sleeping.
#pragma once

#include "NxVec3.h"

enum NxBodyFlag : int
{
    NX_BF_VISUALIZATION = (1 << 8),      // no effect here
    NX_BF_ENERGY_SLEEP_TEST = (1 << 11), // sleep by kinetic energy, not by speeds
};

class NxBodyDesc
{
public:
    // Mass in kg; 0 lets the actor's density and shapes give it.
    NxReal mass;
    // Principal moments of inertia; zero takes them from the shapes.
    NxVec3 massSpaceInertia;
    NxVec3 linearVelocity;
    NxVec3 angularVelocity;
    // Seconds the body stays awake at least.
    NxReal wakeUpCounter;
    // Velocity lost per second, as a rate: v' = -damping * v.
    NxReal linearDamping;
    NxReal angularDamping;
    // Below 0: the SDK's NX_MAX_ANGULAR_VELOCITY.
    NxReal maxAngularVelocity;
    // NX_BF_VISUALIZATION and NX_BF_ENERGY_SLEEP_TEST only.
    NxU32 flags;
    // With NX_BF_ENERGY_SLEEP_TEST: the body may sleep while its kinetic energy
    // per kilogram, (v.v + w.Iw / m) / 2, stays below this; below 0: 0.005.
    NxReal sleepEnergyThreshold;
    // Otherwise: while its speed and turn rate stay below these; below 0: the
    // SDK's defaults (square roots of the squared parameters).
    NxReal sleepLinearVelocity;
    NxReal sleepAngularVelocity;
    // Constraint solver passes; the most that any body of the scene asks for
    // is used for the whole scene.
    NxU32 solverIterationCount;

    NxBodyDesc() { setToDefault(); }
    void setToDefault()
    {
        mass = 0;
        massSpaceInertia.zero();
        linearVelocity.zero();
        angularVelocity.zero();
        wakeUpCounter = NX_SLEEP_INTERVAL;
        linearDamping = 0;
        angularDamping = 0.05f;
        maxAngularVelocity = -1;
        flags = NX_BF_VISUALIZATION | NX_BF_ENERGY_SLEEP_TEST;
        sleepEnergyThreshold = -1;
        sleepLinearVelocity = -1;
        sleepAngularVelocity = -1;
        solverIterationCount = 4;
    }
    bool isValid() const;
};
