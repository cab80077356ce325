#include "actor.h"

#include "convert.h"
#include "errors.h"
#include "scene.h"
#include "sdk.h"

#include <cmath>

namespace compat::physx
{

namespace
{

// The SDK's damping is a rate (v' = -c v); Bullet keeps (1 - d)^t of the
// velocity after t seconds. Both lose the same in any time: 1 - d = e^-c.
btScalar BulletDamping(NxReal rate)
{
    return btScalar(1 - std::exp(-double(rate)));
}

// The SDK's default energy per kilogram below which a body may sleep (J/kg).
constexpr NxReal kDefaultSleepEnergy = 0.005f;
// Sleep thresholds that Bullet's speed test always passes.
constexpr btScalar kAlwaysSlow = 1e18f;

// A body's own setting, or the SDK's when the body leaves it below 0.
NxReal OwnOrDefault(NxReal own, NxReal sdkDefault)
{
    return own >= 0 ? own : sdkDefault;
}

} // namespace

Actor::Actor(Scene& scene, const NxActorDesc& desc, const Parameters& parameters)
    : scene_(scene), name_(desc.name), dynamic_(desc.body != nullptr)
{
    userData = desc.userData;
    const NxShapeDesc& shapeDesc = *desc.shapes[0];
    shape_ = std::make_unique<Shape>(
        *this, shapeDesc, shapeDesc.skinWidth >= 0 ? shapeDesc.skinWidth : parameters.skinWidth);
    shapes_[0] = shape_.get();

    btRigidBody::btRigidBodyConstructionInfo info(0, nullptr, &shape_->Collision());
    info.m_startWorldTransform = ToBullet(desc.globalPose);
    if (dynamic_)
    {
        const NxBodyDesc& body = *desc.body;
        mass_ = body.mass > 0 ? body.mass : desc.density * shape_->Volume();
        inertia_ = body.massSpaceInertia.isZero() ? shape_->InertiaPerKilogram() * mass_
                                                  : body.massSpaceInertia;
        linearDamping_ = body.linearDamping;
        angularDamping_ = body.angularDamping;
        maxAngularVelocity_ = OwnOrDefault(body.maxAngularVelocity, parameters.maxAngularVelocity);
        solverIterations_ = body.solverIterationCount;
        info.m_mass = mass_;
        info.m_localInertia = ToBullet(inertia_);
        info.m_linearDamping = BulletDamping(linearDamping_);
        info.m_angularDamping = BulletDamping(angularDamping_);
        if (body.flags & NX_BF_ENERGY_SLEEP_TEST)
        {
            sleepEnergy_ = OwnOrDefault(body.sleepEnergyThreshold, kDefaultSleepEnergy);
            info.m_linearSleepingThreshold = info.m_angularSleepingThreshold = kAlwaysSlow;
        }
        else
        {
            info.m_linearSleepingThreshold = OwnOrDefault(
                body.sleepLinearVelocity, std::sqrt(parameters.sleepLinearVelocitySquared));
            info.m_angularSleepingThreshold = OwnOrDefault(
                body.sleepAngularVelocity, std::sqrt(parameters.sleepAngularVelocitySquared));
        }
    }
    body_ = std::make_unique<btRigidBody>(info);
    body_->setUserPointer(this);
    if (dynamic_)
    {
        body_->setLinearVelocity(ToBullet(desc.body->linearVelocity));
        body_->setAngularVelocity(ToBullet(desc.body->angularVelocity));
        // Awake for at least wakeUpCounter seconds of stillness.
        body_->setDeactivationTime(gDeactivationTime - desc.body->wakeUpCounter);
    }
    scene_.World().addRigidBody(body_.get());
}

Actor::~Actor()
{
    scene_.World().removeRigidBody(body_.get());
}

NxScene& Actor::getScene() const
{
    return scene_;
}

NxMat34 Actor::getGlobalPose() const
{
    return ToNx(body_->getWorldTransform());
}

NxVec3 Actor::getGlobalPosition() const
{
    return ToNx(body_->getWorldTransform().getOrigin());
}

NxMat33 Actor::getGlobalOrientation() const
{
    return ToNx(body_->getWorldTransform().getBasis());
}

NxQuat Actor::getGlobalOrientationQuat() const
{
    return ToNx(body_->getWorldTransform().getRotation());
}

bool Actor::RefuseStatic(const char* call) const
{
    if (!dynamic_)
        ReportError("NxActor::%s: the actor is static", call);
    return !dynamic_;
}

void Actor::setGlobalPosition(const NxVec3& vec)
{
    if (RefuseStatic("setGlobalPosition"))
        return;
    if (!vec.isFinite())
    {
        ReportError("NxActor::setGlobalPosition: the position is not finite");
        return;
    }
    btTransform pose = body_->getWorldTransform();
    pose.setOrigin(ToBullet(vec));
    body_->setWorldTransform(pose);
    body_->setInterpolationWorldTransform(pose);
    scene_.World().updateSingleAabb(body_.get());
    body_->activate(true);
}

NxVec3 Actor::getLinearVelocity() const
{
    return ToNx(body_->getLinearVelocity());
}

NxVec3 Actor::getAngularVelocity() const
{
    return ToNx(body_->getAngularVelocity());
}

void Actor::setLinearVelocity(const NxVec3& linVel)
{
    if (RefuseStatic("setLinearVelocity"))
        return;
    if (!linVel.isFinite())
    {
        ReportError("NxActor::setLinearVelocity: the velocity is not finite");
        return;
    }
    body_->setLinearVelocity(ToBullet(linVel));
    body_->activate(true);
}

void Actor::setAngularVelocity(const NxVec3& angVel)
{
    if (RefuseStatic("setAngularVelocity"))
        return;
    if (!angVel.isFinite())
    {
        ReportError("NxActor::setAngularVelocity: the velocity is not finite");
        return;
    }
    body_->setAngularVelocity(ToBullet(angVel));
    body_->activate(true);
}

void Actor::AddWorldForce(const btVector3& force, NxForceMode mode, bool wakeup, const char* call)
{
    if (RefuseStatic(call))
        return;
    if (!ToNx(force).isFinite())
    {
        ReportError("NxActor::%s: the force is not finite", call);
        return;
    }
    switch (mode)
    {
    case NX_FORCE:
        pendingForce_ += force;
        break;
    case NX_ACCELERATION:
        pendingForce_ += force * mass_;
        break;
    case NX_IMPULSE:
        body_->applyCentralImpulse(force);
        break;
    case NX_VELOCITY_CHANGE:
        body_->setLinearVelocity(body_->getLinearVelocity() + force);
        break;
    default:
        ReportError("NxActor::%s: force mode %d is not supported", call, int(mode));
        return;
    }
    if (wakeup)
        body_->activate(true);
}

void Actor::addForce(const NxVec3& force, NxForceMode mode, bool wakeup)
{
    AddWorldForce(ToBullet(force), mode, wakeup, "addForce");
}

void Actor::addLocalForce(const NxVec3& force, NxForceMode mode, bool wakeup)
{
    AddWorldForce(body_->getWorldTransform().getBasis() * ToBullet(force), mode, wakeup,
                  "addLocalForce");
}

bool Actor::isSleeping() const
{
    return dynamic_ && body_->getActivationState() == ISLAND_SLEEPING;
}

void Actor::wakeUp(NxReal wakeCounterValue)
{
    if (RefuseStatic("wakeUp"))
        return;
    body_->activate(true);
    body_->setDeactivationTime(gDeactivationTime - wakeCounterValue);
}

void Actor::putToSleep()
{
    if (RefuseStatic("putToSleep"))
        return;
    body_->setLinearVelocity(btVector3(0, 0, 0));
    body_->setAngularVelocity(btVector3(0, 0, 0));
    body_->setActivationState(ISLAND_SLEEPING);
}

void Actor::BeforeStep()
{
    if (dynamic_ && !pendingForce_.isZero())
        body_->applyCentralForce(pendingForce_);
}

void Actor::AfterStep()
{
    if (!dynamic_)
        return;
    const btVector3 w = body_->getAngularVelocity();
    const btScalar rate = w.length();
    if (rate > maxAngularVelocity_)
        body_->setAngularVelocity(w * (maxAngularVelocity_ / rate));
    if (sleepEnergy_ >= 0 && body_->getActivationState() == ACTIVE_TAG &&
        EnergyPerKilogram() >= sleepEnergy_)
        body_->setDeactivationTime(0);
}

btScalar Actor::EnergyPerKilogram() const
{
    const btVector3 v = body_->getLinearVelocity();
    // The turn rate in the body's principal axes, where the inertia is diagonal.
    const btVector3 w =
        body_->getWorldTransform().getBasis().transpose() * body_->getAngularVelocity();
    const btScalar turning = ToBullet(inertia_).dot(w * w) / mass_;
    return (v.length2() + turning) / 2;
}

} // namespace compat::physx
