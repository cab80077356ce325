// The device's lifetime, scenes, Clear, Present and Reset.
#include "device.h"

#include <compat/call_timing.h>
#include "direct3d9.h"
#include "errors.h"
#include "present_parameters.h"
#include "settings.h"

#include <cmath>

namespace compat::d3d9
{

Device::Device(Direct3D9& direct3d, std::unique_ptr<DeviceBackend> backend,
               const DeviceCreation& creation)
    : direct3d_(direct3d), backend_(std::move(backend)), creation_(creation)
{
    direct3d_.Hold();
    SetDefaultState(state_, creation.presentParameters);
}

Device::~Device()
{
    // The bindings may hold the last reference to storage that a backend
    // attached something to: drop them while the backend still exists.
    state_.streams.fill(StreamBinding{});
    state_.indices = IndexBinding{};
    backend_.reset();
    direct3d_.Unhold();
}

void Device::Traced(std::string_view method, ULONG references)
{
    Trace(method, this, [&](CallBuilder& c) { c.Result(static_cast<int32_t>(references)); });
}

void Device::BufferCreated(D3DPOOL pool)
{
    if (pool == D3DPOOL_DEFAULT)
        ++defaultPoolBuffers_;
}

void Device::BufferDestroyed(D3DPOOL pool)
{
    if (pool == D3DPOOL_DEFAULT)
        --defaultPoolBuffers_;
}

HRESULT Device::Reset(D3DPRESENT_PARAMETERS* pPresentationParameters)
{
    const timing::TimedCall timed(timing::Call::devices, backend_.get());
    D3DPRESENT_PARAMETERS completed{};
    HRESULT hr = D3D_OK;
    if (pPresentationParameters == nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "Reset: pPresentationParameters is null");
    else if (CurrentSettings().resetFails)
        hr = Fault(D3DERR_DEVICELOST, "Reset: failing as configured");
    else if (defaultPoolBuffers_ > 0)
        hr = Fail(D3DERR_INVALIDCALL,
                  "Reset: %u buffers in D3DPOOL_DEFAULT still exist; release them first",
                  defaultPoolBuffers_);
    else
        hr = CompletePresentParameters("Reset", *pPresentationParameters, creation_.focusWindow,
                                       completed);
    if (SUCCEEDED(hr))
        hr = backend_->Reset(completed);
    if (SUCCEEDED(hr))
    {
        *pPresentationParameters = completed;
        creation_.presentParameters = completed;
        SetDefaultState(state_, completed);
    }
    Trace("Reset", this,
          [&](CallBuilder& c)
          {
              if (pPresentationParameters != nullptr)
                  c.PresentParameters(*pPresentationParameters);
              c.Result(hr);
          });
    return hr;
}

HRESULT Device::Present(const RECT* pSourceRect, const RECT* pDestRect, HWND hDestWindowOverride,
                        const void* pDirtyRegion)
{
    const timing::TimedCall timed(timing::Call::present, backend_.get());
    HRESULT hr = D3D_OK;
    const D3DPRESENT_PARAMETERS& pp = state_.presentParameters;
    if (state_.inScene)
        hr = Fail(D3DERR_INVALIDCALL, "Present: called between BeginScene and EndScene");
    else if ((pSourceRect != nullptr || pDestRect != nullptr) &&
             pp.SwapEffect != D3DSWAPEFFECT_COPY)
        hr = Fail(D3DERR_INVALIDCALL,
                  "Present: source and destination rectangles need D3DSWAPEFFECT_COPY");
    else
    {
        HWND window = hDestWindowOverride;
        if (window == nullptr)
            window = pp.hDeviceWindow != nullptr ? pp.hDeviceWindow : creation_.focusWindow;
        hr = backend_->Present(pSourceRect, pDestRect, window, state_);
    }
    Trace("Present", this,
          [&](CallBuilder& c)
          {
              c.Pointer(pSourceRect).Pointer(pDestRect).Pointer(hDestWindowOverride);
              c.Pointer(pDirtyRegion).Result(hr);
          });
    return hr;
}

HRESULT Device::BeginScene()
{
    HRESULT hr = D3D_OK;
    if (state_.inScene)
        hr = Fail(D3DERR_INVALIDCALL, "BeginScene: already in a scene (EndScene is missing)");
    else
    {
        state_.inScene = true;
        backend_->BeginScene(state_);
    }
    Trace("BeginScene", this, [&](CallBuilder& c) { c.Result(hr); });
    return hr;
}

HRESULT Device::EndScene()
{
    HRESULT hr = D3D_OK;
    if (!state_.inScene)
        hr = Fail(D3DERR_INVALIDCALL, "EndScene: not in a scene (BeginScene is missing)");
    else
    {
        state_.inScene = false;
        backend_->EndScene(state_);
    }
    Trace("EndScene", this, [&](CallBuilder& c) { c.Result(hr); });
    return hr;
}

HRESULT Device::Clear(DWORD Count, const D3DRECT* pRects, DWORD Flags, D3DCOLOR Color, float Z,
                      DWORD Stencil)
{
    const timing::TimedCall timed(timing::Call::clear, backend_.get());
    constexpr DWORD kKnown = D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL;
    const D3DPRESENT_PARAMETERS& pp = state_.presentParameters;
    HRESULT hr = D3D_OK;
    if ((Count == 0) != (pRects == nullptr))
        hr = Fail(D3DERR_INVALIDCALL, "Clear: Count %u does not match pRects %s",
                  static_cast<unsigned>(Count), pRects == nullptr ? "null" : "given");
    else if (Flags == 0 || (Flags & ~kKnown) != 0)
        hr = Fail(D3DERR_INVALIDCALL, "Clear: flags 0x%x are not a set of D3DCLEAR flags",
                  static_cast<unsigned>(Flags));
    else if ((Flags & D3DCLEAR_ZBUFFER) != 0 && !pp.EnableAutoDepthStencil)
        hr = Fail(D3DERR_INVALIDCALL, "Clear: D3DCLEAR_ZBUFFER without a depth buffer");
    else if ((Flags & D3DCLEAR_STENCIL) != 0 &&
             (!pp.EnableAutoDepthStencil || !HasStencil(pp.AutoDepthStencilFormat)))
        hr = Fail(D3DERR_INVALIDCALL,
                  "Clear: D3DCLEAR_STENCIL without a stencil buffer (depth "
                  "format %d)",
                  static_cast<int>(pp.AutoDepthStencilFormat));
    else if (!(Z >= 0.0f && Z <= 1.0f))
        hr = Fail(D3DERR_INVALIDCALL, "Clear: Z %g is outside 0..1", static_cast<double>(Z));
    else
        backend_->Clear(std::span<const D3DRECT>(pRects, pRects == nullptr ? 0 : Count), Flags,
                        Color, Z, Stencil, state_);
    Trace("Clear", this,
          [&](CallBuilder& c)
          {
              c.Int(Count).Int(Flags).Int(Color).Int(Stencil).Float(Z).Pointer(pRects).Result(hr);
              if (pRects != nullptr && Count > 0)
                  c.Rect(RECT{pRects[0].x1, pRects[0].y1, pRects[0].x2, pRects[0].y2});
          });
    return hr;
}

} // namespace compat::d3d9
