// What the Win32 tests share: a fresh stand-in for every test, a window class
// whose procedure records what it receives and behaves as the program's does
// (WM_DESTROY posts the quit message, the rest goes to DefWindowProcW).
#pragma once

#include <compat/win32.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace win32_test
{

struct Received
{
    HWND hwnd;
    UINT message;
    WPARAM wParam;
};

inline std::vector<Received> received;

inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    received.push_back({hwnd, message, wParam});
    if (message == WM_DESTROY)
    {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

inline WNDCLASSEXW TestClass(const wchar_t* name)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    return wc;
}

// The text FormatMessageA gives for the last error.
inline std::string LastErrorText()
{
    char text[512];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, GetLastError(), 0, text, sizeof text, nullptr);
    return std::string(text, length);
}

inline constexpr DWORD kDecorated = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_BORDER;
inline constexpr DWORD kUndecorated = WS_POPUP | WS_VISIBLE;

class Win32Test : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Offscreen unless the test run (or an X11 test) chose a driver.
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        compat::win32::ResetForTests();
        received.clear();
        const WNDCLASSEXW wc = TestClass(L"CWindow");
        ASSERT_NE(RegisterClassExW(&wc), 0) << LastErrorText();
    }

    void TearDown() override { compat::win32::ResetForTests(); }

    static HWND Create(DWORD style, int x, int y, int width, int height,
                       const wchar_t* title = L"test window")
    {
        return CreateWindowExW(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, L"CWindow", title, style, x, y,
                               width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
};

} // namespace win32_test
