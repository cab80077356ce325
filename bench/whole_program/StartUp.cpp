#include "StartUp.h"

#include "Measure.h"

#include "app/App.h"
#include "platform/Graphics.h"
#include "platform/TextFont.h"
#include "platform/Window.h"
#include "render/Mesh.h"
#include "world/World.h"

#include <compat/win32.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace bench
{

bool MeasureStartUp(StartUpTotal& total)
{
    total.beforeMain = MillisecondsSinceProcessStart();
    auto start = Clock::now();
    if (!AppInit())
        return false;
    total.appInit = MillisecondsSince(start);
    compat::win32::AdvanceVirtualClock(kFrameTicks);
    start = Clock::now();
    AppFrame();
    total.firstFrame = MillisecondsSince(start);
    return true;
}

bool MeasureStartUpSplit(StartUpSplit& split)
{
    // The sizes AppInit gives the window and the back buffer.
    WindowParam windowParam = DefaultWindowParam();
    DeviceParam deviceParam = DefaultDeviceParam();
    deviceParam.width = windowParam.width =
        static_cast<unsigned>(GetSystemMetrics(SM_CXSCREEN) - 50);
    deviceParam.height = windowParam.height =
        static_cast<unsigned>(GetSystemMetrics(SM_CYSCREEN) - 50);

    bool ok = true;
    auto start = Clock::now();
    g_window = new CWindow();
    ok = ok && g_window->Create(L"Zarv", &windowParam, WndProc) != nullptr;
    g_graphics = new CGraphics();
    ok = ok && g_graphics->Create(g_window->GetHandle(), &deviceParam);
    split.windowAndDevice = MillisecondsSince(start);

    start = Clock::now();
    g_world = new CWorld();
    ok = ok && g_world->Init(g_window->GetHandle());
    split.world = MillisecondsSince(start);

    start = Clock::now();
    g_textFont = new CTextFont();
    ok = ok && g_textFont->Create(10, 10, L"Areal");
    split.font = MillisecondsSince(start);

    // Every mesh file the world loads, loaded again into meshes of our own.
    std::vector<std::unique_ptr<CMesh>> meshes;
    start = Clock::now();
    for (const auto& entry : std::filesystem::directory_iterator("../art/3d/yak_52"))
        if (ok && entry.path().extension() == ".txt")
        {
            meshes.push_back(std::make_unique<CMesh>());
            ok = meshes.back()->Load(entry.path().c_str());
        }
    split.meshes = MillisecondsSince(start);
    meshes.clear();

    AppRelease();
    return ok;
}

} // namespace bench
