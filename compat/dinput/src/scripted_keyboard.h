// The scripted keyboard's state, read by keyboard devices.
#pragma once

#include <array>
#include <cstdint>

namespace compat::dinput
{

struct ScriptedKeyboard
{
    bool active = false;
    bool inForeground = true;
    unsigned focusLosses = 0;
    std::array<std::uint8_t, 256> keys{}; // 0x80 for a held key
};

const ScriptedKeyboard& Scripted();

} // namespace compat::dinput
