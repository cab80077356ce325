#include "ToolProcess.h"

#include "ChildProcess.h"

#include <csignal>
#include <optional>
#include <sstream>
#include <sys/resource.h>

namespace capture_test
{
namespace fs = std::filesystem;

std::string ToolRun::Describe() const
{
    return "status " + std::to_string(status) + "\nstdout:\n" + out + "stderr:\n" + err;
}

fs::path ToolPath()
{
    return ZARV_CAPTURE_PATH;
}

ToolRun RunProgram(const fs::path& program, const std::vector<std::string>& args,
                   const fs::path& folder, long fileSizeLimit, int timeoutSeconds,
                   const std::vector<std::string>& environment)
{
    std::vector<std::string> command{program.string()};
    command.insert(command.end(), args.begin(), args.end());
    test::ChildProcess child(command, folder, environment, fileSizeLimit);
    ToolRun run;
    if (const std::optional<int> status = child.Wait(timeoutSeconds))
        run.status = *status;
    else
        run.err = "(killed after " + std::to_string(timeoutSeconds) + " s)\n";
    run.out = child.Output();
    run.err += child.Errors();
    return run; // a child still running ends with `child`
}

ToolRun RunTool(const std::vector<std::string>& args, const fs::path& folder)
{
    return RunProgram(ToolPath(), args, folder);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

FileSizeLimit::FileSizeLimit(long bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previous = limit.rlim_cur;
    m_previousHandler = signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(m_previous);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, m_previousHandler);
}

} // namespace capture_test
