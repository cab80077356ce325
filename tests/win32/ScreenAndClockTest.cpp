// The primary screen's size and the performance counter, real and virtual.
#include "Win32Test.h"

#include <SDL.h>

namespace win32_test
{
namespace
{

using ScreenTest = Win32Test;
using ClockTest = Win32Test;

TEST_F(ScreenTest, VirtualSizeAnswersUntilCleared)
{
    compat::win32::SetVirtualScreenSize(1920, 1080);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    // Asking needs no display: nothing started SDL video.
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);

    compat::win32::SetVirtualScreenSize(801, 599);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 801);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 599);

    // A size that is no size leaves the screen as it was.
    compat::win32::SetVirtualScreenSize(0, 600);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 801);

    compat::win32::ClearVirtualScreenSize();
    SDL_DisplayMode desktop;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0) << SDL_GetError();
    EXPECT_EQ(width, desktop.w);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), desktop.h);
}

TEST_F(ScreenTest, UnknownMetricIsRefused)
{
    EXPECT_EQ(GetSystemMetrics(42), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_NE(LastErrorText().find("42"), std::string::npos) << LastErrorText();
}

TEST_F(ScreenTest, ResetForgetsTheVirtualScreen)
{
    compat::win32::SetVirtualScreenSize(3, 2);
    compat::win32::ResetForTests();
    EXPECT_NE(GetSystemMetrics(SM_CXSCREEN), 3);
}

TEST_F(ClockTest, VirtualClockMovesOnlyWhenAdvanced)
{
    compat::win32::UseVirtualClock(1000);
    LARGE_INTEGER frequency{}, start{}, later{};
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
    EXPECT_EQ(frequency.QuadPart, 1000);
    ASSERT_TRUE(QueryPerformanceCounter(&start));
    SDL_Delay(5);
    ASSERT_TRUE(QueryPerformanceCounter(&later));
    EXPECT_EQ(later.QuadPart, start.QuadPart);

    compat::win32::AdvanceVirtualClock(17);
    compat::win32::AdvanceVirtualClock(233);
    ASSERT_TRUE(QueryPerformanceCounter(&later));
    EXPECT_EQ(later.QuadPart - start.QuadPart, 250);

    // Going back is refused; the counter stays.
    compat::win32::AdvanceVirtualClock(-5);
    ASSERT_TRUE(QueryPerformanceCounter(&later));
    EXPECT_EQ(later.QuadPart - start.QuadPart, 250);
}

TEST_F(ClockTest, DefaultFrequencyAndRealClock)
{
    compat::win32::UseVirtualClock();
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    EXPECT_EQ(frequency.QuadPart, 1'000'000);

    compat::win32::UseRealClock();
    QueryPerformanceFrequency(&frequency);
    EXPECT_EQ(frequency.QuadPart, static_cast<int64_t>(SDL_GetPerformanceFrequency()));
    const auto before = static_cast<int64_t>(SDL_GetPerformanceCounter());
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    const auto after = static_cast<int64_t>(SDL_GetPerformanceCounter());
    EXPECT_GE(now.QuadPart, before);
    EXPECT_LE(now.QuadPart, after);
}

TEST_F(ClockTest, NullOutputIsRefused)
{
    EXPECT_FALSE(QueryPerformanceCounter(nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(QueryPerformanceFrequency(nullptr));
}

} // namespace
} // namespace win32_test
