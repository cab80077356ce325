#include "material.h"

#include "actor.h"
#include "errors.h"
#include "scene.h"
#include "validation.h"

#include <BulletCollision/CollisionDispatch/btManifoldResult.h>

#include <algorithm>

namespace compat::physx
{

Material::Material(Scene& scene, NxMaterialIndex index, const NxMaterialDesc& desc)
    : scene_(scene), index_(index), desc_(desc)
{
}

NxScene& Material::getScene() const
{
    return scene_;
}

void Material::Change(const NxMaterialDesc& changed, const char* call)
{
    if (const std::string problem = ProblemWith(changed); !problem.empty())
    {
        ReportError("NxMaterial::%s: %s", call, problem.c_str());
        return;
    }
    desc_ = changed;
}

void Material::loadFromDesc(const NxMaterialDesc& desc)
{
    Change(desc, "loadFromDesc");
}

void Material::setDynamicFriction(NxReal coef)
{
    NxMaterialDesc changed = desc_;
    changed.dynamicFriction = coef;
    Change(changed, "setDynamicFriction");
}

void Material::setStaticFriction(NxReal coef)
{
    NxMaterialDesc changed = desc_;
    changed.staticFriction = coef;
    Change(changed, "setStaticFriction");
}

void Material::setRestitution(NxReal rest)
{
    NxMaterialDesc changed = desc_;
    changed.restitution = rest;
    Change(changed, "setRestitution");
}

void Material::setFrictionCombineMode(NxCombineMode mode)
{
    NxMaterialDesc changed = desc_;
    changed.frictionCombineMode = mode;
    Change(changed, "setFrictionCombineMode");
}

void Material::setRestitutionCombineMode(NxCombineMode mode)
{
    NxMaterialDesc changed = desc_;
    changed.restitutionCombineMode = mode;
    Change(changed, "setRestitutionCombineMode");
}

NxReal CombineMaterialValues(NxCombineMode modeA, NxReal a, NxCombineMode modeB, NxReal b)
{
    switch (std::max(modeA, modeB))
    {
    case NX_CM_AVERAGE:
        return (a + b) / 2;
    case NX_CM_MIN:
        return std::min(a, b);
    case NX_CM_MULTIPLY:
        return a * b;
    case NX_CM_MAX:
        return std::max(a, b);
    }
    return (a + b) / 2;
}

namespace
{

const Material& MaterialOf(const btCollisionObject* object)
{
    // Shapes only take indices the scene has, and materials are never released.
    const Actor& actor = *static_cast<const Actor*>(object->getUserPointer());
    return *actor.OwnScene().FindMaterial(actor.OnlyShape().getMaterial());
}

btScalar CombinedFriction(const btCollisionObject* a, const btCollisionObject* b)
{
    const Material& ma = MaterialOf(a);
    const Material& mb = MaterialOf(b);
    return CombineMaterialValues(ma.getFrictionCombineMode(), ma.getDynamicFriction(),
                                 mb.getFrictionCombineMode(), mb.getDynamicFriction());
}

btScalar CombinedRestitution(const btCollisionObject* a, const btCollisionObject* b)
{
    const Material& ma = MaterialOf(a);
    const Material& mb = MaterialOf(b);
    return CombineMaterialValues(ma.getRestitutionCombineMode(), ma.getRestitution(),
                                 mb.getRestitutionCombineMode(), mb.getRestitution());
}

} // namespace

void InstallMaterialCombiners()
{
    gCalculateCombinedFrictionCallback = CombinedFriction;
    gCalculateCombinedRestitutionCallback = CombinedRestitution;
}

} // namespace compat::physx
