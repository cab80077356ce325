// Frames: the program's real AppFrame, and the same frame in its three
// parts, each timed.
#pragma once

#include "Measure.h"

namespace bench
{

// Runs `count` AppFrames, 1/60 s apart on the virtual clock; their wall times.
Summary MeasureFrames(int count);

struct FrameSplit
{
    Summary update;  // CWorld::Update: keys, controls, flight, camera, physics step
    Summary drawing; // Clear, BeginScene, the help texts, the world's draws, EndScene
    Summary present; // Present
};

// Runs `count` frames that make AppFrame's calls in AppFrame's order, timing
// the update, the drawing calls and Present apart.
FrameSplit MeasureFrameSplit(int count);

} // namespace bench
