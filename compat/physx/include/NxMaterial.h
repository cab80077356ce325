// A surface material of a scene, addressed by its index.
#pragma once

#include "NxMaterialDesc.h"

class NxScene;

class NxMaterial
{
public:
    virtual NxScene& getScene() const = 0;
    virtual NxMaterialIndex getMaterialIndex() = 0;

    // Takes every value of the descriptor; an invalid one changes nothing and
    // writes an error line.
    virtual void loadFromDesc(const NxMaterialDesc& desc) = 0;
    virtual void saveToDesc(NxMaterialDesc& desc) const = 0;

    // A negative friction or a restitution outside 0..1 is refused with an
    // error line.
    virtual void setDynamicFriction(NxReal coef) = 0;
    virtual NxReal getDynamicFriction() const = 0;
    virtual void setStaticFriction(NxReal coef) = 0;
    virtual NxReal getStaticFriction() const = 0;
    virtual void setRestitution(NxReal rest) = 0;
    virtual NxReal getRestitution() const = 0;
    virtual void setFrictionCombineMode(NxCombineMode mode) = 0;
    virtual NxCombineMode getFrictionCombineMode() const = 0;
    virtual void setRestitutionCombineMode(NxCombineMode mode) = 0;
    virtual NxCombineMode getRestitutionCombineMode() const = 0;

    void* userData = nullptr;

protected:
    virtual ~NxMaterial() = default;
};
