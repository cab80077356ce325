// The tool as a process: what it says and which status it ends with when
// the command line is wrong, when start-up fails, when a file cannot be
// written, and when the program asks to end.
#include "CaptureOutputs.h"
#include "PngFile.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{

namespace fs = std::filesystem;
using capture_test::Lines;
using capture_test::RunTool;
using capture_test::ScratchFolder;
using capture_test::ToolRun;

// A small screen keeps these runs quick; they check the tool, not the picture.
const std::string kSmall = "--screen=210x170";

// One line on stderr that names the problem, the given status, and none of
// the output files made.
void ExpectRefused(const ToolRun& run, int status, const std::string& mentions)
{
    EXPECT_EQ(run.status, status) << run.Describe();
    const auto lines = Lines(run.err);
    ASSERT_EQ(lines.size(), 1u) << run.Describe();
    EXPECT_EQ(lines[0].rfind("zarv-capture: ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find(mentions), std::string::npos) << lines[0];
}

TEST(CaptureCommandLine, BadOptionsEndWithStatusTwoBeforeAnythingIsWritten)
{
    ScratchFolder folder;
    const struct
    {
        std::vector<std::string> args;
        std::string mentions;
    } cases[] = {
        {{"--hold", "THRUST:0-9"}, "unknown key name 'THRUST'"},
        {{"--hold", "E:20-10"}, "the range ends before it starts"},
        {{"--hold", "E:1..9"}, "the range '1..9' is not FIRST-LAST"},
        {{"--frames", "many"}, "--frames many: not a whole number"},
        {{"--dt", "-1"}, "the clock cannot go back"},
        {{"--screen", "big"}, "expected WIDTHxHEIGHT"},
        {{"--frames", "5", "--shot", "5:late.png"}, "the last frame is 4"},
        {{"--shot", "1:missing/folder/a.png"}, "missing/folder/a.png: No such file or directory"},
        {{"--poses", "missing/folder/p.csv"}, "missing/folder/p.csv: No such file or directory"},
        {{"--poses", "."}, "it is a folder"},
        {{"--fast"}, "unknown option '--fast'"},
        {{"--art", "no/such/art"}, "no/such/art: no such folder"},
        {{"--art", "/dev/null"}, "--art /dev/null: it is not a folder"},
    };
    for (const auto& bad : cases)
    {
        std::vector<std::string> args = bad.args;
        args.insert(args.end(), {"--poses=ok.csv", "--shot=0:ok.png"});
        if (args[0] == "--poses")
            args.erase(args.end() - 2); // --poses may be given once
        SCOPED_TRACE(args[0] + " " + (args.size() > 1 ? args[1] : ""));
        const ToolRun run = RunTool(args, folder.Path());
        ExpectRefused(run, 2, bad.mentions);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(fs::is_empty(folder.Path())) << "files were left behind";
    }
}

TEST(CaptureCommandLine, HelpPrintsTheUsageAndRunsNothing)
{
    ScratchFolder folder;
    const ToolRun run = RunTool({"--help"}, folder.Path());
    EXPECT_EQ(run.status, 0) << run.Describe();
    EXPECT_NE(run.out.find("usage: zarv-capture"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "");
}

TEST(CaptureCommandLine, VersionPrintsTheProjectsVersionAndRunsNothing)
{
    ScratchFolder folder;
    const ToolRun run = RunTool({"--version"}, folder.Path());
    EXPECT_EQ(run.status, 0) << run.Describe();
    EXPECT_EQ(run.out, "zarv-capture " ZARV_VERSION "\n");
    EXPECT_EQ(run.err, "");
}

TEST(CaptureCommandLine, OutputPathsAreTheCallersAndTheArtIsFoundFromAnyFolder)
{
    ScratchFolder folder;
    fs::create_directory(folder.Path() / "out");
    const ToolRun run = RunTool(
        {kSmall, "--frames=3", "--poses", "out/p.csv", "--shot", "2:out/s.png"}, folder.Path());
    ASSERT_EQ(run.status, 0) << run.Describe();
    EXPECT_EQ(run.err, "");
    const std::string shot = (folder.Path() / "out/s.png").string();
    EXPECT_EQ(run.out, "shot 2: " + shot + "\n");
    EXPECT_EQ(capture_test::PosesCsv::Read(folder / "out/p.csv").LastFrame(), 2);
    picture::Image image;
    ASSERT_EQ(picture::ReadPng(shot, image), "");
    // The window, and so the back buffer, is 50 pixels smaller than the screen.
    EXPECT_EQ(image.width, 160);
    EXPECT_EQ(image.height, 120);
}

TEST(CaptureCommandLine, APosesFileThatCannotGrowFailsTheRunWithStatusOne)
{
    // 200 frames of poses are far more than the 16 KiB the file may take.
    ScratchFolder folder;
    const ToolRun run = capture_test::RunProgram(capture_test::ToolPath(),
                                                 {kSmall, "--frames=200", "--poses=p.csv"},
                                                 folder.Path(), 16 * 1024);
    ExpectRefused(run, 1, "cannot write " + (folder / "p.csv") + ": File too large");
}

TEST(CaptureCommandLine, EscapeEndsTheRunEarlyWithStatusZero)
{
    ScratchFolder folder;
    const ToolRun run = RunTool({kSmall, "--frames=100", "--hold=ESCAPE:10-20", "--poses=p.csv",
                                 "--shot=5:early.png", "--shot=50:never.png"},
                                folder.Path());
    EXPECT_EQ(run.status, 0) << run.Describe();
    // The frame that saw Esc is the last one recorded.
    const auto poses = capture_test::PosesCsv::Read(folder / "p.csv");
    EXPECT_EQ(poses.LastFrame(), 10);
    EXPECT_EQ(poses.RowCount(), 11u * 6u);
    EXPECT_TRUE(fs::exists(folder / "early.png"));
    EXPECT_FALSE(fs::exists(folder / "never.png"));
    // The shot it never reached is named.
    const auto lines = Lines(run.err);
    ASSERT_EQ(lines.size(), 1u) << run.Describe();
    EXPECT_NE(lines[0].find("never.png: the program ended after frame 10"), std::string::npos);
}

TEST(CaptureCommandLine, MissingArtIsAStartUpFailureWithStatusOne)
{
    // A copy of the tool in a folder with no ../art next to it.
    ScratchFolder folder;
    fs::create_directory(folder.Path() / "bin");
    const fs::path copy = folder.Path() / "bin" / "zarv-capture";
    fs::copy_file(capture_test::ToolPath(), copy);
    const ToolRun run =
        capture_test::RunProgram(copy, {kSmall, "--frames=3", "--poses=p.csv"}, folder.Path());
    EXPECT_EQ(run.status, 1) << run.Describe();
    const auto lines = Lines(run.err);
    ASSERT_EQ(lines.size(), 1u) << run.Describe();
    EXPECT_NE(lines[0].find("i_stokF.txt"), std::string::npos) << lines[0];
    // Nothing ran, so the poses file holds only its header.
    EXPECT_EQ(capture_test::PosesCsv::Read(folder / "p.csv").RowCount(), 0u);
}

TEST(CaptureCommandLine, TheArtIsReadFromTheFolderGivenAndItsErrorsNameTheFile)
{
    ScratchFolder folder;
    const fs::path art = folder.Path() / "my art";
    fs::copy(capture_test::ToolPath().parent_path() / ".." / "art" / "3d" / "yak_52", art);
    ASSERT_TRUE(fs::exists(art / "i_propeller.txt"));

    // A copy of the art runs as the art beside the tool does.
    ToolRun run = RunTool({kSmall, "--frames=3", "--art", "my art"}, folder.Path());
    EXPECT_EQ(run.status, 0) << run.Describe();
    EXPECT_EQ(run.err, "");

    // A broken file in it stops start-up with one line a user can act on.
    {
        std::ofstream broken(art / "i_propeller.txt", std::ios::trunc);
        broken << "vertices\n{\n\tformat\n\t{\n\t\tposition 3\n\t}\n\tcount lots\n";
    }
    run = RunTool({kSmall, "--frames=3", "--art=my art"}, folder.Path());
    EXPECT_EQ(run.status, 1) << run.Describe();
    EXPECT_EQ(run.err,
              "../art/3d/yak_52/i_propeller.txt (" +
                  fs::canonical(art / "i_propeller.txt").string() +
                  "), line 7: expected the vertex count after \"count\", found \"lots\"\n");
}

} // namespace
