// What a scene is made with: gravity and the timing of its steps.
#pragma once

#include "NxVec3.h"

enum NxTimeStepMethod : int
{
    NX_TIMESTEP_FIXED = 0,    // steps of maxTimestep, at most maxIter per simulate
    NX_TIMESTEP_VARIABLE = 1, // one step of the elapsed time per simulate
};

class NxSceneDesc
{
public:
    NxVec3 gravity;
    NxReal maxTimestep;
    NxU32 maxIter;
    NxTimeStepMethod timeStepMethod;
    void* userData;

    NxSceneDesc() { setToDefault(); }
    void setToDefault()
    {
        gravity.zero();
        maxTimestep = 1.0f / 60.0f;
        maxIter = 8;
        timeStepMethod = NX_TIMESTEP_FIXED;
        userData = nullptr;
    }
    bool isValid() const;
};
