// A surface material of a scene, and how two of them combine in a contact.
#pragma once

#include <NxPhysics.h>

namespace compat::physx
{

class Scene;

class Material final : public NxMaterial
{
public:
    Material(Scene& scene, NxMaterialIndex index, const NxMaterialDesc& desc);

    NxScene& getScene() const override;
    NxMaterialIndex getMaterialIndex() override { return index_; }
    void loadFromDesc(const NxMaterialDesc& desc) override;
    void saveToDesc(NxMaterialDesc& desc) const override { desc = desc_; }
    void setDynamicFriction(NxReal coef) override;
    NxReal getDynamicFriction() const override { return desc_.dynamicFriction; }
    void setStaticFriction(NxReal coef) override;
    NxReal getStaticFriction() const override { return desc_.staticFriction; }
    void setRestitution(NxReal rest) override;
    NxReal getRestitution() const override { return desc_.restitution; }
    void setFrictionCombineMode(NxCombineMode mode) override;
    NxCombineMode getFrictionCombineMode() const override { return desc_.frictionCombineMode; }
    void setRestitutionCombineMode(NxCombineMode mode) override;
    NxCombineMode getRestitutionCombineMode() const override
    {
        return desc_.restitutionCombineMode;
    }

private:
    // Takes `changed` if it is valid; otherwise writes an error line for `call`.
    void Change(const NxMaterialDesc& changed, const char* call);

    Scene& scene_;
    NxMaterialIndex index_;
    NxMaterialDesc desc_;
};

// The value two materials give together, by the higher of their two modes.
NxReal CombineMaterialValues(NxCombineMode modeA, NxReal a, NxCombineMode modeB, NxReal b);

// Makes Bullet combine friction and restitution of two shapes in contact from
// their materials, as the SDK does. Bullet has a single friction coefficient:
// it gets the combined dynamic friction.
void InstallMaterialCombiners();

} // namespace compat::physx
