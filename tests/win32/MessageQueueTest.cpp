// The message queue and the pump: close requests, destruction, the quit
// message, one message per PeekMessageW, focus and keys from SDL's events.
#include "Win32Test.h"

#include <SDL.h>

namespace win32_test
{
namespace
{

class MessageQueueTest : public Win32Test
{
protected:
    void SetUp() override
    {
        Win32Test::SetUp();
        window = Create(kUndecorated, 0, 0, 160, 120);
        ASSERT_NE(window, nullptr) << LastErrorText();
    }

    // Pushes an SDL window event for `target`, as the window manager would.
    static void PushWindowEvent(HWND target, SDL_WindowEventID id)
    {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = SDL_GetWindowID(compat::win32::SdlWindowOf(target));
        event.window.event = static_cast<Uint8>(id);
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    static void PushKey(HWND target, SDL_Scancode scancode, bool down)
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.windowID = SDL_GetWindowID(compat::win32::SdlWindowOf(target));
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    // Takes every waiting message, dispatching each as a frame loop would.
    static std::vector<MSG> Drain()
    {
        std::vector<MSG> taken;
        MSG msg{};
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            taken.push_back(msg);
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return taken;
    }

    HWND window = nullptr;
};

// A window closed by the window manager, either way it can say so.
class CloseRequestTest : public MessageQueueTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(CloseRequestTest, CloseDestroysTheWindowAndQuits)
{
    if (GetParam())
        PushWindowEvent(window, SDL_WINDOWEVENT_CLOSE);
    else
        compat::win32::RequestClose(window);

    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, window);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_CLOSE));
    EXPECT_TRUE(received.empty()) << "nothing reaches the procedure before dispatch";

    DispatchMessageW(&msg);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(received[1].message, static_cast<UINT>(WM_DESTROY));
    EXPECT_EQ(received[1].hwnd, window);
    EXPECT_FALSE(IsWindow(window));

    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(DispatchMessageW(&msg), 0);
    EXPECT_EQ(received.size(), 2u) << "WM_QUIT reaches no procedure";

    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

INSTANTIATE_TEST_SUITE_P(ByHookAndBySdlEvent, CloseRequestTest, ::testing::Bool());

TEST_F(MessageQueueTest, RepeatedCloseRequestsQueueOneWmClose)
{
    compat::win32::RequestClose(window);
    PushWindowEvent(window, SDL_WINDOWEVENT_CLOSE);
    compat::win32::RequestClose(window);
    const std::vector<MSG> taken = Drain();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(taken[1].message, static_cast<UINT>(WM_QUIT));
}

TEST_F(MessageQueueTest, SdlQuitClosesEveryWindow)
{
    const HWND second = Create(kUndecorated, 200, 0, 160, 120);
    ASSERT_NE(second, nullptr);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 1);
    Drain();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(second));
}

TEST_F(MessageQueueTest, OneMessagePerPeekInPostingOrder)
{
    for (WPARAM i = 1; i <= 3; ++i)
        ASSERT_TRUE(PostMessageW(window, WM_USER, i, 0));
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 1u) << "PM_NOREMOVE leaves the message";
    for (WPARAM i = 1; i <= 3; ++i)
    {
        ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
        EXPECT_EQ(msg.wParam, i);
        EXPECT_TRUE(received.empty());
    }
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, FiltersTakeOnlyWhatTheyName)
{
    const HWND other = Create(kUndecorated, 0, 0, 32, 32);
    ASSERT_TRUE(PostMessageW(other, WM_USER + 1, 0, 0));
    ASSERT_TRUE(PostMessageW(window, WM_USER + 2, 0, 0));
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_USER + 2, WM_USER + 9, PM_REMOVE));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER, WM_USER + 1, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, other);

    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 9, 3, PM_REMOVE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(PeekMessageW(nullptr, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, FullQueueRefusesAndKeepsOrderAcrossTheWrap)
{
    // Take some first, so that the ring wraps around its end.
    WPARAM next = 0;
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(PostMessageW(window, WM_USER, next++, 0));
    MSG msg{};
    for (int i = 0; i < 60; ++i)
        ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    while (PostMessageW(window, WM_USER, next, 0))
        ++next;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_QUOTA));
    EXPECT_NE(LastErrorText().find("full"), std::string::npos);
    EXPECT_GT(next, 160u) << "the queue holds more than a hundred messages";

    // The quit message cannot be lost to a full queue; it comes last.
    PostQuitMessage(3);
    for (WPARAM expected = 60; expected < next; ++expected)
    {
        ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
        ASSERT_EQ(msg.wParam, expected);
    }
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageQueueTest, DestroyingDropsTheWindowsMessages)
{
    const HWND other = Create(kUndecorated, 0, 0, 32, 32);
    ASSERT_TRUE(PostMessageW(window, WM_USER, 1, 0));
    ASSERT_TRUE(PostMessageW(other, WM_USER, 2, 0));
    ASSERT_TRUE(PostMessageW(window, WM_USER, 3, 0));
    ASSERT_TRUE(DestroyWindow(window));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, static_cast<UINT>(WM_DESTROY));

    const std::vector<MSG> taken = Drain();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].hwnd, other);
    EXPECT_EQ(taken[0].wParam, 2u);
    EXPECT_EQ(taken[1].message, static_cast<UINT>(WM_QUIT));
}

