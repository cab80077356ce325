// The half-space below the plane normal . p = d; for static actors only.
#pragma once

#include "NxShapeDesc.h"

class NxPlaneShapeDesc : public NxShapeDesc
{
public:
    NxVec3 normal; // of unit length
    NxReal d;

    NxPlaneShapeDesc() : NxShapeDesc(NX_SHAPE_PLANE) { setToDefault(); }
    void setToDefault() override
    {
        NxShapeDesc::setToDefault();
        normal.set(0, 1, 0);
        d = 0;
    }
    bool isValid() const override;
};
