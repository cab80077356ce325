#include "settings.h"

#include "call_log.h"
#include "errors.h"

namespace compat::d3d9
{

Settings& CurrentSettings()
{
    static Settings settings;
    return settings;
}

void SetBackend(Backend backend)
{
    CurrentSettings().backend = backend;
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

void ResetForTests()
{
    CurrentSettings() = Settings{};
    ResetRecordLimit();
    ClearLastError();
}

} // namespace compat::d3d9
