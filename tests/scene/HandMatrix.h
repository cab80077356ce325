// Reference matrices for the pose tests, written out from the textbook
// formulas in double precision, independent of the quaternion code under
// test. Row vectors, as D3DX: v' = v × M; A × B applies A first.
#pragma once

#include <d3dx9.h>

#include <gtest/gtest.h>

#include <cmath>

namespace hand
{
struct Matrix
{
    double m[4][4];
};

inline Matrix Identity()
{
    return {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
}

// A turn by `degrees` about the x, y or z axis, as D3DXMatrixRotationX/Y/Z.
inline Matrix Turn(char axis, double degrees)
{
    const double a = degrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    Matrix r = Identity();
    if (axis == 'x')
        r = {{{1, 0, 0, 0}, {0, c, s, 0}, {0, -s, c, 0}, {0, 0, 0, 1}}};
    else if (axis == 'y')
        r = {{{c, 0, -s, 0}, {0, 1, 0, 0}, {s, 0, c, 0}, {0, 0, 0, 1}}};
    else
        r = {{{c, s, 0, 0}, {-s, c, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
    return r;
}

inline Matrix Move(double x, double y, double z)
{
    Matrix t = Identity();
    t.m[3][0] = x;
    t.m[3][1] = y;
    t.m[3][2] = z;
    return t;
}

inline Matrix operator*(const Matrix& a, const Matrix& b)
{
    Matrix p{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k)
                p.m[r][c] += a.m[r][k] * b.m[k][c];
    return p;
}

// The rotation part of `expected` against R(q), element by element.
inline void ExpectOrientation(const D3DXQUATERNION& q, const Matrix& expected,
                              double tolerance = 1e-5)
{
    D3DXMATRIX r;
    D3DXMatrixRotationQuaternion(&r, &q);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            EXPECT_NEAR(r.m[row][col], expected.m[row][col], tolerance)
                << "row " << row << ", column " << col;
}

// The translation row of `expected` against a world position.
inline void ExpectPosition(const D3DXVECTOR3& v, const Matrix& expected, double tolerance = 1e-4)
{
    EXPECT_NEAR(v.x, expected.m[3][0], tolerance);
    EXPECT_NEAR(v.y, expected.m[3][1], tolerance);
    EXPECT_NEAR(v.z, expected.m[3][2], tolerance);
}
} // namespace hand
