// CPU time of one AppFrame on the recording backend: the world's update with
// its physics step, and the frame's drawing calls, without a GPU.
#include "app/App.h"

#include <compat/d3d9.h>
#include <compat/dinput.h>
#include <compat/win32.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace
{
// Starts the program once; the benchmark runs its frames as often as it likes.
bool StartOnce()
{
    static const bool started = []
    {
        // Run from a folder whose ../art is the project's, as the program is run from build/.
        const std::filesystem::path root =
            std::filesystem::temp_directory_path() / "zarv-app-frame";
        std::filesystem::create_directories(root / "run");
        if (!std::filesystem::exists(root / "art"))
            std::filesystem::create_directory_symlink(
                std::filesystem::path(ZARV_SOURCE_DIR) / "art", root / "art");
        std::filesystem::current_path(root / "run");

        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        compat::win32::SetVirtualScreenSize(1920, 1080);
        compat::win32::UseVirtualClock(1'000'000);
        compat::d3d9::SetBackend(compat::d3d9::Backend::Recording);
        compat::dinput::UseScriptedKeyboard(true);
        compat::dinput::SetScriptedKey(DIK_E, true); // the engine runs, the root flies
        if (!AppInit())
            return false;
        for (int i = 0; i < 120; ++i) // the aircraft lands first
        {
            compat::win32::AdvanceVirtualClock(16'667);
            AppFrame();
        }
        return true;
    }();
    return started;
}

void AppFrameOnRecording(benchmark::State& state)
{
    if (!StartOnce())
    {
        state.SkipWithError("start-up failed");
        return;
    }
    for (auto _ : state)
    {
        compat::win32::AdvanceVirtualClock(16'667);
        benchmark::DoNotOptimize(AppFrame());
    }
}
BENCHMARK(AppFrameOnRecording)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
} // namespace

BENCHMARK_MAIN();
