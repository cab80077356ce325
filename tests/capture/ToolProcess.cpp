#include "ToolProcess.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

namespace
{

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

ToolRun RunProgram(const fs::path& program, const std::vector<std::string>& args,
                   const fs::path& folder, long fileSizeLimit, int timeoutSeconds)
{
    ScratchFolder captured;
    const std::string outPath = captured / "stdout", errPath = captured / "stderr";

    // Everything the child needs is made before fork: between fork and exec
    // it only calls functions that are safe there.
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const std::string folderText = folder.string();
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(fileSizeLimit);

    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("cannot start " + program.string());
    if (pid == 0)
    {
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || dup2(in, STDIN_FILENO) < 0 ||
            dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0 ||
            chdir(folderText.c_str()) != 0)
            _exit(127);
        if (fileSizeLimit > 0)
        {
            signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }

    ToolRun run;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    int wstatus = 0;
    while (waitpid(pid, &wstatus, WNOHANG) == 0)
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            kill(pid, SIGKILL);
            waitpid(pid, &wstatus, 0);
            run.err = "(killed after " + std::to_string(timeoutSeconds) + " s)\n";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (WIFEXITED(wstatus))
        run.status = WEXITSTATUS(wstatus);
    run.out = ReadFile(outPath);
    run.err += ReadFile(errPath);
    return run;
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

ScratchFolder::ScratchFolder()
{
    std::string pattern = (fs::temp_directory_path() / "zarv-capture-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder");
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

} // namespace capture_test
