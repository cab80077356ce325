// The bytes of a vertex or index buffer, kept in CPU memory, and what a
// backend attached to them (a GPU copy, refreshed at each Unlock). Shared by
// the buffer object and the device's bindings, so that a buffer the program
// released while it was still set on the device can still be drawn.
#pragma once

#include <d3d9types.h>

#include <cstddef>
#include <cstdint>
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

    // Bounds on an index buffer's indices, kept at each Unlock, so that a draw
    // whose range holds them needs no look at the indices. A new buffer's
    // bytes are zero.
    uint32_t lowestIndex = 0;
    uint32_t highestIndex = 0;

    std::unique_ptr<BackendBuffer> backend;

    UINT Size() const { return static_cast<UINT>(bytes.size()); }
    // Bytes per index of an index buffer.
    UINT IndexSize() const { return format == D3DFMT_INDEX32 ? 4 : 2; }
    // Index number `i` of an index buffer.
    uint32_t IndexAt(uint64_t i) const;
    // Takes in the indices just written at bytes [offset, offset + size): a
    // write of the whole buffer measures the bounds afresh, a part of it
    // widens them (they may then be wider than the indices, never narrower).
    void MeasureIndices(UINT offset, UINT size);
};

} // namespace compat::d3d9
