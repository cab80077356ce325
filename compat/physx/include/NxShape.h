// A collision shape of an actor.
#pragma once

#include "NxShapeDesc.h"

class NxActor;

class NxShape
{
public:
    virtual NxActor& getActor() const = 0;
    virtual NxShapeType getType() const = 0;
    virtual NxReal getSkinWidth() const = 0;
    virtual NxMaterialIndex getMaterial() const = 0;
    // An index the scene does not have is refused with an error line.
    virtual void setMaterial(NxMaterialIndex index) = 0;
    virtual const char* getName() const = 0;

    void* userData = nullptr;

protected:
    virtual ~NxShape() = default;
};
