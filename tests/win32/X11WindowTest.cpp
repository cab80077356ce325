// A real X11 window (under Xvfb in the test script); skipped without DISPLAY.
#include "ScopedVideoDriver.h"
#include "Win32Test.h"

#include <SDL.h>

#include <optional>

namespace win32_test
{
namespace
{

class X11WindowTest : public Win32Test
{
protected:
    void SetUp() override
    {
        if (!test::HasXDisplay())
            GTEST_SKIP() << "no X display (DISPLAY is unset)";
        driver.emplace("x11");
        Win32Test::SetUp();
    }

    void TearDown() override
    {
        Win32Test::TearDown();
        driver.reset();
    }

    std::optional<test::ScopedVideoDriver> driver;
};

// Pumps messages until the window has the focus or two seconds have passed.
// A bare X server gives a new window the focus, but another test's window may
// have taken it since: ask the server for it as a window manager would.
bool WaitForFocus(HWND window)
{
    const Uint64 deadline = SDL_GetTicks64() + 2000;
    MSG msg{};
    while (!compat::win32::HasKeyboardFocus(window) && SDL_GetTicks64() < deadline)
    {
        SDL_SetWindowInputFocus(compat::win32::SdlWindowOf(window));
        SDL_Delay(10);
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    return compat::win32::HasKeyboardFocus(window) != 0;
}

TEST_F(X11WindowTest, VisibleWindowGetsTheFocusAndClosesThroughTheQueue)
{
    const HWND window = Create(kDecorated, 40, 40, 322, 265, L"X11 \u00e9");
    ASSERT_NE(window, nullptr) << LastErrorText();
    EXPECT_STREQ(SDL_GetCurrentVideoDriver(), "x11");
    RECT client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 240);
    EXPECT_STREQ(SDL_GetWindowTitle(compat::win32::SdlWindowOf(window)), "X11 \xC3\xA9");

    ASSERT_TRUE(WaitForFocus(window)) << "the X server's focus never reached the window";

    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SDL_GetWindowID(compat::win32::SdlWindowOf(window));
    ASSERT_EQ(SDL_PushEvent(&close), 1);
    MSG msg{};
    int turns = 0;
    while (msg.message != WM_QUIT && turns++ < 100)
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
} // namespace win32_test
