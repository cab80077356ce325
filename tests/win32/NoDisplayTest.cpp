// Without any display, making a window fails with a text that says so. Runs
// in a child process, since SDL picks its video driver once per start.
#include "Win32Test.h"

#include <cstdio>
#include <cstdlib>

namespace win32_test
{
namespace
{

// Exits with 0 when CreateWindowExW failed as it should, after writing the
// error text to stderr for the parent to match.
[[noreturn]] void CreateWindowWithoutDisplay()
{
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    setenv("SDL_VIDEODRIVER", "x11", 1);
    compat::win32::ResetForTests();
    const WNDCLASSEXW wc = TestClass(L"CWindow");
    if (RegisterClassExW(&wc) == 0)
        std::_Exit(2);
    const HWND window = CreateWindowExW(0, L"CWindow", L"", kDecorated, 0, 0, 200, 100, nullptr,
                                        nullptr, nullptr, nullptr);
    const DWORD error = GetLastError();
    std::fprintf(stderr, "code %lu: %s\n", static_cast<unsigned long>(error),
                 LastErrorText().c_str());
    std::fflush(stderr);
    // Asking for the desktop size fails the same way: no display, no size.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    std::_Exit(window == nullptr && error == ERROR_DEVICE_NOT_AVAILABLE && width == 0 ? 0 : 1);
}

TEST(NoDisplayTest, CreateWindowFailsWithATextSayingSo)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(CreateWindowWithoutDisplay(), ::testing::ExitedWithCode(0),
                "code 4319: no display could be opened \\(SDL: .+\\)");
}

} // namespace
} // namespace win32_test
