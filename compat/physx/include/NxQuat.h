// A rotation quaternion (x, y, z, w), as the SDK's NxQuat.
#pragma once

#include "NxVec3.h"

class NxQuat
{
public:
    NxReal x, y, z, w;

    // The identity, unlike the SDK's, which leaves the members unset.
    NxQuat() : x(0), y(0), z(0), w(1) {}
    NxQuat(const NxVec3& v, NxReal s) : x(v.x), y(v.y), z(v.z), w(s) {}
    // A turn by `angle` degrees about `axis`.
    NxQuat(NxReal angle, const NxVec3& axis) { fromAngleAxis(angle, axis); }

    void id() { setXYZW(0, 0, 0, 1); }
    void setXYZW(NxReal nx, NxReal ny, NxReal nz, NxReal nw)
    {
        x = nx;
        y = ny;
        z = nz;
        w = nw;
    }
    void setWXYZ(NxReal nw, NxReal nx, NxReal ny, NxReal nz) { setXYZW(nx, ny, nz, nw); }
    void getXYZW(NxReal* v) const
    {
        v[0] = x;
        v[1] = y;
        v[2] = z;
        v[3] = w;
    }
    void getWXYZ(NxReal* v) const
    {
        v[0] = w;
        v[1] = x;
        v[2] = y;
        v[3] = z;
    }

    // A turn by `angleDegrees` about `axis` (normalised here).
    void fromAngleAxis(NxReal angleDegrees, const NxVec3& axis)
    {
        NxVec3 unit = axis;
        unit.normalize();
        fromAngleAxisFast(angleDegrees * NxReal(3.14159265358979323846 / 180.0), unit);
    }
    // A turn by `angleRadians` about `axis`, which must be of unit length.
    void fromAngleAxisFast(NxReal angleRadians, const NxVec3& axis)
    {
        const NxReal s = std::sin(angleRadians * NxReal(0.5));
        setXYZW(axis.x * s, axis.y * s, axis.z * s, std::cos(angleRadians * NxReal(0.5)));
    }

    NxReal magnitude() const { return std::sqrt(x * x + y * y + z * z + w * w); }
    NxReal normalize()
    {
        const NxReal m = magnitude();
        if (m > 0)
        {
            x /= m;
            y /= m;
            z /= m;
            w /= m;
        }
        return m;
    }
    void conjugate() { setXYZW(-x, -y, -z, w); }
    NxQuat getConjugate() const { return NxQuat(NxVec3(-x, -y, -z), w); }

    // The Hamilton product: `q` applied first, then this.
    NxQuat operator*(const NxQuat& q) const
    {
        return NxQuat(NxVec3(w * q.x + q.w * x + y * q.z - q.y * z,
                             w * q.y + q.w * y + z * q.x - q.z * x,
                             w * q.z + q.w * z + x * q.y - q.x * y),
                      w * q.w - x * q.x - y * q.y - z * q.z);
    }

    // `v` turned by this rotation.
    NxVec3 rot(const NxVec3& v) const
    {
        const NxVec3 u(x, y, z);
        const NxVec3 t = u.cross(v) * NxReal(2);
        return v + t * w + u.cross(t);
    }
    // `v` turned by the inverse rotation.
    NxVec3 invRot(const NxVec3& v) const { return getConjugate().rot(v); }
};
