// What an actor is made with: its shapes, its pose and, when dynamic, its body.
#pragma once

#include "NxArray.h"
#include "NxBodyDesc.h"
#include "NxMat34.h"
#include "NxShapeDesc.h"

class NxActorDesc
{
public:
    // Exactly one shape is supported (box, sphere, or a plane on a static actor).
    NxArray<NxShapeDesc*> shapes;
    // Null for a static actor.
    const NxBodyDesc* body;
    // kg/m^3; used when the body gives no mass. 0 with a mass of 0 is invalid.
    NxReal density;
    NxMat34 globalPose;
    const char* name;
    void* userData;

    NxActorDesc() { setToDefault(); }
    void setToDefault()
    {
        shapes.clear();
        body = nullptr;
        density = 0;
        globalPose.id();
        name = nullptr;
        userData = nullptr;
    }
    bool isValid() const;
};
