// Error codes and their texts, message boxes, and the dummy handles.
#include "Win32Test.h"

#include <cstdlib>
#include <set>

namespace win32_test
{
namespace
{

using ErrorTextTest = Win32Test;

TEST_F(ErrorTextTest, FailureTextNamesWhatIsWrong)
{
    EXPECT_FALSE(DestroyWindow(reinterpret_cast<HWND>(0x1234)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(LastErrorText(), "DestroyWindow: window 0x1234 does not exist");
}

TEST_F(ErrorTextTest, CodesSetByTheProgramGetGenericTexts)
{
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    EXPECT_EQ(LastErrorText(), "class already exists");
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(LastErrorText(), "the operation completed successfully");

    char text[64];
    EXPECT_EQ(
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 99999, 0, text, sizeof text, nullptr),
        0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MR_MID_NOT_FOUND));
}

TEST_F(ErrorTextTest, FormatMessageNeedsRoomAndSystemFlag)
{
    const WNDCLASSEXW again = TestClass(L"CWindow");
    ASSERT_EQ(RegisterClassExW(&again), 0);
    char small[8] = "unset";
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_CLASS_ALREADY_EXISTS, 0,
                             small, sizeof small, nullptr),
              0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_STREQ(small, "unset");

    char text[64];
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr,
                             0, 0, text, sizeof text, nullptr),
              0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
}

TEST_F(ErrorTextTest, ResetClearsTheLastError)
{
    SetLastError(ERROR_INVALID_PARAMETER);
    compat::win32::ResetForTests();
    EXPECT_EQ(GetLastError(), 0u);
}

TEST_F(ErrorTextTest, MessageBoxWritesOneLineToStderr)
{
    setenv("ZARV_NO_MESSAGE_BOX", "1", 1); // whatever the display, never wait for a click
    testing::internal::CaptureStderr();
    const int result =
        MessageBoxW(nullptr, L"Can't create the \u00fcber object", L"Error", MB_OK | MB_ICONERROR);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(written, "Error: Can't create the \xC3\xBC"
                       "ber object\n");
}

TEST_F(ErrorTextTest, DummyHandlesAreDistinctAndNonNull)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::set<const void*> handles = {
        instance,
        LoadIconW(nullptr, IDI_APPLICATION),
        LoadCursorW(nullptr, IDC_ARROW),
        GetStockObject(WHITE_BRUSH),
        GetStockObject(BLACK_BRUSH),
    };
    EXPECT_EQ(handles.size(), 5u);
    EXPECT_EQ(handles.count(nullptr), 0u);
    EXPECT_EQ(GetModuleHandleW(nullptr), instance);
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

} // namespace
} // namespace win32_test
