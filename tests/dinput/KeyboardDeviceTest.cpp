// Making and configuring the keyboard device, and what it refuses.
#include "DinputTest.h"

#include <string>

namespace dinput_test
{
namespace
{

using KeyboardDeviceTest = DinputTest;

bool Mentions(const char* text, const char* word)
{
    return std::string(text).find(word) != std::string::npos;
}

TEST_F(KeyboardDeviceTest, CreationSequenceOfTheProgramSucceeds)
{
    CreateKeyboard();
    // The value the program passes: DISCL_NONEXCLUSIVE | DISCL_FOREGROUND.
    EXPECT_EQ(DISCL_NONEXCLUSIVE | DISCL_FOREGROUND, 6);
    EXPECT_EQ(device->SetCooperativeLevel(window, 6), DI_OK);
}

TEST_F(KeyboardDeviceTest, DirectInput8CreateRefusesWhatItDoesNotOffer)
{
    void* out = reinterpret_cast<void*>(1);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    EXPECT_EQ(DirectInput8Create(instance, 0x0700, IID_IDirectInput8W, &out, nullptr),
              DIERR_OLDDIRECTINPUTVERSION);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(DirectInput8Create(instance, 0x0900, IID_IDirectInput8W, &out, nullptr),
              DIERR_BETADIRECTINPUTVERSION);
    EXPECT_EQ(DirectInput8Create(instance, 0x0800, IID_IUnknown, &out, nullptr), DIERR_NOINTERFACE);
    EXPECT_TRUE(Mentions(compat::dinput::LastFailure(), "IID_IDirectInput8W"));
    EXPECT_EQ(DirectInput8Create(nullptr, 0x0800, IID_IDirectInput8W, &out, nullptr),
              DIERR_INVALIDPARAM);
    EXPECT_EQ(DirectInput8Create(instance, 0x0800, IID_IDirectInput8W, nullptr, nullptr),
              DIERR_INVALIDPARAM);
}

TEST_F(KeyboardDeviceTest, OnlyTheSystemKeyboardIsADevice)
{
    ASSERT_EQ(DirectInput8Create(GetModuleHandleW(nullptr), DIRECTINPUT_VERSION, IID_IDirectInput8W,
                                 reinterpret_cast<void**>(&input), nullptr),
              DI_OK);
    IDirectInputDevice8W* mouse = reinterpret_cast<IDirectInputDevice8W*>(1);
    EXPECT_EQ(input->CreateDevice(GUID_SysMouse, &mouse, nullptr), DIERR_DEVICENOTREG);
    EXPECT_EQ(mouse, nullptr);
    EXPECT_TRUE(Mentions(compat::dinput::LastFailure(), "GUID_SysKeyboard"));
    EXPECT_EQ(input->CreateDevice(GUID_SysKeyboard, nullptr, nullptr), DIERR_INVALIDPARAM);
}

TEST_F(KeyboardDeviceTest, CooperativeLevelNeedsAWindowAndOneChoiceOfEach)
{
    ASSERT_EQ(DirectInput8Create(GetModuleHandleW(nullptr), DIRECTINPUT_VERSION, IID_IDirectInput8W,
                                 reinterpret_cast<void**>(&input), nullptr),
              DI_OK);
    ASSERT_EQ(input->CreateDevice(GUID_SysKeyboard, &device, nullptr), DI_OK);
    const DWORD fine = DISCL_NONEXCLUSIVE | DISCL_FOREGROUND;
    EXPECT_EQ(device->SetCooperativeLevel(nullptr, fine), DIERR_INVALIDPARAM);
    EXPECT_EQ(device->SetCooperativeLevel(reinterpret_cast<HWND>(0x4321), fine),
              DIERR_INVALIDPARAM);
    EXPECT_TRUE(Mentions(compat::dinput::LastFailure(), "window"));
    EXPECT_EQ(device->SetCooperativeLevel(window, DISCL_FOREGROUND), DIERR_INVALIDPARAM);
    EXPECT_EQ(device->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE), DIERR_INVALIDPARAM);
    EXPECT_EQ(device->SetCooperativeLevel(window,
                                          DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE | DISCL_FOREGROUND),
              DIERR_INVALIDPARAM);
    EXPECT_EQ(device->SetCooperativeLevel(window, fine | 0x100), DIERR_INVALIDPARAM);
    EXPECT_EQ(device->SetCooperativeLevel(window, DISCL_EXCLUSIVE | DISCL_BACKGROUND),
              DIERR_UNSUPPORTED);
    EXPECT_EQ(device->SetCooperativeLevel(window, fine | DISCL_NOWINKEY), DI_OK);

