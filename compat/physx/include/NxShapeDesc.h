// What every shape is made with; the kinds of shape derive from it.
#pragma once

#include "NxMat34.h"

enum NxShapeType : int
{
    NX_SHAPE_PLANE = 0,
    NX_SHAPE_SPHERE = 1,
    NX_SHAPE_BOX = 2,
};

class NxShapeDesc
{
public:
    // Only the identity is supported: each actor's one shape sits at its origin.
    NxMat34 localPose;
    NxMaterialIndex materialIndex;
    // How deep the shape rests inside another one; below 0, the SDK's
    // NX_SKIN_WIDTH at the moment the shape is created.
    NxReal skinWidth;
    const char* name;
    void* userData;

    virtual ~NxShapeDesc() = default;
    NxShapeType getType() const { return type; }
    virtual void setToDefault()
    {
        localPose.id();
        materialIndex = 0;
        skinWidth = -1;
        name = nullptr;
        userData = nullptr;
    }
    virtual bool isValid() const;

protected:
    explicit NxShapeDesc(NxShapeType shapeType) : type(shapeType) { setToDefault(); }
    NxShapeDesc(const NxShapeDesc&) = default;
    NxShapeDesc& operator=(const NxShapeDesc&) = default;

private:
    NxShapeType type;
};
