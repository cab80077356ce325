// Runs zarv-capture as a separate process, as a user would, and keeps what
// it printed; plus a scratch folder per test.
#pragma once

#include "ScratchFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace capture_test
{

struct ToolRun
{
    int status = -1; // exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
    std::string Describe() const; // for failure messages
};

// The tool built next to the program.
std::filesystem::path ToolPath();

// Runs `program args...` in `folder` and waits at most `timeoutSeconds`; a
// process still running then is killed and counts as failed (-1). A
// `fileSizeLimit` above 0 makes every write past that many bytes of a file
// fail (EFBIG), as a full disk would. `environment` holds NAME=VALUE
// settings added to this process's own.
ToolRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                   const std::filesystem::path& folder, long fileSizeLimit = 0,
                   int timeoutSeconds = 600, const std::vector<std::string>& environment = {});
// Runs the tool itself.
ToolRun RunTool(const std::vector<std::string>& args, const std::filesystem::path& folder);

// While it lives, this process cannot make a file longer than `bytes`:
// writes beyond fail with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long long m_previous;
    void (*m_previousHandler)(int);
};

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

// A fresh, empty folder removed with everything in it at the end.
using test::ScratchFolder;

} // namespace capture_test
