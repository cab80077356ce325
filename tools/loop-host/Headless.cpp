#include "Headless.h"

#include "app/App.h"

#include <compat/dinput.h>
#include <compat/win32.h>

#include <cstdlib>

namespace host
{

void Headless::SetUp() const
{
    if (videoDriver)
        setenv("SDL_VIDEODRIVER", videoDriver, environmentChoosesDriver ? 0 : 1);
    compat::win32::SetVirtualScreenSize(screenWidth, screenHeight);
    if (virtualClock)
        compat::win32::UseVirtualClock(kTicksPerSecond);
    if (backend)
        compat::d3d9::SetBackend(*backend);
    if (keepBackBuffer)
        compat::d3d9::KeepBackBuffer(true);
    if (scriptedKeys)
        compat::dinput::UseScriptedKeyboard(true);
}

void ResetStandIns()
{
    compat::dinput::ResetForTests();
    compat::d3d9::ResetForTests();
    compat::win32::ResetForTests();
}

bool RunFrame(long long ticks)
{
    compat::win32::AdvanceVirtualClock(ticks);
    return AppFrame();
}

} // namespace host
