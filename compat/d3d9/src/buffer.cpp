#include "buffer.h"

#include <compat/call_timing.h>
#include "device.h"
#include "errors.h"

namespace compat::d3d9
{
namespace
{

constexpr DWORD kKnownLockFlags = D3DLOCK_READONLY | D3DLOCK_DISCARD | D3DLOCK_NOOVERWRITE |
                                  D3DLOCK_NOSYSLOCK | D3DLOCK_DONOTWAIT | D3DLOCK_NO_DIRTY_UPDATE;

const char* KindOf(D3DRESOURCETYPE type)
{
    return type == D3DRTYPE_VERTEXBUFFER ? "vertex buffer" : "index buffer";
}

} // namespace

template <class Interface, class Desc>
Buffer<Interface, Desc>::Buffer(Device& device, std::shared_ptr<BufferStorage> storage)
    : device_(device), storage_(std::move(storage))
{
    device_.Hold();
    device_.BufferCreated(storage_->pool);
}

template <class Interface, class Desc> Buffer<Interface, Desc>::~Buffer()
{
    const D3DPOOL pool = storage_->pool;
    storage_.reset();
    device_.BufferDestroyed(pool);
    device_.Unhold();
}

template <class Interface, class Desc>
void Buffer<Interface, Desc>::Traced(std::string_view method, ULONG references)
{
    device_.Trace(method, this,
                  [&](CallBuilder& c) { c.Result(static_cast<int32_t>(references)); });
}

template <class Interface, class Desc> D3DRESOURCETYPE Buffer<Interface, Desc>::GetType()
{
    return storage_->type;
}

template <class Interface, class Desc>
HRESULT Buffer<Interface, Desc>::Lock(UINT OffsetToLock, UINT SizeToLock, void** ppbData,
                                      DWORD Flags)
{
    const timing::TimedCall timed(timing::Call::buffers, &device_.Backend());
    const HRESULT hr = TryLock(OffsetToLock, SizeToLock, ppbData, Flags);
    device_.Trace("Lock", this,
                  [&](CallBuilder& c)
                  {
                      c.Int(OffsetToLock).Int(SizeToLock).Int(Flags);
                      c.Pointer(ppbData != nullptr ? *ppbData : nullptr).Result(hr);
                  });
    return hr;
}

template <class Interface, class Desc>
HRESULT Buffer<Interface, Desc>::TryLock(UINT offset, UINT size, void** data, DWORD flags)
{
    BufferStorage& s = *storage_;
    const char* kind = KindOf(s.type);
    if (data == nullptr)
        return Fail(D3DERR_INVALIDCALL, "Lock: ppbData is null");
    *data = nullptr;
    if (s.locked)
        return Fail(D3DERR_INVALIDCALL, "Lock: the %s is already locked", kind);
    if ((flags & ~kKnownLockFlags) != 0)
        return Fail(D3DERR_INVALIDCALL, "Lock: unknown lock flags 0x%x",
                    static_cast<unsigned>(flags & ~kKnownLockFlags));
    if ((flags & (D3DLOCK_DISCARD | D3DLOCK_NOOVERWRITE)) != 0 && (s.usage & D3DUSAGE_DYNAMIC) == 0)
        return Fail(D3DERR_INVALIDCALL,
                    "Lock: D3DLOCK_DISCARD and D3DLOCK_NOOVERWRITE need a D3DUSAGE_DYNAMIC %s",
                    kind);
    const UINT length = s.Size();
    if (offset > length || (size != 0 && uint64_t{offset} + size > length) ||
        (size == 0 && offset == length))
        return Fail(D3DERR_INVALIDCALL, "Lock: bytes %u..%u are outside the %u-byte %s", offset,
                    size == 0 ? length : offset + size, length, kind);
    s.locked = true;
    s.lockOffset = offset;
    s.lockSize = size == 0 ? length - offset : size;
    s.lockFlags = flags;
    *data = s.bytes.data() + offset;
    return D3D_OK;
}

template <class Interface, class Desc> HRESULT Buffer<Interface, Desc>::Unlock()
{
    const timing::TimedCall timed(timing::Call::buffers, &device_.Backend());
    BufferStorage& s = *storage_;
    HRESULT hr = D3D_OK;
    if (!s.locked)
        hr = Fail(D3DERR_INVALIDCALL, "Unlock: the %s is not locked", KindOf(s.type));
    else
    {
        s.locked = false;
        if ((s.lockFlags & D3DLOCK_READONLY) == 0)
        {
            if (s.type == D3DRTYPE_INDEXBUFFER)
                s.MeasureIndices(s.lockOffset, s.lockSize);
            device_.Backend().UpdateBuffer(s, s.lockOffset, s.lockSize);
        }
    }
    device_.Trace("Unlock", this, [&](CallBuilder& c) { c.Result(hr); });
    return hr;
}

template <class Interface, class Desc> HRESULT Buffer<Interface, Desc>::GetDesc(Desc* pDesc)
{
    if (pDesc == nullptr)
        return Fail(D3DERR_INVALIDCALL, "GetDesc: pDesc is null");
    const BufferStorage& s = *storage_;
    pDesc->Format = s.format;
    pDesc->Type = s.type;
    pDesc->Usage = s.usage;
    pDesc->Pool = s.pool;
    pDesc->Size = s.Size();
    if constexpr (requires { pDesc->FVF; })
        pDesc->FVF = s.fvf;
    return D3D_OK;
}

template class Buffer<IDirect3DVertexBuffer9, D3DVERTEXBUFFER_DESC>;
template class Buffer<IDirect3DIndexBuffer9, D3DINDEXBUFFER_DESC>;

} // namespace compat::d3d9
