// The draw calls: checked against the bound buffers, so that no backend ever
// reads outside them, then handed to the backend.
#include <compat/call_timing.h>
#include "device.h"
#include "errors.h"
#include "fvf.h"

namespace compat::d3d9
{
namespace
{

// Vertices (or indices) that primitiveCount primitives of the type take,
// 0 for an unknown type.
uint64_t ElementCount(D3DPRIMITIVETYPE type, UINT primitiveCount)
{
    const uint64_t n = primitiveCount;
    switch (type)
    {
    case D3DPT_POINTLIST:
        return n;
    case D3DPT_LINELIST:
        return 2 * n;
    case D3DPT_LINESTRIP:
        return n + 1;
    case D3DPT_TRIANGLELIST:
        return 3 * n;
    case D3DPT_TRIANGLESTRIP:
    case D3DPT_TRIANGLEFAN:
        return n + 2;
    default:
        return 0;
    }
}

} // namespace

HRESULT Device::CheckDraw(const char* method, D3DPRIMITIVETYPE type, UINT primitiveCount,
                          DrawCall& draw)
{
    const uint64_t elements = ElementCount(type, primitiveCount);
    if (!state_.inScene)
        return Fail(D3DERR_INVALIDCALL, "%s: called outside BeginScene/EndScene", method);
    if (ElementCount(type, 1) == 0)
        return Fail(D3DERR_INVALIDCALL, "%s: primitive type %d is not a D3DPRIMITIVETYPE", method,
                    static_cast<int>(type));
    if (primitiveCount == 0)
        return Fail(D3DERR_INVALIDCALL, "%s: PrimitiveCount is 0", method);
    if (state_.fvf == 0)
        return Fail(D3DERR_INVALIDCALL, "%s: no vertex format set (SetFVF)", method);
    const StreamBinding& stream = state_.streams[0];
    if (stream.storage == nullptr)
        return Fail(D3DERR_INVALIDCALL, "%s: no vertex buffer on stream 0 (SetStreamSource)",
                    method);
    if (stream.storage->locked)
        return Fail(D3DERR_INVALIDCALL, "%s: the vertex buffer is locked", method);
    const UINT stride = LayoutOf(state_.fvf).stride;
    if (stream.stride < stride)
        return Fail(D3DERR_INVALIDCALL,
                    "%s: stream 0 stride %u is less than the %u bytes of FVF 0x%x", method,
                    stream.stride, stride, static_cast<unsigned>(state_.fvf));
    draw.primitiveType = type;
    draw.primitiveCount = primitiveCount;
    draw.elementCount = static_cast<UINT>(elements);
    return D3D_OK;
}

HRESULT Device::DrawPrimitive(D3DPRIMITIVETYPE PrimitiveType, UINT StartVertex, UINT PrimitiveCount)
{
    const timing::TimedCall timed(timing::Call::draws, backend_.get());
    DrawCall draw;
    HRESULT hr = CheckDraw("DrawPrimitive", PrimitiveType, PrimitiveCount, draw);
    if (SUCCEEDED(hr))
    {
        const StreamBinding& stream = state_.streams[0];
        const uint64_t end =
            stream.offset + (uint64_t{StartVertex} + draw.elementCount) * stream.stride;
        if (end > stream.storage->Size())
            hr =
                Fail(D3DERR_INVALIDCALL,
                     "DrawPrimitive: vertices %u..%llu are past the end of the %u-byte buffer",
                     StartVertex,
                     static_cast<unsigned long long>(uint64_t{StartVertex} + draw.elementCount - 1),
                     stream.storage->Size());
    }
    if (SUCCEEDED(hr))
    {
        draw.startVertex = StartVertex;
        backend_->Draw(draw, state_);
        state_.dirty = 0;
    }
    Trace("DrawPrimitive", this,
          [&](CallBuilder& c)
          { c.Int(PrimitiveType).Int(StartVertex).Int(PrimitiveCount).Result(hr); });
    return hr;
}

HRESULT Device::DrawIndexedPrimitive(D3DPRIMITIVETYPE PrimitiveType, INT BaseVertexIndex,
                                     UINT MinVertexIndex, UINT NumVertices, UINT startIndex,
                                     UINT primCount)
{
    const timing::TimedCall timed(timing::Call::draws, backend_.get());
    DrawCall draw;
    HRESULT hr = CheckDraw("DrawIndexedPrimitive", PrimitiveType, primCount, draw);
    if (SUCCEEDED(hr))
    {
        draw.indexed = true;
        draw.baseVertex = BaseVertexIndex;
        draw.minIndex = MinVertexIndex;
        draw.numVertices = NumVertices;
        draw.startIndex = startIndex;
        hr = CheckIndexedRange(draw);
    }
    if (SUCCEEDED(hr))
    {
        backend_->Draw(draw, state_);
        state_.dirty = 0;
    }
    Trace("DrawIndexedPrimitive", this,
          [&](CallBuilder& c)
          {
              c.Int(PrimitiveType).Int(BaseVertexIndex).Int(MinVertexIndex).Int(NumVertices);
              c.Int(startIndex).Int(primCount).Result(hr);
          });
    return hr;
}

HRESULT Device::CheckIndexedRange(const DrawCall& draw)
{
    const char* method = "DrawIndexedPrimitive";
    const IndexBinding& binding = state_.indices;
    if (binding.storage == nullptr)
        return Fail(D3DERR_INVALIDCALL, "%s: no index buffer set (SetIndices)", method);
    const BufferStorage& indices = *binding.storage;
    if (indices.locked)
        return Fail(D3DERR_INVALIDCALL, "%s: the index buffer is locked", method);
    const uint64_t indexCount = indices.Size() / indices.IndexSize();
    if (uint64_t{draw.startIndex} + draw.elementCount > indexCount)
        return Fail(
            D3DERR_INVALIDCALL, "%s: indices %u..%llu are past the %llu in the buffer", method,
            draw.startIndex,
            static_cast<unsigned long long>(uint64_t{draw.startIndex} + draw.elementCount - 1),
            static_cast<unsigned long long>(indexCount));
    if (draw.numVertices == 0)
        return Fail(D3DERR_INVALIDCALL, "%s: NumVertices is 0", method);

    const StreamBinding& stream = state_.streams[0];
    const int64_t first = int64_t{draw.baseVertex} + draw.minIndex;
    const uint64_t vertexCount = (stream.storage->Size() - stream.offset) / stream.stride;
    if (first < 0 || static_cast<uint64_t>(first) + draw.numVertices > vertexCount)
        return Fail(D3DERR_INVALIDCALL,
                    "%s: vertices %lld..%lld are outside the %llu in the vertex buffer", method,
                    static_cast<long long>(first),
                    static_cast<long long>(first + draw.numVertices - 1),
                    static_cast<unsigned long long>(vertexCount));
    // Every index in the buffer is inside the named vertices: the common case,
    // settled without reading an index.
    if (indices.lowestIndex >= draw.minIndex &&
        indices.highestIndex - draw.minIndex < draw.numVertices)
        return D3D_OK;
    // Otherwise the drawn part may still be inside; if not, the first index
    // that is not is named.
    for (uint64_t i = draw.startIndex; i < uint64_t{draw.startIndex} + draw.elementCount; ++i)
    {
        const uint32_t index = indices.IndexAt(i);
        if (index < draw.minIndex || index - draw.minIndex >= draw.numVertices)
            return Fail(D3DERR_INVALIDCALL, "%s: index %u at %llu is outside %u..%u", method, index,
                        static_cast<unsigned long long>(i), draw.minIndex,
                        draw.minIndex + draw.numVertices - 1);
    }
    return D3D_OK;
}

} // namespace compat::d3d9
