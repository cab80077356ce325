// The device buffers made from a mesh file's data, for the mesh object.
#include "render/MeshFile.h"

#include <cstring>

IDirect3DVertexBuffer9* CMeshFile::CreateVertexBuffer(IDirect3DDevice9* device, DWORD fvf)
{
    const UINT length = m_format.GetStride(4) * static_cast<UINT>(m_vertexCount);
    IDirect3DVertexBuffer9* vertexBuffer = nullptr;
    if (device->CreateVertexBuffer(length, 0, fvf, D3DPOOL_DEFAULT, &vertexBuffer, nullptr) !=
        D3D_OK)
        return nullptr;
    void* data = nullptr;
    if (vertexBuffer->Lock(0, length, &data, 0) != D3D_OK)
    {
        vertexBuffer->Release();
        return nullptr;
    }
    memcpy(data, m_vertices.data(), length);
    vertexBuffer->Unlock();
    return vertexBuffer;
}

IDirect3DIndexBuffer9* CMeshFile::CreateIndexBuffer(IDirect3DDevice9* device)
{
    const UINT elementSize = m_indexSize == 32 ? 4 : 2;
    const UINT length = static_cast<UINT>(m_indexCount) * elementSize;
    IDirect3DIndexBuffer9* indexBuffer = nullptr;
    if (device->CreateIndexBuffer(length, 0, m_indexSize == 32 ? D3DFMT_INDEX32 : D3DFMT_INDEX16,
                                  D3DPOOL_DEFAULT, &indexBuffer, nullptr) != D3D_OK)
        return nullptr;
    void* data = nullptr;
    if (indexBuffer->Lock(0, length, &data, 0) != D3D_OK)
    {
        indexBuffer->Release();
        return nullptr;
    }
    if (m_indexSize == 32)
        memcpy(data, m_indices32.data(), length);
    else
        memcpy(data, m_indices16.data(), length);
    indexBuffer->Unlock();
    return indexBuffer;
}
