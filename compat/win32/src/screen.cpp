// The primary screen's size: a virtual one when set, else SDL's desktop mode.
#include "last_error.h"
#include "video.h"

#include <compat/win32.h>

#include <SDL.h>

#include <cstdio>
#include <optional>
#include <string>

namespace compat::win32
{
namespace
{

struct Size
{
    int width;
    int height;
};

std::optional<Size> virtualScreen;

} // namespace

void SetVirtualScreenSize(int width, int height)
{
    if (width <= 0 || height <= 0)
    {
        std::fprintf(stderr,
                     "win32: SetVirtualScreenSize(%d, %d): a screen needs a positive "
                     "size; the screen is unchanged\n",
                     width, height);
        return;
    }
    virtualScreen = Size{width, height};
}

void ClearVirtualScreenSize()
{
    virtualScreen.reset();
}

} // namespace compat::win32

using namespace compat::win32;

int WINAPI GetSystemMetrics(int nIndex)
{
    if (nIndex != SM_CXSCREEN && nIndex != SM_CYSCREEN)
    {
        Fail(ERROR_INVALID_PARAMETER,
             "GetSystemMetrics: index " + std::to_string(nIndex) + " is not supported");
        return 0;
    }
    if (virtualScreen)
        return nIndex == SM_CXSCREEN ? virtualScreen->width : virtualScreen->height;
    if (!EnsureVideo())
        return 0;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0)
    {
        Fail(ERROR_DEVICE_NOT_AVAILABLE,
             std::string("the primary display's size is unknown (SDL: ") + SDL_GetError() + ")");
        return 0;
    }
    return nIndex == SM_CXSCREEN ? mode.w : mode.h;
}
