// The six-degree-of-freedom joint: each linear motion along the joint's x, y, z
// and each turn (twist about x, swing1 about y, swing2 about z) is free,
// limited or locked.
#pragma once

#include "NxJointDesc.h"
#include "NxJointLimitSoftDesc.h"

enum NxD6JointMotion : int
{
    NX_D6JOINT_MOTION_LOCKED = 0,
    NX_D6JOINT_MOTION_LIMITED = 1,
    NX_D6JOINT_MOTION_FREE = 2,
};

enum NxJointProjectionMode : int
{
    NX_JPM_NONE = 0, // the only mode supported
    NX_JPM_POINT_MINDIST = 1,
    NX_JPM_LINEAR_MINDIST = 2,
};

class NxD6JointDesc : public NxJointDesc
{
public:
    NxD6JointMotion xMotion, yMotion, zMotion;
    NxD6JointMotion swing1Motion, swing2Motion, twistMotion;
    // Applies to each limited linear motion alone (+-value along its axis).
    NxJointLimitSoftDesc linearLimit;
    NxJointLimitSoftDesc swing1Limit;
    NxJointLimitSoftDesc swing2Limit;
    NxJointLimitSoftPairDesc twistLimit;
    NxJointProjectionMode projectionMode;
    NxReal projectionDistance;
    NxReal projectionAngle;

    NxD6JointDesc() : NxJointDesc(NX_JOINT_D6) { setToDefault(); }
    void setToDefault() override
    {
        NxJointDesc::setToDefault();
        xMotion = yMotion = zMotion = NX_D6JOINT_MOTION_FREE;
        swing1Motion = swing2Motion = twistMotion = NX_D6JOINT_MOTION_FREE;
        linearLimit.setToDefault();
        swing1Limit.setToDefault();
        swing2Limit.setToDefault();
        twistLimit.setToDefault();
        projectionMode = NX_JPM_NONE;
        projectionDistance = 0.1f;
        projectionAngle = 0.0872f;
    }
    bool isValid() const override;
};
