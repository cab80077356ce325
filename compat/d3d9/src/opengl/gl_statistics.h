// What an OpenGL device has done since it was made, for tests and
// benchmarks: the draw calls it made, the OpenGL state changes (every
// enable, bind, mode or uniform call), the buffer uploads, and how its frames
// reached the window, and through which kind of OpenGL. These are counts
// kept by each device for as long as it lives, always on, which tests read to
// check what a frame asked of OpenGL; the call times (compat/call_timing.h)
// are the process's, off unless a benchmark measures.
#pragma once

#include <d3d9.h>

#include <cstdint>

namespace compat::d3d9::opengl
{

struct GlStatistics
{
    std::uint64_t drawCalls = 0;
    std::uint64_t stateChanges = 0;
    std::uint64_t uploads = 0;
    // Frames drawn straight into the window, and frames drawn off screen and
    // stretched into it.
    std::uint64_t directFrames = 0;
    std::uint64_t stretchedFrames = 0;
    // The device draws through OpenGL ES (as in a web page).
    bool openGlEs = false;
};

// The statistics of a device on the OpenGL backend; false for any other.
bool StatisticsOf(IDirect3DDevice9* device, GlStatistics& out);

} // namespace compat::d3d9::opengl
