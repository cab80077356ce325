// Shapes made in memory as indexed triangle lists, with every element a
// vertex can have in the program's meshes: position, normal, diffuse colour
// and one texture-coordinate pair. SceneMesh packs only the elements its
// vertex format asks for.
#pragma once

#include <d3dx9.h>

#include <cstdint>
#include <functional>
#include <vector>

struct MeshVertex
{
    D3DXVECTOR3 position;
    D3DXVECTOR3 normal;
    D3DCOLOR colour;
    float u, v;
};

struct MeshData
{
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices; // three a triangle

    // Sets every vertex's colour from the vertex.
    void Paint(const std::function<D3DCOLOR(const MeshVertex&)>& colourOf);
    // Adds `other`'s triangles to this mesh.
    void Append(const MeshData& other);
};

// A sphere about the origin, `slices` around the y axis and `stacks` from
// pole to pole, normals pointing out; its triangles wind clockwise seen from
// outside, Direct3D's front.
MeshData Sphere(float radius, int slices, int stacks);

// A box about the origin with the given half extents: four vertices a face,
// each with the face's normal, clockwise seen from outside.
MeshData Box(float halfX, float halfY, float halfZ);

// A flat quad through the four corners in the order given (a, b, c, d
// around it), normal `normal`: triangles a-b-c and a-c-d.
MeshData Quad(const D3DXVECTOR3& a, const D3DXVECTOR3& b, const D3DXVECTOR3& c,
              const D3DXVECTOR3& d, const D3DXVECTOR3& normal);

// One triangle a-b-c with a normal of (0, 0, -1) and the corners' colours.
MeshData Triangle(const D3DXVECTOR3& a, const D3DXVECTOR3& b, const D3DXVECTOR3& c,
                  D3DCOLOR colourA, D3DCOLOR colourB, D3DCOLOR colourC);

// A colour from each channel in 0..1 (as D3DCOLOR_COLORVALUE, rounding).
D3DCOLOR ColourOf(float r, float g, float b);
