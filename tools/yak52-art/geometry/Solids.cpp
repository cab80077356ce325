#include "geometry/Solids.h"

#include "geometry/Grid.h"

#include <cmath>
#include <stdexcept>

namespace yak52
{

Vec3 Perpendicular(Vec3 v)
{
    const Vec3 helper = std::fabs(v.x) < 0.9 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
    return Normalize(Cross(v, helper));
}

TriangleList Revolve(const std::vector<RevolvePoint>& outline, Vec3 origin, Vec3 axis, int segments)
{
    if (outline.size() < 3 || outline.front().radius != 0.0 || outline.back().radius != 0.0)
        throw std::invalid_argument("a revolved outline must start and end on its axis");
    const Vec3 along = Normalize(axis);
    const Vec3 e1 = Perpendicular(along), e2 = Cross(along, e1);
    Grid grid;
    for (const RevolvePoint& point : outline)
    {
        const Vec3 centre = origin + along * point.axial;
        if (point.radius == 0.0)
        {
            grid.AddPole(centre, static_cast<std::size_t>(segments), point.crease);
            continue;
        }
        std::vector<Vec3> row;
        for (int i = 0; i < segments; ++i)
        {
            const double a = 2.0 * kPi * i / segments;
            row.push_back(centre + (e1 * std::cos(a) + e2 * std::sin(a)) * point.radius);
        }
        grid.AddRow(std::move(row), point.crease);
    }
    return Stitch(grid);
}

TriangleList Tube(Vec3 a, Vec3 b, double radius, int segments)
{
    const double length = Length(b - a);
    return Revolve({{0.0, 0.0}, {0.0, radius, true}, {length, radius, true}, {length, 0.0}}, a,
                   b - a, segments);
}

TriangleList Box(Vec3 centre, Vec3 h)
{
    Grid grid;
    grid.creaseColumns.assign(4, true);
    auto square = [&](double z)
    {
        return std::vector<Vec3>{centre + Vec3{h.x, h.y, z}, centre + Vec3{-h.x, h.y, z},
                                 centre + Vec3{-h.x, -h.y, z}, centre + Vec3{h.x, -h.y, z}};
    };
    grid.AddPole(centre + Vec3{0, 0, -h.z}, 4);
    grid.AddRow(square(-h.z), true);
    grid.AddRow(square(h.z), true);
    grid.AddPole(centre + Vec3{0, 0, h.z}, 4);
    return Stitch(grid);
}

namespace
{
// Closes both ends of a grid with flat, sharp-edged caps fanned from the
// two given centres.
void CapEnds(Grid& grid, Vec3 firstCentre, Vec3 lastCentre)
{
    const std::size_t n = grid.rows.front().size();
    Grid capped;
    capped.creaseColumns = grid.creaseColumns;
    capped.AddPole(firstCentre, n);
    for (std::size_t i = 0; i < grid.rows.size(); ++i)
        capped.AddRow(grid.rows[i], i == 0 || i + 1 == grid.rows.size() || grid.creaseRows[i]);
    capped.AddPole(lastCentre, n);
    grid = std::move(capped);
}
} // namespace

TriangleList Sweep(const std::vector<Vec3>& path, const Profile& profile, Vec3 planeNormal)
{
    if (path.size() < 2)
        throw std::invalid_argument("a sweep needs a path of two points");
    const Vec3 b = Normalize(planeNormal);
    std::vector<Vec3> across(path.size());
    for (std::size_t i = 0; i < path.size(); ++i)
    {
        const Vec3 tangent = path[i + 1 < path.size() ? i + 1 : i] - path[i > 0 ? i - 1 : i];
        across[i] = Normalize(Cross(tangent, b));
    }
    auto place = [&](std::size_t i, Point2 p) { return path[i] + across[i] * p.u + b * p.v; };
    Grid grid;
    grid.creaseColumns = profile.creases;
    for (std::size_t i = 0; i < path.size(); ++i)
    {
        std::vector<Vec3> row;
        for (const Point2& p : profile.points)
            row.push_back(place(i, p));
        grid.AddRow(std::move(row));
    }
    const Point2 centre = profile.Centroid();
    CapEnds(grid, place(0, centre), place(path.size() - 1, centre));
    return Stitch(grid);
}

TriangleList Loft(const std::vector<LoftSection>& sections, Vec3 origin, Vec3 axis, Vec3 across,
                  Vec3 up)
{
    if (sections.size() < 2)
        throw std::invalid_argument("a loft needs two sections");
    auto place = [&](std::size_t i, Point2 p)
    { return origin + axis * sections[i].axial + across * p.u + up * p.v; };
    Grid grid;
    grid.creaseColumns = sections.front().profile.creases;
    for (std::size_t i = 0; i < sections.size(); ++i)
    {
        if (sections[i].profile.points.size() != sections.front().profile.points.size())
            throw std::invalid_argument("loft sections must have one point count");
        std::vector<Vec3> row;
        for (const Point2& p : sections[i].profile.points)
            row.push_back(place(i, p));
        grid.AddRow(std::move(row));
    }
    CapEnds(grid, place(0, sections.front().profile.Centroid()),
            place(sections.size() - 1, sections.back().profile.Centroid()));
    return Stitch(grid);
}

} // namespace yak52
