// What a surface material is made with: friction, bounce and how two
// materials in contact combine them.
#pragma once

#include "NxSimpleTypes.h"

enum NxCombineMode : int
{
    NX_CM_AVERAGE = 0,
    NX_CM_MIN = 1,
    NX_CM_MULTIPLY = 2,
    NX_CM_MAX = 3,
};

class NxMaterialDesc
{
public:
    NxReal dynamicFriction; // 0 and up
    NxReal staticFriction;  // 0 and up
    NxReal restitution;     // 0 (no bounce) to 1
    // When two materials meet, the higher mode of the two decides.
    NxCombineMode frictionCombineMode;
    NxCombineMode restitutionCombineMode;

    NxMaterialDesc() { setToDefault(); }
    void setToDefault()
    {
        dynamicFriction = 0;
        staticFriction = 0;
        restitution = 0;
        frictionCombineMode = NX_CM_AVERAGE;
        restitutionCombineMode = NX_CM_AVERAGE;
    }
    bool isValid() const;
};
