// One capture run: the program's real start-up, frame loop and shutdown on
// the OpenGL backend of SDL's offscreen driver, driven by a virtual clock
// and a scripted keyboard, recording poses and shots as it goes.
#pragma once

#include "Options.h"

namespace capture
{

// Exit statuses.
inline constexpr int kRan = 0;        // every frame ran, or Esc ended the run
inline constexpr int kFailed = 1;     // start-up failed, or an output could not be written
inline constexpr int kBadOptions = 2; // the command line was wrong

// Runs the frames the options ask for. Output paths must already be
// absolute, and the working directory the program's (the art is found
// relative to it). Failures are reported on stderr in one line each.
int RunCapture(const Options& options);

} // namespace capture
