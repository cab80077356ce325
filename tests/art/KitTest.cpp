// The generator's geometry kit, on shapes whose answers are known: turns
// that agree with the program's own rotations, curves that pass through
// their keys without overshooting, and solids whose volume and closure match
// the shapes they approximate.
#include "geometry/Curve.h"
#include "geometry/LiftingSurface.h"
#include "geometry/Pose.h"
#include "geometry/Solids.h"

#include <d3dx9.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

namespace
{

using yak52::Vec3;

// Edges not shared by exactly two triangles once equal positions are welded.
std::size_t OpenEdges(const yak52::TriangleList& list)
{
    std::map<std::tuple<double, double, double>, int> ids;
    auto id = [&](Vec3 p) {
        return ids.emplace(std::make_tuple(p.x, p.y, p.z), static_cast<int>(ids.size()))
            .first->second;
    };
    std::map<std::pair<int, int>, int> uses;
    const auto& v = list.Vertices();
    for (std::size_t i = 0; i + 2 < v.size(); i += 3)
        for (int k = 0; k < 3; ++k)
        {
            const int a = id(v[i + k].position), b = id(v[i + (k + 1) % 3].position);
            ++uses[{std::min(a, b), std::max(a, b)}];
        }
    std::size_t open = 0;
    for (const auto& [edge, count] : uses)
        open += count != 2;
    return open;
}

TEST(Kit, TurnsAgreeWithTheProgramsNodeRotations)
{
    const Vec3 axes[] = {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}, {0.3, -0.5, 0.8}};
    for (const Vec3& axis : axes)
        for (double degrees : {4.0, -5.0, 90.0, 180.0})
        {
            const yak52::Pose turn = yak52::Pose::Turn(axis, degrees);
            D3DXQUATERNION q;
            const D3DXVECTOR3 a(static_cast<float>(axis.x), static_cast<float>(axis.y),
                                static_cast<float>(axis.z));
            D3DXVECTOR3 n;
            D3DXVec3Normalize(&n, &a);
            D3DXQuaternionRotationAxis(&q, &n, static_cast<float>(degrees * 0.017453292));
            D3DXMATRIX m;
            D3DXMatrixRotationQuaternion(&m, &q);
            const Vec3 rows[] = {turn.row0, turn.row1, turn.row2};
            for (int r = 0; r < 3; ++r)
            {
                EXPECT_NEAR(rows[r].x, m.m[r][0], 1e-5);
                EXPECT_NEAR(rows[r].y, m.m[r][1], 1e-5);
                EXPECT_NEAR(rows[r].z, m.m[r][2], 1e-5);
            }
        }
}

TEST(Kit, CurvesPassThroughTheirKeysWithoutOvershoot)
{
    const yak52::Curve step({{0.0, 0.0}, {1.0, 0.0}, {2.0, 1.0}, {3.0, 1.0}, {4.0, 0.2}});
    EXPECT_DOUBLE_EQ(step(2.0), 1.0);
    EXPECT_DOUBLE_EQ(step(-1.0), 0.0) << "held beyond the first key";
    EXPECT_DOUBLE_EQ(step(9.0), 0.2) << "held beyond the last key";
    for (double x = 0.0; x <= 4.0; x += 0.01)
    {
        EXPECT_GE(step(x), -1e-12) << x;
        EXPECT_LE(step(x), 1.0 + 1e-12) << x;
    }
    EXPECT_THROW(yak52::Curve({{1.0, 0.0}, {1.0, 2.0}}), std::invalid_argument);
}

TEST(Kit, RevolvedSolidsAreClosedAndHoldTheirVolume)
{
    const double pi = 3.14159265358979323846;
    const yak52::TriangleList tube = yak52::Tube({0, 0, 0}, {0, 0, 2}, 0.5, 64);
    EXPECT_EQ(OpenEdges(tube), 0u);
    EXPECT_NEAR(tube.SignedVolume(), pi * 0.25 * 2.0, 0.01 * pi * 0.25 * 2.0);

    std::vector<yak52::RevolvePoint> sphere;
    for (int i = 0; i <= 32; ++i)
    {
        const double a = pi * i / 32;
        sphere.push_back({-std::cos(a), i == 0 || i == 32 ? 0.0 : std::sin(a)});
    }
    const yak52::TriangleList ball = yak52::Revolve(sphere, {}, {1, 1, 0}, 48);
    EXPECT_EQ(OpenEdges(ball), 0u);
    EXPECT_NEAR(ball.SignedVolume(), 4.0 / 3.0 * pi, 0.02 * 4.0 / 3.0 * pi);
    // Smooth: the normal at each vertex points away from the centre.
    for (const yak52::Vertex& v : ball.Vertices())
        EXPECT_GT(yak52::Dot(v.normal, yak52::Normalize(v.position)), 0.99);

    EXPECT_THROW(yak52::Revolve({{0, 1}, {1, 1}, {2, 0}}, {}, {1, 0, 0}, 8), std::invalid_argument);
}

TEST(Kit, BoxesHaveSharpEdgesAndMirrorsStayOutward)
{
    const yak52::TriangleList box = yak52::Box({1, 0, 0}, {0.5, 0.25, 1.0});
    EXPECT_EQ(OpenEdges(box), 0u);
    EXPECT_NEAR(box.SignedVolume(), 1.0 * 0.5 * 2.0, 1e-12);
    for (const yak52::Vertex& v : box.Vertices())
        EXPECT_NEAR(std::fabs(v.normal.x) + std::fabs(v.normal.y) + std::fabs(v.normal.z), 1.0,
                    1e-12)
            << "each face keeps its own flat normal";
    const yak52::TriangleList mirrored = box.MirroredX();
    EXPECT_NEAR(mirrored.SignedVolume(), box.SignedVolume(), 1e-12);
    EXPECT_LT(mirrored.Vertices().front().position.x, 0.0);
}

TEST(Kit, LiftingSurfacesRoundTheirTipsBeyondTheLastSection)
{
    std::vector<yak52::SurfaceStation> stations;
    for (double s : {0.0, 1.0, 2.0})
        stations.push_back({s, yak52::PlacedAerofoil(0.0, 0.0, 1.0, 0.12, 0.0, 0.0, 12)});
    const yak52::SurfaceFrame frame{{}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}};
    const yak52::TriangleList square = yak52::LiftingSurface(stations, frame, {});
    const yak52::TriangleList rounded = yak52::LiftingSurface(stations, frame, {0.0, 0.3, 5});
    for (const yak52::TriangleList* surface : {&square, &rounded})
    {
        EXPECT_EQ(OpenEdges(*surface), 0u);
        EXPECT_GT(surface->SignedVolume(), 0.0);
    }
    double squareSpan = 0, roundedSpan = 0;
    for (const yak52::Vertex& v : square.Vertices())
        squareSpan = std::max(squareSpan, v.position.x);
    for (const yak52::Vertex& v : rounded.Vertices())
        roundedSpan = std::max(roundedSpan, v.position.x);
    EXPECT_DOUBLE_EQ(squareSpan, 2.0);
    EXPECT_NEAR(roundedSpan, 2.3, 1e-9);
    EXPECT_GT(rounded.SignedVolume(), square.SignedVolume());
}

} // namespace
