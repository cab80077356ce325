// A 3x3 matrix, as the SDK's NxMat33: column vectors, so m * v turns v.
#pragma once

#include "NxQuat.h"

class NxMat33
{
public:
    // The identity, unlike the SDK's, which leaves the members unset.
    NxMat33() { id(); }
    explicit NxMat33(const NxQuat& q) { fromQuat(q); }

    void id()
    {
        zero();
        m[0][0] = m[1][1] = m[2][2] = 1;
    }
    void zero()
    {
        for (auto& row : m)
            row[0] = row[1] = row[2] = 0;
    }
    NxReal operator()(int row, int column) const { return m[row][column]; }
    NxReal& operator()(int row, int column) { return m[row][column]; }

    NxVec3 getRow(int row) const { return NxVec3(m[row][0], m[row][1], m[row][2]); }
    NxVec3 getColumn(int column) const { return NxVec3(m[0][column], m[1][column], m[2][column]); }
    void setRow(int row, const NxVec3& v)
    {
        m[row][0] = v.x;
        m[row][1] = v.y;
        m[row][2] = v.z;
    }
    void setColumn(int column, const NxVec3& v)
    {
        m[0][column] = v.x;
        m[1][column] = v.y;
        m[2][column] = v.z;
    }

    void fromQuat(const NxQuat& q)
    {
        const NxReal x = q.x, y = q.y, z = q.z, w = q.w;
        setRow(0, NxVec3(1 - 2 * (y * y + z * z), 2 * (x * y - z * w), 2 * (x * z + y * w)));
        setRow(1, NxVec3(2 * (x * y + z * w), 1 - 2 * (x * x + z * z), 2 * (y * z - x * w)));
        setRow(2, NxVec3(2 * (x * z - y * w), 2 * (y * z + x * w), 1 - 2 * (x * x + y * y)));
    }
    void toQuat(NxQuat& q) const
    {
        const NxReal trace = m[0][0] + m[1][1] + m[2][2];
        if (trace > 0)
        {
            const NxReal s = std::sqrt(trace + 1) * 2;
            q.setXYZW((m[2][1] - m[1][2]) / s, (m[0][2] - m[2][0]) / s, (m[1][0] - m[0][1]) / s,
                      s / 4);
        }
        else if (m[0][0] > m[1][1] && m[0][0] > m[2][2])
        {
            const NxReal s = std::sqrt(1 + m[0][0] - m[1][1] - m[2][2]) * 2;
            q.setXYZW(s / 4, (m[0][1] + m[1][0]) / s, (m[0][2] + m[2][0]) / s,
                      (m[2][1] - m[1][2]) / s);
        }
        else if (m[1][1] > m[2][2])
        {
            const NxReal s = std::sqrt(1 + m[1][1] - m[0][0] - m[2][2]) * 2;
            q.setXYZW((m[0][1] + m[1][0]) / s, s / 4, (m[1][2] + m[2][1]) / s,
                      (m[0][2] - m[2][0]) / s);
        }
        else
        {
            const NxReal s = std::sqrt(1 + m[2][2] - m[0][0] - m[1][1]) * 2;
            q.setXYZW((m[0][2] + m[2][0]) / s, (m[1][2] + m[2][1]) / s, s / 4,
                      (m[1][0] - m[0][1]) / s);
        }
    }

    NxVec3 operator*(const NxVec3& v) const
    {
        return NxVec3(getRow(0).dot(v), getRow(1).dot(v), getRow(2).dot(v));
    }
    void multiply(const NxVec3& src, NxVec3& dst) const { dst = *this * src; }
    // The transpose (for a rotation, the inverse) times `src`.
    void multiplyByTranspose(const NxVec3& src, NxVec3& dst) const
    {
        dst = NxVec3(getColumn(0).dot(src), getColumn(1).dot(src), getColumn(2).dot(src));
    }
    void getTransposed(NxMat33& dst) const
    {
        for (int r = 0; r < 3; ++r)
            dst.setRow(r, getColumn(r));
    }
    NxMat33 operator*(const NxMat33& b) const
    {
        NxMat33 product;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                product.m[r][c] = getRow(r).dot(b.getColumn(c));
        return product;
    }

private:
    NxReal m[3][3];
};
