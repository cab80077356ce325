// Controls of the Win32 stand-in that Windows itself does not have: a virtual
// primary screen and a virtual performance counter for tests and the capture
// tool, the SDL window behind a handle for the other stand-ins, a way to
// play the window manager's part, and the time spent making windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

struct SDL_Window;

namespace compat::win32
{

// GetSystemMetrics(SM_CXSCREEN / SM_CYSCREEN) answers this size instead of the
// primary display's desktop size, and no display is needed to ask.
void SetVirtualScreenSize(int width, int height);
void ClearVirtualScreenSize();

// QueryPerformanceCounter reads a counter that moves only by
// AdvanceVirtualClock; QueryPerformanceFrequency answers `frequency`.
void UseVirtualClock(int64_t frequency = 1'000'000);
void AdvanceVirtualClock(int64_t ticks);
void UseRealClock();

// The SDL window behind a window handle (null for an unknown handle).
SDL_Window* SdlWindowOf(HWND window);

// Whether the window has the keyboard focus (it is in the foreground).
bool HasKeyboardFocus(HWND window);

// How many times the window has lost the keyboard focus since it was created
// (0 for an unknown handle): two different counts mean the focus was lost in
// between, even when it has come back since.
unsigned FocusLossCount(HWND window);

// The keys held now, indexed by SDL scancode (SDL_NUM_SCANCODES entries, 1 for
// a held key), as the message pump has seen them in SDL's key events. A
// window's focus loss releases them all.
std::span<const std::uint8_t> HeldKeys();

// Queues WM_CLOSE for the window, as the window manager's close button does.
void RequestClose(HWND window);

// Destroys every window, unregisters every class, empties the message queue,
// restores the real screen and clock, and stops measuring call times: a fresh
// process, for tests.
void ResetForTests();

} // namespace compat::win32
