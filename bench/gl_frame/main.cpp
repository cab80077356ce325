// Frame times on the OpenGL stand-in against what llvmpipe can do at best,
// each on whatever display SDL opens (X11 under Xvfb, or
// SDL_VIDEODRIVER=offscreen), at the program's back buffer size 1870×1030:
//
//   gl_frame_bench clear-present   a bare window: clear and swap
//   gl_frame_bench scene           a bare window: the seven meshes, one
//                                  simple lit shader, swap (SceneFloor.h)
//   gl_frame_bench program         the program's AppFrame on a 1920×1080
//                                  screen, and where its time goes, by
//                                  what the stand-ins measure inside
//                                  their own calls
//
// Every frame ends with glFinish, so that a time is that of drawing the
// frame and not only of queuing it (on the offscreen driver a swap waits for
// nothing). Each scenario runs in a process of its own (SDL cannot always
// open X11 again in a process that closed it); run.sh runs them all.
#include "BareGl.h"
#include "Headless.h"
#include "Measure.h"
#include "SceneFloor.h"

#include "app/App.h"
#include "opengl/gl_statistics.h"
#include "platform/Graphics.h"

#include <compat/call_timing.h>
#include <compat/d3d9.h>
#include <compat/win32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace
{

constexpr int kWidth = 1870;
constexpr int kHeight = 1030;
constexpr int kWarmUp = 30;

// Waits until the current context has drawn everything asked of it.
void Finish()
{
    reinterpret_cast<PFNGLFINISHPROC>(SDL_GL_GetProcAddress("glFinish"))();
}

bench::Summary TimeFrames(int frames, const std::function<void()>& frame)
{
    for (int i = 0; i < kWarmUp; ++i)
    {
        frame();
        Finish();
    }
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i)
    {
        const auto start = bench::Clock::now();
        frame();
        Finish();
        times.push_back(bench::MillisecondsSince(start));
    }
    return bench::Summarise(times);
}

void Report(const char* what, const bench::Summary& summary)
{
    std::printf("%-14s %-9s median %6.2f ms  p95 %6.2f ms  (%5.1f fps)\n", what,
                SDL_GetCurrentVideoDriver(), summary.median, summary.p95, 1000.0 / summary.median);
}

int ClearPresent(int frames)
{
    bench::BareGlWindow window;
    std::string error;
    if (!window.Open(kWidth, kHeight, error))
    {
        std::fprintf(stderr, "gl_frame_bench: %s\n", error.c_str());
        return 1;
    }
    const bench::BareGlFunctions& gl = window.Gl();
    // Two shades of the sky by turns: a clear to the colour the window
    // already has could be skipped, and would time nothing.
    bool shade = false;
    Report(
        "clear-present",
        TimeFrames(frames,
                   [&]
                   {
                       shade = !shade;
                       gl.ClearColor(155 / 255.0f, shade ? 155 / 255.0f : 154 / 255.0f, 1.0f, 1.0f);
                       gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
                       window.Swap();
                   }));
    return 0;
}

int Scene(int frames)
{
    bench::BareGlWindow window;
    bench::SceneFloor scene;
    std::string error;
    if (!window.Open(kWidth, kHeight, error) || !scene.Init(window, kWidth, kHeight, error))
    {
        std::fprintf(stderr, "gl_frame_bench: %s\n", error.c_str());
        return 1;
    }
    Report("scene", TimeFrames(frames,
                               [&]
                               {
                                   scene.Draw();
                                   window.Swap();
                               }));
    return 0;
}

// One real AppFrame with the stand-ins measuring, every timed call waited
// for: where its time went. Present includes what it still had to draw and
// copy; the rest is the program's own work: the update less the physics
// step, the world's walk over its parts, the state calls.
struct FrameParts
{
    double frame = 0;
    double physics = 0;
    double calls = 0;   // Clear, the help texts and the draws, until they return
    double drawing = 0; // llvmpipe drawing what those calls queued
    double present = 0;
    double rest = 0;
    compat::timing::Times inside;
};

FrameParts TimeFrameInParts()
{
    compat::win32::AdvanceVirtualClock(bench::kFrameTicks);
    const auto start = bench::Clock::now();
    AppFrame();
    FrameParts parts;
    parts.frame = bench::MillisecondsSince(start);
    parts.inside = compat::timing::Take();
    using compat::timing::Call;
    const compat::timing::Time drawingCalls =
        parts.inside.Sum({Call::clear, Call::text, Call::draws});
    parts.physics = parts.inside[Call::physicsStep].Total();
    parts.calls = drawingCalls.call;
    parts.drawing = drawingCalls.gpu;
    parts.present = parts.inside[Call::present].Total();
    parts.rest = parts.frame - parts.physics - parts.calls - parts.drawing - parts.present;
    return parts;
}

