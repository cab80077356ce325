// A window's pixels as the X server has them (XGetImage): what a user of a
// real X display sees of it, for the tests that look at real windows.
#pragma once

#include <cstdint>
#include <vector>

// Xlib's display type, declared here so that users need not include Xlib
// (whose macros, None and Bool among them, break other headers' names).
struct _XDisplay;

namespace test
{

struct XWindowPixels
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xFFRRGGBB, top row first
};

// The whole of `window` at its present size; empty (width 0) when the
// server will not give it (the window is unmapped or gone).
XWindowPixels ReadXWindowPixels(_XDisplay* display, unsigned long window);

} // namespace test
