// A program run as a child process in a process group of its own, as a user
// would run it, its standard output and error kept in files. Dropping a
// process that still runs ends its whole group (a program run under Wine is
// the child of scripts/lib/wine-run, not the child itself). POSIX only.
#pragma once

#include "ScratchFolder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace test
{

class ChildProcess
{
public:
    // Starts `command` (its first word a path) in `folder`, with the test's
    // environment plus `environment` ("NAME=value" entries). A
    // `fileSizeLimit` above 0 makes every write past that many bytes of a
    // file fail (EFBIG), as a full disk would.
    ChildProcess(const std::vector<std::string>& command, const std::filesystem::path& folder,
                 const std::vector<std::string>& environment = {}, long fileSizeLimit = 0);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The process group: the child's id.
    pid_t Group() const { return m_pid; }
    // Its exit status once it has ended (-1 when a signal ended it), waiting
    // at most `seconds`; nothing when it is still running then.
    std::optional<int> Wait(double seconds);
    std::string Output() const;
    std::string Errors() const;

private:
    ScratchFolder m_outputs{"zarv-child"}; // for the two files
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

} // namespace test
