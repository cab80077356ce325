// The windows that exist: what a window handle stands for.
#pragma once

#include "frame_metrics.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

struct SDL_Window;

namespace compat::win32
{

struct Window
{
    HWND handle = nullptr;
    SDL_Window* sdl = nullptr; // the client area
    uint32_t sdlId = 0;        // SDL's window id, which SDL's events carry
    WNDPROC procedure = nullptr;
    ATOM classAtom = 0;
    FrameInsets insets;
    bool focused = false;
    unsigned focusLosses = 0;
    bool destroying = false; // WM_DESTROY is being sent
};

// Windows by handle value. std::map keeps a record in place while window
// procedures create or destroy other windows.
using WindowMap = std::map<uintptr_t, std::unique_ptr<Window>>;
const WindowMap& AllWindows();

// The window behind a handle, null when the handle is not (or no longer) a window.
Window* LookUpWindow(HWND handle);
// The window whose SDL window has this id, null when none.
Window* WindowOfSdlId(uint32_t sdlId);

// "window 0x10010", for error texts.
std::string DescribeHandle(HWND handle);

// The window behind a handle; records ERROR_INVALID_WINDOW_HANDLE naming the
// caller when there is none.
Window* ValidWindow(HWND handle, const char* caller);

bool AnyWindowOfClass(ATOM classAtom);

// Destroys every window without calling their procedures (ResetForTests).
void DestroyAllWindowsSilently();

} // namespace compat::win32
