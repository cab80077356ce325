// Reading back on our stand-in: compat::d3d9::ReadPresentedImage gives the
// back buffer as presented.
#include "ReadBack.h"

#include <compat/d3d9.h>

const char* ReadBackSide()
{
    return "stand-in";
}

std::string PresentAndRead(IDirect3DDevice9* device, picture::Image& drawn)
{
    if (device->Present(nullptr, nullptr, nullptr, nullptr) != D3D_OK)
        return "Present failed: " + std::string(compat::d3d9::LastError());
    compat::d3d9::Image image;
    if (compat::d3d9::ReadPresentedImage(device, image) != D3D_OK)
        return "reading the presented image failed: " + std::string(compat::d3d9::LastError());
    drawn = {static_cast<int>(image.width), static_cast<int>(image.height),
             std::move(image.pixels)};
    for (std::uint32_t& pixel : drawn.pixels)
        pixel |= 0xff000000u;
    return {};
}
