#include "geometry/TriangleList.h"

#include <utility>

namespace yak52
{

void TriangleList::AddTriangle(const Vertex& a, const Vertex& b, const Vertex& c)
{
    m_vertices.push_back(a);
    m_vertices.push_back(b);
    m_vertices.push_back(c);
}

void TriangleList::Append(const TriangleList& other)
{
    m_vertices.insert(m_vertices.end(), other.m_vertices.begin(), other.m_vertices.end());
}

double TriangleList::SignedVolume() const
{
    double volume = 0.0;
    for (std::size_t i = 0; i + 2 < m_vertices.size(); i += 3)
        volume += Dot(m_vertices[i].position,
                      Cross(m_vertices[i + 1].position, m_vertices[i + 2].position));
    return volume / 6.0;
}

void TriangleList::OrientOutward()
{
    if (SignedVolume() >= 0.0)
        return;
    for (std::size_t i = 0; i + 2 < m_vertices.size(); i += 3)
        std::swap(m_vertices[i + 1], m_vertices[i + 2]);
    for (Vertex& vertex : m_vertices)
        vertex.normal = -vertex.normal;
}

TriangleList TriangleList::Placed(const Pose& pose) const
{
    TriangleList result;
    result.m_vertices.reserve(m_vertices.size());
    for (const Vertex& vertex : m_vertices)
        result.m_vertices.push_back(
            {pose.Apply(vertex.position), Normalize(pose.Rotate(vertex.normal))});
    return result;
}

TriangleList TriangleList::MirroredX() const
{
    TriangleList result;
    result.m_vertices.reserve(m_vertices.size());
    for (std::size_t i = 0; i + 2 < m_vertices.size(); i += 3)
    {
        // A mirror turns the winding inside out; swapping two corners restores it.
        const std::size_t order[3] = {i, i + 2, i + 1};
        for (std::size_t k : order)
        {
            const Vertex& v = m_vertices[k];
            result.m_vertices.push_back({{-v.position.x, v.position.y, v.position.z},
                                         {-v.normal.x, v.normal.y, v.normal.z}});
        }
    }
    return result;
}

} // namespace yak52