// Where the frame's time goes, medians over `frames` frames.
void ProgramSplit(int frames)
{
    std::vector<double> frame, physics, calls, drawing, present, rest;
    for (std::vector<double>* list : {&frame, &physics, &calls, &drawing, &present, &rest})
        list->reserve(static_cast<std::size_t>(frames));
    compat::timing::Measure(true, true);
    for (int i = 0; i < frames; ++i)
    {
        const FrameParts parts = TimeFrameInParts();
        frame.push_back(parts.frame);
        physics.push_back(parts.physics);
        calls.push_back(parts.calls);
        drawing.push_back(parts.drawing);
        present.push_back(parts.present);
        rest.push_back(parts.rest);
    }
    compat::timing::Measure(false);
    std::printf("  split (medians; the frame %.2f ms with each call waited for): physics step "
                "%.2f, drawing calls %.2f, llvmpipe drawing them %.2f, Present %.2f, the rest "
                "%.2f ms\n",
                bench::Summarise(frame).median, bench::Summarise(physics).median,
                bench::Summarise(calls).median, bench::Summarise(drawing).median,
                bench::Summarise(present).median, bench::Summarise(rest).median);
}

// The first frame after start-up, each call waited for: the driver compiles
// what a kind of draw needs the first time it meets it.
void FirstFrameSplit()
{
    compat::timing::Measure(true, true);
    const FrameParts parts = TimeFrameInParts();
    compat::timing::Measure(false);
    using compat::timing::Call;
    std::printf("  first frame %.1f ms: physics step %.1f, clear %.1f, texts %.1f, draws %.1f, "
                "Present %.1f, the rest %.1f ms\n",
                parts.frame, parts.physics, parts.inside[Call::clear].Total(),
                parts.inside[Call::text].Total(), parts.inside[Call::draws].Total(), parts.present,
                parts.rest);
}

int Program(int frames)
{
    // As the other benchmarks run it; ZARV_BENCH_SCREEN=WxH sets another
    // screen (the size of a page's canvas, to compare with the page).
    if (!bench::PrepareRun())
        return 1;
    if (!AppInit())
    {
        std::fprintf(stderr, "gl_frame_bench: the program did not start\n");
        AppRelease();
        return 1;
    }
    FirstFrameSplit();
    IDirect3DDevice9* device = CGraphics::GetDevice();
    compat::d3d9::opengl::GlStatistics before, after;
    if (!compat::d3d9::opengl::StatisticsOf(device, before))
    {
        std::fprintf(stderr, "gl_frame_bench: the device is not on the OpenGL backend\n");
        AppRelease();
        return 1;
    }
    // From the fifth simulated second on the aircraft has settled: the
    // picture the floors draw.
    for (int i = 0; i < 300; ++i)
        host::RunFrame();
    compat::d3d9::opengl::StatisticsOf(device, before);
    Report("program", TimeFrames(frames, [] { host::RunFrame(); }));
    compat::d3d9::opengl::StatisticsOf(device, after);
    const double n = frames + kWarmUp;
    std::printf("  per frame: %.1f draws, %.1f GL state changes, %.2f uploads, %.0f%% drawn "
                "straight into the window\n",
                double(after.drawCalls - before.drawCalls) / n,
                double(after.stateChanges - before.stateChanges) / n,
                double(after.uploads - before.uploads) / n,
                100.0 * double(after.directFrames - before.directFrames) / n);
    ProgramSplit(frames);
    AppRelease();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string scenario = argc > 1 ? argv[1] : "";
    int frames = 300;
    if (argc == 4 && std::strcmp(argv[2], "--frames") == 0)
        frames = std::atoi(argv[3]);
    if ((argc != 2 && argc != 4) || frames < 1 ||
        (scenario != "clear-present" && scenario != "scene" && scenario != "program"))
    {
        std::fprintf(
            stderr,
            "usage: gl_frame_bench clear-present|scene|program [--frames N (at least 1)]\n");
        return 2;
    }
    // The art is found from the build folder, as the program finds it.
    std::error_code error;
    std::filesystem::current_path(std::filesystem::read_symlink("/proc/self/exe").parent_path(),
                                  error);
    setenv("ZARV_NO_MESSAGE_BOX", "1", 0);
    if (scenario == "clear-present")
        return ClearPresent(frames);
    if (scenario == "scene")
        return Scene(frames);
    return Program(frames);
}
