// PeekMessageW and what it learns from SDL's events on the way: close
// requests become WM_CLOSE, focus changes and held keys are tracked per
// window for HasKeyboardFocus and the keyboard stand-in.
//
// SDL_QUIT (SIGINT, SIGTERM, or the desktop asking the whole program to end)
// becomes WM_CLOSE for every window, so the program ends through the same
// path as a click on the close button: WM_CLOSE → DestroyWindow → WM_DESTROY
// → PostQuitMessage. Closing the last window does not raise SDL_QUIT here
// (see video.cpp). A close request already waiting for a window is not
// queued twice.
#include "last_error.h"
#include "message_pump.h"
#include "message_queue.h"
#include "video.h"
#include "window_table.h"

#include <compat/win32.h>

#include <SDL.h>

#include <array>
#include <cstdio>

namespace compat::win32
{
namespace
{

std::array<std::uint8_t, SDL_NUM_SCANCODES> held{};

void QueueClose(HWND window)
{
    if (IsQueued(window, WM_CLOSE))
        return;
    if (!Enqueue(window, WM_CLOSE, 0, 0))
        std::fprintf(stderr, "win32: the message queue is full; WM_CLOSE for %s is lost\n",
                     DescribeHandle(window).c_str());
}

void OnWindowEvent(const SDL_WindowEvent& event)
{
    Window* window = WindowOfSdlId(event.windowID);
    if (window == nullptr)
        return;
    switch (event.event)
    {
    case SDL_WINDOWEVENT_CLOSE:
        QueueClose(window->handle);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        window->focused = true;
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        if (window->focused)
            ++window->focusLosses;
        window->focused = false;
        // Keys released while another program has the focus send no key-up here.
        held.fill(0);
        break;
    default:
        break;
    }
}

void OnKey(const SDL_KeyboardEvent& event)
{
    const auto scancode = static_cast<std::size_t>(event.keysym.scancode);
    if (scancode < held.size())
        held[scancode] = event.state == SDL_PRESSED ? 1 : 0;
}

void OnEvent(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_WINDOWEVENT:
        OnWindowEvent(event.window);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        OnKey(event.key);
        break;
    case SDL_QUIT:
        for (const auto& [value, window] : AllWindows())
            QueueClose(window->handle);
        break;
    default:
        break;
    }
}

void PumpSdlEvents()
{
    if (!VideoRunning())
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
        OnEvent(event);
}

} // namespace

std::span<const std::uint8_t> HeldKeys()
{
    return held;
}

void RequestClose(HWND window)
{
    if (ValidWindow(window, "RequestClose") != nullptr)
        QueueClose(window);
}

void ReleaseHeldKeys()
{
    held.fill(0);
}

} // namespace compat::win32

using namespace compat::win32;

BOOL WINAPI PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg)
{
    if (lpMsg == nullptr)
    {
        Fail(ERROR_INVALID_PARAMETER, "PeekMessageW needs a MSG to fill");
        return FALSE;
    }
    if ((wRemoveMsg & ~static_cast<UINT>(PM_REMOVE)) != 0)
    {
        Fail(ERROR_INVALID_FLAGS, "PeekMessageW supports only PM_REMOVE and PM_NOREMOVE");
        return FALSE;
    }
    if (wMsgFilterMin > wMsgFilterMax)
    {
        Fail(ERROR_INVALID_PARAMETER, "PeekMessageW: the message filter's first value is "
                                      "above its last");
        return FALSE;
    }
    if (hWnd != nullptr && ValidWindow(hWnd, "PeekMessageW") == nullptr)
        return FALSE;
    PumpSdlEvents();
    return TakeMessage(*lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, (wRemoveMsg & PM_REMOVE) != 0)
               ? TRUE
               : FALSE;
}
