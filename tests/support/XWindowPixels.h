// A window's pixels as the X server has them (XGetImage): what a user of a
// real X display sees of it, for the tests that look at real windows.
#pragma once

#include <Image.h>

// Xlib's display type, declared here so that users need not include Xlib
// (whose macros, None and Bool among them, break other headers' names).
struct _XDisplay;

namespace test
{

// The whole of `window` at its present size, opaque; empty (width 0) when
// the server will not give it (the window is unmapped or gone).
picture::Image ReadXWindowPixels(_XDisplay* display, unsigned long window);

} // namespace test
