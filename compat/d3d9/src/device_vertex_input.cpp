// The device's vertex input: the vertex format, stream sources and indices.
#include "buffer.h"
#include "device.h"
#include "errors.h"
#include "fvf.h"

namespace compat::d3d9
{

HRESULT Device::SetFVF(DWORD FVF)
{
    std::string_view why;
    HRESULT hr = D3D_OK;
    if (!IsSupportedFvf(FVF, why))
        hr = Fail(D3DERR_INVALIDCALL, "SetFVF: FVF 0x%x: %.*s", static_cast<unsigned>(FVF),
                  static_cast<int>(why.size()), why.data());
    else
    {
        if (state_.fvf != FVF)
            state_.dirty |= kDirtyFvf;
        state_.fvf = FVF;
    }
    Trace("SetFVF", this, [&](CallBuilder& c) { c.Int(FVF).Result(hr); });
    return hr;
}

HRESULT Device::GetFVF(DWORD* pFVF)
{
    if (pFVF == nullptr)
        return Fail(D3DERR_INVALIDCALL, "GetFVF: pFVF is null");
    *pFVF = state_.fvf;
    return D3D_OK;
}

HRESULT Device::SetStreamSource(UINT StreamNumber, IDirect3DVertexBuffer9* pStreamData,
                                UINT OffsetInBytes, UINT Stride)
{
    auto* buffer = dynamic_cast<VertexBuffer*>(pStreamData);
    HRESULT hr = D3D_OK;
    if (StreamNumber >= kStreamCount)
        hr = Fail(D3DERR_INVALIDCALL, "SetStreamSource: stream %u is not 0..%zu", StreamNumber,
                  kStreamCount - 1);
    else if (pStreamData != nullptr && (buffer == nullptr || &buffer->Owner() != this))
        hr = Fail(D3DERR_INVALIDCALL, "SetStreamSource: the vertex buffer is not this device's");
    else if (buffer != nullptr && OffsetInBytes >= buffer->Storage()->Size())
        hr = Fail(D3DERR_INVALIDCALL, "SetStreamSource: offset %u is past the %u-byte buffer",
                  OffsetInBytes, buffer->Storage()->Size());
    else
    {
        StreamBinding& binding = state_.streams[StreamNumber];
        binding.storage = buffer != nullptr ? buffer->Storage() : nullptr;
        binding.buffer = pStreamData;
        binding.offset = buffer != nullptr ? OffsetInBytes : 0;
        binding.stride = buffer != nullptr ? Stride : 0;
    }
    Trace("SetStreamSource", this,
          [&](CallBuilder& c)
          { c.Int(StreamNumber).Int(OffsetInBytes).Int(Stride).Pointer(pStreamData).Result(hr); });
    return hr;
}

HRESULT Device::SetIndices(IDirect3DIndexBuffer9* pIndexData)
{
    auto* buffer = dynamic_cast<IndexBuffer*>(pIndexData);
    HRESULT hr = D3D_OK;
    if (pIndexData != nullptr && (buffer == nullptr || &buffer->Owner() != this))
        hr = Fail(D3DERR_INVALIDCALL, "SetIndices: the index buffer is not this device's");
    else
    {
        state_.indices.storage = buffer != nullptr ? buffer->Storage() : nullptr;
        state_.indices.buffer = pIndexData;
    }
    Trace("SetIndices", this, [&](CallBuilder& c) { c.Pointer(pIndexData).Result(hr); });
    return hr;
}

} // namespace compat::d3d9
