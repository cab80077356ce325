#include "window_table.h"

#include <compat/call_timing.h>
#include "last_error.h"
#include "message_queue.h"
#include "utf8.h"
#include "video.h"
#include "window_classes.h"

#include <compat/win32.h>

#include <SDL.h>

#include <cstdio>
#include <string>

namespace compat::win32
{
namespace
{

struct Table
{
    WindowMap windows;
    // Handle values are never reused, so a stale handle never names a newer
    // window. They start well above small integers and atoms.
    uintptr_t nextHandle = 0x10000;
};

Table& TheTable()
{
    static Table table;
    return table;
}

HWND NewHandle()
{
    Table& table = TheTable();
    const uintptr_t value = table.nextHandle;
    table.nextHandle += 0x10;
    return reinterpret_cast<HWND>(value);
}

SDL_Window* CreateSdlWindow(const std::string& title, int x, int y, int width, int height,
                            DWORD style)
{
    Uint32 flags = (style & WS_VISIBLE) != 0 ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    if ((style & WS_CAPTION) != WS_CAPTION)
        flags |= SDL_WINDOW_BORDERLESS;
    if ((style & WS_THICKFRAME) != 0)
        flags |= SDL_WINDOW_RESIZABLE;
    // The graphics stand-in makes an OpenGL context on the window when the
    // driver can; drivers without OpenGL (dummy) still get a window. The
    // window's own framebuffer gets the depth and stencil a device's
    // automatic depth buffer has, so a device can draw straight into it.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    if (SDL_Window* window =
            SDL_CreateWindow(title.c_str(), x, y, width, height, flags | SDL_WINDOW_OPENGL))
    {
        KeepOpenGlLibrariesLoaded();
        return window;
    }
    return SDL_CreateWindow(title.c_str(), x, y, width, height, flags);
}

void Erase(HWND handle)
{
    Window* window = LookUpWindow(handle);
    if (window == nullptr)
        return;
    SDL_DestroyWindow(window->sdl);
    DiscardMessagesFor(handle);
    TheTable().windows.erase(reinterpret_cast<uintptr_t>(handle));
}

} // namespace

const WindowMap& AllWindows()
{
    return TheTable().windows;
}

Window* LookUpWindow(HWND handle)
{
    const auto& windows = TheTable().windows;
    const auto found = windows.find(reinterpret_cast<uintptr_t>(handle));
    return found == windows.end() ? nullptr : found->second.get();
}

Window* WindowOfSdlId(uint32_t sdlId)
{
    for (const auto& [value, window] : TheTable().windows)
        if (window->sdlId == sdlId)
            return window.get();
    return nullptr;
}

std::string DescribeHandle(HWND handle)
{
    char text[32];
    std::snprintf(text, sizeof text, "window %#jx",
                  static_cast<uintmax_t>(reinterpret_cast<uintptr_t>(handle)));
    return text;
}

Window* ValidWindow(HWND handle, const char* caller)
{
    Window* window = LookUpWindow(handle);
    if (window == nullptr)
        Fail(ERROR_INVALID_WINDOW_HANDLE,
             std::string(caller) + ": " + DescribeHandle(handle) + " does not exist");
    return window;
}

bool AnyWindowOfClass(ATOM classAtom)
{
    for (const auto& [value, window] : TheTable().windows)
        if (window->classAtom == classAtom)
            return true;
    return false;
}

void DestroyAllWindowsSilently()
{
    Table& table = TheTable();
    for (const auto& [value, window] : table.windows)
        SDL_DestroyWindow(window->sdl);
    table = Table{};
}

SDL_Window* SdlWindowOf(HWND window)
{
    const Window* found = LookUpWindow(window);
    return found == nullptr ? nullptr : found->sdl;
}

bool HasKeyboardFocus(HWND window)
{
    const Window* found = LookUpWindow(window);
    return found != nullptr && found->focused;
}

unsigned FocusLossCount(HWND window)
{
    const Window* found = LookUpWindow(window);
    return found == nullptr ? 0 : found->focusLosses;
}

} // namespace compat::win32

using namespace compat::win32;

HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName,
                            DWORD dwStyle, int X, int Y, int nWidth, int nHeight, HWND hWndParent,
                            HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam)
{
    const compat::timing::TimedCall timed(compat::timing::Call::windows);
    (void)dwExStyle; // the nominal frame and SDL's window ignore extended styles
    (void)hInstance;
    (void)lpParam; // WM_CREATE is not sent
    if (hWndParent != nullptr || hMenu != nullptr)
    {
        Fail(ERROR_NOT_SUPPORTED, "CreateWindowExW: child windows and menus are not supported");
        return nullptr;
    }
    if (lpClassName == nullptr)
    {
        Fail(ERROR_INVALID_PARAMETER, "CreateWindowExW needs a class name");
        return nullptr;
    }
    const WindowClass* windowClass = FindWindowClass(lpClassName);
    if (windowClass == nullptr)
    {
        Fail(ERROR_CANNOT_FIND_WND_CLASS,
             "window class " + DescribeClassName(lpClassName) + " is not registered");
        return nullptr;
    }
    // No display is the first thing to say: without one, the size asked
    // for (taken from an unreadable screen) is beside the point.
    if (!EnsureVideo())
        return nullptr;
    const FrameInsets insets = InsetsForStyle(dwStyle);
    const int clientWidth = nWidth - insets.left - insets.right;
    const int clientHeight = nHeight - insets.top - insets.bottom;
    if (clientWidth <= 0 || clientHeight <= 0)
    {
        Fail(ERROR_INVALID_PARAMETER, "CreateWindowExW: a window of " + std::to_string(nWidth) +
                                          "x" + std::to_string(nHeight) +
                                          " leaves no client area inside its frame");
        return nullptr;
    }
    SDL_Window* sdl = CreateSdlWindow(ToUtf8(lpWindowName), X + insets.left, Y + insets.top,
                                      clientWidth, clientHeight, dwStyle);
    if (sdl == nullptr)
    {
        Fail(ERROR_NOT_ENOUGH_QUOTA,
             std::string("CreateWindowExW: SDL could not create the window (SDL: ") +
                 SDL_GetError() + ")");
        return nullptr;
    }
    auto window = std::make_unique<Window>();
    window->handle = NewHandle();
    window->sdl = sdl;
    window->sdlId = SDL_GetWindowID(sdl);
    window->procedure = windowClass->procedure;
    window->classAtom = windowClass->atom;
    window->insets = insets;
    window->focused = SDL_GetKeyboardFocus() == sdl;
    const HWND handle = window->handle;
    TheTable().windows.emplace(reinterpret_cast<uintptr_t>(handle), std::move(window));
    return handle;
}

BOOL WINAPI DestroyWindow(HWND hWnd)
{
    Window* window = ValidWindow(hWnd, "DestroyWindow");
    if (window == nullptr)
        return FALSE;
    if (window->destroying)
        return TRUE; // called again from its own WM_DESTROY: the first call finishes the job
    window->destroying = true;
    window->procedure(hWnd, WM_DESTROY, 0, 0);
    Erase(hWnd);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hWnd)
{
    return LookUpWindow(hWnd) != nullptr ? TRUE : FALSE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    const Window* window = ValidWindow(hWnd, "GetWindowRect");
    if (window == nullptr)
        return FALSE;
    if (lpRect == nullptr)
    {
        Fail(ERROR_INVALID_PARAMETER, "GetWindowRect needs a rectangle");
        return FALSE;
    }
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(window->sdl, &x, &y);
    SDL_GetWindowSize(window->sdl, &width, &height);
    const FrameInsets& insets = window->insets;
    *lpRect = {x - insets.left, y - insets.top, x + width + insets.right,
               y + height + insets.bottom};
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect)
{
    const Window* window = ValidWindow(hWnd, "GetClientRect");
    if (window == nullptr)
        return FALSE;
    if (lpRect == nullptr)
    {
        Fail(ERROR_INVALID_PARAMETER, "GetClientRect needs a rectangle");
        return FALSE;
    }
    int width = 0, height = 0;
    SDL_GetWindowSize(window->sdl, &width, &height);
    *lpRect = {0, 0, width, height};
    return TRUE;
}
