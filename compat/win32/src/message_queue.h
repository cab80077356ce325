// The thread's message queue: a fixed-capacity ring of posted messages (no
// allocation per message) and, as on Windows, a quit flag rather than a
// queued WM_QUIT: the quit message comes out once no posted message is left,
// and a full queue can never lose it.
#pragma once

#include <windows.h>

#include <cstddef>

namespace compat::win32
{

inline constexpr std::size_t kMessageQueueCapacity = 256;

// Appends a message; false when the queue is full.
bool Enqueue(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Whether the message is already waiting for the window.
bool IsQueued(HWND window, UINT message);

// Copies the first message that passes the filters (a null window takes
// every window's; a 0..0 range takes every message) into `out`, removing it
// when `remove` is set. WM_QUIT passes any filter.
bool TakeMessage(MSG& out, HWND window, UINT first, UINT last, bool remove);

void RequestQuit(int exitCode);

// Drops what is queued for a window being destroyed.
void DiscardMessagesFor(HWND window);

// Empties the queue and clears the quit flag (ResetForTests).
void ClearMessageQueue();

} // namespace compat::win32
