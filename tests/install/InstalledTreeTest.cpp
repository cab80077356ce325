// The build installed as a package build installs it (DESTDIR=<stage>,
// prefix /usr; the install.stage fixture): every file a user or a desktop
// looks for is there, the desktop entry and the AppStream metadata pass
// their validators, the manual pages render without warnings, and the
// installed capture tool works from any folder on the installed art.
#include "PngFile.h"
#include "ToolProcess.h"

#include "world/MeshTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace
{

namespace fs = std::filesystem;

const fs::path kUsr = fs::path(ZARV_STAGE) / "usr";
const std::string kId = ZARV_APP_ID;

using capture_test::RunProgram;
using capture_test::ToolRun;

bool IsExecutableFile(const fs::path& path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IXOTH);
}

TEST(InstalledTree, HoldsTheLauncherTheProgramTheToolAndTheArt)
{
    EXPECT_TRUE(IsExecutableFile(kUsr / ZARV_LAUNCHER_DIR / "zarv")) << "the launcher";
    EXPECT_TRUE(IsExecutableFile(kUsr / "bin/zarv-capture"));
    EXPECT_TRUE(IsExecutableFile(kUsr / "lib/zarv/zarv")) << "the program";
    for (const MeshTableEntry& entry : CWorld::s_meshTable)
        EXPECT_TRUE(fs::is_regular_file(kUsr / "share/zarv/art/3d/yak_52" / GetMeshFileName(entry)))
            << GetMeshFileName(entry);
}

TEST(InstalledTree, HoldsTheDesktopFilesAndManualPages)
{
    EXPECT_TRUE(fs::is_regular_file(kUsr / "share/applications" / (kId + ".desktop")));
    EXPECT_TRUE(fs::is_regular_file(kUsr / "share/metainfo" / (kId + ".metainfo.xml")));
    EXPECT_TRUE(fs::is_regular_file(kUsr / "share/man/man6/zarv.6"));
    EXPECT_TRUE(fs::is_regular_file(kUsr / "share/man/man1/zarv-capture.1"));
}

// Each size is what its folder says, the corners are transparent and the
// aircraft, opaque, fills much of the square.
TEST(InstalledTree, HoldsTheIconAtEachSizeOnATransparentBackground)
{
    for (int size : {48, 128, 256})
    {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        const fs::path path = kUsr / "share/icons/hicolor" / folder / "apps" / (kId + ".png");
        ASSERT_TRUE(fs::is_regular_file(path)) << path;
        picture::Image icon;
        ASSERT_EQ(picture::ReadPng(path.string(), icon), "");
        EXPECT_EQ(icon.width, size);
        EXPECT_EQ(icon.height, size);
        EXPECT_EQ(picture::Alpha(icon.pixels.front()), 0) << folder << " top-left corner";
        EXPECT_EQ(picture::Alpha(icon.pixels.back()), 0) << folder << " bottom-right corner";
        int opaque = 0;
        for (std::uint32_t pixel : icon.pixels)
            opaque += picture::Alpha(pixel) == 255 ? 1 : 0;
        EXPECT_GT(opaque, size * size / 8) << folder;
    }
}

TEST(InstalledTree, DesktopEntryAndMetadataPassTheirValidators)
{
    const fs::path share = kUsr / "share";
    const ToolRun desktop = RunProgram(
        DESKTOP_FILE_VALIDATE, {(share / "applications" / (kId + ".desktop")).string()}, "/");
    EXPECT_EQ(desktop.status, 0) << desktop.out << desktop.err;
    EXPECT_EQ(desktop.out + desktop.err, "");
    // Offline: nothing in the metadata needs the network to be checked.
    const ToolRun metainfo = RunProgram(APPSTREAMCLI,
                                        {"validate", "--no-net", "--pedantic",
                                         (share / "metainfo" / (kId + ".metainfo.xml")).string()},
                                        "/");
    EXPECT_EQ(metainfo.status, 0) << metainfo.out << metainfo.err;
    EXPECT_EQ(metainfo.out.find("I: "), std::string::npos) << metainfo.out;
    EXPECT_EQ(metainfo.out.find("P: "), std::string::npos) << metainfo.out;
}

TEST(InstalledTree, ManualPagesRenderWithoutWarnings)
{
    for (const char* page : {"man6/zarv.6", "man1/zarv-capture.1"})
    {
        const std::string path = (kUsr / "share/man" / page).string();
        const ToolRun man = RunProgram(MAN, {"--warnings", "-E", "UTF-8", "-l", path}, "/", 0, 600,
                                       {"LC_ALL=C.UTF-8", "MANROFFSEQ=", "MANWIDTH=80"});
        EXPECT_EQ(man.status, 0) << page << ": " << man.err;
        EXPECT_EQ(man.err, "") << page;
        EXPECT_NE(man.out.find("NAME"), std::string::npos) << page;
        const ToolRun groff = RunProgram(GROFF, {"-man", "-ww", "-z", path}, "/");
        EXPECT_EQ(groff.status, 0) << page << ": " << groff.err;
        EXPECT_EQ(groff.err, "") << page;
    }
}

// Started from /, the installed tool finds the installed art beside it and
// draws the same settled aircraft as the build tree's tool on its art.
TEST(InstalledTree, CaptureToolDrawsTheAircraftFromAnyFolder)
{
    test::ScratchFolder folder;
    const ToolRun installed =
        RunProgram(kUsr / "bin/zarv-capture",
                   {"--frames", "300", "--shot", "299:" + (folder / "installed.png")}, "/");
    ASSERT_EQ(installed.status, 0) << installed.err;
    const ToolRun built =
        capture_test::RunTool({"--frames", "300", "--shot", "299:" + (folder / "built.png")}, "/");
    ASSERT_EQ(built.status, 0) << built.err;
    picture::Image a, b;
    ASSERT_EQ(picture::ReadPng(folder / "installed.png", a), "");
    ASSERT_EQ(picture::ReadPng(folder / "built.png", b), "");
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_TRUE(a.pixels == b.pixels)
        << "the installed tool's picture differs from the build tree's";
}

} // namespace
