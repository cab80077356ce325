// A rigid transform, as the SDK's NxMat34: rotation M, then translation t.
#pragma once

#include "NxMat33.h"

class NxMat34
{
public:
    NxMat33 M;
    NxVec3 t;

    // The identity, unlike the SDK's, which leaves the members unset.
    NxMat34() = default;
    NxMat34(const NxMat33& rotation, const NxVec3& translation) : M(rotation), t(translation) {}

    void id()
    {
        M.id();
        t.zero();
    }
    NxVec3 operator*(const NxVec3& v) const { return M * v + t; }
    void multiply(const NxVec3& src, NxVec3& dst) const { dst = *this * src; }
    // The inverse transform applied to `src`, for a rotation M.
    void multiplyByInverseRT(const NxVec3& src, NxVec3& dst) const
    {
        M.multiplyByTranspose(src - t, dst);
    }
    bool getInverseRT(NxMat34& dst) const
    {
        M.getTransposed(dst.M);
        dst.t = -(dst.M * t);
        return true;
    }
    NxMat34 operator*(const NxMat34& b) const { return NxMat34(M * b.M, M * b.t + t); }
};
