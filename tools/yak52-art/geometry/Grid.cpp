#include "geometry/Grid.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace yak52
{

void Grid::AddRow(std::vector<Vec3> row, bool crease)
{
    rows.push_back(std::move(row));
    creaseRows.push_back(crease);
}

void Grid::AddPole(Vec3 point, std::size_t loopSize, bool creaseBefore)
{
    if (creaseBefore && !creaseRows.empty())
        creaseRows.back() = true;
    rows.emplace_back(loopSize, point);
    creaseRows.push_back(false);
}

namespace
{

bool IsPole(const std::vector<Vec3>& row)
{
    return std::all_of(row.begin(), row.end(), [&](Vec3 p) { return p == row.front(); });
}

class Stitcher
{
public:
    explicit Stitcher(const Grid& grid)
        : m_grid(grid), m_rowCount(grid.rows.size()), m_loopSize(grid.rows.front().size())
    {
    }

    TriangleList Run()
    {
        ComputePoleNormals();
        TriangleList result;
        for (std::size_t i = 0; i + 1 < m_rowCount; ++i)
            for (std::size_t j = 0; j < m_loopSize; ++j)
                AddQuad(result, i, j);
        result.OrientOutward();
        return result;
    }

private:
    Vec3 Point(std::size_t i, std::size_t j) const { return m_grid.rows[i][j % m_loopSize]; }
    bool CreaseColumn(std::size_t j) const
    {
        return !m_grid.creaseColumns.empty() && m_grid.creaseColumns[j % m_loopSize];
    }
    bool CreaseRow(std::size_t i) const
    {
        return !m_grid.creaseRows.empty() && m_grid.creaseRows[i];
    }

    // Normal of point (i, j) as seen from the quad whose first corner is
    // (quadRow, quadColumn): one-sided differences across creases, central
    // differences elsewhere.
    Vec3 CornerNormal(std::size_t i, std::size_t j, std::size_t quadRow, std::size_t quadColumn,
                      Vec3 fallback) const
    {
        if (m_poles[i])
            return m_poleNormals[i];
        const std::size_t next = j + 1, previous = j + m_loopSize - 1;
        Vec3 du;
        if (CreaseColumn(j))
            du = quadColumn == j % m_loopSize ? Point(i, next) - Point(i, j)
                                              : Point(i, j) - Point(i, previous);
        else
            du = Point(i, next) - Point(i, previous);
        Vec3 dv;
        if (i == 0)
            dv = Point(1, j) - Point(0, j);
        else if (i + 1 == m_rowCount)
            dv = Point(i, j) - Point(i - 1, j);
        else if (CreaseRow(i))
            dv = quadRow == i ? Point(i + 1, j) - Point(i, j) : Point(i, j) - Point(i - 1, j);
        else
            dv = Point(i + 1, j) - Point(i - 1, j);
        const Vec3 n = Normalize(Cross(du, dv));
        return Length(n) > 0.5 ? n : fallback;
    }

    void ComputePoleNormals()
    {
        m_poles.resize(m_rowCount);
        m_poleNormals.resize(m_rowCount);
        for (std::size_t i = 0; i < m_rowCount; ++i)
        {
            m_poles[i] = IsPole(m_grid.rows[i]);
            if (!m_poles[i])
                continue;
            // The area-weighted mean of the fan's face normals.
            const std::size_t other = i == 0 ? 1 : i - 1;
            const double sign = i == 0 ? 1.0 : -1.0;
            Vec3 sum;
            for (std::size_t j = 0; j < m_loopSize; ++j)
                sum =
                    sum +
                    Cross(Point(other, j + 1) - Point(i, 0), Point(other, j) - Point(i, 0)) * sign;
            m_poleNormals[i] = Normalize(sum);
        }
    }

    void AddTriangle(TriangleList& out, std::size_t quadRow, std::size_t quadColumn,
                     const std::size_t (&corners)[3][2]) const
    {
        Vec3 p[3];
        for (int k = 0; k < 3; ++k)
            p[k] = Point(corners[k][0], corners[k][1]);
        const Vec3 face = Normalize(Cross(p[1] - p[0], p[2] - p[0]));
        Vertex v[3];
        for (int k = 0; k < 3; ++k)
            v[k] = {p[k], CornerNormal(corners[k][0], corners[k][1], quadRow, quadColumn, face)};
        out.AddTriangle(v[0], v[1], v[2]);
    }

    void AddQuad(TriangleList& out, std::size_t i, std::size_t j) const
    {
        const std::size_t a[2] = {i, j}, b[2] = {i, j + 1}, c[2] = {i + 1, j + 1},
                          d[2] = {i + 1, j};
        if (!m_poles[i + 1])
        {
            const std::size_t corners[3][2] = {{a[0], a[1]}, {c[0], c[1]}, {d[0], d[1]}};
            AddTriangle(out, i, j, corners);
        }
        if (!m_poles[i])
        {
            const std::size_t corners[3][2] = {{a[0], a[1]}, {b[0], b[1]}, {c[0], c[1]}};
            AddTriangle(out, i, j, corners);
        }
    }

    const Grid& m_grid;
    std::size_t m_rowCount;
    std::size_t m_loopSize;
    std::vector<bool> m_poles;
    std::vector<Vec3> m_poleNormals;
};

} // namespace

TriangleList Stitch(const Grid& grid)
{
    if (grid.rows.size() < 2)
        throw std::invalid_argument("grid needs at least two rows");
    for (const auto& row : grid.rows)
        if (row.size() != grid.rows.front().size() || row.size() < 3)
            throw std::invalid_argument("grid rows must be loops of one size, at least 3 points");
    return Stitcher(grid).Run();
}

} // namespace yak52
