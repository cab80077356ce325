// Vertex and index buffers: bytes in CPU memory (BufferStorage) that the
// program fills between Lock and Unlock; the backend is told at Unlock. Each
// holds a reference to its device.
#pragma once

#include "buffer_storage.h"
#include "com_object.h"

#include <d3d9.h>

#include <memory>

namespace compat::d3d9
{

class Device;

template <class Interface, class Desc> class Buffer final : public ComObject<Interface>
{
public:
    Buffer(Device& device, std::shared_ptr<BufferStorage> storage);
    ~Buffer() override;

    D3DRESOURCETYPE GetType() override;
    HRESULT Lock(UINT OffsetToLock, UINT SizeToLock, void** ppbData, DWORD Flags) override;
    HRESULT Unlock() override;
    HRESULT GetDesc(Desc* pDesc) override;

    const std::shared_ptr<BufferStorage>& Storage() const { return storage_; }
    const Device& Owner() const { return device_; }

private:
    void Traced(std::string_view method, ULONG references) override;
    HRESULT TryLock(UINT offset, UINT size, void** data, DWORD flags);

    Device& device_;
    std::shared_ptr<BufferStorage> storage_;
};

using VertexBuffer = Buffer<IDirect3DVertexBuffer9, D3DVERTEXBUFFER_DESC>;
using IndexBuffer = Buffer<IDirect3DIndexBuffer9, D3DINDEXBUFFER_DESC>;

} // namespace compat::d3d9
