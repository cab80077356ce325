// The world's control channels: CWorld::s_channelTable gives each channel's
// member with the range, sweep time and start value its Init takes, in the
// order the world creates them. The tests take the values from it.
#pragma once

#include "world/World.h"

struct ChannelTableEntry
{
    CControlChannel* CWorld::*channel;
    float minimum;
    float maximum;
    float time;
    float value;
};
