#include "shape.h"

#include "actor.h"
#include "convert.h"
#include "errors.h"
#include "scene.h"
#include "validation.h"

#include <algorithm>

namespace compat::physx
{

namespace
{
constexpr NxReal kPi = 3.14159265358979323846f;
// Bullet's usual collision margin; boxes smaller than twice it get a smaller one.
constexpr btScalar kBoxMargin = 0.04f;
} // namespace

std::string ProblemWithSkin(const NxShapeDesc& desc, NxReal skinWidth)
{
    if (desc.getType() == NX_SHAPE_SPHERE)
    {
        const NxReal radius = static_cast<const NxSphereShapeDesc&>(desc).radius;
        if (radius <= skinWidth)
            return Format("sphere radius %g is not larger than its skin width %g", double(radius),
                          double(skinWidth));
    }
    if (desc.getType() == NX_SHAPE_BOX)
    {
        const NxVec3& d = static_cast<const NxBoxShapeDesc&>(desc).dimensions;
        if (std::min({d.x, d.y, d.z}) <= skinWidth)
            return Format("box half extents (%g, %g, %g) are not all larger than the skin width %g",
                          double(d.x), double(d.y), double(d.z), double(skinWidth));
    }
    return {};
}

Shape::Shape(Actor& actor, const NxShapeDesc& desc, NxReal skinWidth)
    : actor_(actor), type_(desc.getType()), skinWidth_(skinWidth), material_(desc.materialIndex),
      name_(desc.name)
{
    userData = desc.userData;
    switch (type_)
    {
    case NX_SHAPE_SPHERE:
    {
        const NxReal radius = static_cast<const NxSphereShapeDesc&>(desc).radius;
        size_ = NxVec3(radius);
        collision_ = std::make_unique<btSphereShape>(radius - skinWidth);
        break;
    }
    case NX_SHAPE_BOX:
    {
        size_ = static_cast<const NxBoxShapeDesc&>(desc).dimensions;
        const btVector3 shrunk = ToBullet(size_ - NxVec3(skinWidth));
        auto box = std::make_unique<btBoxShape>(shrunk);
        box->setMargin(std::min(kBoxMargin, std::min({shrunk.x(), shrunk.y(), shrunk.z()}) / 2));
        collision_ = std::move(box);
        break;
    }
    case NX_SHAPE_PLANE:
    {
        const auto& plane = static_cast<const NxPlaneShapeDesc&>(desc);
        collision_ =
            std::make_unique<btStaticPlaneShape>(ToBullet(plane.normal), plane.d - skinWidth);
        break;
    }
    }
}

Shape::~Shape() = default;

NxActor& Shape::getActor() const
{
    return actor_;
}

void Shape::setMaterial(NxMaterialIndex index)
{
    if (!actor_.OwnScene().FindMaterial(index))
    {
        ReportError("NxShape::setMaterial: the scene has no material %u", unsigned(index));
        return;
    }
    material_ = index;
}

NxReal Shape::Volume() const
{
    if (type_ == NX_SHAPE_SPHERE)
        return 4.0f / 3.0f * kPi * size_.x * size_.x * size_.x;
    if (type_ == NX_SHAPE_BOX)
        return 8 * size_.x * size_.y * size_.z;
    return 0;
}

NxVec3 Shape::InertiaPerKilogram() const
{
    if (type_ == NX_SHAPE_SPHERE)
        return NxVec3(0.4f * size_.x * size_.x);
    if (type_ == NX_SHAPE_BOX)
    {
        const NxVec3 s(size_.x * size_.x, size_.y * size_.y, size_.z * size_.z);
        return NxVec3(s.y + s.z, s.x + s.z, s.x + s.y) / 3;
    }
    return NxVec3();
}

} // namespace compat::physx
