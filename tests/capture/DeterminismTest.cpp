// The same command gives the same poses, byte for byte; a different frame
// time gives different ones.
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace
{

std::string Contents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(CaptureDeterminism, TheSameCommandWritesTheSameCsv)
{
    capture_test::ScratchFolder folder;
    // Keys that reach every part of the update: engine and throttle, the
    // flight controls, a push, a camera switch and a camera turn.
    const std::vector<std::string> script{
        "--screen=300x200",  "--frames=240",    "--hold=E:0-0",        "--hold=EQUALS:1-60",
        "--hold=LEFT:10-40", "--hold=UP:20-50", "--hold=DELETE:30-45", "--hold=P:100-130",
        "--hold=HOME:5-8",   "--hold=1:60-60",  "--hold=F2:150-150",   "--hold=A:160-200"};
    const auto runWith = [&](const std::string& dt, const std::string& csv)
    {
        std::vector<std::string> args = script;
        args.insert(args.end(), {"--dt=" + dt, "--poses=" + csv});
        const capture_test::ToolRun run = capture_test::RunTool(args, folder.Path());
        EXPECT_EQ(run.status, 0) << run.Describe();
        return Contents(folder / csv);
    };
    const std::string first = runWith("1/60", "first.csv");
    const std::string second = runWith("1/60", "second.csv");
    const std::string slower = runWith("1/50", "slower.csv");

    EXPECT_EQ(capture_test::Lines(first).size(), 1u + 240u * 6u);
    EXPECT_TRUE(first == second) << "two runs of one command differ";
    EXPECT_NE(first, slower);
}

} // namespace