TEST_F(MessageQueueTest, SendCallsTheProcedureAtOnce)
{
    EXPECT_EQ(SendMessageW(window, WM_USER, 7, 0), 0);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].wParam, 7u);
    MSG msg{};
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));

    // The default procedure closes a window on WM_CLOSE, whoever sends it.
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(PostMessageW(window, WM_USER, 0, 0));
}

TEST_F(MessageQueueTest, FocusFollowsTheWindowEvents)
{
    EXPECT_FALSE(compat::win32::HasKeyboardFocus(window)) << "the offscreen driver gives none";
    PushWindowEvent(window, SDL_WINDOWEVENT_FOCUS_GAINED);
    Drain();
    EXPECT_TRUE(compat::win32::HasKeyboardFocus(window));
    EXPECT_EQ(compat::win32::FocusLossCount(window), 0u);

    PushWindowEvent(window, SDL_WINDOWEVENT_FOCUS_LOST);
    PushWindowEvent(window, SDL_WINDOWEVENT_FOCUS_GAINED);
    Drain();
    EXPECT_TRUE(compat::win32::HasKeyboardFocus(window));
    EXPECT_EQ(compat::win32::FocusLossCount(window), 1u);

    PushWindowEvent(window, SDL_WINDOWEVENT_FOCUS_LOST);
    Drain();
    EXPECT_FALSE(compat::win32::HasKeyboardFocus(window));
    EXPECT_EQ(compat::win32::FocusLossCount(window), 2u);
}

TEST_F(MessageQueueTest, HeldKeysFollowKeyEventsAndFocusLoss)
{
    PushWindowEvent(window, SDL_WINDOWEVENT_FOCUS_GAINED);
    PushKey(window, SDL_SCANCODE_ESCAPE, true);
    PushKey(window, SDL_SCANCODE_PAGEDOWN, true);
    PushKey(window, SDL_SCANCODE_PAGEDOWN, false);
    PushKey(window, SDL_SCANCODE_A, true);
    EXPECT_EQ(compat::win32::HeldKeys()[SDL_SCANCODE_ESCAPE], 0) << "only the pump sees events";
    Drain();
    const auto held = compat::win32::HeldKeys();
    ASSERT_EQ(held.size(), static_cast<size_t>(SDL_NUM_SCANCODES));
    EXPECT_EQ(held[SDL_SCANCODE_ESCAPE], 1);
    EXPECT_EQ(held[SDL_SCANCODE_PAGEDOWN], 0);
    EXPECT_EQ(held[SDL_SCANCODE_A], 1);

    PushWindowEvent(window, SDL_WINDOWEVENT_FOCUS_LOST);
    Drain();
    EXPECT_EQ(held[SDL_SCANCODE_ESCAPE], 0);
    EXPECT_EQ(held[SDL_SCANCODE_A], 0);
}

} // namespace
} // namespace win32_test
