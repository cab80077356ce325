// A mesh ready to draw: its vertex and index buffers on the graphics device,
// with the vertex format code, stride and counts the draw call needs.
#pragma once

#include <d3d9.h>

#include <string>

class CMesh
{
public:
    CMesh();
    // Releases the buffers.
    ~CMesh();

    // Reads the mesh file and copies its data into device buffers. True when
    // the mesh can be drawn; otherwise GetError() says why in one line that
    // names the file.
    bool Load(const char* path);

    IDirect3DVertexBuffer9* GetVertexBuffer() const;
    IDirect3DIndexBuffer9* GetIndexBuffer() const;
    DWORD GetFVF() const;
    UINT GetStride() const;
    UINT GetPrimitiveCount() const;
    UINT GetVertexCount() const;
    UINT GetIndexCount() const;
    const char* GetError() const;

private:
    void Release();
    bool Fail(const char* path, const char* reason);

    IDirect3DVertexBuffer9* m_vertexBuffer;
    IDirect3DIndexBuffer9* m_indexBuffer; // null when the file has no index list
    DWORD m_fvf;
    UINT m_stride;
    UINT m_primitiveCount;
    UINT m_vertexCount;
    UINT m_indexCount;
    std::string m_error;
};

// Draws the whole mesh as a triangle list with the device's current
// transforms, material and states: indexed when it has an index buffer,
// else straight from the vertex buffer. Does nothing without a device or for
// a mesh that did not load.
void DrawMesh(CMesh* mesh);
