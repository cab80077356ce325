#include "Frames.h"

#include "PageLinks.h"
#include "PoseLog.h"
#include "WorldProbe.h"

#include "app/App.h"

#include <compat/win32.h>

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace web
{
namespace
{

struct Run
{
    Settings settings;
    long long ticksPerFrame = 0;
    long frame = 0; // frames run so far
    long long clock = 0;
    bool running = false;
    host::PoseLog poses;
};

Run g_run;

void End(int status)
{
    if (!g_run.running)
        return;
    g_run.running = false;
    if (!g_run.settings.test)
        emscripten_cancel_main_loop();
    AppRelease();
    g_run.poses.Close();
    SayEnded(status);
}

// One turn of the program's loop. False when the program ended.
bool Turn()
{
    if (!g_run.running)
        return false;
    if (g_run.settings.test)
    {
        compat::win32::AdvanceVirtualClock(g_run.ticksPerFrame);
        g_run.clock += g_run.ticksPerFrame;
    }
    const bool messagesGoOn = AppPumpMessage();
    const bool worldGoesOn = AppFrame();
    if (g_run.settings.test)
    {
        const double time = double(g_run.clock) / double(host::kTicksPerSecond);
        for (const host::BodyPose& body : host::ReadPoses(*g_world))
            g_run.poses.Write(g_run.frame, time, body.body, body.pose);
        std::fflush(stdout);
    }
    if (g_run.frame++ == 0)
        SayFirstFrame();
    if (!worldGoesOn || !messagesGoOn)
    {
        End(0);
        return false;
    }
    return true;
}

void AnimationFrame()
{
    Turn();
}

const char* PageGoesAway(int, const void*, void*)
{
    End(0);
    return nullptr; // no question to the user
}

// The value of `name` in the page's query string ("" when absent).
std::string QueryValue(const char* name)
{
    // JavaScript, which clang-format would take for C++.
    // clang-format off
    char* value = reinterpret_cast<char*>(EM_ASM_INT({
        const value = new URLSearchParams(location.search).get(UTF8ToString($0));
        return value === null ? 0 : allocateUTF8(value);
    }, name));
    // clang-format on
    if (value == nullptr)
        return {};
    std::string out(value);
    std::free(value);
    return out;
}

bool QueryHas(const char* name)
{
    return EM_ASM_INT({ return new URLSearchParams(location.search).has(UTF8ToString($0)); },
                      name) != 0;
}

} // namespace

Settings ReadSettings()
{
    Settings settings;
    settings.test = QueryHas("test");
    const std::string dt = QueryValue("dt");
    if (!dt.empty())
    {
        // A decimal, or a fraction such as 1/60, as the capture tool takes it.
        double numerator = 0;
        double denominator = 1;
        if (std::sscanf(dt.c_str(), "%lf/%lf", &numerator, &denominator) >= 1 &&
            std::isfinite(numerator / denominator) && numerator / denominator >= 0 &&
            numerator / denominator <= 60)
            settings.dt = numerator / denominator;
        else
            std::fprintf(stderr, "zarv-web: dt=%s is not a frame time in seconds; using 1/60\n",
                         dt.c_str());
    }
    return settings;
}

bool Start(const Settings& settings)
{
    g_run.settings = settings;
    g_run.ticksPerFrame = std::llround(settings.dt * double(host::kTicksPerSecond));
    if (!AppInit())
    {
        AppRelease();
        SayEnded(1);
        return false;
    }
    g_run.running = true;
    emscripten_set_beforeunload_callback(nullptr, PageGoesAway);
    if (settings.test)
        g_run.poses.Open("/dev/stdout");
    else
        emscripten_set_main_loop(AnimationFrame, 0, false);
    return true;
}

} // namespace web

// The page's handle on a test run: runs up to `frames` loop turns at once and
// answers how many frames have run in all (the program may end sooner).
extern "C" EMSCRIPTEN_KEEPALIVE long zarvStep(int frames)
{
    for (int i = 0; i < frames && web::Turn(); ++i)
    {
    }
    return web::g_run.frame;
}
