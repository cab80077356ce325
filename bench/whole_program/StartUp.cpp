#include "StartUp.h"

#include "Measure.h"

#include "app/App.h"

#include <compat/call_timing.h>
#include <compat/win32.h>

namespace bench
{

bool MeasureStartUp(StartUpTotal& total, StartUpSplit& split)
{
    total.beforeMain = MillisecondsSinceProcessStart();
    compat::timing::Measure(true);
    auto start = Clock::now();
    const bool started = AppInit();
    total.appInit = MillisecondsSince(start);
    const compat::timing::Times inside = compat::timing::Take();
    compat::timing::Measure(false);
    if (!started)
        return false;

    using compat::timing::Call;
    split.window = inside[Call::windows].Total();
    split.device = inside[Call::devices].Total();
    split.physics = inside[Call::physicsCreation].Total();
    split.meshBuffers = inside[Call::buffers].Total();
    split.font = inside[Call::fonts].Total();
    split.rest = total.appInit - split.window - split.device - split.physics - split.meshBuffers -
                 split.font;

    compat::win32::AdvanceVirtualClock(kFrameTicks);
    start = Clock::now();
    AppFrame();
    total.firstFrame = MillisecondsSince(start);
    return true;
}

} // namespace bench
