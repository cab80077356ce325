// The bytes of a vertex or index buffer, kept in CPU memory, and what a
// backend attached to them (a GPU copy, refreshed at each Unlock). Shared by
// the buffer object and the device's bindings, so that a buffer the program
// released while it was still set on the device can still be drawn.
#pragma once

#include <d3d9types.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace compat::d3d9
{

// What a backend keeps for one buffer; destroyed with the storage.
class BackendBuffer
{
public:
    virtual ~BackendBuffer() = default;
};

struct BufferStorage
{
    D3DRESOURCETYPE type = D3DRTYPE_VERTEXBUFFER;
    D3DFORMAT format = D3DFMT_VERTEXDATA;
    DWORD usage = 0;
    D3DPOOL pool = D3DPOOL_DEFAULT;
    DWORD fvf = 0;
    std::vector<std::byte> bytes;

    bool locked = false;
    UINT lockOffset = 0;
    UINT lockSize = 0;
    DWORD lockFlags = 0;

    std::unique_ptr<BackendBuffer> backend;

    UINT Size() const { return static_cast<UINT>(bytes.size()); }
    // Bytes per index of an index buffer.
    UINT IndexSize() const { return format == D3DFMT_INDEX32 ? 4 : 2; }
};

} // namespace compat::d3d9
