#include "ShellFixture.h"

void ShellTest::SetUp()
{
    // The program reads its art from ../art/3d/yak_52/: run from a folder
    // whose ../art is the project's.
    m_root = m_folder.Path();
    std::filesystem::create_directories(m_root / "run");
    std::filesystem::create_directory_symlink(std::filesystem::path(ZARV_SOURCE_DIR) / "art",
                                              m_root / "art");
    m_savedDirectory = std::filesystem::current_path();
    std::filesystem::current_path(m_root / "run");

    host::ResetStandIns();
    host::Headless shell;
    shell.backend = compat::d3d9::Backend::Recording;
    shell.SetUp();
}

void ShellTest::TearDown()
{
    AppRelease();
    host::ResetStandIns();
    std::filesystem::current_path(m_savedDirectory);
}

std::vector<compat::d3d9::RecordedCall> ShellTest::CallsNamed(std::string_view method)
{
    std::vector<compat::d3d9::RecordedCall> calls;
    for (const auto& call : compat::d3d9::RecordedCalls())
        if (call.method == method)
            calls.push_back(call);
    return calls;
}

std::vector<compat::d3d9::RecordedCall> ShellTest::DrawingCalls()
{
    static constexpr std::string_view kBookkeeping[] = {"AddRef", "Release", "QueryInterface",
                                                        "Lock",   "Unlock",  "GetDesc"};
    std::vector<compat::d3d9::RecordedCall> calls;
    for (const auto& call : compat::d3d9::RecordedCalls())
    {
        bool keep = true;
        for (std::string_view name : kBookkeeping)
            keep = keep && call.method != name;
        if (keep)
            calls.push_back(call);
    }
    return calls;
}
