#include "world/ChannelTable.h"

const ChannelTableEntry CWorld::s_channelTable[9] = {
    {&CWorld::m_rollControl, -19.0f, 19.0f, 100.0f, 0.0f},
    {&CWorld::m_leftAileronControl, -16.0f, 22.0f, 1000.0f, 0.0f},
    {&CWorld::m_rightAileronControl, -16.0f, 22.0f, 1000.0f, 0.0f},
    {&CWorld::m_elevatorControl, -25.0f, 25.0f, 0.5f, 0.0f},
    {&CWorld::m_rudderControl, -27.0f, 27.0f, 0.5f, 0.0f},
    {&CWorld::m_frontCanopyControl, -0.5f, 0.0f, 0.5f, 0.0f},
    {&CWorld::m_rearCanopyControl, -0.5f, 0.0f, 0.5f, 0.0f},
    {&CWorld::m_brakeFlapControl, -45.0f, 0.0f, 1.5f, 0.0f},
    {&CWorld::m_throttleControl, 2.0f, 100.0f, 100.0f, 10.0f},
};
