#include "ShellFixture.h"

void ShellTest::SetUp()
{
    // Run beside the project's art, as the program runs from build/.
    const std::string made = m_art.Make(ZARV_ART_DIR);
    ASSERT_EQ(made, "");
    m_savedDirectory = std::filesystem::current_path();
    std::filesystem::current_path(m_art.WorkingFolder());

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
