// The device: checks each call, keeps the state in a DeviceState, hands the
// work to its backend and offers every call to the backend's record. Holds a
// reference to its Direct3D object; its buffers and fonts hold one to it.
// The methods live in device.cpp (lifetime, scene, clear, present, reset),
// device_resources.cpp (buffers), device_states.cpp (transforms, render and
// sampler states), device_lighting.cpp (lights, material),
// device_vertex_input.cpp (FVF, streams, indices) and device_draw.cpp.
#pragma once

#include "backend.h"
#include "com_object.h"
#include "device_state.h"

#include <d3d9.h>

#include <memory>

namespace compat::d3d9
{

class Direct3D9;

class Device final : public ComObject<IDirect3DDevice9>
{
public:
    Device(Direct3D9& direct3d, std::unique_ptr<DeviceBackend> backend,
           const DeviceCreation& creation);
    ~Device() override;

    HRESULT Reset(D3DPRESENT_PARAMETERS* pPresentationParameters) override;
    HRESULT Present(const RECT* pSourceRect, const RECT* pDestRect, HWND hDestWindowOverride,
                    const void* pDirtyRegion) override;

    HRESULT CreateVertexBuffer(UINT Length, DWORD Usage, DWORD FVF, D3DPOOL Pool,
                               IDirect3DVertexBuffer9** ppVertexBuffer,
                               HANDLE* pSharedHandle) override;
    HRESULT CreateIndexBuffer(UINT Length, DWORD Usage, D3DFORMAT Format, D3DPOOL Pool,
                              IDirect3DIndexBuffer9** ppIndexBuffer,
                              HANDLE* pSharedHandle) override;

    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Clear(DWORD Count, const D3DRECT* pRects, DWORD Flags, D3DCOLOR Color, float Z,
                  DWORD Stencil) override;

    HRESULT SetTransform(D3DTRANSFORMSTATETYPE State, const D3DMATRIX* pMatrix) override;
    HRESULT GetTransform(D3DTRANSFORMSTATETYPE State, D3DMATRIX* pMatrix) override;
    HRESULT MultiplyTransform(D3DTRANSFORMSTATETYPE State, const D3DMATRIX* pMatrix) override;
    HRESULT SetMaterial(const D3DMATERIAL9* pMaterial) override;
    HRESULT GetMaterial(D3DMATERIAL9* pMaterial) override;
    HRESULT SetLight(DWORD Index, const D3DLIGHT9* pLight) override;
    HRESULT GetLight(DWORD Index, D3DLIGHT9* pLight) override;
    HRESULT LightEnable(DWORD Index, BOOL Enable) override;
    HRESULT GetLightEnable(DWORD Index, BOOL* pEnable) override;
    HRESULT SetRenderState(D3DRENDERSTATETYPE State, DWORD Value) override;
    HRESULT GetRenderState(D3DRENDERSTATETYPE State, DWORD* pValue) override;
    HRESULT SetTexture(DWORD Stage, IDirect3DBaseTexture9* pTexture) override;
    HRESULT SetSamplerState(DWORD Sampler, D3DSAMPLERSTATETYPE Type, DWORD Value) override;
    HRESULT GetSamplerState(DWORD Sampler, D3DSAMPLERSTATETYPE Type, DWORD* pValue) override;

    HRESULT DrawPrimitive(D3DPRIMITIVETYPE PrimitiveType, UINT StartVertex,
                          UINT PrimitiveCount) override;
    HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE PrimitiveType, INT BaseVertexIndex,
                                 UINT MinVertexIndex, UINT NumVertices, UINT startIndex,
                                 UINT primCount) override;

    HRESULT SetFVF(DWORD FVF) override;
    HRESULT GetFVF(DWORD* pFVF) override;
    HRESULT SetStreamSource(UINT StreamNumber, IDirect3DVertexBuffer9* pStreamData,
                            UINT OffsetInBytes, UINT Stride) override;
    HRESULT SetIndices(IDirect3DIndexBuffer9* pIndexData) override;

    // For the buffers and fonts of this device.
    DeviceBackend& Backend() { return *backend_; }
    const DeviceState& State() const { return state_; }
    void BufferCreated(D3DPOOL pool);
    void BufferDestroyed(D3DPOOL pool);

    // Offers a call to the backend's record; builds it only when the backend
    // records.
    template <class Fill> void Trace(std::string_view method, const void* self, Fill&& fill);

private:
    void Traced(std::string_view method, ULONG references) override;
    HRESULT CheckDraw(const char* method, D3DPRIMITIVETYPE type, UINT primitiveCount,
                      DrawCall& draw);
    HRESULT CheckIndexedRange(const DrawCall& draw);

    Direct3D9& direct3d_;
    std::unique_ptr<DeviceBackend> backend_;
    DeviceCreation creation_;
    DeviceState state_;
    UINT defaultPoolBuffers_ = 0;
};

} // namespace compat::d3d9

#include "call_builder.h"

namespace compat::d3d9
{

template <class Fill> void Device::Trace(std::string_view method, const void* self, Fill&& fill)
{
    if (!backend_->Records())
        return;
    CallBuilder call(method, self);
    fill(call);
    backend_->Record(call.Get());
}

} // namespace compat::d3d9
