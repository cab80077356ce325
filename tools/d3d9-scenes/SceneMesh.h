// A MeshData in device buffers, made and drawn as the program's mesh code
// does: a vertex buffer in the vertex format asked for (position, then
// normal, diffuse colour and texture pair as the format has them), an index
// buffer of 16- or 32-bit indices or none at all, and one triangle-list draw.
#pragma once

#include "MeshData.h"

#include <d3d9.h>

#include <string>

// The formats most scenes use: the art's (position and normal) and position
// with a colour.
inline constexpr DWORD kPositionNormal = D3DFVF_XYZ | D3DFVF_NORMAL;
inline constexpr DWORD kPositionColour = D3DFVF_XYZ | D3DFVF_DIFFUSE;

enum class Indices
{
    None, // the triangles' vertices one after another, drawn with DrawPrimitive
    Bits16,
    Bits32,
};

class SceneMesh
{
public:
    SceneMesh() = default;
    ~SceneMesh();
    SceneMesh(const SceneMesh&) = delete;
    SceneMesh& operator=(const SceneMesh&) = delete;

    // Fills the buffers; "" on success, else why not. `fvf` holds D3DFVF_XYZ
    // and any of D3DFVF_NORMAL, D3DFVF_DIFFUSE, D3DFVF_TEX1.
    std::string Create(IDirect3DDevice9* device, const MeshData& mesh, DWORD fvf, Indices indices);

    // SetFVF, SetStreamSource, SetIndices and the draw, with the device's
    // current transforms, material and states.
    void Draw(IDirect3DDevice9* device) const;

private:
    IDirect3DVertexBuffer9* vertexBuffer_ = nullptr;
    IDirect3DIndexBuffer9* indexBuffer_ = nullptr;
    DWORD fvf_ = 0;
    UINT stride_ = 0;
    UINT vertexCount_ = 0;
    UINT triangleCount_ = 0;
};
