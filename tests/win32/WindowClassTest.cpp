// The window class registry.
#include "Win32Test.h"

namespace win32_test
{
namespace
{

using WindowClassTest = Win32Test;

TEST_F(WindowClassTest, RegisteringANameTwiceFails)
{
    const WNDCLASSEXW again = TestClass(L"CWindow");
    EXPECT_EQ(RegisterClassExW(&again), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    EXPECT_EQ(LastErrorText(), "window class \"CWindow\" is already registered");

    // Another name is a class of its own, with its own atom.
    const WNDCLASSEXW other = TestClass(L"Other");
    const ATOM atom = RegisterClassExW(&other);
    EXPECT_NE(atom, 0);
    EXPECT_EQ(RegisterClassExW(&other), 0);
}

TEST_F(WindowClassTest, UnregisteringFreesTheName)
{
    ASSERT_TRUE(UnregisterClassW(L"CWindow", nullptr));
    EXPECT_FALSE(UnregisterClassW(L"CWindow", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
    const WNDCLASSEXW wc = TestClass(L"CWindow");
    EXPECT_NE(RegisterClassExW(&wc), 0);
}

TEST_F(WindowClassTest, ClassWithWindowsStaysRegistered)
{
    const HWND window = Create(kUndecorated, 0, 0, 64, 64);
    ASSERT_NE(window, nullptr) << LastErrorText();
    EXPECT_FALSE(UnregisterClassW(L"CWindow", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_TRUE(UnregisterClassW(L"CWindow", nullptr));
}

TEST_F(WindowClassTest, WindowsFindTheirClassByNameOrAtom)
{
    const WNDCLASSEXW wc = TestClass(L"ByAtom");
    const ATOM atom = RegisterClassExW(&wc);
    ASSERT_NE(atom, 0);
    const HWND window = CreateWindowExW(0, MAKEINTATOM(atom), L"", kUndecorated, 0, 0, 32, 32,
                                        nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(window, nullptr) << LastErrorText();

    EXPECT_EQ(CreateWindowExW(0, L"Missing", L"", kUndecorated, 0, 0, 32, 32, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    EXPECT_EQ(LastErrorText(), "window class \"Missing\" is not registered");
}

TEST_F(WindowClassTest, IncompleteClassesAreRefused)
{
    WNDCLASSEXW wc = TestClass(L"Broken");
    wc.cbSize = 0;
    EXPECT_EQ(RegisterClassExW(&wc), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    wc = TestClass(L"Broken");
    wc.lpfnWndProc = nullptr;
    EXPECT_EQ(RegisterClassExW(&wc), 0);
    EXPECT_NE(LastErrorText().find("no window procedure"), std::string::npos);

    wc = TestClass(L"");
    EXPECT_EQ(RegisterClassExW(&wc), 0);
    EXPECT_EQ(RegisterClassExW(nullptr), 0);
}

TEST_F(WindowClassTest, ResetUnregistersEveryClass)
{
    compat::win32::ResetForTests();
    const WNDCLASSEXW wc = TestClass(L"CWindow");
    EXPECT_NE(RegisterClassExW(&wc), 0) << LastErrorText();
}

} // namespace
} // namespace win32_test