    // A destroyed window is no window.
    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_EQ(device->SetCooperativeLevel(window, fine), DIERR_INVALIDPARAM);
}

TEST_F(KeyboardDeviceTest, ReadsNeedTheFormatTheSizeAndAnAcquire)
{
    ASSERT_EQ(DirectInput8Create(GetModuleHandleW(nullptr), DIRECTINPUT_VERSION, IID_IDirectInput8W,
                                 reinterpret_cast<void**>(&input), nullptr),
              DI_OK);
    ASSERT_EQ(input->CreateDevice(GUID_SysKeyboard, &device, nullptr), DI_OK);
    compat::dinput::UseScriptedKeyboard(true);
    KeyState keys = Untouched();
    EXPECT_EQ(device->Acquire(), DIERR_INVALIDPARAM) << "no format yet";
    EXPECT_EQ(device->GetDeviceState(256, keys.data()), DIERR_INVALIDPARAM);

    EXPECT_EQ(device->SetDataFormat(nullptr), DIERR_INVALIDPARAM);
    DIDATAFORMAT other = c_dfDIKeyboard;
    other.dwDataSize = 16;
    EXPECT_EQ(device->SetDataFormat(&other), DIERR_INVALIDPARAM);
    EXPECT_TRUE(Mentions(compat::dinput::LastFailure(), "c_dfDIKeyboard"));
    const DIDATAFORMAT copy = c_dfDIKeyboard;
    ASSERT_EQ(device->SetDataFormat(&copy), DI_OK) << "an equal format is the same format";

    EXPECT_EQ(device->GetDeviceState(256, keys.data()), DIERR_NOTACQUIRED);
    ASSERT_EQ(device->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND), DI_OK);
    ASSERT_EQ(device->Acquire(), DI_OK);
    EXPECT_EQ(device->Acquire(), DI_NOEFFECT);
    EXPECT_EQ(device->GetDeviceState(255, keys.data()), DIERR_INVALIDPARAM);
    EXPECT_EQ(device->GetDeviceState(512, keys.data()), DIERR_INVALIDPARAM);
    EXPECT_TRUE(Mentions(compat::dinput::LastFailure(), "256"));
    EXPECT_EQ(device->GetDeviceState(256, nullptr), DIERR_INVALIDPARAM);
    EXPECT_EQ(keys, Untouched());

    // Configuration waits until the device is let go.
    EXPECT_EQ(device->SetDataFormat(&c_dfDIKeyboard), DIERR_ACQUIRED);
    EXPECT_EQ(device->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_BACKGROUND),
              DIERR_ACQUIRED);
    EXPECT_EQ(device->Unacquire(), DI_OK);
    EXPECT_EQ(device->Unacquire(), DI_NOEFFECT);
    EXPECT_EQ(device->GetDeviceState(256, keys.data()), DIERR_NOTACQUIRED);
}

TEST_F(KeyboardDeviceTest, ReferencesCountAndQueryInterfaceHandsOutTheSameObject)
{
    CreateKeyboard();
    EXPECT_EQ(device->AddRef(), 2u);
    void* same = nullptr;
    ASSERT_EQ(device->QueryInterface(IID_IDirectInputDevice8W, &same), S_OK);
    EXPECT_EQ(same, device);
    EXPECT_EQ(device->Release(), 2u);
    EXPECT_EQ(device->Release(), 1u);

    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(device->QueryInterface(IID_IDirectInput8W, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(input->QueryInterface(IID_IDirectInputDevice8W, &none), E_NOINTERFACE);

    // The device outlives the DirectInput object that made it.
    EXPECT_EQ(input->Release(), 0u);
    input = nullptr;
    compat::dinput::UseScriptedKeyboard(true);
    KeyState keys = Untouched();
    EXPECT_EQ(Poll(keys), DI_OK);
    EXPECT_EQ(device->Release(), 0u);
    device = nullptr;
}

} // namespace
} // namespace dinput_test
