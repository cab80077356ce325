// A vector of three floats, as the SDK's NxVec3.
#pragma once

#include "NxSimpleTypes.h"

#include <cmath>

class NxVec3
{
public:
    NxReal x, y, z;

    // Zero, unlike the SDK's, which leaves the members unset.
    NxVec3() : x(0), y(0), z(0) {}
    explicit NxVec3(NxReal a) : x(a), y(a), z(a) {}
    NxVec3(NxReal nx, NxReal ny, NxReal nz) : x(nx), y(ny), z(nz) {}

    void set(NxReal nx, NxReal ny, NxReal nz)
    {
        x = nx;
        y = ny;
        z = nz;
    }
    void zero() { set(0, 0, 0); }
    bool isZero() const { return x == 0 && y == 0 && z == 0; }
    bool isFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }
    void get(NxReal* v) const
    {
        v[0] = x;
        v[1] = y;
        v[2] = z;
    }

    NxReal dot(const NxVec3& v) const { return x * v.x + y * v.y + z * v.z; }
    NxVec3 cross(const NxVec3& v) const
    {
        return NxVec3(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x);
    }
    NxReal magnitudeSquared() const { return dot(*this); }
    NxReal magnitude() const { return std::sqrt(magnitudeSquared()); }
    NxReal distance(const NxVec3& v) const { return (*this - v).magnitude(); }
    // Scales to unit length and returns the length it had; a zero vector stays.
    NxReal normalize()
    {
        const NxReal m = magnitude();
        if (m > 0)
        {
            x /= m;
            y /= m;
            z /= m;
        }
        return m;
    }

    NxVec3 operator-() const { return NxVec3(-x, -y, -z); }
    NxVec3 operator+(const NxVec3& v) const { return NxVec3(x + v.x, y + v.y, z + v.z); }
    NxVec3 operator-(const NxVec3& v) const { return NxVec3(x - v.x, y - v.y, z - v.z); }
    NxVec3 operator*(NxReal f) const { return NxVec3(x * f, y * f, z * f); }
    NxVec3 operator/(NxReal f) const { return NxVec3(x / f, y / f, z / f); }
    NxVec3& operator+=(const NxVec3& v) { return *this = *this + v; }
    NxVec3& operator-=(const NxVec3& v) { return *this = *this - v; }
    NxVec3& operator*=(NxReal f) { return *this = *this * f; }
    NxVec3& operator/=(NxReal f) { return *this = *this / f; }
    bool operator==(const NxVec3& v) const { return x == v.x && y == v.y && z == v.z; }
    bool operator!=(const NxVec3& v) const { return !(*this == v); }
};

inline NxVec3 operator*(NxReal f, const NxVec3& v)
{
    return v * f;
}
