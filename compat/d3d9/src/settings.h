// What the controls in compat/d3d9.h set: the backend for new devices and the
// faults of the device-creation ladder.
#pragma once

#include <compat/d3d9.h>

namespace compat::d3d9
{

struct Settings
{
    Backend backend = Backend::Recording;
    UINT adapterCount = 1;
    CreateDeviceFilter createDeviceFilter;
    bool direct3DCreate9Fails = false;
    bool getAdapterDisplayModeFails = false;
    bool resetFails = false;
    bool keepBackBuffer = false;
    bool openGlEs = false;
};

Settings& CurrentSettings();

} // namespace compat::d3d9
