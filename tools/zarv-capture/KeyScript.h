// Which keys the scripted keyboard holds in each frame, from the --hold
// ranges. Ranges of the same key may overlap or touch.
#pragma once

#include "Options.h"

#include <span>
#include <vector>

namespace capture
{

class KeyScript
{
public:
    explicit KeyScript(std::span<const KeyHold> holds);

    // Every key the script mentions, each once, in the order first named.
    std::span<const int> Keys() const { return m_keys; }
    // Whether the key (a DIK code) is held during the frame.
    bool IsHeld(int dik, long frame) const;
    // Holds and releases the scripted keyboard's keys for the frame.
    void Apply(long frame) const;

private:
    std::vector<KeyHold> m_holds;
    std::vector<int> m_keys;
};

} // namespace capture
