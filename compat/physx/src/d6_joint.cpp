#include "d6_joint.h"

#include "actor.h"
#include "convert.h"
#include "scene.h"

namespace compat::physx
{

namespace
{

// Where an open side of a limit is put: too far to ever be reached.
constexpr btScalar kFar = 1000;

btRigidBody& BodyOf(Actor* actor)
{
    return actor ? actor->Body() : btTypedConstraint::getFixedBody();
}

// Actor i's joint frame in its own axes: x the axis, y the normal, origin the
// anchor. For the world the local values are global.
btTransform LocalFrame(const NxD6JointDesc& desc, int i)
{
    const btVector3 x = ToBullet(desc.localAxis[i]);
    const btVector3 y = ToBullet(desc.localNormal[i]);
    const btVector3 z = x.cross(y);
    const btMatrix3x3 basis(x.x(), y.x(), z.x(), x.y(), y.y(), z.y(), x.z(), y.z(), z.z());
    return btTransform(basis, ToBullet(desc.localAnchor[i]));
}

// Bullet treats a lower limit above the upper as free, equal ones as locked.
void LimitsFor(NxD6JointMotion motion, btScalar low, btScalar high, btScalar& lower,
               btScalar& upper)
{
    switch (motion)
    {
    case NX_D6JOINT_MOTION_LOCKED:
        lower = upper = 0;
        break;
    case NX_D6JOINT_MOTION_LIMITED:
        lower = low;
        upper = high;
        break;
    case NX_D6JOINT_MOTION_FREE:
        lower = 1;
        upper = 0;
        break;
    }
}

} // namespace

D6Joint::D6Joint(Scene& scene, const NxD6JointDesc& desc, Actor* actor0, Actor* actor1)
    : scene_(scene), desc_(desc), actors_{actor0, actor1}
{
    userData = desc.userData;
    constraint_ = std::make_unique<btGeneric6DofSpring2Constraint>(
        BodyOf(actor0), BodyOf(actor1), LocalFrame(desc, 0), LocalFrame(desc, 1), RO_XYZ);
    SetLimits();
    scene_.World().addConstraint(constraint_.get(),
                                 (desc.jointFlags & NX_JF_COLLISION_ENABLED) == 0);
}

D6Joint::~D6Joint()
{
    scene_.World().removeConstraint(constraint_.get());
}

NxScene& D6Joint::getScene() const
{
    return scene_;
}

void D6Joint::getActors(NxActor** actor1, NxActor** actor2)
{
    if (actor1)
        *actor1 = actors_[0];
    if (actor2)
        *actor2 = actors_[1];
}

NxVec3 D6Joint::getGlobalAnchor() const
{
    return actors_[0] ? actors_[0]->getGlobalPose() * desc_.localAnchor[0] : desc_.localAnchor[0];
}

NxVec3 D6Joint::getGlobalAxis() const
{
    return ToNx(WorldAxis(0));
}

btVector3 D6Joint::WorldAxis(int axis) const
{
    const btTransform& pose = BodyOf(actors_[0]).getWorldTransform();
    return pose.getBasis() * LocalFrame(desc_, 0).getBasis().getColumn(axis);
}

void D6Joint::SetLimits()
{
    const NxD6JointMotion linear[3] = {desc_.xMotion, desc_.yMotion, desc_.zMotion};
    btVector3 lower, upper;
    for (int i = 0; i < 3; ++i)
    {
        const btScalar value = desc_.linearLimit.value;
        LimitsFor(linear[i], -value, value, lower[i], upper[i]);
        if (linear[i] != NX_D6JOINT_MOTION_LIMITED)
            continue;
        AddSoftLimit(i, desc_.linearLimit);
        if (value > 0)
            limitedLinear_[limitedLinearCount_++] = i;
    }
    constraint_->setLinearLowerLimit(lower);
    constraint_->setLinearUpperLimit(upper);

    LimitsFor(desc_.twistMotion, desc_.twistLimit.low.value, desc_.twistLimit.high.value, lower[0],
              upper[0]);
    LimitsFor(desc_.swing1Motion, -desc_.swing1Limit.value, desc_.swing1Limit.value, lower[1],
              upper[1]);
    LimitsFor(desc_.swing2Motion, -desc_.swing2Limit.value, desc_.swing2Limit.value, lower[2],
              upper[2]);
    constraint_->setAngularLowerLimit(lower);
    constraint_->setAngularUpperLimit(upper);
    if (desc_.twistMotion == NX_D6JOINT_MOTION_LIMITED)
        AddSoftLimit(3, desc_.twistLimit.high.spring > 0 ? desc_.twistLimit.high
                                                         : desc_.twistLimit.low);
    if (desc_.swing1Motion == NX_D6JOINT_MOTION_LIMITED)
        AddSoftLimit(4, desc_.swing1Limit);
    if (desc_.swing2Motion == NX_D6JOINT_MOTION_LIMITED)
        AddSoftLimit(5, desc_.swing2Limit);
}

void D6Joint::AddSoftLimit(int axis, const NxJointLimitSoftDesc& limit)
{
    if (limit.spring <= 0)
    {
        // A hard limit: Bullet's stop with the limit's bounce.
        constraint_->setBounce(axis, limit.restitution);
        return;
    }
    softLimits_[softLimitCount_++] = {axis, limit.spring, limit.damping,
                                      NxReal(EffectiveMass(axis))};
}

btScalar D6Joint::EffectiveMass(int axis) const
{
    const bool linear = axis < 3;
    const btVector3 n = WorldAxis(linear ? axis : axis - 3);
    const btVector3 anchor = ToBullet(getGlobalAnchor());
    btScalar inverse = 0;
    for (Actor* actor : actors_)
    {
        const btRigidBody& body = BodyOf(actor);
        if (linear)
        {
            const btVector3 arm = (anchor - body.getCenterOfMassPosition()).cross(n);
            inverse += body.getInvMass() + arm.dot(body.getInvInertiaTensorWorld() * arm);
        }
        else
            inverse += n.dot(body.getInvInertiaTensorWorld() * n);
    }
    return inverse > 0 ? 1 / inverse : 0;
}

void D6Joint::BeforeStep()
{
    if (limitedLinearCount_ == 0)
        return;
    constraint_->calculateTransforms();
    btVector3 lower, upper;
    constraint_->getLinearLowerLimit(lower);
    constraint_->getLinearUpperLimit(upper);
    const btScalar value = desc_.linearLimit.value;
    for (int k = 0; k < limitedLinearCount_; ++k)
    {
        const int i = limitedLinear_[k];
        const btScalar slide = constraint_->getRelativePivotPosition(i);
        if (slide > value)
        {
            lower[i] = -kFar;
            upper[i] = value;
        }
        else if (slide < -value)
        {
            lower[i] = -value;
            upper[i] = kFar;
        }
        else
        {
            lower[i] = 1;
            upper[i] = 0;
        }
    }
    constraint_->setLinearLowerLimit(lower);
    constraint_->setLinearUpperLimit(upper);
}

void D6Joint::Tune(NxReal step)
{
    // A row of Bullet's solver gives the impulse m (ERP e / h - v) / (1 + CFM),
    // with e the distance beyond the limit, v the approach speed and m the
    // row's effective mass: its CFM is not scaled by m. A spring k and damper c
    // integrated implicitly over h give h (k e - (h k + c) v) / (1 + h (h k + c) / m),
    // the same impulse when ERP = h k / (h k + c) and CFM = m / (h (h k + c)).
    for (int i = 0; i < softLimitCount_; ++i)
    {
        const SoftLimit& limit = softLimits_[i];
        const btScalar hkc = btScalar(step) * limit.spring + limit.damping;
        constraint_->setParam(BT_CONSTRAINT_STOP_ERP, step * limit.spring / hkc, limit.axis);
        constraint_->setParam(BT_CONSTRAINT_STOP_CFM, limit.effectiveMass / (step * hkc),
                              limit.axis);
    }
}

} // namespace compat::physx
