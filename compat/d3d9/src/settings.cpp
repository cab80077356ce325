#include "settings.h"

#include "call_log.h"
#include <compat/call_timing.h>
#include "errors.h"

#include <SDL.h>

#include <cstring>

namespace compat::d3d9
{
namespace
{

// Until SetBackend chooses, the backend follows the display: OpenGL once SDL
// video runs with a driver that can show (or, offscreen, render) a window,
// Recording otherwise. The window stand-in starts SDL video with the first
// window, before any device can be made for it.
bool backendChosen = false;

Backend DefaultBackend()
{
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0)
        return Backend::Recording;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "dummy") == 0)
        return Backend::Recording;
    return Backend::OpenGL;
}

} // namespace

Settings& CurrentSettings()
{
    static Settings settings;
    if (!backendChosen)
        settings.backend = DefaultBackend();
    return settings;
}

void SetBackend(Backend backend)
{
    CurrentSettings().backend = backend;
    backendChosen = true;
}

Backend CurrentBackend()
{
    return CurrentSettings().backend;
}

void SetAdapterCount(UINT count)
{
    CurrentSettings().adapterCount = count;
}

void SetCreateDeviceFilter(CreateDeviceFilter filter)
{
    CurrentSettings().createDeviceFilter = std::move(filter);
}

void SetDirect3DCreate9Fails(bool fails)
{
    CurrentSettings().direct3DCreate9Fails = fails;
}

void SetGetAdapterDisplayModeFails(bool fails)
{
    CurrentSettings().getAdapterDisplayModeFails = fails;
}

void SetResetFails(bool fails)
{
    CurrentSettings().resetFails = fails;
}

void KeepBackBuffer(bool keep)
{
    CurrentSettings().keepBackBuffer = keep;
}

void UseOpenGlEs(bool es)
{
    CurrentSettings().openGlEs = es;
}

void ResetForTests()
{
    CurrentSettings() = Settings{};
    backendChosen = false;
    ResetRecordLimit();
    ClearLastError();
    timing::Measure(false);
}

} // namespace compat::d3d9
