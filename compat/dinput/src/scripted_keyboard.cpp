#include "scripted_keyboard.h"

#include "failure.h"

#include <compat/dinput.h>

namespace compat::dinput
{
namespace
{

ScriptedKeyboard scripted;

} // namespace

const ScriptedKeyboard& Scripted()
{
    return scripted;
}

void UseScriptedKeyboard(bool active)
{
    scripted.active = active;
}

bool SetScriptedKey(int dik, bool down)
{
    return SetScriptedKeyState(dik, down ? 0x80 : 0);
}

bool SetScriptedKeyState(int dik, std::uint8_t state)
{
    if (dik < 1 || dik > 255)
    {
        Fail(DIERR_INVALIDPARAM, "SetScriptedKey: a DIK_ scan code is 1..255");
        return false;
    }
    scripted.keys[static_cast<std::size_t>(dik)] = state;
    return true;
}

void ReleaseScriptedKeys()
{
    scripted.keys.fill(0);
}

void SetScriptedFocus(bool inForeground)
{
    if (scripted.inForeground && !inForeground)
        ++scripted.focusLosses;
    scripted.inForeground = inForeground;
}

void ResetForTests()
{
    scripted = ScriptedKeyboard{};
    ClearFailure();
}

} // namespace compat::dinput
