#include "render/Mesh.h"

#include "platform/Graphics.h"
#include "render/FilePath.h"
#include "render/MeshFile.h"

#include <cstdio>

namespace
{
// The vertex format code: a flag for each entry that is not zero.
DWORD FvfOf(const MeshFormat& format)
{
    DWORD fvf = 0;
    if (format.position)
        fvf += D3DFVF_XYZ;
    if (format.normal)
        fvf += D3DFVF_NORMAL;
    if (format.color)
        fvf += D3DFVF_DIFFUSE;
    if (format.textures)
        fvf += D3DFVF_TEX1;
    return fvf;
}

// The position of the first index that points past the vertices, or -1.
int FindIndexPastVertices(const CMeshFile* meshFile, unsigned int& index)
{
    const unsigned int vertexCount = static_cast<unsigned int>(meshFile->GetVertexCount());
    const int indexCount = meshFile->GetIndexCount();
    for (int i = 0; i < indexCount; ++i)
    {
        if (meshFile->GetIndexSize() == 16)
            index = meshFile->GetIndices16()[i];
        else if (meshFile->GetIndexSize() == 32)
            index = meshFile->GetIndices32()[i];
        else
            return -1;
        if (index >= vertexCount)
            return i;
    }
    return -1;
}
} // namespace

CMesh::CMesh()
    : m_vertexBuffer(nullptr), m_indexBuffer(nullptr), m_fvf(0), m_stride(0), m_primitiveCount(0),
      m_vertexCount(0), m_indexCount(0)
{
}

CMesh::~CMesh()
{
    Release();
}

void CMesh::Release()
{
    if (m_vertexBuffer)
    {
        m_vertexBuffer->Release();
        m_vertexBuffer = nullptr;
    }
    if (m_indexBuffer)
    {
        m_indexBuffer->Release();
        m_indexBuffer = nullptr;
    }
}

bool CMesh::Fail(const char* path, const char* reason)
{
    m_error = DescribeFilePath(path) + ": " + reason;
    for (char& c : m_error)
        if (static_cast<unsigned char>(c) < ' ')
            c = '?';
    return false;
}

bool CMesh::Load(const char* path)
{
    Release();
    m_fvf = 0;
    m_stride = m_primitiveCount = m_vertexCount = m_indexCount = 0;
    m_error.clear();

    CMeshFile* meshFile = LoadMeshFile(path);
    if (!meshFile)
        return Fail(path, "out of memory");
    if (!meshFile->IsLoaded())
    {
        m_error = meshFile->GetError();
        delete meshFile;
        return false;
    }

    // A mesh the device would read outside its buffers for is refused before
    // any buffer is made (the reader has made sure the device can take the
    // vertex format).
    MeshFormat format = meshFile->GetFormat();
    char reason[192];
    unsigned int index = 0;
    const int badIndex = FindIndexPastVertices(meshFile, index);
    if (meshFile->GetVertexCount() == 0)
        snprintf(reason, sizeof(reason), "the file has no vertices");
    else if (badIndex >= 0)
        snprintf(reason, sizeof(reason), "index %d (of %d) is %u, past the %d vertices",
                 badIndex + 1, meshFile->GetIndexCount(), index, meshFile->GetVertexCount());
    else if (!CGraphics::GetDevice())
        snprintf(reason, sizeof(reason), "there is no graphics device");
    else
        reason[0] = '\0';
    if (reason[0])
    {
        delete meshFile;
        return Fail(path, reason);
    }

    IDirect3DDevice9* device = CGraphics::GetDevice();
    m_fvf = FvfOf(format);
    m_vertexBuffer = meshFile->CreateVertexBuffer(device, m_fvf);
    if (meshFile->GetIndexSize() != 0)
        m_indexBuffer = meshFile->CreateIndexBuffer(device);
    m_stride = format.GetStride(4);
    m_indexCount = static_cast<UINT>(meshFile->GetIndexCount());
    m_vertexCount = static_cast<UINT>(meshFile->GetVertexCount());
    m_primitiveCount = (m_indexBuffer ? m_indexCount : m_vertexCount) / 3;
    delete meshFile;

    if (!m_vertexBuffer)
        return Fail(path, "the device refused its vertex buffer");
    return true;
}

IDirect3DVertexBuffer9* CMesh::GetVertexBuffer() const
{
    return m_vertexBuffer;
}

IDirect3DIndexBuffer9* CMesh::GetIndexBuffer() const
{
    return m_indexBuffer;
}

DWORD CMesh::GetFVF() const
{
    return m_fvf;
}

UINT CMesh::GetStride() const
{
    return m_stride;
}

UINT CMesh::GetPrimitiveCount() const
{
    return m_primitiveCount;
}

UINT CMesh::GetVertexCount() const
{
    return m_vertexCount;
}

UINT CMesh::GetIndexCount() const
{
    return m_indexCount;
}

const char* CMesh::GetError() const
{
    return m_error.c_str();
}

void DrawMesh(CMesh* mesh)
{
    IDirect3DDevice9* device = CGraphics::GetDevice();
    if (!mesh || !device || !mesh->GetVertexBuffer())
        return;
    device->SetFVF(mesh->GetFVF());
    device->SetStreamSource(0, mesh->GetVertexBuffer(), 0, mesh->GetStride());
    device->SetIndices(mesh->GetIndexBuffer());
    if (mesh->GetIndexBuffer())
        device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, mesh->GetVertexCount(), 0,
                                     mesh->GetPrimitiveCount());
    else
        device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, mesh->GetPrimitiveCount());
}
