// How the programs that run the program's loop themselves set up the
// stand-ins before its start-up: the virtual screen its window is sized from,
// a virtual clock that moves a frame at a time, where its devices draw, the
// keyboard it reads, and SDL's video driver. Each chooses what it needs: the
// capture tool, the benchmarks and the tests all of it, the page its canvas
// as the screen and (in a test run) the clock, the art renderer the screen,
// the backend and a back buffer to read.
#pragma once

#include "VirtualClock.h"

#include <compat/d3d9.h>

#include <optional>

namespace host
{

struct Headless
{
    // What GetSystemMetrics answers for the screen; the program's window and
    // back buffer are 50 pixels smaller each way.
    int screenWidth = 1920;
    int screenHeight = 1080;
    // QueryPerformanceCounter at kTicksPerSecond, moved only by RunFrame (or
    // compat::win32::AdvanceVirtualClock).
    bool virtualClock = true;
    // Where devices draw; none leaves the choice to the display, as in the
    // program itself.
    std::optional<compat::d3d9::Backend> backend = compat::d3d9::Backend::OpenGL;
    // OpenGL devices keep a back buffer of their own size, so that what was
    // presented can be read back as drawn.
    bool keepBackBuffer = false;
    // The keyboard reads the keys held with compat::dinput::SetScriptedKey.
    bool scriptedKeys = true;
    // SDL's video driver: the offscreen one (no display needed), whatever the
    // environment says; null leaves SDL's own choice (the page's canvas).
    const char* videoDriver = "offscreen";
    // SDL_VIDEODRIVER, when the environment sets it, wins over videoDriver.
    bool environmentChoosesDriver = false;

    // Turns on what the options ask for and leaves the rest as it is (as a
    // fresh process has it). Call before AppInit, and before any SDL call
    // when it chooses the video driver.
    void SetUp() const;
};

// Puts the stand-ins back as a fresh process has them: no windows, the real
// screen and clock, the backend following the display, the real keyboard.
// For the programs that start the program more than once (the tests, a
// benchmark), after AppRelease.
void ResetStandIns();

// One frame on the virtual clock: advances it by `ticks`, then runs AppFrame
// and answers its result.
bool RunFrame(long long ticks = kFrameTicks);

} // namespace host
