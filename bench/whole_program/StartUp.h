// Start-up: the program's real AppInit with its first frame, and the same
// objects created one by one with each step timed.
#pragma once

namespace bench
{

struct StartUpTotal
{
    double beforeMain = 0; // process start to main (to the kernel's 10 ms tick)
    double appInit = 0;    // AppInit
    double firstFrame = 0; // the first AppFrame, which presents the first frame
};

// Runs AppInit and the first AppFrame; false if start-up failed.
bool MeasureStartUp(StartUpTotal& total);

struct StartUpSplit
{
    double windowAndDevice = 0; // CWindow::Create and CGraphics::Create
    double world = 0;           // CWorld::Init: physics, meshes, part tree, keyboard
    double meshes = 0;          // loading the fifteen meshes again, on their own
    double font = 0;            // CTextFont::Create
    double Physics() const { return world - meshes; } // and the tiny rest of the world
};

// Creates the program's objects in AppInit's order, each timed, then loads
// every mesh file again on its own to split the world's share. Meant for a
// fresh process, so that the first window and device pay what they pay in
// the program. Releases everything.
bool MeasureStartUpSplit(StartUpSplit& split);

} // namespace bench
