#include "validation.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace compat::physx
{

std::string Format(const char* format, ...)
{
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

namespace
{

bool IsUnit(const NxVec3& v)
{
    return v.isFinite() && std::fabs(v.magnitude() - 1) < 1e-3f;
}

bool IsRotation(const NxMat33& m)
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (std::fabs(m.getColumn(i).dot(m.getColumn(j)) - (i == j ? 1 : 0)) > 1e-3f)
                return false;
    return m.getColumn(0).cross(m.getColumn(1)).dot(m.getColumn(2)) > 0;
}

bool IsIdentity(const NxMat34& pose)
{
    const NxMat33 id;
    for (int r = 0; r < 3; ++r)
        if (pose.M.getRow(r) != id.getRow(r))
            return false;
    return pose.t.isZero();
}

bool IsMotion(NxD6JointMotion motion)
{
    return motion == NX_D6JOINT_MOTION_LOCKED || motion == NX_D6JOINT_MOTION_LIMITED ||
           motion == NX_D6JOINT_MOTION_FREE;
}

std::string ProblemWithLimit(const NxJointLimitSoftDesc& limit, const char* name)
{
    if (!std::isfinite(limit.value) || !std::isfinite(limit.spring) ||
        !std::isfinite(limit.damping) || limit.spring < 0 || limit.damping < 0)
        return Format("%s: spring %g and damping %g must be finite and 0 or more", name,
                      double(limit.spring), double(limit.damping));
    if (!(limit.restitution >= 0 && limit.restitution <= 1))
        return Format("%s: restitution %g is outside 0..1", name, double(limit.restitution));
    return {};
}

std::string ProblemWithD6(const NxD6JointDesc& desc)
{
    const NxD6JointMotion motions[6] = {desc.xMotion,      desc.yMotion,      desc.zMotion,
                                        desc.swing1Motion, desc.swing2Motion, desc.twistMotion};
    for (NxD6JointMotion motion : motions)
        if (!IsMotion(motion))
            return Format("motion %d is not locked, limited or free", int(motion));
    if (desc.projectionMode != NX_JPM_NONE)
        return "only projection mode NX_JPM_NONE is supported";
    const NxJointLimitSoftDesc* limits[] = {&desc.linearLimit, &desc.swing1Limit, &desc.swing2Limit,
                                            &desc.twistLimit.low, &desc.twistLimit.high};
    const char* names[] = {"linearLimit", "swing1Limit", "swing2Limit", "twistLimit.low",
                           "twistLimit.high"};
    for (int i = 0; i < 5; ++i)
        if (std::string problem = ProblemWithLimit(*limits[i], names[i]); !problem.empty())
            return problem;
    if (desc.linearLimit.value < 0 || desc.swing1Limit.value < 0 || desc.swing2Limit.value < 0)
        return "a linear or swing limit value is negative";
    if (desc.twistLimit.low.value > desc.twistLimit.high.value)
        return Format("twistLimit: low %g is above high %g", double(desc.twistLimit.low.value),
                      double(desc.twistLimit.high.value));
    return {};
}

} // namespace

std::string ProblemWith(const NxSceneDesc& desc)
{
    if (!desc.gravity.isFinite())
        return "gravity is not finite";
    if (!(desc.maxTimestep > 0) || !std::isfinite(desc.maxTimestep))
        return Format("maxTimestep %g is not a positive number of seconds",
                      double(desc.maxTimestep));
    if (desc.maxIter < 1)
        return "maxIter is 0: a fixed step could never run";
    if (desc.timeStepMethod != NX_TIMESTEP_FIXED && desc.timeStepMethod != NX_TIMESTEP_VARIABLE)
        return Format("time step method %d is not supported", int(desc.timeStepMethod));
    return {};
}

std::string ProblemWith(const NxMaterialDesc& desc)
{
    if (!(desc.dynamicFriction >= 0) || !std::isfinite(desc.dynamicFriction))
        return Format("dynamic friction %g is not 0 or more", double(desc.dynamicFriction));
    if (!(desc.staticFriction >= 0) || !std::isfinite(desc.staticFriction))
        return Format("static friction %g is not 0 or more", double(desc.staticFriction));
    if (!(desc.restitution >= 0 && desc.restitution <= 1))
        return Format("restitution %g is outside 0..1", double(desc.restitution));
    for (NxCombineMode mode : {desc.frictionCombineMode, desc.restitutionCombineMode})
        if (mode < NX_CM_AVERAGE || mode > NX_CM_MAX)
            return Format("combine mode %d is not one of NX_CM_AVERAGE..NX_CM_MAX", int(mode));
    return {};
}

std::string ProblemWith(const NxShapeDesc& desc)
{
    if (!IsIdentity(desc.localPose))
        return "shape local poses other than the identity are not supported";
    if (!std::isfinite(desc.skinWidth))
        return "the skin width is not finite";
    switch (desc.getType())
    {
    case NX_SHAPE_SPHERE:
    {
        const NxReal radius = static_cast<const NxSphereShapeDesc&>(desc).radius;
        if (!(radius > 0) || !std::isfinite(radius))
            return Format("sphere radius %g is not above 0", double(radius));
        return {};
    }
    case NX_SHAPE_BOX:
    {
        const NxVec3& d = static_cast<const NxBoxShapeDesc&>(desc).dimensions;
        if (!(d.x > 0 && d.y > 0 && d.z > 0) || !d.isFinite())
            return Format("box half extents (%g, %g, %g) are not all above 0", double(d.x),
                          double(d.y), double(d.z));
        return {};
    }
    case NX_SHAPE_PLANE:
    {
        const auto& plane = static_cast<const NxPlaneShapeDesc&>(desc);
        if (!IsUnit(plane.normal) || !std::isfinite(plane.d))
            return "the plane's normal is not of unit length";
        return {};
    }
    }
    return Format("shape type %d is not supported", int(desc.getType()));
}

std::string ProblemWith(const NxBodyDesc& desc)
{
    if (!(desc.mass >= 0) || !std::isfinite(desc.mass))
        return Format("body mass %g is negative", double(desc.mass));
    const NxVec3& inertia = desc.massSpaceInertia;
    if (!inertia.isFinite() || inertia.x < 0 || inertia.y < 0 || inertia.z < 0 ||
        (!inertia.isZero() && !(inertia.x > 0 && inertia.y > 0 && inertia.z > 0)))
        return "massSpaceInertia must be zero or positive on every axis";
    if (!desc.linearVelocity.isFinite() || !desc.angularVelocity.isFinite())
        return "the body's velocities are not finite";
    if (!(desc.linearDamping >= 0) || !(desc.angularDamping >= 0) ||
        !std::isfinite(desc.linearDamping) || !std::isfinite(desc.angularDamping))
        return "damping must be finite and 0 or more";
    if (desc.solverIterationCount < 1 || desc.solverIterationCount > 255)
        return Format("solverIterationCount %u is outside 1..255",
                      unsigned(desc.solverIterationCount));
    if ((desc.flags & ~NxU32(NX_BF_VISUALIZATION | NX_BF_ENERGY_SLEEP_TEST)) != 0)
        return Format("body flags 0x%x: only NX_BF_VISUALIZATION and NX_BF_ENERGY_SLEEP_TEST are "
                      "supported",
                      unsigned(desc.flags));
    if (!std::isfinite(desc.sleepEnergyThreshold) || !std::isfinite(desc.wakeUpCounter) ||
        !std::isfinite(desc.maxAngularVelocity) || !std::isfinite(desc.sleepLinearVelocity) ||
        !std::isfinite(desc.sleepAngularVelocity))
        return "the body's sleep and angular velocity settings are not finite";
    return {};
}

std::string ProblemWith(const NxActorDesc& desc)
{
    if (desc.shapes.size() != 1 || !desc.shapes[0])
        return Format("an actor needs exactly one shape, not %u", unsigned(desc.shapes.size()));
    if (std::string problem = ProblemWith(*desc.shapes[0]); !problem.empty())
        return problem;
    if (!IsRotation(desc.globalPose.M) || !desc.globalPose.t.isFinite())
        return "globalPose is not a rigid transform";
    if (!desc.body)
        return {};
    if (std::string problem = ProblemWith(*desc.body); !problem.empty())
        return problem;
    if (desc.shapes[0]->getType() == NX_SHAPE_PLANE)
        return "a plane can only be the shape of a static actor";
    if (!(desc.density >= 0) || !std::isfinite(desc.density))
        return Format("density %g is negative", double(desc.density));
    if ((desc.body->mass > 0) == (desc.density > 0))
        return "a dynamic actor needs either a body mass or a density, not both or neither";
    return {};
}

std::string ProblemWith(const NxJointDesc& desc)
{
    if (desc.getType() != NX_JOINT_D6)
        return Format("joint type %d is not supported, only NX_JOINT_D6", int(desc.getType()));
    if (desc.actor[0] == desc.actor[1])
        return "the joint's two actors are the same";
    for (int i = 0; i < 2; ++i)
    {
        if (!IsUnit(desc.localAxis[i]) || !IsUnit(desc.localNormal[i]))
            return Format("localAxis[%d] and localNormal[%d] must be of unit length", i, i);
        if (std::fabs(desc.localAxis[i].dot(desc.localNormal[i])) > 1e-3f)
            return Format("localNormal[%d] is not normal to localAxis[%d]", i, i);
        if (!desc.localAnchor[i].isFinite())
            return Format("localAnchor[%d] is not finite", i);
    }
    return ProblemWithD6(static_cast<const NxD6JointDesc&>(desc));
}

} // namespace compat::physx

bool NxSceneDesc::isValid() const
{
    return compat::physx::ProblemWith(*this).empty();
}
bool NxMaterialDesc::isValid() const
{
    return compat::physx::ProblemWith(*this).empty();
}
bool NxShapeDesc::isValid() const
{
    return compat::physx::ProblemWith(*this).empty();
}
bool NxBoxShapeDesc::isValid() const
{
    return compat::physx::ProblemWith(*this).empty();
}
bool NxSphereShapeDesc::isValid() const
{
    return compat::physx::ProblemWith(*this).empty();
}
bool NxPlaneShapeDesc::isValid() const
{
    return compat::physx::ProblemWith(*this).empty();
}
bool NxBodyDesc::isValid() const
{
    return compat::physx::ProblemWith(*this).empty();
}
bool NxActorDesc::isValid() const
{
    return compat::physx::ProblemWith(*this).empty();
}
bool NxJointDesc::isValid() const
{
    return compat::physx::ProblemWith(*this).empty();
}
bool NxD6JointDesc::isValid() const
{
    return compat::physx::ProblemWith(*this).empty();
}
