#include "direct3d9.h"

#include "backend.h"
#include "call_builder.h"
#include "call_log.h"
#include <compat/call_timing.h>
#include "device.h"
#include "errors.h"
#include "present_parameters.h"
#include "settings.h"

namespace compat::d3d9
{
namespace
{

constexpr DWORD kVertexProcessing = D3DCREATE_SOFTWARE_VERTEXPROCESSING |
                                    D3DCREATE_HARDWARE_VERTEXPROCESSING |
                                    D3DCREATE_MIXED_VERTEXPROCESSING;
constexpr DWORD kKnownBehaviour =
    kVertexProcessing | D3DCREATE_FPU_PRESERVE | D3DCREATE_MULTITHREADED | D3DCREATE_PUREDEVICE |
    0x00000100L /* DISABLE_DRIVER_MANAGEMENT */ | 0x00000800L /* NOWINDOWCHANGES */;

void Record(const CallBuilder& call)
{
    if (RecordingDirect3DCalls())
        AppendRecordedCall(call.Get());
}

} // namespace

bool RecordingDirect3DCalls()
{
    return CurrentSettings().backend == Backend::Recording;
}

Direct3D9::Direct3D9() = default;

void Direct3D9::Traced(std::string_view method, ULONG references)
{
    Record(CallBuilder(method, this).Result(static_cast<int32_t>(references)));
}

UINT Direct3D9::GetAdapterCount()
{
    const timing::TimedCall timed(timing::Call::devices);
    const UINT count = CurrentSettings().adapterCount;
    Record(CallBuilder("GetAdapterCount", this).Result(static_cast<int32_t>(count)));
    return count;
}

HRESULT Direct3D9::GetAdapterDisplayMode(UINT Adapter, D3DDISPLAYMODE* pMode)
{
    const timing::TimedCall timed(timing::Call::devices);
    HRESULT hr = D3D_OK;
    if (pMode == nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "GetAdapterDisplayMode: pMode is null");
    else if (Adapter >= CurrentSettings().adapterCount)
        hr = Fail(D3DERR_INVALIDCALL, "GetAdapterDisplayMode: adapter %u of %u", Adapter,
                  CurrentSettings().adapterCount);
    else if (CurrentSettings().getAdapterDisplayModeFails)
        hr = Fault(D3DERR_NOTAVAILABLE, "GetAdapterDisplayMode: failing as configured");
    else
    {
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        if (width <= 0 || height <= 0)
            hr = Fail(D3DERR_NOTAVAILABLE, "GetAdapterDisplayMode: no desktop size (%dx%d)", width,
                      height);
        else
            *pMode = D3DDISPLAYMODE{static_cast<UINT>(width), static_cast<UINT>(height), 60,
                                    D3DFMT_X8R8G8B8};
    }
    Record(CallBuilder("GetAdapterDisplayMode", this)
               .Int(Adapter)
               .Pointer(pMode)
               .Result(hr)
               .Int(SUCCEEDED(hr) ? pMode->Width : 0)
               .Int(SUCCEEDED(hr) ? pMode->Height : 0));
    return hr;
}

HRESULT Direct3D9::CreateDevice(UINT Adapter, D3DDEVTYPE DeviceType, HWND hFocusWindow,
                                DWORD BehaviorFlags, D3DPRESENT_PARAMETERS* pPresentationParameters,
                                IDirect3DDevice9** ppReturnedDeviceInterface)
{
    const timing::TimedCall timed(timing::Call::devices);
    if (ppReturnedDeviceInterface != nullptr)
        *ppReturnedDeviceInterface = nullptr;
    const HRESULT hr = TryCreateDevice(Adapter, DeviceType, hFocusWindow, BehaviorFlags,
                                       pPresentationParameters, ppReturnedDeviceInterface);
    CallBuilder call("CreateDevice", this);
    call.Int(Adapter).Int(DeviceType).Int(BehaviorFlags).Pointer(hFocusWindow);
    call.Pointer(ppReturnedDeviceInterface != nullptr ? *ppReturnedDeviceInterface : nullptr);
    if (pPresentationParameters != nullptr)
        call.PresentParameters(*pPresentationParameters);
    Record(call.Result(hr));
    return hr;
}

HRESULT Direct3D9::TryCreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow,
                                   DWORD behaviorFlags, D3DPRESENT_PARAMETERS* presentParameters,
                                   IDirect3DDevice9** device)
{
    const Settings& settings = CurrentSettings();
    if (device == nullptr)
        return Fail(D3DERR_INVALIDCALL, "CreateDevice: ppReturnedDeviceInterface is null");
    if (presentParameters == nullptr)
        return Fail(D3DERR_INVALIDCALL, "CreateDevice: pPresentationParameters is null");
    if (adapter >= settings.adapterCount)
        return Fail(D3DERR_INVALIDCALL, "CreateDevice: adapter %u of %u", adapter,
                    settings.adapterCount);
    if (type != D3DDEVTYPE_HAL && type != D3DDEVTYPE_REF)
        return Fail(D3DERR_NOTAVAILABLE, "CreateDevice: device type %d is not HAL or REF",
                    static_cast<int>(type));
    const DWORD processing = behaviorFlags & kVertexProcessing;
    if (processing != D3DCREATE_SOFTWARE_VERTEXPROCESSING &&
        processing != D3DCREATE_HARDWARE_VERTEXPROCESSING &&
        processing != D3DCREATE_MIXED_VERTEXPROCESSING)
        return Fail(D3DERR_INVALIDCALL,
                    "CreateDevice: behaviour flags 0x%x need exactly one vertex-processing flag",
                    static_cast<unsigned>(behaviorFlags));
    if ((behaviorFlags & ~kKnownBehaviour) != 0)
        return Fail(D3DERR_INVALIDCALL, "CreateDevice: unknown behaviour flags 0x%x",
                    static_cast<unsigned>(behaviorFlags & ~kKnownBehaviour));

    DeviceCreation creation{adapter, type, focusWindow, behaviorFlags, {}};
    if (const HRESULT hr = CompletePresentParameters("CreateDevice", *presentParameters,
                                                     focusWindow, creation.presentParameters);
        FAILED(hr))
        return hr;

    if (settings.createDeviceFilter &&
        !settings.createDeviceFilter(adapter, type, behaviorFlags,
                                     presentParameters->AutoDepthStencilFormat))
        return Fault(D3DERR_NOTAVAILABLE,
                     "CreateDevice: adapter %u, type %d, behaviour 0x%x, depth format %d refused "
                     "as configured",
                     adapter, static_cast<int>(type), static_cast<unsigned>(behaviorFlags),
                     static_cast<int>(presentParameters->AutoDepthStencilFormat));

    std::string whyNot;
    std::unique_ptr<DeviceBackend> backend = MakeDeviceBackend(settings.backend, creation, whyNot);
    if (backend == nullptr)
        return Fail(D3DERR_NOTAVAILABLE, "CreateDevice: %s", whyNot.c_str());

    *presentParameters = creation.presentParameters;
    *device = new Device(*this, std::move(backend), creation);
    return D3D_OK;
}

} // namespace compat::d3d9

IDirect3D9* WINAPI Direct3DCreate9(UINT SDKVersion)
{
    using namespace compat::d3d9;
    const compat::timing::TimedCall timed(compat::timing::Call::devices);
    IDirect3D9* object = nullptr;
    if (SDKVersion != D3D_SDK_VERSION)
        Fail(D3DERR_INVALIDCALL, "Direct3DCreate9: SDK version %u, expected %d", SDKVersion,
             D3D_SDK_VERSION);
    else if (CurrentSettings().direct3DCreate9Fails)
        Fault(D3DERR_NOTAVAILABLE, "Direct3DCreate9: failing as configured");
    else
        object = new Direct3D9();
    Record(CallBuilder("Direct3DCreate9", nullptr).Int(SDKVersion).Pointer(object));
    return object;
}
