// Creating vertex and index buffers on the device.
#include "buffer.h"
#include <compat/call_timing.h>
#include "device.h"
#include "errors.h"
#include "fvf.h"

#include <new>

namespace compat::d3d9
{
namespace
{

constexpr DWORD kKnownUsage = D3DUSAGE_WRITEONLY | D3DUSAGE_SOFTWAREPROCESSING |
                              D3DUSAGE_DONOTCLIP | D3DUSAGE_POINTS | D3DUSAGE_DYNAMIC;

HRESULT CheckCommon(const char* method, UINT length, DWORD usage, D3DPOOL pool, const void* out,
                    const HANDLE* sharedHandle)
{
    if (out == nullptr)
        return Fail(D3DERR_INVALIDCALL, "%s: the out pointer is null", method);
    if (length == 0)
        return Fail(D3DERR_INVALIDCALL, "%s: Length is 0", method);
    if ((usage & ~kKnownUsage) != 0)
        return Fail(D3DERR_INVALIDCALL, "%s: usage 0x%x is not for buffers", method,
                    static_cast<unsigned>(usage));
    if (pool != D3DPOOL_DEFAULT && pool != D3DPOOL_MANAGED && pool != D3DPOOL_SYSTEMMEM)
        return Fail(D3DERR_INVALIDCALL, "%s: pool %d is not DEFAULT, MANAGED or SYSTEMMEM", method,
                    static_cast<int>(pool));
    if (pool == D3DPOOL_MANAGED && (usage & D3DUSAGE_DYNAMIC) != 0)
        return Fail(D3DERR_INVALIDCALL, "%s: a D3DPOOL_MANAGED buffer cannot be dynamic", method);
    if (sharedHandle != nullptr)
        return Fail(D3DERR_INVALIDCALL, "%s: shared resources are not supported", method);
    return D3D_OK;
}

// The storage, or null when the memory cannot be had.
std::shared_ptr<BufferStorage> MakeStorage(D3DRESOURCETYPE type, UINT length, DWORD usage,
                                           D3DFORMAT format, DWORD fvf, D3DPOOL pool)
{
    try
    {
        auto storage = std::make_shared<BufferStorage>();
        storage->type = type;
        storage->format = format;
        storage->usage = usage;
        storage->pool = pool;
        storage->fvf = fvf;
        storage->bytes.resize(length);
        return storage;
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}

} // namespace

HRESULT Device::CreateVertexBuffer(UINT Length, DWORD Usage, DWORD FVF, D3DPOOL Pool,
                                   IDirect3DVertexBuffer9** ppVertexBuffer, HANDLE* pSharedHandle)
{
    const timing::TimedCall timed(timing::Call::buffers, backend_.get());
    if (ppVertexBuffer != nullptr)
        *ppVertexBuffer = nullptr;
    HRESULT hr =
        CheckCommon("CreateVertexBuffer", Length, Usage, Pool, ppVertexBuffer, pSharedHandle);
    std::string_view why;
    if (SUCCEEDED(hr) && FVF != 0 && !IsSupportedFvf(FVF, why))
        hr = Fail(D3DERR_INVALIDCALL, "CreateVertexBuffer: FVF 0x%x: %.*s",
                  static_cast<unsigned>(FVF), static_cast<int>(why.size()), why.data());
    else if (SUCCEEDED(hr) && FVF != 0 && Length < LayoutOf(FVF).stride)
        hr = Fail(D3DERR_INVALIDCALL,
                  "CreateVertexBuffer: Length %u is less than one vertex of FVF 0x%x (%u bytes)",
                  Length, static_cast<unsigned>(FVF), LayoutOf(FVF).stride);
    if (SUCCEEDED(hr))
    {
        auto storage =
            MakeStorage(D3DRTYPE_VERTEXBUFFER, Length, Usage, D3DFMT_VERTEXDATA, FVF, Pool);
        if (storage == nullptr)
            hr =
                Fail(D3DERR_OUTOFVIDEOMEMORY, "CreateVertexBuffer: no memory for %u bytes", Length);
        else
        {
            storage->backend = backend_->CreateBuffer(*storage);
            *ppVertexBuffer = new VertexBuffer(*this, std::move(storage));
        }
    }
    Trace("CreateVertexBuffer", this,
          [&](CallBuilder& c)
          {
              c.Int(Length).Int(Usage).Int(FVF).Int(Pool);
              c.Pointer(ppVertexBuffer != nullptr ? *ppVertexBuffer : nullptr).Result(hr);
          });
    return hr;
}

HRESULT Device::CreateIndexBuffer(UINT Length, DWORD Usage, D3DFORMAT Format, D3DPOOL Pool,
                                  IDirect3DIndexBuffer9** ppIndexBuffer, HANDLE* pSharedHandle)
{
    const timing::TimedCall timed(timing::Call::buffers, backend_.get());
    if (ppIndexBuffer != nullptr)
        *ppIndexBuffer = nullptr;
    HRESULT hr =
        CheckCommon("CreateIndexBuffer", Length, Usage, Pool, ppIndexBuffer, pSharedHandle);
    if (SUCCEEDED(hr) && Format != D3DFMT_INDEX16 && Format != D3DFMT_INDEX32)
        hr = Fail(D3DERR_INVALIDCALL, "CreateIndexBuffer: format %d is not INDEX16 or INDEX32",
                  static_cast<int>(Format));
    if (SUCCEEDED(hr))
    {
        auto storage = MakeStorage(D3DRTYPE_INDEXBUFFER, Length, Usage, Format, 0, Pool);
        if (storage == nullptr)
            hr = Fail(D3DERR_OUTOFVIDEOMEMORY, "CreateIndexBuffer: no memory for %u bytes", Length);
        else
        {
            storage->backend = backend_->CreateBuffer(*storage);
            *ppIndexBuffer = new IndexBuffer(*this, std::move(storage));
        }
    }
    Trace("CreateIndexBuffer", this,
          [&](CallBuilder& c)
          {
              c.Int(Length).Int(Usage).Int(Format).Int(Pool);
              c.Pointer(ppIndexBuffer != nullptr ? *ppIndexBuffer : nullptr).Result(hr);
          });
    return hr;
}

} // namespace compat::d3d9
