// Conversions between the SDK's math types and Bullet's.
#pragma once

#include <NxPhysics.h>

#include <btBulletDynamicsCommon.h>

namespace compat::physx
{

inline btVector3 ToBullet(const NxVec3& v)
{
    return btVector3(v.x, v.y, v.z);
}
inline NxVec3 ToNx(const btVector3& v)
{
    return NxVec3(NxReal(v.x()), NxReal(v.y()), NxReal(v.z()));
}

inline btQuaternion ToBullet(const NxQuat& q)
{
    return btQuaternion(q.x, q.y, q.z, q.w);
}
inline NxQuat ToNx(const btQuaternion& q)
{
    return NxQuat(NxVec3(NxReal(q.x()), NxReal(q.y()), NxReal(q.z())), NxReal(q.w()));
}

inline btMatrix3x3 ToBullet(const NxMat33& m)
{
    return btMatrix3x3(m(0, 0), m(0, 1), m(0, 2), m(1, 0), m(1, 1), m(1, 2), m(2, 0), m(2, 1),
                       m(2, 2));
}
inline NxMat33 ToNx(const btMatrix3x3& m)
{
    NxMat33 result;
    for (int r = 0; r < 3; ++r)
        result.setRow(r, ToNx(m.getRow(r)));
    return result;
}

inline btTransform ToBullet(const NxMat34& pose)
{
    return btTransform(ToBullet(pose.M), ToBullet(pose.t));
}
inline NxMat34 ToNx(const btTransform& pose)
{
    return NxMat34(ToNx(pose.getBasis()), ToNx(pose.getOrigin()));
}

} // namespace compat::physx
