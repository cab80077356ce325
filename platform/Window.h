// The program's one top-level window: class registration, a centred
// position from a small settings record, and the window procedure.
#pragma once

#include <windows.h>

struct WindowParam
{
    unsigned int width;
    unsigned int height;
    bool decorated; // add the frame styles below and adjust for the frame
    bool border;    // thin border (only when decorated)
    bool caption;   // caption bar (only when decorated)
};

// Half the primary screen, with caption and border.
WindowParam DefaultWindowParam();

// Turns the window's destruction into the end of the message loop.
LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class CWindow
{
public:
    CWindow();
    ~CWindow();

    // Registers the class "CWindow" and creates the window centred on the
    // primary screen. A null param means DefaultWindowParam(), a null
    // wndProc means WndProc. Returns the handle, or null on failure.
    HWND Create(const wchar_t* windowName, const WindowParam* param, WNDPROC wndProc);
    HWND GetHandle() const;

private:
    HWND m_handle;
};
