// A sphere about the shape's origin.
#pragma once

#include "NxShapeDesc.h"

class NxSphereShapeDesc : public NxShapeDesc
{
public:
    NxReal radius; // above 0

    NxSphereShapeDesc() : NxShapeDesc(NX_SHAPE_SPHERE) { setToDefault(); }
    void setToDefault() override
    {
        NxShapeDesc::setToDefault();
        radius = 1;
    }
    bool isValid() const override;
};
