// Frame metrics: AdjustWindowRectEx, and where the SDL window (the client
// area) lands for the outer rectangle given to CreateWindowExW.
#include "Win32Test.h"

#include <SDL.h>

// RECT lives in the global namespace, where the assertions look for these.
static bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

[[maybe_unused]] static std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace win32_test
{
namespace
{

// The nominal frame the stand-in documents: a 23-pixel caption bar and a
// 1-pixel border on every side with WS_BORDER.
constexpr LONG kCaption = 23;
constexpr LONG kBorder = 1;

using WindowGeometryTest = Win32Test;

RECT Adjusted(RECT rect, DWORD style)
{
    EXPECT_TRUE(AdjustWindowRectEx(&rect, style, FALSE, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE));
    return rect;
}

TEST_F(WindowGeometryTest, AdjustGrowsByTheFrameOfTheStyle)
{
    const RECT client{100, 50, 740, 530};
    EXPECT_EQ(Adjusted(client, kDecorated),
              (RECT{100 - kBorder, 50 - kCaption - kBorder, 740 + kBorder, 530 + kBorder}));
    EXPECT_EQ(Adjusted(client, WS_POPUP | WS_BORDER),
              (RECT{100 - kBorder, 50 - kBorder, 740 + kBorder, 530 + kBorder}));
    // WS_CAPTION alone brings its border along, as on Windows.
    EXPECT_EQ(Adjusted(client, WS_POPUP | WS_CAPTION), Adjusted(client, kDecorated));
    EXPECT_EQ(Adjusted(client, kUndecorated), client);
}

TEST_F(WindowGeometryTest, AdjustRefusesWhatItCannotDo)
{
    RECT rect{0, 0, 10, 10};
    EXPECT_FALSE(AdjustWindowRectEx(&rect, kDecorated, TRUE, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(rect, (RECT{0, 0, 10, 10}));
    EXPECT_FALSE(AdjustWindowRectEx(nullptr, kDecorated, FALSE, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(WindowGeometryTest, UndecoratedWindowIsItsClientArea)
{
    const HWND window = Create(kUndecorated, 30, 40, 320, 200);
    ASSERT_NE(window, nullptr) << LastErrorText();
    RECT outer{}, client{};
    ASSERT_TRUE(GetWindowRect(window, &outer));
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(outer, (RECT{30, 40, 350, 240}));
    EXPECT_EQ(client, (RECT{0, 0, 320, 200}));

    SDL_Window* sdl = compat::win32::SdlWindowOf(window);
    ASSERT_NE(sdl, nullptr);
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(sdl, &x, &y);
    SDL_GetWindowSize(sdl, &width, &height);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 40);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 200);
    const Uint32 flags = SDL_GetWindowFlags(sdl);
    EXPECT_NE(flags & SDL_WINDOW_BORDERLESS, 0u);
    EXPECT_NE(flags & SDL_WINDOW_SHOWN, 0u);
}

TEST_F(WindowGeometryTest, DecoratedClientLandsWhereAskedBeforeAdjusting)
{
    // As a program centres a 640x480 client area at (100, 50).
    const RECT outer = Adjusted(RECT{100, 50, 740, 530}, kDecorated);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const HWND window = Create(kDecorated, outer.left, outer.top, width, height);
    ASSERT_NE(window, nullptr) << LastErrorText();

    RECT windowRect{}, clientRect{};
    ASSERT_TRUE(GetWindowRect(window, &windowRect));
    ASSERT_TRUE(GetClientRect(window, &clientRect));
    EXPECT_EQ(windowRect, outer);
    EXPECT_EQ(clientRect, (RECT{0, 0, 640, 480}));

    SDL_Window* sdl = compat::win32::SdlWindowOf(window);
    ASSERT_NE(sdl, nullptr);
    int x = 0, y = 0;
    SDL_GetWindowPosition(sdl, &x, &y);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);
    EXPECT_EQ(SDL_GetWindowFlags(sdl) & SDL_WINDOW_BORDERLESS, 0u);
}

TEST_F(WindowGeometryTest, ClientIsTheOuterSizeLessTheFrame)
{
    // The outer size is passed as it is, without adjusting first.
    const HWND window = Create(kDecorated, 0, 0, 300, 200);
    ASSERT_NE(window, nullptr) << LastErrorText();
    RECT client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client, (RECT{0, 0, 300 - 2 * kBorder, 200 - kCaption - 2 * kBorder}));
}

TEST_F(WindowGeometryTest, WindowWithoutWsVisibleIsHidden)
{
    const HWND window = Create(WS_POPUP, 0, 0, 64, 64);
    ASSERT_NE(window, nullptr) << LastErrorText();
    EXPECT_NE(SDL_GetWindowFlags(compat::win32::SdlWindowOf(window)) & SDL_WINDOW_HIDDEN, 0u);
}

TEST_F(WindowGeometryTest, FrameLeavingNoClientAreaIsRefused)
{
    EXPECT_EQ(Create(kDecorated, 0, 0, 100, kCaption + 2 * kBorder), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_NE(LastErrorText().find("100x25"), std::string::npos) << LastErrorText();
}

TEST_F(WindowGeometryTest, CaptionBecomesTheUtf8Title)
{
    // Two-, three- and four-byte UTF-8 sequences, and an unpaired surrogate.
    const HWND window = Create(kDecorated, 0, 0, 200, 100, L"Caf\u00e9 \u2708 \U0001D11E \xD800!");
    ASSERT_NE(window, nullptr) << LastErrorText();
    EXPECT_STREQ(SDL_GetWindowTitle(compat::win32::SdlWindowOf(window)),
                 "Caf\xC3\xA9 \xE2\x9C\x88 \xF0\x9D\x84\x9E \xEF\xBF\xBD!");
}

TEST_F(WindowGeometryTest, DestroyedHandleIsNoLongerAWindow)
{
    const HWND first = Create(kUndecorated, 0, 0, 64, 64);
    const HWND second = Create(kUndecorated, 0, 0, 64, 64);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_TRUE(IsWindow(first));

    ASSERT_TRUE(DestroyWindow(first));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(second));
    EXPECT_EQ(compat::win32::SdlWindowOf(first), nullptr);
    RECT rect{};
    EXPECT_FALSE(GetWindowRect(first, &rect));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(DestroyWindow(first));

    // A new window never takes the old handle's value.
    const HWND third = Create(kUndecorated, 0, 0, 64, 64);
    EXPECT_NE(third, first);
    EXPECT_FALSE(IsWindow(first));
}

} // namespace
} // namespace win32_test
