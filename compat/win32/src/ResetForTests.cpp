#include "LastError.h"
#include "MessagePump.h"
#include "MessageQueue.h"
#include "Video.h"
#include "WindowClasses.h"
#include "WindowTable.h"

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
}

} // namespace compat::win32
