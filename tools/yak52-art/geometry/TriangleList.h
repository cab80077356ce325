// The generator's in-memory mesh: a plain triangle list, three vertices per
// triangle, each with a position and a unit normal. Triangles wind so that
// (b - a) x (c - a) points out of the solid, the side the normals face.
#pragma once

#include "geometry/Pose.h"
#include "geometry/Vec3.h"

#include <cstddef>
#include <vector>

namespace yak52
{

struct Vertex
{
    Vec3 position;
    Vec3 normal;
};

class TriangleList
{
public:
    void AddTriangle(const Vertex& a, const Vertex& b, const Vertex& c);
    void Append(const TriangleList& other);

    const std::vector<Vertex>& Vertices() const { return m_vertices; }
    std::size_t TriangleCount() const { return m_vertices.size() / 3; }

    // Volume enclosed by the triangles, positive when they face outward
    // (meaningful for closed surfaces).
    double SignedVolume() const;
    // Reverses every triangle and normal when the enclosed volume is negative,
    // so that a closed surface faces outward whichever way it was stitched.
    void OrientOutward();

    // The same triangles placed by `pose` (positions moved, normals turned).
    TriangleList Placed(const Pose& pose) const;
    // The mirror image across the plane x = 0, still facing outward.
    TriangleList MirroredX() const;

private:
    std::vector<Vertex> m_vertices;
};

} // namespace yak52
