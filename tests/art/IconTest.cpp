// The committed icon (desktop/icons/<N>.png, installed as the program's icon)
// against the icon yak52-icon draws afresh from the art: at every committed
// size, the same size and all but a few pixels alike. Another Mesa may round
// a shade or an edge pixel differently; a changed view, light or model, or a
// part of the aircraft gone, changes many pixels by far more.
#include "ChildProcess.h"
#include "Difference.h"
#include "PngFile.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace
{

namespace fs = std::filesystem;

// A pixel differs when its colour as shown over black or its opacity is off
// by more than this many levels (of 255; picture::PixelDifference), and at
// most this share of an icon's pixels may differ. Shades a light 1% brighter are at most 3 levels
// off, and a view moved by a millimetre (a fraction of a pixel, as another rasteriser might place
// an edge) makes at most 0.1% of the pixels differ; a view moved by a centimetre makes 0.8 to 3.6%
// differ, a light 6% dimmer 13%, and the front wheel gone 0.8% of the largest icon and 1.5% of the
// smallest.
constexpr int kLevels = 8;
constexpr double kMostDiffering = 0.005;

// The sizes committed: every <N>.png in the icon folder. A picture not named
// after its size fails the test.
std::vector<unsigned> CommittedSizes()
{
    std::vector<unsigned> sizes;
    for (const auto& entry : fs::directory_iterator(ZARV_ICON_FOLDER))
    {
        if (entry.path().extension() != ".png")
            continue;
        const std::string stem = entry.path().stem().string();
        if (stem.empty() || stem.find_first_not_of("0123456789") != std::string::npos)
            ADD_FAILURE() << entry.path() << " is not named <size>.png";
        else
            sizes.push_back(unsigned(std::stoul(stem)));
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

std::string Percent(double share)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%%", 100 * share);
    return text;
}

TEST(Icon, CommittedFilesMatchAFreshDrawing)
{
    const std::vector<unsigned> sizes = CommittedSizes();
    ASSERT_FALSE(sizes.empty()) << "no icon in " << ZARV_ICON_FOLDER;
    const test::ScratchFolder scratch{"zarv-icon-test"};
    std::vector<std::string> command = {YAK52_ICON, ZARV_ART_FOLDER};
    for (unsigned size : sizes)
        command.push_back(std::to_string(size) + ":" + (scratch / (std::to_string(size) + ".png")));
    test::ChildProcess drawing(command, scratch.Path(), {"SDL_VIDEODRIVER=offscreen"});
    ASSERT_EQ(drawing.Wait(240).value_or(-1), 0) << drawing.Errors();

    for (unsigned size : sizes)
    {
        const std::string name = std::to_string(size) + ".png";
        picture::Image committed, fresh;
        ASSERT_EQ(picture::ReadPng((fs::path(ZARV_ICON_FOLDER) / name).string(), committed), "");
        ASSERT_EQ(picture::ReadPng(scratch / name, fresh), "");
        ASSERT_EQ(committed.width, int(size)) << name << " is not " << size << " pixels wide";
        ASSERT_EQ(committed.height, int(size)) << name << " is not " << size << " pixels high";
        ASSERT_EQ(fresh.width, int(size));
        ASSERT_EQ(fresh.height, int(size));
        const double share = picture::Compare(committed, fresh, kLevels).Share();
        EXPECT_LE(share, kMostDiffering)
            << size << " px: " << Percent(share) << " of the pixels differ by more than " << kLevels
            << " levels from a fresh drawing (at most " << Percent(kMostDiffering)
            << " may); if the change is meant, draw the icon again with the `icon` target";
    }
}

} // namespace
