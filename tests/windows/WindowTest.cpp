// The program's window under Wine on the test run's 1920×1080 X screen. The
// program asks for a captioned window 50 pixels smaller than the screen in
// each direction, 1870×1030, centred: its client area's top-left corner on
// (960 − 935, 540 − 515) = (25, 25), the frame taken from that size (Wine's
// frame is 3 pixels thick, its caption 19 tall), so a client area of
// 1867×1008. Wine gives X the client area only and asks a window manager
// (none here) for the frame; the Win32 class name stays inside Wine (X's
// WM_CLASS is named after the program's file), so window_probe.exe asks Win32.
#include "WineProgram.h"
#include "XTopWindow.h"

#include <gtest/gtest.h>

#include <sstream>

namespace windows_test
{
namespace
{

constexpr int kFrame = 3;
constexpr int kCaption = 19;
const XRectangle kClient{25, 25, 1870 - kFrame, 1030 - kFrame - kCaption};

class WineWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(x.ScreenWidth(), 1920) << "the test needs a 1920x1080 X screen";
        ASSERT_EQ(x.ScreenHeight(), 1080) << "the test needs a 1920x1080 X screen";
        window = program.WaitForFrames(x, 60);
        ASSERT_TRUE(window) << "no window \"Zarv\" showing frames within 60 s; the program said: "
                            << program.Process().Errors();
    }

    XConnection x;
    WineProgram program;
    std::optional<unsigned long> window;
};

TEST_F(WineWindow, XShowsTheClientAreaCentredAndAsksForACaptionAndBorder)
{
    EXPECT_EQ(PlaceOf(x, *window), kClient) << "where X shows the window";
    const XSizeHints hints = SizeHintsOf(x, *window);
    EXPECT_TRUE(hints.position && hints.x == kClient.x && hints.y == kClient.y)
        << "the position asked for: " << hints.x << "," << hints.y;
    EXPECT_TRUE(hints.staticGravity) << "a frame would grow outwards, the client area stays put";
    EXPECT_EQ(hints.minimum, (XRectangle{0, 0, kClient.width, kClient.height}))
        << "not resizable: smallest size";
    EXPECT_EQ(hints.maximum, (XRectangle{0, 0, kClient.width, kClient.height}))
        << "not resizable: largest size";
    constexpr unsigned long kBorder = 0x2, kTitle = 0x8;
    EXPECT_EQ(DecorationsOf(x, *window), kBorder | kTitle)
        << "the frame asked of a window manager: a border and a title, nothing else";
}

TEST_F(WineWindow, Win32HasTheClassCWindowAndTheFrameAroundTheCentredClientArea)
{
    const XClassHint names = ClassOf(x, *window);
    EXPECT_EQ(names.name, "zarv.exe") << "X's WM_CLASS is the program's file name";
    EXPECT_EQ(names.className, "zarv.exe") << "X's WM_CLASS is the program's file name";

    ChildProcess probe({Programs::WineRun().string(), Programs::WindowProbe().string()},
                       program.Folder().Bin());
    ASSERT_EQ(probe.Wait(60), 0) << "window_probe.exe: " << probe.Errors();
    std::ostringstream expected;
    expected << "class CWindow\n"
             << "window " << kClient.x - kFrame << " " << kClient.y - kFrame - kCaption << " "
             << kClient.x + kClient.width + kFrame << " " << kClient.y + kClient.height + kFrame
             << "\n"
             << "client " << kClient.x << " " << kClient.y << " " << kClient.x + kClient.width
             << " " << kClient.y + kClient.height << "\n";
    EXPECT_EQ(probe.Output(), expected.str()) << "the window as Win32 (Wine) has it";
}

} // namespace
} // namespace windows_test
