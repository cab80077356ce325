#include "present_parameters.h"

#include "device_state.h"
#include "errors.h"

namespace compat::d3d9
{
namespace
{

constexpr DWORD kKnownFlags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER |
                              D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL | D3DPRESENTFLAG_DEVICECLIP |
                              D3DPRESENTFLAG_VIDEO;

constexpr UINT kMaxBackBufferSide = 16384;

bool IsKnownInterval(UINT interval)
{
    return interval == D3DPRESENT_INTERVAL_DEFAULT || interval == D3DPRESENT_INTERVAL_ONE ||
           interval == D3DPRESENT_INTERVAL_TWO || interval == D3DPRESENT_INTERVAL_THREE ||
           interval == D3DPRESENT_INTERVAL_FOUR || interval == D3DPRESENT_INTERVAL_IMMEDIATE;
}

} // namespace

HRESULT CompletePresentParameters(const char* method, const D3DPRESENT_PARAMETERS& in,
                                  HWND focusWindow, D3DPRESENT_PARAMETERS& out)
{
    out = in;
    const HWND window = in.hDeviceWindow != nullptr ? in.hDeviceWindow : focusWindow;
    if (window == nullptr)
        return Fail(D3DERR_INVALIDCALL,
                    "%s: no window: both hDeviceWindow and the focus window "
                    "are null",
                    method);
    if (in.SwapEffect < D3DSWAPEFFECT_DISCARD || in.SwapEffect > D3DSWAPEFFECT_COPY)
        return Fail(D3DERR_INVALIDCALL, "%s: SwapEffect %d is not DISCARD, FLIP or COPY", method,
                    static_cast<int>(in.SwapEffect));
    if (in.BackBufferCount > D3DPRESENT_BACK_BUFFERS_MAX)
        return Fail(D3DERR_INVALIDCALL, "%s: BackBufferCount %u is more than %ld", method,
                    in.BackBufferCount, D3DPRESENT_BACK_BUFFERS_MAX);
    if (in.MultiSampleType != D3DMULTISAMPLE_NONE || in.MultiSampleQuality != 0)
        return Fail(D3DERR_NOTAVAILABLE, "%s: multisampling (type %d, quality %u) is not supported",
                    method, static_cast<int>(in.MultiSampleType),
                    static_cast<unsigned>(in.MultiSampleQuality));
    if (in.EnableAutoDepthStencil && !IsDepthStencilFormat(in.AutoDepthStencilFormat))
        return Fail(D3DERR_INVALIDCALL, "%s: AutoDepthStencilFormat %d is not a depth format",
                    method, static_cast<int>(in.AutoDepthStencilFormat));
    if ((in.Flags & ~kKnownFlags) != 0)
        return Fail(D3DERR_INVALIDCALL, "%s: unknown presentation flags 0x%x", method,
                    static_cast<unsigned>(in.Flags & ~kKnownFlags));
    if (!IsKnownInterval(in.PresentationInterval))
        return Fail(D3DERR_INVALIDCALL,
                    "%s: PresentationInterval 0x%x is not a D3DPRESENT_INTERVAL", method,
                    in.PresentationInterval);
    if (in.Windowed && in.FullScreen_RefreshRateInHz != 0)
        return Fail(D3DERR_INVALIDCALL,
                    "%s: a windowed device needs FullScreen_RefreshRateInHz 0, "
                    "not %u",
                    method, in.FullScreen_RefreshRateInHz);

    D3DFORMAT format = in.BackBufferFormat;
    if (format == D3DFMT_UNKNOWN && in.Windowed)
        format = D3DFMT_X8R8G8B8;
    if (format != D3DFMT_X8R8G8B8 && format != D3DFMT_A8R8G8B8)
        return Fail(D3DERR_NOTAVAILABLE,
                    "%s: back-buffer format %d is not supported (X8R8G8B8 or A8R8G8B8)", method,
                    static_cast<int>(in.BackBufferFormat));
    out.BackBufferFormat = format;

    if (in.BackBufferWidth == 0 || in.BackBufferHeight == 0)
    {
        RECT client{};
        if (!in.Windowed || !GetClientRect(window, &client))
            return Fail(D3DERR_INVALIDCALL,
                        "%s: a back buffer of %ux%u and no window to take a "
                        "size from",
                        method, in.BackBufferWidth, in.BackBufferHeight);
        if (in.BackBufferWidth == 0)
            out.BackBufferWidth = static_cast<UINT>(client.right - client.left);
        if (in.BackBufferHeight == 0)
            out.BackBufferHeight = static_cast<UINT>(client.bottom - client.top);
        if (out.BackBufferWidth == 0 || out.BackBufferHeight == 0)
            return Fail(D3DERR_INVALIDCALL, "%s: the window's client area is empty", method);
    }
    if (out.BackBufferWidth > kMaxBackBufferSide || out.BackBufferHeight > kMaxBackBufferSide)
        return Fail(D3DERR_NOTAVAILABLE, "%s: a back buffer of %ux%u is larger than %u on a side",
                    method, out.BackBufferWidth, out.BackBufferHeight, kMaxBackBufferSide);
    if (in.BackBufferCount == 0)
        out.BackBufferCount = 1;
    return D3D_OK;
}

} // namespace compat::d3d9
