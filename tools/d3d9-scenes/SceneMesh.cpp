#include "SceneMesh.h"

#include <cstring>
#include <vector>

namespace
{

UINT StrideOf(DWORD fvf)
{
    UINT floats = 3;
    if ((fvf & D3DFVF_NORMAL) != 0)
        floats += 3;
    if ((fvf & D3DFVF_DIFFUSE) != 0)
        floats += 1;
    if ((fvf & D3DFVF_TEX1) != 0)
        floats += 2;
    return floats * 4;
}

void Put(std::vector<unsigned char>& bytes, const void* value, std::size_t size)
{
    const auto* first = static_cast<const unsigned char*>(value);
    bytes.insert(bytes.end(), first, first + size);
}

// The vertices in the layout `fvf` gives them, in the order `order` lists.
std::vector<unsigned char> PackVertices(const MeshData& mesh, DWORD fvf,
                                        const std::vector<std::uint32_t>& order)
{
    std::vector<unsigned char> bytes;
    for (std::uint32_t index : order)
    {
        const MeshVertex& v = mesh.vertices[index];
        Put(bytes, &v.position, 3 * sizeof(float));
        if ((fvf & D3DFVF_NORMAL) != 0)
            Put(bytes, &v.normal, 3 * sizeof(float));
        if ((fvf & D3DFVF_DIFFUSE) != 0)
            Put(bytes, &v.colour, sizeof(D3DCOLOR));
        if ((fvf & D3DFVF_TEX1) != 0)
        {
            Put(bytes, &v.u, sizeof(float));
            Put(bytes, &v.v, sizeof(float));
        }
    }
    return bytes;
}

} // namespace

SceneMesh::~SceneMesh()
{
    if (vertexBuffer_ != nullptr)
        vertexBuffer_->Release();
    if (indexBuffer_ != nullptr)
        indexBuffer_->Release();
}

std::string SceneMesh::Create(IDirect3DDevice9* device, const MeshData& mesh, DWORD fvf,
                              Indices indices)
{
    fvf_ = fvf;
    stride_ = StrideOf(fvf);
    triangleCount_ = static_cast<UINT>(mesh.indices.size() / 3);
    std::vector<std::uint32_t> order;
    if (indices == Indices::None)
        order = mesh.indices;
    else
        for (std::uint32_t i = 0; i < mesh.vertices.size(); ++i)
            order.push_back(i);
    vertexCount_ = static_cast<UINT>(order.size());

    const std::vector<unsigned char> bytes = PackVertices(mesh, fvf, order);
    const auto length = static_cast<UINT>(bytes.size());
    if (device->CreateVertexBuffer(length, 0, fvf, D3DPOOL_DEFAULT, &vertexBuffer_, nullptr) !=
        D3D_OK)
        return "CreateVertexBuffer failed";
    void* data = nullptr;
    if (vertexBuffer_->Lock(0, length, &data, 0) != D3D_OK)
        return "locking the vertex buffer failed";
    std::memcpy(data, bytes.data(), length);
    vertexBuffer_->Unlock();

    if (indices == Indices::None)
        return {};
    const bool wide = indices == Indices::Bits32;
    if (!wide && mesh.vertices.size() > 0xffff)
        return "a mesh of more than 65535 vertices takes 32-bit indices";
    const auto indexLength = static_cast<UINT>(mesh.indices.size() * (wide ? 4 : 2));
    if (device->CreateIndexBuffer(indexLength, 0, wide ? D3DFMT_INDEX32 : D3DFMT_INDEX16,
                                  D3DPOOL_DEFAULT, &indexBuffer_, nullptr) != D3D_OK)
        return "CreateIndexBuffer failed";
    if (indexBuffer_->Lock(0, indexLength, &data, 0) != D3D_OK)
        return "locking the index buffer failed";
    if (wide)
        std::memcpy(data, mesh.indices.data(), indexLength);
    else
    {
        std::vector<std::uint16_t> narrow(mesh.indices.begin(), mesh.indices.end());
        std::memcpy(data, narrow.data(), indexLength);
    }
    indexBuffer_->Unlock();
    return {};
}

void SceneMesh::Draw(IDirect3DDevice9* device) const
{
    if (vertexBuffer_ == nullptr)
        return;
    device->SetFVF(fvf_);
    device->SetStreamSource(0, vertexBuffer_, 0, stride_);
    device->SetIndices(indexBuffer_);
    if (indexBuffer_ != nullptr)
        device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, vertexCount_, 0, triangleCount_);
    else
        device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, triangleCount_);
}
