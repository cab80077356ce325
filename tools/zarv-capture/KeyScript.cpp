#include "KeyScript.h"

#include <compat/dinput.h>

#include <algorithm>

namespace capture
{

KeyScript::KeyScript(std::span<const KeyHold> holds) : m_holds(holds.begin(), holds.end())
{
    for (const KeyHold& hold : m_holds)
        if (std::find(m_keys.begin(), m_keys.end(), hold.dik) == m_keys.end())
            m_keys.push_back(hold.dik);
}

bool KeyScript::IsHeld(int dik, long frame) const
{
    return std::any_of(m_holds.begin(), m_holds.end(),
                       [&](const KeyHold& hold)
                       { return hold.dik == dik && hold.first <= frame && frame <= hold.last; });
}

void KeyScript::Apply(long frame) const
{
    for (int dik : m_keys)
        compat::dinput::SetScriptedKey(dik, IsHeld(dik, frame));
}

} // namespace capture
