// Frames: the program's real AppFrame, timed whole, and split by what the
// stand-ins measured inside their own calls.
#pragma once

#include "Measure.h"

namespace bench
{

// Runs `count` AppFrames, 1/60 s apart on the virtual clock; their wall times.
Summary MeasureFrames(int count);

struct FrameSplit
{
    Summary frame;   // the whole AppFrame, measured
    Summary physics; // the physics step: simulate and fetchResults
    Summary drawing; // the drawing calls: Clear, the help texts, the world's draws
    Summary present; // Present
    // The frame less the above: the program's own update (keys, controls,
    // flight, camera) and drawing walk (poses, transforms, render states).
    Summary rest;
};

// Runs `count` AppFrames as MeasureFrames does, with the stand-ins measuring.
FrameSplit MeasureFrameSplit(int count);

} // namespace bench
