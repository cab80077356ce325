// The real keyboard: SDL's key and focus events, taken by PeekMessageW,
// reach GetDeviceState.
#include "DinputTest.h"
#include "ScopedVideoDriver.h"

#include <SDL.h>

#include <optional>

namespace dinput_test
{
namespace
{

class PumpedKeyboardTest : public DinputTest
{
protected:
    void SetUp() override
    {
        DinputTest::SetUp();
        CreateKeyboard();
    }

    Uint32 WindowId() const { return SDL_GetWindowID(compat::win32::SdlWindowOf(window)); }

    void PushFocus(SDL_WindowEventID id) const
    {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = WindowId();
        event.window.event = static_cast<Uint8>(id);
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    void PushKey(SDL_Scancode scancode, bool down) const
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.windowID = WindowId();
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    static void PumpMessages()
    {
        MSG msg{};
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
};

TEST_F(PumpedKeyboardTest, KeyEventSetsTheDikByteUntilReleased)
{
    KeyState keys = Untouched();
    EXPECT_EQ(Poll(keys), DIERR_NOTACQUIRED) << "the offscreen window starts without focus";
    EXPECT_EQ(keys, Untouched());

    PushFocus(SDL_WINDOWEVENT_FOCUS_GAINED);
    PumpMessages();
    ASSERT_EQ(Poll(keys), DI_OK);
    EXPECT_EQ(keys, KeyState{});

    PushKey(SDL_SCANCODE_ESCAPE, true);
    PushKey(SDL_SCANCODE_PAGEDOWN, true);
    PumpMessages();
    ASSERT_EQ(Poll(keys), DI_OK);
    KeyState expected{};
    expected[DIK_ESCAPE] = 0x80;
    expected[DIK_NEXT] = 0x80;
    EXPECT_EQ(keys, expected);

    PushKey(SDL_SCANCODE_ESCAPE, false);
    PumpMessages();
    ASSERT_EQ(Poll(keys), DI_OK);
    expected[DIK_ESCAPE] = 0;
    EXPECT_EQ(keys, expected);
}

TEST_F(PumpedKeyboardTest, FocusLossFailsTheReadUntilFocusReturns)
{
    PushFocus(SDL_WINDOWEVENT_FOCUS_GAINED);
    PushKey(SDL_SCANCODE_UP, true);
    PumpMessages();
    KeyState keys{};
    ASSERT_EQ(Poll(keys), DI_OK);
    ASSERT_EQ(keys[DIK_UP], 0x80);

    PushFocus(SDL_WINDOWEVENT_FOCUS_LOST);
    PumpMessages();
    const KeyState before = keys;
    // Acquire has nothing to do on a device still acquired; the read finds
    // the loss, and after that Acquire fails while the focus is away.
    EXPECT_EQ(Poll(keys), DIERR_INPUTLOST);
    EXPECT_EQ(Poll(keys), DIERR_NOTACQUIRED);
    EXPECT_EQ(keys, before);

    PushFocus(SDL_WINDOWEVENT_FOCUS_GAINED);
    PumpMessages();
    ASSERT_EQ(Poll(keys), DI_OK);
    EXPECT_EQ(keys[DIK_UP], 0) << "keys held when the focus left count as released";
}

TEST_F(PumpedKeyboardTest, BriefFocusLossBetweenPollsLosesInput)
{
    PushFocus(SDL_WINDOWEVENT_FOCUS_GAINED);
    PumpMessages();
    KeyState keys{};
    ASSERT_EQ(Poll(keys), DI_OK);
    PushFocus(SDL_WINDOWEVENT_FOCUS_LOST);
    PushFocus(SDL_WINDOWEVENT_FOCUS_GAINED);
    PumpMessages();
    EXPECT_EQ(device->GetDeviceState(256, keys.data()), DIERR_INPUTLOST);
    EXPECT_EQ(Poll(keys), DI_OK);
}

// On a real X server the focus comes from the server's own focus events.
class X11KeyboardTest : public PumpedKeyboardTest
{
protected:
    void SetUp() override
    {
        if (!test::HasXDisplay())
            GTEST_SKIP() << "no X display (DISPLAY is unset)";
        driver.emplace("x11");
        PumpedKeyboardTest::SetUp();
    }

    void TearDown() override
    {
        PumpedKeyboardTest::TearDown();
        driver.reset();
    }

    std::optional<test::ScopedVideoDriver> driver;
};

TEST_F(X11KeyboardTest, EscapeReachesTheDeviceOnceTheWindowHasFocus)
{
    ASSERT_STREQ(SDL_GetCurrentVideoDriver(), "x11");
    KeyState keys{};
    const Uint64 deadline = SDL_GetTicks64() + 2000;
    while (Poll(keys) != DI_OK && SDL_GetTicks64() < deadline)
    {
        // Another test's window may have the focus: ask the server for it.
        SDL_SetWindowInputFocus(compat::win32::SdlWindowOf(window));
        SDL_Delay(10);
        PumpMessages();
    }
    ASSERT_EQ(Poll(keys), DI_OK) << "the window never got the keyboard focus";
    PushKey(SDL_SCANCODE_ESCAPE, true);
    PumpMessages();
    ASSERT_EQ(Poll(keys), DI_OK);
    EXPECT_EQ(keys[DIK_ESCAPE], 0x80);
}

} // namespace
} // namespace dinput_test
