// The six-degree-of-freedom joint on Bullet's btGeneric6DofSpring2Constraint.
// Locked motions have equal lower and upper limits, free ones a lower limit
// above the upper. A soft limit (spring > 0) is the constraint's stop with an
// ERP and CFM that make it a spring and damper beyond the limit.
//
// Bullet also holds a limited motion back inside its limits, so that it
// reaches a limit no faster than ERP times the distance per step; with the
// small ERP of a soft limit that brakes the free slide. So each step a
// limited linear motion is made free while inside its limits, and given only
// the limit it is beyond otherwise.
#pragma once

#include <NxPhysics.h>

#include <btBulletDynamicsCommon.h>

#include <array>
#include <memory>

namespace compat::physx
{

class Actor;
class Scene;

class D6Joint final : public NxD6Joint
{
public:
    // `desc` is valid; null actors stand for the fixed world. The constraint
    // joins the scene's world; the two actors no longer collide unless the
    // descriptor has NX_JF_COLLISION_ENABLED.
    D6Joint(Scene& scene, const NxD6JointDesc& desc, Actor* actor0, Actor* actor1);
    ~D6Joint() override;

    NxScene& getScene() const override;
    NxJointType getType() const override { return NX_JOINT_D6; }
    NxD6Joint* isD6Joint() override { return this; }
    void getActors(NxActor** actor1, NxActor** actor2) override;
    NxVec3 getGlobalAnchor() const override;
    NxVec3 getGlobalAxis() const override;
    const char* getName() const override { return desc_.name; }
    void saveToDesc(NxD6JointDesc& desc) override { desc = desc_; }

    // Sets the soft limits' ERP and CFM for steps of `step` seconds.
    void Tune(NxReal step);
    // Before each step: frees or limits each limited linear motion.
    void BeforeStep();

private:
    // A soft limit on one of Bullet's six axes (0-2 linear, 3-5 angular).
    struct SoftLimit
    {
        int axis;
        NxReal spring;
        NxReal damping;
        // What the limit's row moves like, in kg (or kg m^2 for a turn).
        NxReal effectiveMass;
    };

    void SetLimits();
    void AddSoftLimit(int axis, const NxJointLimitSoftDesc& limit);
    // The joint's axis `axis` (0 x, 1 y, 2 z) in world axes, from actor 0.
    btVector3 WorldAxis(int axis) const;
    btScalar EffectiveMass(int axis) const;

    Scene& scene_;
    NxD6JointDesc desc_;
    Actor* actors_[2];
    std::unique_ptr<btGeneric6DofSpring2Constraint> constraint_;
    std::array<SoftLimit, 6> softLimits_{};
    int softLimitCount_ = 0;
    // The linear axes (0-2) limited with a value above 0.
    std::array<int, 3> limitedLinear_{};
    int limitedLinearCount_ = 0;
};

} // namespace compat::physx
