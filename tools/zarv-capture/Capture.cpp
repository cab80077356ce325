#include "Capture.h"

#include "Headless.h"
#include "KeyScript.h"
#include "PngFile.h"
#include "PoseLog.h"
#include "WorldProbe.h"

#include "app/App.h"
#include "platform/Graphics.h"

#include <compat/d3d9.h>
#include <compat/win32.h>

#include <cmath>
#include <cstdio>

namespace capture
{
namespace
{

// Sets up the stand-ins before the program's start-up asks them anything:
// the virtual screen asked for, the virtual clock, OpenGL on SDL's offscreen
// driver and the scripted keyboard.
void PrepareStandIns(const Options& options)
{
    host::Headless run;
    run.screenWidth = options.screenWidth;
    run.screenHeight = options.screenHeight;
    // Shots are the back buffer as drawn, not the window's scaled picture.
    run.keepBackBuffer = true;
    run.SetUp();
}

std::string SaveShot(const std::string& path)
{
    compat::d3d9::Image image;
    if (FAILED(compat::d3d9::ReadPresentedImage(CGraphics::GetDevice(), image)))
        return "cannot read the presented image for " + path;
    return picture::WritePng(path, {static_cast<int>(image.width), static_cast<int>(image.height),
                                    std::move(image.pixels)});
}

// The frame loop proper, once start-up has succeeded. Returns the status.
int RunFrames(const Options& options, host::PoseLog& poses)
{
    const KeyScript keys(options.holds);
    const long long ticksPerFrame = std::llround(options.dt * double(host::kTicksPerSecond));
    long long clock = 0;
    long lastFrame = -1;
    for (long frame = 0; frame < options.frames; ++frame)
    {
        keys.Apply(frame);
        compat::win32::AdvanceVirtualClock(ticksPerFrame);
        clock += ticksPerFrame;
        const bool messagesGoOn = AppPumpMessage();
        const bool worldGoesOn = AppFrame();
        lastFrame = frame;

        const double time = double(clock) / double(host::kTicksPerSecond);
        for (const host::BodyPose& body : host::ReadPoses(*g_world))
            poses.Write(frame, time, body.body, body.pose);
        for (const Shot& shot : options.shots)
            if (shot.frame == frame)
            {
                if (std::string error = SaveShot(shot.path); !error.empty())
                {
                    std::fprintf(stderr, "zarv-capture: %s\n", error.c_str());
                    return kFailed;
                }
                std::printf("shot %ld: %s\n", frame, shot.path.c_str());
            }
        if (!worldGoesOn || !messagesGoOn)
            break;
    }
    // The program asked to end before the last frame: that is a normal end,
    // but the shots it never reached are named.
    for (const Shot& shot : options.shots)
        if (shot.frame > lastFrame)
            std::fprintf(stderr, "zarv-capture: no shot %s: the program ended after frame %ld\n",
                         shot.path.c_str(), lastFrame);
    return kRan;
}

} // namespace

int RunCapture(const Options& options)
{
    host::PoseLog poses;
    if (!options.posesPath.empty())
        if (std::string error = poses.Open(options.posesPath); !error.empty())
        {
            std::fprintf(stderr, "zarv-capture: %s\n", error.c_str());
            return kFailed;
        }

    PrepareStandIns(options);
    int status = kFailed;
    if (AppInit()) // on failure it has written its one line
        status = RunFrames(options, poses);
    AppRelease();

    if (std::string error = poses.Close(); !error.empty() && status == kRan)
    {
        std::fprintf(stderr, "zarv-capture: %s\n", error.c_str());
        status = kFailed;
    }
    std::fflush(stdout);
    return status;
}

} // namespace capture
