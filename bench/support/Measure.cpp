#include "Measure.h"

#include "Headless.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <sstream>
#include <string>
#include <unistd.h>

namespace bench
{

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double MillisecondsSinceProcessStart()
{
    // Field 22 of /proc/self/stat: the start time in clock ticks since boot.
    std::ifstream file("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i)
    {
    }
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double startSeconds = std::stod(field) / double(sysconf(_SC_CLK_TCK));
    return (double(now.tv_sec) + double(now.tv_nsec) * 1e-9 - startSeconds) * 1000.0;
}

Summary Summarise(std::vector<double> milliseconds)
{
    if (milliseconds.empty())
        return {};
    std::sort(milliseconds.begin(), milliseconds.end());
    const double total = std::accumulate(milliseconds.begin(), milliseconds.end(), 0.0);
    const std::size_t p95 = (milliseconds.size() * 95 + 99) / 100 - 1;
    return {milliseconds[milliseconds.size() / 2], milliseconds[p95],
            total / double(milliseconds.size())};
}

bool PrepareRun()
{
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        std::filesystem::current_path(executable.parent_path(), error);
    if (error)
    {
        std::fprintf(stderr, "bench: cannot change to its own folder: %s\n",
                     error.message().c_str());
        return false;
    }
    // ZARV_BENCH_SCREEN=WxH sets another screen (the size of a page's canvas, say).
    int width = 1920;
    int height = 1080;
    if (const char* screen = std::getenv("ZARV_BENCH_SCREEN"))
        if (std::sscanf(screen, "%dx%d", &width, &height) != 2 || width < 100 || height < 100)
        {
            std::fprintf(stderr, "bench: ZARV_BENCH_SCREEN=%s is not WxH of at least 100x100\n",
                         screen);
            return false;
        }
    host::Headless run;
    run.screenWidth = width;
    run.screenHeight = height;
    // The bench scripts run the program on X too.
    run.environmentChoosesDriver = true;
    run.SetUp();
    return true;
}

} // namespace bench
