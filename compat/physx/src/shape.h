// An actor's collision shape. Bullet gets the shape shrunk by its skin width
// (sphere radius, box half extents, plane offset), so that two shapes resting
// on each other overlap by the sum of their skin widths, as in the SDK.
#pragma once

#include <NxPhysics.h>

#include <btBulletDynamicsCommon.h>

#include <memory>
#include <string>

namespace compat::physx
{

class Actor;

class Shape final : public NxShape
{
public:
    // `desc` is valid and `skinWidth` leaves the shape some size.
    Shape(Actor& actor, const NxShapeDesc& desc, NxReal skinWidth);
    ~Shape() override;

    NxActor& getActor() const override;
    NxShapeType getType() const override { return type_; }
    NxReal getSkinWidth() const override { return skinWidth_; }
    NxMaterialIndex getMaterial() const override { return material_; }
    void setMaterial(NxMaterialIndex index) override;
    const char* getName() const override { return name_; }

    btCollisionShape& Collision() { return *collision_; }
    // Volume and principal moments of inertia per kilogram, of the full shape.
    NxReal Volume() const;
    NxVec3 InertiaPerKilogram() const;

private:
    Actor& actor_;
    NxShapeType type_;
    NxReal skinWidth_;
    NxMaterialIndex material_;
    const char* name_;
    NxVec3 size_; // box half extents, or the sphere radius in x
    std::unique_ptr<btCollisionShape> collision_;
};

// Why the skin width leaves nothing of the shape; empty when it leaves some.
std::string ProblemWithSkin(const NxShapeDesc& desc, NxReal skinWidth);

} // namespace compat::physx
