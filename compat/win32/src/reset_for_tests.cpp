#include <compat/call_timing.h>
#include "last_error.h"
#include "message_pump.h"
#include "message_queue.h"
#include "video.h"
#include "window_classes.h"
#include "window_table.h"

#include <compat/win32.h>

namespace compat::win32
{

void ResetForTests()
{
    DestroyAllWindowsSilently();
    UnregisterAllWindowClasses();
    ClearMessageQueue();
    ReleaseHeldKeys();
    // Stopping SDL video also drops the events it still held, so nothing of
    // one test reaches the next.
    StopVideo();
    ClearVirtualScreenSize();
    UseRealClock();
    ClearLastError();
    timing::Measure(false);
}

} // namespace compat::win32
