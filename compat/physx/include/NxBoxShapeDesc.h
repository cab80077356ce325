// A box, given by its half extents.
#pragma once

#include "NxShapeDesc.h"

class NxBoxShapeDesc : public NxShapeDesc
{
public:
    NxVec3 dimensions; // half extents, each above 0

    NxBoxShapeDesc() : NxShapeDesc(NX_SHAPE_BOX) { setToDefault(); }
    void setToDefault() override
    {
        NxShapeDesc::setToDefault();
        dimensions.zero();
    }
    bool isValid() const override;
};
