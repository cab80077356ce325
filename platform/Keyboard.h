// A whole-keyboard state snapshot read through DirectInput 8, bound to the
// main window; queried by DirectInput scan code.
#pragma once

#define DIRECTINPUT_VERSION 0x0800
#include <dinput.h>

class CKeyboard
{
public:
    CKeyboard();
    // Releases the device, then the DirectInput object.
    ~CKeyboard();

    // Creates the DirectInput object and the system keyboard, shared with
    // other programs and readable while the window is in the foreground.
    bool Create(HWND window, HINSTANCE instance);
    // Acquires the device and reads the whole keyboard; on failure the
    // previous snapshot stays.
    bool Poll();
    // Whether the key (a DIK_ scan code) was held at the last successful poll.
    bool IsKeyDown(int key) const;

private:
    unsigned char m_keys[256];
    IDirectInput8W* m_directInput;
    IDirectInputDevice8W* m_device;
};
