#include "MeshData.h"

#include <cmath>

void MeshData::Paint(const std::function<D3DCOLOR(const MeshVertex&)>& colourOf)
{
    for (MeshVertex& vertex : vertices)
        vertex.colour = colourOf(vertex);
}

void MeshData::Append(const MeshData& other)
{
    const auto base = static_cast<std::uint32_t>(vertices.size());
    vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
    for (std::uint32_t index : other.indices)
        indices.push_back(base + index);
}

MeshData Sphere(float radius, int slices, int stacks)
{
    MeshData mesh;
    for (int stack = 0; stack <= stacks; ++stack)
    {
        const float polar = D3DX_PI * static_cast<float>(stack) / static_cast<float>(stacks);
        for (int slice = 0; slice <= slices; ++slice)
        {
            const float azimuth =
                2.0f * D3DX_PI * static_cast<float>(slice) / static_cast<float>(slices);
            const D3DXVECTOR3 n(std::sin(polar) * std::cos(azimuth), std::cos(polar),
                                std::sin(polar) * std::sin(azimuth));
            mesh.vertices.push_back(
                MeshVertex{D3DXVECTOR3(n.x * radius, n.y * radius, n.z * radius), n, 0xFFFFFFFF,
                           static_cast<float>(slice) / static_cast<float>(slices),
                           static_cast<float>(stack) / static_cast<float>(stacks)});
        }
    }
    const auto row = static_cast<std::uint32_t>(slices + 1);
    for (int stack = 0; stack < stacks; ++stack)
        for (int slice = 0; slice < slices; ++slice)
        {
            const std::uint32_t a =
                static_cast<std::uint32_t>(stack) * row + static_cast<std::uint32_t>(slice);
            const std::uint32_t b = a + 1;
            const std::uint32_t c = a + row;
            const std::uint32_t d = c + 1;
            // Seen from outside, a (upper left) → b → d runs clockwise.
            mesh.indices.insert(mesh.indices.end(), {a, b, d, a, d, c});
        }
    return mesh;
}

MeshData Quad(const D3DXVECTOR3& a, const D3DXVECTOR3& b, const D3DXVECTOR3& c,
              const D3DXVECTOR3& d, const D3DXVECTOR3& normal)
{
    MeshData mesh;
    mesh.vertices = {MeshVertex{a, normal, 0xFFFFFFFF, 0.0f, 0.0f},
                     MeshVertex{b, normal, 0xFFFFFFFF, 1.0f, 0.0f},
                     MeshVertex{c, normal, 0xFFFFFFFF, 1.0f, 1.0f},
                     MeshVertex{d, normal, 0xFFFFFFFF, 0.0f, 1.0f}};
    mesh.indices = {0, 1, 2, 0, 2, 3};
    return mesh;
}

MeshData Box(float halfX, float halfY, float halfZ)
{
    MeshData mesh;
    const float x = halfX;
    const float y = halfY;
    const float z = halfZ;
    using V = D3DXVECTOR3;
    // Each face's corners clockwise seen from outside, from its upper left.
    mesh.Append(Quad(V(-x, y, -z), V(x, y, -z), V(x, -y, -z), V(-x, -y, -z), V(0, 0, -1)));
    mesh.Append(Quad(V(x, y, z), V(-x, y, z), V(-x, -y, z), V(x, -y, z), V(0, 0, 1)));
    mesh.Append(Quad(V(-x, y, z), V(-x, y, -z), V(-x, -y, -z), V(-x, -y, z), V(-1, 0, 0)));
    mesh.Append(Quad(V(x, y, -z), V(x, y, z), V(x, -y, z), V(x, -y, -z), V(1, 0, 0)));
    mesh.Append(Quad(V(-x, y, z), V(x, y, z), V(x, y, -z), V(-x, y, -z), V(0, 1, 0)));
    mesh.Append(Quad(V(-x, -y, -z), V(x, -y, -z), V(x, -y, z), V(-x, -y, z), V(0, -1, 0)));
    return mesh;
}

MeshData Triangle(const D3DXVECTOR3& a, const D3DXVECTOR3& b, const D3DXVECTOR3& c,
                  D3DCOLOR colourA, D3DCOLOR colourB, D3DCOLOR colourC)
{
    const D3DXVECTOR3 normal(0.0f, 0.0f, -1.0f);
    MeshData mesh;
    mesh.vertices = {MeshVertex{a, normal, colourA, 0.0f, 0.0f},
                     MeshVertex{b, normal, colourB, 1.0f, 0.0f},
                     MeshVertex{c, normal, colourC, 0.0f, 1.0f}};
    mesh.indices = {0, 1, 2};
    return mesh;
}

D3DCOLOR ColourOf(float r, float g, float b)
{
    auto channel = [](float value)
    {
        const float clamped = value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
        return static_cast<DWORD>(std::lround(clamped * 255.0f));
    };
    return D3DCOLOR_XRGB(channel(r), channel(g), channel(b));
}
