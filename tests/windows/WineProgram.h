// The Windows program started under Wine (scripts/lib/wine-run) as a user
// starts it from the zip: bin\zarv.exe run from bin\, the art beside bin\ in
// art\3d\yak_52\ (a scratch copy, ProgramFolder). Where the test programs'
// inputs are built or kept is given by ProgramTests.cmake.
#pragma once

#include "ChildProcess.h"
#include "ProgramFolder.h"
#include "XTopWindow.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace windows_test
{

using test::ChildProcess;

// What the tests run: the Windows program and what runs it, and the native
// program and zarv-capture built from the same sources.
struct Programs
{
    static std::filesystem::path WineRun() { return ZARV_WINE_RUN; }
    static std::filesystem::path WindowsProgram() { return ZARV_WINDOWS_PROGRAM; }
    static std::filesystem::path NativeProgram() { return ZARV_NATIVE_PROGRAM; }
    static std::filesystem::path Capture() { return ZARV_CAPTURE; }
    static std::filesystem::path Art() { return ZARV_ART; }
    static std::filesystem::path WindowProbe() { return ZARV_WINDOW_PROBE; }
};

class WineProgram
{
public:
    // Starts zarv.exe in a scratch folder with every mesh file but `missing`
    // (all when empty); the native program is linked into bin/ beside it, to
    // be run there too.
    explicit WineProgram(const std::string& missing = "");

    const ProgramFolder& Folder() const { return m_folder; }
    // Its window, once it shows the program's frames (the sky, not the
    // window's white background, in its bottom-right corner); nothing when
    // that takes longer than `seconds`.
    std::optional<unsigned long> WaitForFrames(const XConnection& x, double seconds);
    ChildProcess& Process() { return *m_process; }

private:
    ProgramFolder m_folder;
    std::unique_ptr<ChildProcess> m_process;
};

} // namespace windows_test
