#include "XWindowPixels.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace test
{

XWindowPixels ReadXWindowPixels(Display* display, unsigned long window)
{
    XWindowPixels picture;
    XSync(display, False);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 ||
        attributes.map_state != IsViewable)
        return picture;
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr)
        return picture;
    picture.width = attributes.width;
    picture.height = attributes.height;
    picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(
                0xff000000u | (static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xffffff));
    XDestroyImage(image);
    return picture;
}

} // namespace test
