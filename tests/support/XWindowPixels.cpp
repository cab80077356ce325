#include "XWindowPixels.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace test
{

picture::Image ReadXWindowPixels(Display* display, unsigned long window)
{
    picture::Image shown;
    XSync(display, False);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 ||
        attributes.map_state != IsViewable)
        return shown;
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr)
        return shown;
    shown.width = attributes.width;
    shown.height = attributes.height;
    shown.pixels.reserve(static_cast<std::size_t>(shown.width) * shown.height);
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            shown.pixels.push_back(0xff000000u |
                                   (static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xffffff));
    XDestroyImage(image);
    return shown;
}

} // namespace test
