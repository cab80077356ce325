// CPU time of one AppFrame: the world's update with its physics step and the
// frame's drawing calls, on the recording backend (no GPU) and on the OpenGL
// backend (Mesa on SDL's offscreen driver), which also does the GL work.
#include "ArtFolder.h"
#include "Headless.h"
#include "app/App.h"

#include <compat/d3d9.h>
#include <compat/dinput.h>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace
{
// Starts the program on `backend`, once for each backend in a row; the
// benchmark runs its frames as often as it likes.
bool StartOn(compat::d3d9::Backend backend)
{
    static bool running = false;
    static compat::d3d9::Backend current = compat::d3d9::Backend::Recording;
    if (running && current == backend)
        return true;
    if (running)
    {
        // As a fresh process: the window class and the stand-ins' state go too.
        AppRelease();
        host::ResetStandIns();
    }
    current = backend;
    running = [backend]
    {
        // Run beside the project's art, as the program runs from build/; the
        // folder goes when the benchmark ends.
        static host::ArtFolder art;
        if (art.WorkingFolder().empty() && !art.Make(ZARV_ART_DIR).empty())
            return false;
        std::filesystem::current_path(art.WorkingFolder());

        host::Headless run;
        run.backend = backend;
        run.SetUp();
        compat::dinput::SetScriptedKey(DIK_E, true); // the engine runs, the root flies
        if (!AppInit())
            return false;
        for (int i = 0; i < 120; ++i) // the aircraft lands first
            host::RunFrame();
        return true;
    }();
    return running;
}

void AppFrameOn(benchmark::State& state, compat::d3d9::Backend backend)
{
    if (!StartOn(backend))
    {
        state.SkipWithError("start-up failed");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(host::RunFrame());
}
BENCHMARK_CAPTURE(AppFrameOn, Recording, compat::d3d9::Backend::Recording)
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(AppFrameOn, OpenGL, compat::d3d9::Backend::OpenGL)
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime();
} // namespace

BENCHMARK_MAIN();
