// zarv-capture: runs the program without a display and writes what it saw.
// See Options.h for the command line and Capture.h for the run.
//
// The program reads its art from "..\art\3d\yak_52\" relative to its working
// directory. Installed, the tool changes to the installed art's folder
// (share/zarv/art, whose ../art/3d/yak_52 is share/zarv/art/3d/yak_52), found
// from its own executable as the launcher finds it; in the build tree, where
// it is built beside the program, to its own folder; with --art, to a folder
// made for the run whose ../art/3d/yak_52 is the chosen one. Paths given
// relative to the caller's directory are made absolute first, so it works
// from anywhere.
#include "ArtFolder.h"
#include "Capture.h"
#include "Options.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

namespace fs = std::filesystem;

int Fail(int status, const std::string& reason)
{
    std::fprintf(stderr, "zarv-capture: %s\n", reason.c_str());
    return status;
}

// Makes the path absolute against the current directory; "" on failure.
std::string Absolute(const std::string& path)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return error ? std::string() : absolute.lexically_normal().string();
}

// Whether the file can be written, without changing it: opened for
// appending, and removed again if it did not exist before.
std::string CheckWritable(const std::string& path)
{
    std::error_code error;
    const bool existed = fs::exists(path, error);
    if (fs::is_directory(path, error))
        return "cannot write " + path + ": it is a folder";
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file)
        return "cannot write " + path + ": " + std::strerror(errno);
    std::fclose(file);
    if (!existed)
        std::remove(path.c_str());
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    capture::ParseResult parsed = capture::ParseOptions(args);
    if (!parsed.error.empty())
        return Fail(capture::kBadOptions, parsed.error);
    capture::Options& options = parsed.options;
    if (options.help)
    {
        std::fputs(capture::Usage().data(), stdout);
        return capture::kRan;
    }
    if (options.version)
    {
        std::puts("zarv-capture " ZARV_VERSION);
        return capture::kRan;
    }

    if (!options.posesPath.empty())
    {
        const std::string given = options.posesPath;
        options.posesPath = Absolute(given);
        if (options.posesPath.empty())
            return Fail(capture::kBadOptions, "cannot resolve the path " + given);
        if (std::string error = CheckWritable(options.posesPath); !error.empty())
            return Fail(capture::kBadOptions, error);
    }
    for (capture::Shot& shot : options.shots)
    {
        const std::string given = shot.path;
        shot.path = Absolute(given);
        if (shot.path.empty())
            return Fail(capture::kBadOptions, "cannot resolve the path " + given);
        if (std::string error = CheckWritable(shot.path); !error.empty())
            return Fail(capture::kBadOptions, error);
    }

    fs::path art;
    if (!options.artPath.empty())
    {
        art = Absolute(options.artPath);
        std::error_code error;
        if (art.empty())
            return Fail(capture::kBadOptions, "cannot resolve the path " + options.artPath);
        if (!fs::exists(art, error))
            return Fail(capture::kBadOptions, "--art " + art.string() + ": no such folder");
        if (!fs::is_directory(art, error))
            return Fail(capture::kBadOptions, "--art " + art.string() + ": it is not a folder");
    }

    std::error_code error;
    host::ArtFolder artFolder;
    fs::path working;
    if (!art.empty())
    {
        if (std::string reason = artFolder.Make(art); !reason.empty())
            return Fail(capture::kFailed, reason);
        working = artFolder.WorkingFolder();
    }
    else
    {
        const fs::path executable = fs::read_symlink("/proc/self/exe", error);
        if (error)
            return Fail(capture::kFailed, "cannot find the tool's own folder: " + error.message());
        working = executable.parent_path();
        const fs::path installed = (working / ZARV_INSTALLED_ART_FROM_BIN).lexically_normal();
        if (fs::is_directory(installed / "3d" / "yak_52", error))
            working = installed;
    }
    fs::current_path(working, error);
    if (error)
        return Fail(capture::kFailed,
                    "cannot change to " + working.string() + ": " + error.message());

    return capture::RunCapture(options);
}
