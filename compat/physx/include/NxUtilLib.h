// The SDK's utility library: here, the joint descriptors' global set-up.
#pragma once

#include "NxJointDesc.h"

class NxUtilLib
{
public:
    // localAnchor[i] = the global anchor in actor i's frame (global for null).
    virtual void NxJointDesc_SetGlobalAnchor(NxJointDesc& dis, const NxVec3& wsAnchor) = 0;
    // localAxis[i] = the global axis, normalised, in actor i's frame, and
    // localNormal[i] a unit normal to it; a zero axis is refused with an error
    // line and leaves the descriptor as it was.
    virtual void NxJointDesc_SetGlobalAxis(NxJointDesc& dis, const NxVec3& wsAxis) = 0;

protected:
    virtual ~NxUtilLib() = default;
};

NxUtilLib* NxGetUtilLib();
