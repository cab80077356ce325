// An actor: a Bullet rigid body with the actor's one shape. Static actors are
// bodies of zero mass. Forces given with NX_FORCE or NX_ACCELERATION gather
// until the next simulate, act through each of its steps and are then cleared.
// A body sleeps once it has been slow for the wake-up time (0.4 s), by Bullet's
// own test of speed and turn rate, or by kinetic energy (the SDK's default):
// then Bullet's test always passes and a body with too much energy after a
// step has its stillness time reset.
#pragma once

#include "shape.h"

#include <NxPhysics.h>

#include <btBulletDynamicsCommon.h>

#include <memory>

namespace compat::physx
{

class Scene;
struct Parameters;

class Actor final : public NxActor
{
public:
    // `desc` is valid for `scene`. The body joins the scene's world.
    Actor(Scene& scene, const NxActorDesc& desc, const Parameters& parameters);
    ~Actor() override;

    NxScene& getScene() const override;
    const char* getName() const override { return name_; }
    bool isDynamic() const override { return dynamic_; }
    NxU32 getNbShapes() const override { return 1; }
    NxShape* const* getShapes() const override { return shapes_; }

    NxMat34 getGlobalPose() const override;
    NxVec3 getGlobalPosition() const override;
    NxMat33 getGlobalOrientation() const override;
    NxQuat getGlobalOrientationQuat() const override;
    void setGlobalPosition(const NxVec3& vec) override;

    NxReal getMass() const override { return mass_; }
    NxVec3 getMassSpaceInertiaTensor() const override { return inertia_; }
    NxVec3 getLinearVelocity() const override;
    void setLinearVelocity(const NxVec3& linVel) override;
    NxVec3 getAngularVelocity() const override;
    void setAngularVelocity(const NxVec3& angVel) override;
    NxReal getLinearDamping() const override { return linearDamping_; }
    NxReal getAngularDamping() const override { return angularDamping_; }
    NxReal getMaxAngularVelocity() const override { return maxAngularVelocity_; }
    NxU32 getSolverIterationCount() const override { return solverIterations_; }

    void addForce(const NxVec3& force, NxForceMode mode, bool wakeup) override;
    void addLocalForce(const NxVec3& force, NxForceMode mode, bool wakeup) override;

    bool isSleeping() const override;
    void wakeUp(NxReal wakeCounterValue) override;
    void putToSleep() override;

    Scene& OwnScene() const { return scene_; }
    Shape& OnlyShape() const { return *shape_; }
    btRigidBody& Body() const { return *body_; }

    // Around each step of a simulate, and after the simulate.
    void BeforeStep();
    void AfterStep();
    void AfterSimulate() { pendingForce_.setZero(); }

private:
    // True, after an error line naming `call`, when the actor is static.
    bool RefuseStatic(const char* call) const;
    void AddWorldForce(const btVector3& force, NxForceMode mode, bool wakeup, const char* call);
    btScalar EnergyPerKilogram() const;

    Scene& scene_;
    const char* name_;
    bool dynamic_;
    NxReal mass_ = 0;
    NxVec3 inertia_;
    NxReal linearDamping_ = 0;
    NxReal angularDamping_ = 0;
    NxReal maxAngularVelocity_ = 0;
    NxU32 solverIterations_ = 0;
    std::unique_ptr<Shape> shape_;
    NxShape* shapes_[1];
    std::unique_ptr<btRigidBody> body_;
    btVector3 pendingForce_{0, 0, 0};
    // Kinetic energy per kilogram below which the body may sleep; below 0,
    // Bullet's own test of speed and turn rate decides.
    NxReal sleepEnergy_ = -1;
};

} // namespace compat::physx
