#include "StartUp.h"

#include "Measure.h"
#include "StandInTimes.h"

#include "app/App.h"

namespace bench
{

bool MeasureStartUp(StartUpTotal& total, StartUpSplit& split)
{
    total.beforeMain = MillisecondsSinceProcessStart();
    MeasureStandIns(true);
    auto start = Clock::now();
    const bool started = AppInit();
    total.appInit = MillisecondsSince(start);
    const StandInTimes inside = TakeStandInTimes();
    MeasureStandIns(false);
    if (!started)
        return false;

    split.window = inside.win32.windows;
    split.device = inside.d3d9.devices.Total();
    split.physics = inside.physx.creation;
    split.meshBuffers = inside.d3d9.buffers.Total();
    split.font = inside.d3d9.fonts.Total();
    split.rest = total.appInit - split.window - split.device - split.physics - split.meshBuffers -
                 split.font;

    compat::win32::AdvanceVirtualClock(kFrameTicks);
    start = Clock::now();
    AppFrame();
    total.firstFrame = MillisecondsSince(start);
    return true;
}

} // namespace bench
