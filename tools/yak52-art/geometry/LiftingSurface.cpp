#include "geometry/LiftingSurface.h"

#include "geometry/Grid.h"

#include <cmath>
#include <stdexcept>

namespace yak52
{

Profile PlacedAerofoil(double leadingEdge, double offset, double chord, double thickness,
                       double camber, double twistDegrees, int perSide)
{
    Profile profile = Aerofoil(thickness, camber, perSide);
    const double c = std::cos(Radians(twistDegrees)), s = std::sin(Radians(twistDegrees));
    for (Point2& p : profile.points)
    {
        const double u = (p.u - 0.25) * chord, v = p.v * chord;
        p = {leadingEdge + 0.25 * chord + u * c + v * s, offset - u * s + v * c};
    }
    return profile;
}

namespace
{

Profile ScaledAbout(const Profile& profile, Point2 centre, double scale)
{
    Profile result = profile;
    for (Point2& p : result.points)
        p = {centre.u + (p.u - centre.u) * scale, centre.v + (p.v - centre.v) * scale};
    return result;
}

struct Row
{
    double span;
    Profile section;
};

// The rows that round one end: the end section shrinking along a quarter
// ellipse, ordered from the end section outwards.
std::vector<Row> TipRows(const SurfaceStation& end, double direction, double radius, int count)
{
    std::vector<Row> rows;
    const Point2 centre = end.section.Centroid();
    for (int k = 1; k <= count; ++k)
    {
        const double angle = kPi / 2.0 * k / (count + 1);
        rows.push_back({end.span + direction * radius * std::sin(angle),
                        ScaledAbout(end.section, centre, std::cos(angle))});
    }
    return rows;
}

} // namespace

TriangleList LiftingSurface(const std::vector<SurfaceStation>& stations, const SurfaceFrame& frame,
                            const SurfaceEnds& ends)
{
    if (stations.size() < 2)
        throw std::invalid_argument("a lifting surface needs two sections");
    const std::size_t n = stations.front().section.points.size();
    auto place = [&](double span, Point2 p)
    { return frame.origin + frame.span * span + frame.chord * p.u + frame.normal * p.v; };
    auto row = [&](const Row& r)
    {
        if (r.section.points.size() != n)
            throw std::invalid_argument("lifting-surface sections must have one point count");
        std::vector<Vec3> points;
        for (const Point2& p : r.section.points)
            points.push_back(place(r.span, p));
        return points;
    };

    Grid grid;
    grid.creaseColumns = stations.front().section.creases;
    const SurfaceStation& first = stations.front();
    const SurfaceStation& last = stations.back();

    // Start end, outermost first.
    if (ends.startTipRadius > 0.0)
    {
        const std::vector<Row> tip = TipRows(first, -1.0, ends.startTipRadius, ends.tipRows);
        grid.AddPole(place(first.span - ends.startTipRadius, first.section.Centroid()), n);
        for (auto it = tip.rbegin(); it != tip.rend(); ++it)
            grid.AddRow(row(*it));
    }
    else
        grid.AddPole(place(first.span, first.section.Centroid()), n);
    for (const SurfaceStation& station : stations)
        grid.AddRow(row({station.span, station.section}));
    if (ends.startTipRadius <= 0.0)
        grid.creaseRows[1] = true;

    if (ends.endTipRadius > 0.0)
    {
        for (const Row& r : TipRows(last, 1.0, ends.endTipRadius, ends.tipRows))
            grid.AddRow(row(r));
        grid.AddPole(place(last.span + ends.endTipRadius, last.section.Centroid()), n);
    }
    else
        grid.AddPole(place(last.span, last.section.Centroid()), n, true);
    return Stitch(grid);
}

} // namespace yak52
