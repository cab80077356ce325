#include "video.h"

#include "last_error.h"

#include <SDL.h>

#include <dlfcn.h>

#include <string>

namespace compat::win32
{

bool EnsureVideo()
{
    if (VideoRunning())
        return true;
    // The program ends through WM_CLOSE → WM_DESTROY → WM_QUIT, not through
    // SDL_QUIT; closing the last window must not look like a signal.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Without a driver chosen by SDL_VIDEODRIVER, only a real display will
    // do: SDL would otherwise fall back to its offscreen driver and the
    // program would run unseen.
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    const bool chosen = requested != nullptr && requested[0] != '\0';
    if (!chosen && !SDL_getenv("DISPLAY") && !SDL_getenv("WAYLAND_DISPLAY"))
    {
        Fail(ERROR_DEVICE_NOT_AVAILABLE,
             "no display could be opened (neither DISPLAY nor WAYLAND_DISPLAY is set)");
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    {
        Fail(ERROR_DEVICE_NOT_AVAILABLE,
             std::string("no display could be opened (SDL: ") + SDL_GetError() + ")");
        return false;
    }
    const std::string driver = SDL_GetCurrentVideoDriver();
    if (!chosen && (driver == "offscreen" || driver == "dummy"))
    {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        Fail(ERROR_DEVICE_NOT_AVAILABLE,
             "no display could be opened (SDL found only its " + driver + " driver)");
        return false;
    }
    return true;
}

bool VideoRunning()
{
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

void KeepOpenGlLibrariesLoaded()
{
    // SDL unloads libEGL (offscreen driver) or libGL (X11) with the last
    // OpenGL window, and loads it again for the next one. Mesa's EGL keeps an
    // allocation that is reachable only while it is loaded, which a leak
    // checker then reports at exit. Marking the loaded libraries "no delete"
    // keeps them; loading nothing that is not loaded already.
    for (const char* library : {"libEGL.so.1", "libGL.so.1"})
        if (void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE))
            dlclose(handle); // drops only this call's reference
}

void StopVideo()
{
    if (VideoRunning())
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace compat::win32

// Leaks below SDL that a sanitizer build would report at exit, none of them
// ours: D-Bus, which SDL's X11 video starts, keeps a buffer it never frees.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n";
}

// The suppressed leaks are not ours to report: keep LeakSanitizer from
// listing them on stderr, where a program's one-line messages are read.
extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}
