// The program's frames in the page: start-up, one loop turn per animation
// frame (or per zarvStep in a test run), and the end.
#pragma once

#include "VirtualClock.h"

namespace web
{

struct Settings
{
    bool test = false;      // frames only on zarvStep, on a virtual clock
    double dt = 1.0 / 60.0; // the virtual clock's frame time
};

// The settings the page's address asks for (see main.cpp).
Settings ReadSettings();

// Runs AppInit and, when it succeeds, hands the frames to the browser.
// False when start-up failed (AppInit has said why; the page is told).
bool Start(const Settings& settings);

} // namespace web
