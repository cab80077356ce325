// The whole program on llvmpipe at 1870×1030 (a 1920×1080 virtual screen;
// offscreen unless SDL_VIDEODRIVER names another driver, see run.sh):
// start-up from process start to the first presented frame, and AppInit's
// split between the window, the device, the physics, the mesh buffers, the
// font and the program's own work (mostly reading the mesh files); then
// frames per second, and the split of a frame between the physics step, the
// drawing calls, Present and the program's own work. Every split is of the
// program's real AppInit and AppFrame, by the time the stand-ins measured
// inside their own calls. The frame figures come after 60 frames of warm-up.
#include "Frames.h"
#include "Measure.h"
#include "StartUp.h"

#include "app/App.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace
{

void Share(const char* what, double part, double whole)
{
    std::printf("  %-34s %8.2f ms  %5.1f %%\n", what, part, 100.0 * part / whole);
}

} // namespace

int main(int argc, char** argv)
{
    int frames = 600;
    if (argc == 3 && std::string_view(argv[1]) == "--frames")
        frames = std::atoi(argv[2]);
    if (frames < 1 || (argc != 1 && argc != 3))
    {
        std::fprintf(stderr, "usage: whole_program_bench [--frames N (at least 1)]\n");
        return 2;
    }

    bench::StartUpTotal total;
    bench::StartUpSplit split;
    if (!bench::PrepareRun() || !bench::MeasureStartUp(total, split))
    {
        std::fprintf(stderr, "whole_program_bench: start-up failed\n");
        AppRelease();
        return 1;
    }
    bench::MeasureFrames(60); // warm-up
    const bench::Summary whole = bench::MeasureFrames(frames);
    const bench::FrameSplit parts = bench::MeasureFrameSplit(frames);
    AppRelease();

    const double startUp = total.beforeMain + total.appInit + total.firstFrame;
    std::printf("Start-up, process start to the first presented frame: %.1f ms\n", startUp);
    Share("process start to main", total.beforeMain, startUp);
    Share("AppInit", total.appInit, startUp);
    Share("first frame", total.firstFrame, startUp);
    std::printf("AppInit, split by the stand-ins' own measures: %.1f ms\n", total.appInit);
    Share("window", split.window, total.appInit);
    Share("Direct3D device", split.device, total.appInit);
    Share("physics objects", split.physics, total.appInit);
    Share("mesh buffers", split.meshBuffers, total.appInit);
    Share("text font", split.font, total.appInit);
    Share("the rest (mostly mesh files read)", split.rest, total.appInit);

    std::printf("AppFrame over %d frames: median %.2f ms (%.1f frames per second), mean %.2f ms\n",
                frames, whole.median, 1000.0 / whole.median, whole.mean);
    const double sum =
        parts.physics.median + parts.drawing.median + parts.present.median + parts.rest.median;
    std::printf("%d more AppFrames, split by the stand-ins' own measures (medians, their sum "
                "%.2f ms; the frame's %.2f ms):\n",
                frames, sum, parts.frame.median);
    Share("physics step", parts.physics.median, sum);
    Share("drawing calls", parts.drawing.median, sum);
    Share("Present", parts.present.median, sum);
    Share("the rest (update, poses, states)", parts.rest.median, sum);
    return 0;
}
