// The limits of a joint's motions.
#pragma once

#include "NxSimpleTypes.h"

// A limit at +-value. With spring 0 it is hard (restitution says how much the
// motion bounces off it); with spring > 0 the motion is free within it and a
// spring and damper pull it back beyond it.
class NxJointLimitSoftDesc
{
public:
    NxReal value = 0;       // metres, or radians for a swing
    NxReal restitution = 0; // 0..1
    NxReal spring = 0;      // N/m or N m/rad, 0 and up
    NxReal damping = 0;     // N s/m or N m s/rad, 0 and up

    void setToDefault() { *this = NxJointLimitSoftDesc(); }
};

// The twist's lower and upper limits, radians.
class NxJointLimitSoftPairDesc
{
public:
    NxJointLimitSoftDesc low;
    NxJointLimitSoftDesc high;

    void setToDefault() { *this = NxJointLimitSoftPairDesc(); }
};
