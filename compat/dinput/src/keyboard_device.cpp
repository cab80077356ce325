#include "keyboard_device.h"

#include "failure.h"
#include "scripted_keyboard.h"

#include <compat/dinput.h>
#include <compat/win32.h>

#include <algorithm>
#include <cstring>

namespace compat::dinput
{
namespace
{

constexpr DWORD kStateSize = 256;

bool IsKeyboardFormat(const DIDATAFORMAT& format)
{
    const DIDATAFORMAT& keyboard = c_dfDIKeyboard;
    if (&format == &keyboard)
        return true;
    if (format.dwSize != keyboard.dwSize || format.dwObjSize != keyboard.dwObjSize ||
        format.dwDataSize != keyboard.dwDataSize || format.dwNumObjs != keyboard.dwNumObjs ||
        format.rgodf == nullptr)
        return false;
    // Each object must sit where the standard format puts it.
    return std::equal(format.rgodf, format.rgodf + format.dwNumObjs, keyboard.rgodf,
                      [](const DIOBJECTDATAFORMAT& a, const DIOBJECTDATAFORMAT& b)
                      { return a.dwOfs == b.dwOfs && a.dwType == b.dwType; });
}

} // namespace

HRESULT KeyboardDevice::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return Fail(E_POINTER, "QueryInterface needs somewhere to put the interface");
    if (!(riid == IID_IUnknown || riid == IID_IDirectInputDevice8W))
    {
        *ppvObject = nullptr;
        return Fail(E_NOINTERFACE, "the keyboard device offers only IDirectInputDevice8W");
    }
    AddRef();
    *ppvObject = static_cast<IDirectInputDevice8W*>(this);
    return S_OK;
}

ULONG KeyboardDevice::AddRef()
{
    return ++references_;
}

ULONG KeyboardDevice::Release()
{
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT KeyboardDevice::SetDataFormat(LPCDIDATAFORMAT lpdf)
{
    if (acquired_)
        return Fail(DIERR_ACQUIRED, "SetDataFormat: unacquire the keyboard first");
    if (lpdf == nullptr || !IsKeyboardFormat(*lpdf))
        return Fail(DIERR_INVALIDPARAM,
                    "SetDataFormat: the keyboard reads only the standard format c_dfDIKeyboard");
    formatSet_ = true;
    return DI_OK;
}

HRESULT KeyboardDevice::SetCooperativeLevel(HWND hwnd, DWORD dwFlags)
{
    if (acquired_)
        return Fail(DIERR_ACQUIRED, "SetCooperativeLevel: unacquire the keyboard first");
    if (!IsWindow(hwnd))
        return Fail(DIERR_INVALIDPARAM, "SetCooperativeLevel: the window handle is not a window");
    const DWORD sharing = dwFlags & (DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE);
    const DWORD place = dwFlags & (DISCL_FOREGROUND | DISCL_BACKGROUND);
    const DWORD known =
        DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE | DISCL_FOREGROUND | DISCL_BACKGROUND | DISCL_NOWINKEY;
    if ((dwFlags & ~known) != 0 || (sharing != DISCL_EXCLUSIVE && sharing != DISCL_NONEXCLUSIVE) ||
        (place != DISCL_FOREGROUND && place != DISCL_BACKGROUND))
        return Fail(DIERR_INVALIDPARAM, "SetCooperativeLevel: give one of DISCL_EXCLUSIVE and "
                                        "DISCL_NONEXCLUSIVE, and one of DISCL_FOREGROUND and "
                                        "DISCL_BACKGROUND");
    if (sharing == DISCL_EXCLUSIVE && place == DISCL_BACKGROUND)
        return Fail(DIERR_UNSUPPORTED,
                    "SetCooperativeLevel: a keyboard cannot be exclusive in the background");
    window_ = hwnd;
    cooperation_ = dwFlags;
    return DI_OK;
}

KeyboardDevice::Focus KeyboardDevice::CurrentFocus() const
{
    const ScriptedKeyboard& scripted = Scripted();
    if (scripted.active)
        return {scripted.inForeground && IsWindow(window_), scripted.focusLosses, true};
    return {win32::HasKeyboardFocus(window_), win32::FocusLossCount(window_), false};
}

HRESULT KeyboardDevice::Acquire()
{
    if (!formatSet_)
        return Fail(DIERR_INVALIDPARAM, "Acquire: set the data format first");
    if (acquired_)
        return DI_NOEFFECT;
    const Focus focus = CurrentFocus();
    if (Foreground() && !focus.inForeground)
        return Fail(DIERR_OTHERAPPHASPRIO, "Acquire: the window does not have the keyboard focus");
    acquired_ = true;
    focusAtAcquire_ = focus;
    return DI_OK;
}

HRESULT KeyboardDevice::Unacquire()
{
    if (!acquired_)
        return DI_NOEFFECT;
    acquired_ = false;
    return DI_OK;
}

HRESULT KeyboardDevice::GetDeviceState(DWORD cbData, LPVOID lpvData)
{
    if (!formatSet_)
        return Fail(DIERR_INVALIDPARAM, "GetDeviceState: set the data format first");
    if (lpvData == nullptr || cbData != kStateSize)
        return Fail(DIERR_INVALIDPARAM, "GetDeviceState: the keyboard fills exactly 256 bytes");
    if (!acquired_)
        return Fail(DIERR_NOTACQUIRED, "GetDeviceState: the keyboard is not acquired");
    if (Foreground())
    {
        const Focus focus = CurrentFocus();
        if (!focus.inForeground || focus.scripted != focusAtAcquire_.scripted ||
            focus.losses != focusAtAcquire_.losses)
        {
            acquired_ = false;
            return Fail(DIERR_INPUTLOST,
                        "GetDeviceState: the window lost the keyboard focus since Acquire");
        }
    }
    FillState(static_cast<BYTE*>(lpvData));
    return DI_OK;
}

void KeyboardDevice::FillState(BYTE* keys) const
{
    const ScriptedKeyboard& scripted = Scripted();
    if (scripted.active)
    {
        std::memcpy(keys, scripted.keys.data(), kStateSize);
        return;
    }
    std::memset(keys, 0, kStateSize);
    const std::span<const std::uint8_t> held = win32::HeldKeys();
    for (const KeyMapping& key : KeyTable())
        if (static_cast<std::size_t>(key.sdlScancode) < held.size() && held[key.sdlScancode] != 0)
            keys[key.dik] = 0x80;
}

} // namespace compat::dinput
