// The committed mesh files as the tests see them: read back through the
// program's mesh file reader into positions, normals and triangles, with the
// measurements the checks need (bounds, welded edges, enclosed volume,
// whether a point lies inside).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace art_test
{

struct P3
{
    double x = 0, y = 0, z = 0;
};
P3 operator+(P3 a, P3 b);
P3 operator-(P3 a, P3 b);
P3 operator*(P3 a, double s);
double Dot(P3 a, P3 b);
P3 Cross(P3 a, P3 b);
double Length(P3 a);

struct Bounds
{
    P3 min{1e30, 1e30, 1e30};
    P3 max{-1e30, -1e30, -1e30};
    P3 Centre() const { return (min + max) * 0.5; }
    P3 Size() const { return max - min; }
};

struct ArtMesh
{
    std::vector<P3> positions;
    std::vector<P3> normals;
    std::vector<std::array<unsigned, 3>> triangles;

    Bounds GetBounds() const;
    // Edges of the surface with equal positions welded: the number of edges
    // not shared by exactly two triangles (0 for a watertight surface).
    std::size_t OpenOrOverusedEdges() const;
    double EnclosedVolume() const;
    // The winding number of the surface about p: about 1 inside a closed,
    // outward-facing solid, 0 outside.
    double WindingNumber(P3 p) const;
    bool Contains(P3 p) const { return WindingNumber(p) > 0.5; }
    // The same mesh moved by `offset`.
    ArtMesh Moved(P3 offset) const;
};

// Folder of the committed mesh files.
std::string ArtFolder();
// The fifteen file names the program loads, in the world's mesh table.
const std::vector<std::string>& ArtFileNames();

// Reads `folder/name` with the program's reader; fails the calling test
// (and returns an empty mesh) when it cannot be read or is not in the
// position-and-normal layout with 32-bit indices.
ArtMesh LoadArt(const std::string& name, const std::string& folder = ArtFolder());

} // namespace art_test
