// MessageBoxW: the text always goes to stderr; an SDL message box shows it
// too when there is a display to show it on and nothing forbids blocking. In
// a web page the page shows it, as a dialog (Module.onMessageBox), and the
// call returns at once: a page must not block.
#include "last_error.h"
#include "utf8.h"
#include "video.h"
#include "window_table.h"

#include <SDL.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <string_view>

#ifndef __EMSCRIPTEN__
namespace
{

// A modal box waits for a click: never in tests (offscreen and dummy drivers)
// and never when ZARV_NO_MESSAGE_BOX is set.
bool MayShowBox()
{
    if (std::getenv("ZARV_NO_MESSAGE_BOX") != nullptr)
        return false;
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (driver != nullptr)
    {
        const std::string_view name{driver};
        if (name == "offscreen" || name == "dummy")
            return false;
    }
    return true;
}

} // namespace
#endif

using namespace compat::win32;

int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType)
{
    const std::string text = ToUtf8(lpText);
    const std::string caption = lpCaption != nullptr ? ToUtf8(lpCaption) : "Error";
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
#ifdef __EMSCRIPTEN__
    (void)hWnd;
    (void)uType;
    EM_ASM(
        {
            if (Module.onMessageBox)
                Module.onMessageBox(UTF8ToString($0), UTF8ToString($1));
        },
        caption.c_str(), text.c_str());
#else
    if (MayShowBox() && EnsureVideo())
    {
        const Uint32 flags = (uType & MB_ICONERROR) != 0 ? SDL_MESSAGEBOX_ERROR : 0;
        const Window* owner = LookUpWindow(hWnd);
        SDL_ShowSimpleMessageBox(flags, caption.c_str(), text.c_str(),
                                 owner != nullptr ? owner->sdl : nullptr);
    }
#endif
    return IDOK;
}
