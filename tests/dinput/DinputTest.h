// What the keyboard tests share: fresh stand-ins, one window, and the
// keyboard device made and configured as the program does it.
#pragma once

#include <compat/dinput.h>
#include <compat/win32.h>
#include <dinput.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace dinput_test
{

inline LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

using KeyState = std::array<std::uint8_t, 256>;

// A table filled with a pattern no read produces, to see what a call wrote.
inline KeyState Untouched()
{
    KeyState keys;
    keys.fill(0x5A);
    return keys;
}

class DinputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Offscreen unless the test run (or an X11 test) chose a driver.
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        compat::win32::ResetForTests();
        compat::dinput::ResetForTests();
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = PlainProc;
        wc.lpszClassName = L"CWindow";
        ASSERT_NE(RegisterClassExW(&wc), 0);
        window = CreateWindowExW(0, L"CWindow", L"keyboard", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override
    {
        if (device != nullptr)
            device->Release();
        if (input != nullptr)
            input->Release();
        compat::dinput::ResetForTests();
        compat::win32::ResetForTests();
    }

    // DirectInput8Create, CreateDevice(GUID_SysKeyboard), SetDataFormat(&c_dfDIKeyboard),
    // SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND).
    void CreateKeyboard(DWORD cooperation = DISCL_NONEXCLUSIVE | DISCL_FOREGROUND)
    {
        ASSERT_EQ(DirectInput8Create(GetModuleHandleW(nullptr), DIRECTINPUT_VERSION,
                                     IID_IDirectInput8W, reinterpret_cast<void**>(&input), nullptr),
                  DI_OK)
            << compat::dinput::LastFailure();
        ASSERT_EQ(input->CreateDevice(GUID_SysKeyboard, &device, nullptr), DI_OK);
        ASSERT_EQ(device->SetDataFormat(&c_dfDIKeyboard), DI_OK);
        ASSERT_EQ(device->SetCooperativeLevel(window, cooperation), DI_OK)
            << compat::dinput::LastFailure();
    }

    // One poll as the program makes it: Acquire (result ignored), then a read.
    HRESULT Poll(KeyState& keys)
    {
        device->Acquire();
        return device->GetDeviceState(static_cast<DWORD>(keys.size()), keys.data());
    }

    HWND window = nullptr;
    IDirectInput8W* input = nullptr;
    IDirectInputDevice8W* device = nullptr;
};

} // namespace dinput_test
