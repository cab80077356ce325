// The main window's geometry and its procedure.
#include "ShellFixture.h"

#include "platform/Window.h"

#include <compat/win32.h>

namespace
{
// The frame that AdjustWindowRectEx adds around a client area: how far the
// client's top-left corner lies inside the window's outer rectangle.
POINT FrameOffset(DWORD style)
{
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE);
    return POINT{-frame.left, -frame.top};
}

WindowParam Param(unsigned width, unsigned height, bool decorated)
{
    WindowParam param = DefaultWindowParam();
    param.width = width;
    param.height = height;
    param.decorated = decorated;
    return param;
}
} // namespace

TEST_F(ShellTest, ShellWindowIsCentredWithItsClientAreaOnTheCentredPoint)
{
    ASSERT_TRUE(AppInit());
    HWND window = g_window->GetHandle();
    ASSERT_NE(window, nullptr);

    const POINT frame = FrameOffset(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_BORDER);
    ASSERT_GT(frame.y, frame.x); // the caption adds to the top

    RECT outer;
    ASSERT_TRUE(GetWindowRect(window, &outer));
    RECT client;
    ASSERT_TRUE(GetClientRect(window, &client));

    // 1870x1030 requested on a 1920x1080 screen: the client area starts at
    // (960 - 935, 540 - 515) = (25, 25).
    EXPECT_EQ(outer.left + frame.x, 25);
    EXPECT_EQ(outer.top + frame.y, 25);
    // It loses the left frame and the caption plus top frame; the window
    // grows on the right and at the bottom only by the frame.
    EXPECT_EQ(client.right, 1870 - frame.x);
    EXPECT_EQ(client.bottom, 1030 - frame.y);
    EXPECT_EQ(outer.right - outer.left, 1870 + frame.x);
    EXPECT_EQ(outer.bottom - outer.top, 1030 + frame.x);
}

TEST_F(ShellTest, DefaultsAreHalfTheScreenWithCaptionAndBorder)
{
    const WindowParam param = DefaultWindowParam();
    EXPECT_EQ(param.width, 960u);
    EXPECT_EQ(param.height, 540u);
    EXPECT_TRUE(param.decorated);
    EXPECT_TRUE(param.border);
    EXPECT_TRUE(param.caption);

    CWindow window;
    ASSERT_NE(window.Create(L"Zarv", nullptr, nullptr), nullptr);
    const POINT frame = FrameOffset(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_BORDER);
    RECT outer;
    ASSERT_TRUE(GetWindowRect(window.GetHandle(), &outer));
    EXPECT_EQ(outer.left + frame.x, 960 - 480);
    EXPECT_EQ(outer.top + frame.y, 540 - 270);
}

TEST_F(ShellTest, UndecoratedWindowCoversExactlyItsSizeAtTheCentredPoint)
{
    CWindow window;
    const WindowParam param = Param(1871, 1031, false);
    ASSERT_NE(window.Create(L"Zarv", &param, WndProc), nullptr);
    RECT outer;
    ASSERT_TRUE(GetWindowRect(window.GetHandle(), &outer));
    // Odd sizes: the half width drops its fraction, 960 - 935 = 25.
    EXPECT_EQ(outer.left, 25);
    EXPECT_EQ(outer.top, 25);
    EXPECT_EQ(outer.right, 25 + 1871);
    EXPECT_EQ(outer.bottom, 25 + 1031);
    RECT client;
    ASSERT_TRUE(GetClientRect(window.GetHandle(), &client));
    EXPECT_EQ(client.right, 1871);
    EXPECT_EQ(client.bottom, 1031);
}

TEST_F(ShellTest, SecondWindowFailsAtClassRegistration)
{
    CWindow first;
    ASSERT_NE(first.Create(L"Zarv", nullptr, nullptr), nullptr);
    CWindow second;
    EXPECT_EQ(second.Create(L"Zarv", nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    EXPECT_EQ(second.GetHandle(), nullptr);
}

TEST_F(ShellTest, DestroyingTheWindowQueuesQuitWithCodeZeroAndNothingElseDoes)
{
    CWindow window;
    HWND handle = window.Create(L"Zarv", nullptr, nullptr);
    ASSERT_NE(handle, nullptr);

    // Messages other than WM_DESTROY go to the default handling and post nothing.
    SendMessageW(handle, WM_SIZE, 0, 0);
    MSG msg = {};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        EXPECT_NE(msg.message, static_cast<UINT>(WM_QUIT));

    ASSERT_TRUE(DestroyWindow(handle));
    bool quit = false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message == WM_QUIT)
        {
            quit = true;
            EXPECT_EQ(msg.wParam, 0u);
        }
    EXPECT_TRUE(quit);
}
