#include "ChildProcess.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace test
{
namespace fs = std::filesystem;

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

ChildProcess::ChildProcess(const std::vector<std::string>& command, const fs::path& folder,
                           const std::vector<std::string>& environment, long fileSizeLimit)
{
    const std::string outPath = m_outputs / "stdout";
    const std::string errPath = m_outputs / "stderr";

    // Everything the child needs is made before fork: between fork and exec
    // it only calls functions that are safe there.
    std::vector<std::string> words = command;
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables = environment;
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    for (char** variable = environ; *variable != nullptr; ++variable)
        envp.push_back(*variable); // the first of two equal names wins
    envp.push_back(nullptr);
    const std::string folderText = folder.string();
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(fileSizeLimit);

    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error("cannot start " + command.front());
    if (m_pid == 0)
    {
        setpgid(0, 0);
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
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    setpgid(m_pid, m_pid); // also here, so that the group exists before either goes on
}

ChildProcess::~ChildProcess()
{
    if (!m_status)
    {
        kill(-m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

std::optional<int> ChildProcess::Wait(double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!m_status)
    {
        int wstatus = 0;
        const pid_t ended = waitpid(m_pid, &wstatus, WNOHANG);
        if (ended == m_pid)
            m_status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
        else if (std::chrono::steady_clock::now() > deadline)
            break;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return m_status;
}

std::string ChildProcess::Output() const
{
    return ReadFile(m_outputs.Path() / "stdout");
}

std::string ChildProcess::Errors() const
{
    return ReadFile(m_outputs.Path() / "stderr");
}

} // namespace test
