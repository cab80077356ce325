// The whole program on llvmpipe at 1870×1030 (a 1920×1080 virtual screen;
// offscreen unless SDL_VIDEODRIVER names another driver, see run.sh):
// start-up from process start to the first presented frame and its
// split between window and device, physics, and mesh loading; then frames
// per second and the split of a frame between the update, the drawing calls
// and Present. The split of start-up is measured in a fresh process of this
// same program (run with --start-up-split), so that it is as cold as the
// real start-up; the frame figures come after 60 frames of warm-up.
#include "Frames.h"
#include "Measure.h"
#include "StartUp.h"

#include "app/App.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace
{

constexpr std::string_view kSplitMode = "--start-up-split";

// The child's side: the four figures on one line of stdout.
int PrintStartUpSplit()
{
    bench::StartUpSplit split;
    if (!bench::PrepareRun() || !bench::MeasureStartUpSplit(split))
        return 1;
    std::printf("%f %f %f %f\n", split.windowAndDevice, split.world, split.meshes, split.font);
    return 0;
}

// The parent's side: runs this program again in split mode and reads its line.
bool StartUpSplitInFreshProcess(bench::StartUpSplit& split)
{
    const std::string command =
        "/proc/" + std::to_string(getpid()) + "/exe " + std::string(kSplitMode) + " 2>/dev/null";
    std::FILE* child = popen(command.c_str(), "r");
    if (!child)
        return false;
    const int read = std::fscanf(child, "%lf %lf %lf %lf", &split.windowAndDevice, &split.world,
                                 &split.meshes, &split.font);
    return pclose(child) == 0 && read == 4;
}

void Share(const char* what, double part, double whole)
{
    std::printf("  %-34s %8.2f ms  %5.1f %%\n", what, part, 100.0 * part / whole);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && argv[1] == kSplitMode)
        return PrintStartUpSplit();
    int frames = 600;
    if (argc == 3 && std::string_view(argv[1]) == "--frames")
        frames = std::atoi(argv[2]);
    if (frames < 1 || (argc != 1 && argc != 3))
    {
        std::fprintf(stderr, "usage: whole_program_bench [--frames N (at least 1)]\n");
        return 2;
    }

    bench::StartUpTotal total;
    if (!bench::PrepareRun() || !bench::MeasureStartUp(total))
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
    bench::StartUpSplit split;
    if (StartUpSplitInFreshProcess(split))
    {
        const double inits = split.windowAndDevice + split.world + split.font;
        std::printf("AppInit's objects one by one (in a fresh process): %.1f ms\n", inits);
        Share("window and device", split.windowAndDevice, inits);
        Share("physics (world less its meshes)", split.Physics(), inits);
        Share("mesh loading (15 files)", split.meshes, inits);
        Share("text font", split.font, inits);
    }
    else
        std::printf("The start-up split failed in its own process.\n");

    std::printf("AppFrame over %d frames: median %.2f ms (%.1f frames per second), mean %.2f ms\n",
                frames, whole.median, 1000.0 / whole.median, whole.mean);
    const double sum = parts.update.median + parts.drawing.median + parts.present.median;
    std::printf("The same frame in parts (medians; their sum %.2f ms):\n", sum);
    Share("update (with the physics step)", parts.update.median, sum);
    Share("drawing calls", parts.drawing.median, sum);
    Share("Present", parts.present.median, sum);
    return 0;
}
