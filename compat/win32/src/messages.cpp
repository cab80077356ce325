// Sending, posting and dispatching messages to window procedures.
#include "last_error.h"
#include "message_queue.h"
#include "window_table.h"

#include <string>

using namespace compat::win32;

BOOL WINAPI TranslateMessage(const MSG* lpMsg)
{
    (void)lpMsg; // no WM_CHAR is made: the program reads keys through DirectInput
    return FALSE;
}

LRESULT WINAPI DispatchMessageW(const MSG* lpMsg)
{
    if (lpMsg == nullptr)
    {
        Fail(ERROR_INVALID_PARAMETER, "DispatchMessageW needs a message");
        return 0;
    }
    if (lpMsg->hwnd == nullptr)
        return 0; // a thread message such as WM_QUIT: no window procedure takes it
    return SendMessageW(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    const Window* window = ValidWindow(hWnd, "SendMessageW");
    if (window == nullptr)
        return 0;
    // The procedure may destroy the window: nothing of the record is used after the call.
    const WNDPROC procedure = window->procedure;
    return procedure(hWnd, Msg, wParam, lParam);
}

BOOL WINAPI PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (hWnd != nullptr && ValidWindow(hWnd, "PostMessageW") == nullptr)
        return FALSE;
    if (!Enqueue(hWnd, Msg, wParam, lParam))
    {
        Fail(ERROR_NOT_ENOUGH_QUOTA, "PostMessageW: the message queue is full (" +
                                         std::to_string(kMessageQueueCapacity) + " messages)");
        return FALSE;
    }
    return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode)
{
    RequestQuit(nExitCode);
}

LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    if (Msg == WM_CLOSE)
        DestroyWindow(hWnd);
    return 0;
}
