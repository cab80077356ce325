#include "ArtMesh.h"

#include "render/MeshFile.h"
#include "world/MeshTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>

namespace art_test
{

P3 operator+(P3 a, P3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
P3 operator-(P3 a, P3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
P3 operator*(P3 a, double s)
{
    return {a.x * s, a.y * s, a.z * s};
}
double Dot(P3 a, P3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
P3 Cross(P3 a, P3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Length(P3 a)
{
    return std::sqrt(Dot(a, a));
}

Bounds ArtMesh::GetBounds() const
{
    Bounds bounds;
    for (const P3& p : positions)
    {
        bounds.min = {std::min(bounds.min.x, p.x), std::min(bounds.min.y, p.y),
                      std::min(bounds.min.z, p.z)};
        bounds.max = {std::max(bounds.max.x, p.x), std::max(bounds.max.y, p.y),
                      std::max(bounds.max.z, p.z)};
    }
    return bounds;
}

std::size_t ArtMesh::OpenOrOverusedEdges() const
{
    // Weld: one id per distinct position (a vertex split for a sharp edge
    // differs from its twin only in its normal).
    std::map<std::tuple<double, double, double>, unsigned> ids;
    std::vector<unsigned> weld(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        weld[i] = ids.emplace(std::make_tuple(positions[i].x, positions[i].y, positions[i].z),
                              static_cast<unsigned>(ids.size()))
                      .first->second;
    std::map<std::pair<unsigned, unsigned>, int> uses;
    for (const auto& t : triangles)
        for (int k = 0; k < 3; ++k)
        {
            const unsigned a = weld[t[k]], b = weld[t[(k + 1) % 3]];
            ++uses[{std::min(a, b), std::max(a, b)}];
        }
    std::size_t bad = 0;
    for (const auto& [edge, count] : uses)
        bad += count != 2 || edge.first == edge.second;
    return bad;
}

double ArtMesh::EnclosedVolume() const
{
    double volume = 0;
    for (const auto& t : triangles)
        volume += Dot(positions[t[0]], Cross(positions[t[1]], positions[t[2]]));
    return volume / 6.0;
}

double ArtMesh::WindingNumber(P3 p) const
{
    // Sum of the solid angles the triangles subtend at p.
    double total = 0;
    for (const auto& t : triangles)
    {
        const P3 a = positions[t[0]] - p, b = positions[t[1]] - p, c = positions[t[2]] - p;
        const double la = Length(a), lb = Length(b), lc = Length(c);
        const double numerator = Dot(a, Cross(b, c));
        const double denominator = la * lb * lc + Dot(a, b) * lc + Dot(a, c) * lb + Dot(b, c) * la;
        total += 2.0 * std::atan2(numerator, denominator);
    }
    return total / (4.0 * 3.14159265358979323846);
}

ArtMesh ArtMesh::Moved(P3 offset) const
{
    ArtMesh moved = *this;
    for (P3& p : moved.positions)
        p = p + offset;
    return moved;
}

std::string ArtFolder()
{
    return ZARV_ART_FOLDER;
}

const std::vector<std::string>& ArtFileNames()
{
    static const std::vector<std::string> names = []
    {
        std::vector<std::string> names;
        for (const MeshTableEntry& entry : CWorld::s_meshTable)
            names.push_back(GetMeshFileName(entry));
        return names;
    }();
    return names;
}

ArtMesh LoadArt(const std::string& name, const std::string& folder)
{
    ArtMesh mesh;
    const std::string path = folder + "/" + name;
    std::unique_ptr<CMeshFile> file(LoadMeshFile(path.c_str()));
    if (!file || !file->IsLoaded())
    {
        ADD_FAILURE() << (file ? file->GetError() : "out of memory");
        return mesh;
    }
    MeshFormat format = file->GetFormat();
    EXPECT_EQ(format.position, 3) << name;
    EXPECT_EQ(format.normal, 1) << name;
    EXPECT_EQ(format.color, 0) << name;
    EXPECT_EQ(format.textures, 0) << name;
    EXPECT_EQ(file->GetIndexSize(), 32) << name;
    EXPECT_EQ(file->GetIndexCount() % 3, 0) << name;
    if (format.GetFloatCount() != 6 || file->GetIndexSize() != 32)
        return mesh;

    const float* v = file->GetVertices();
    for (int i = 0; i < file->GetVertexCount(); ++i, v += 6)
    {
        mesh.positions.push_back({v[0], v[1], v[2]});
        mesh.normals.push_back({v[3], v[4], v[5]});
    }
    const unsigned* index = file->GetIndices32();
    for (int i = 0; i + 2 < file->GetIndexCount(); i += 3)
        mesh.triangles.push_back({index[i], index[i + 1], index[i + 2]});
    return mesh;
}

} // namespace art_test
