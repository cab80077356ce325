// Video in a web page: SDL's emscripten driver, whose window is the page's
// canvas. There is always a display (the page), and no libraries to keep.
#include "video.h"

#include "last_error.h"

#include <SDL.h>

#include <string>

namespace compat::win32
{

bool EnsureVideo()
{
    if (VideoRunning())
        return true;
    // The program ends through WM_CLOSE → WM_DESTROY → WM_QUIT, not through
    // SDL_QUIT.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Keys reach the program only while its canvas has the focus, as they
    // reach a desktop window only while it has the keyboard focus.
    SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    {
        Fail(ERROR_DEVICE_NOT_AVAILABLE,
             std::string("the page's canvas cannot be used (SDL: ") + SDL_GetError() + ")");
        return false;
    }
    return true;
}

bool VideoRunning()
{
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

void KeepOpenGlLibrariesLoaded() {}

void StopVideo()
{
    if (VideoRunning())
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace compat::win32
