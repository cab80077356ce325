// The first half of a turn of the program's loop, for the programs that run
// the loop themselves (the capture tool, the web page): at most one window
// message, as the program's own loop takes.
#pragma once

namespace host
{

// Takes and dispatches at most one window message; false once WM_QUIT has
// been taken.
bool PumpOneMessage();

} // namespace host
