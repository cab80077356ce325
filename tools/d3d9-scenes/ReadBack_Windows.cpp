// Reading back on Windows (and Wine): the back buffer is copied into a
// lockable surface in system memory with GetRenderTargetData before Present,
// since a discarded swap chain keeps nothing after it.
#include "ReadBack.h"

#include <cstdio>

namespace
{

// Releases the surface when it goes out of scope.
struct SurfaceRef
{
    IDirect3DSurface9* surface = nullptr;
    ~SurfaceRef()
    {
        if (surface != nullptr)
            surface->Release();
    }
};

std::string Failed(const char* call, HRESULT hr)
{
    char text[96];
    std::snprintf(text, sizeof text, "%s failed (0x%08lx)", call, static_cast<unsigned long>(hr));
    return text;
}

} // namespace

const char* ReadBackSide()
{
    return "Windows";
}

std::string PresentAndRead(IDirect3DDevice9* device, picture::Image& drawn)
{
    SurfaceRef backBuffer;
    HRESULT hr = device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer.surface);
    if (FAILED(hr))
        return Failed("GetBackBuffer", hr);
    D3DSURFACE_DESC desc;
    hr = backBuffer.surface->GetDesc(&desc);
    if (FAILED(hr))
        return Failed("GetDesc", hr);
    if (desc.Format != D3DFMT_X8R8G8B8 && desc.Format != D3DFMT_A8R8G8B8)
        return "the back buffer's format is not X8R8G8B8";
    SurfaceRef copy;
    hr = device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format,
                                             D3DPOOL_SYSTEMMEM, &copy.surface, nullptr);
    if (FAILED(hr))
        return Failed("CreateOffscreenPlainSurface", hr);
    hr = device->GetRenderTargetData(backBuffer.surface, copy.surface);
    if (FAILED(hr))
        return Failed("GetRenderTargetData", hr);
    D3DLOCKED_RECT locked;
    hr = copy.surface->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    if (FAILED(hr))
        return Failed("LockRect", hr);
    drawn.width = static_cast<int>(desc.Width);
    drawn.height = static_cast<int>(desc.Height);
    drawn.pixels.resize(static_cast<std::size_t>(desc.Width) * desc.Height);
    const auto* bytes = static_cast<const unsigned char*>(locked.pBits);
    for (UINT y = 0; y < desc.Height; ++y)
    {
        const auto* row = reinterpret_cast<const DWORD*>(bytes + y * locked.Pitch);
        for (UINT x = 0; x < desc.Width; ++x)
            drawn.pixels[y * desc.Width + x] = row[x] | 0xff000000u;
    }
    copy.surface->UnlockRect();
    hr = device->Present(nullptr, nullptr, nullptr, nullptr);
    if (FAILED(hr))
        return Failed("Present", hr);
    return {};
}
