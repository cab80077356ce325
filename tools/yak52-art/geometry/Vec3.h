// A 3-vector of doubles with the handful of operations the generator needs.
#pragma once

#include <cmath>

namespace yak52
{

struct Vec3
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend bool operator==(const Vec3&, const Vec3&) = default;
};

inline Vec3 operator+(Vec3 a, Vec3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator-(Vec3 a)
{
    return {-a.x, -a.y, -a.z};
}
inline Vec3 operator*(Vec3 a, double s)
{
    return {a.x * s, a.y * s, a.z * s};
}
inline Vec3 operator*(double s, Vec3 a)
{
    return a * s;
}

inline double Dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Vec3 a)
{
    return std::sqrt(Dot(a, a));
}

// The unit vector along a, or the zero vector when a has no length.
inline Vec3 Normalize(Vec3 a)
{
    const double length = Length(a);
    return length > 0.0 ? a * (1.0 / length) : Vec3{};
}

inline Vec3 Lerp(Vec3 a, Vec3 b, double t)
{
    return a + (b - a) * t;
}

constexpr double kPi = 3.14159265358979323846;
inline double Radians(double degrees)
{
    return degrees * kPi / 180.0;
}

} // namespace yak52
