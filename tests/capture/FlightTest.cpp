// The whole program with the engine: E starts it, `=` opens the throttle,
// and the root node flies off with the view following it, away from the
// airframe that stays on the ground. Two runs, with and without `=`; the
// engine starts once the airframe has landed, at frame 150.
#include "CaptureOutputs.h"
#include "PngFile.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

using capture_test::Length;
using capture_test::PosesCsv;
using capture_test::Vec3;
using picture::Image;
using picture::Rgb;

constexpr long kEngineFrame = 150;
constexpr long kLastFrame = 1049;

class CaptureFlight : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<capture_test::ScratchFolder>();
        throttledRun = capture_test::RunTool(
            {"--screen=850x650", "--frames=1050", "--hold=E:150-150", "--hold=EQUALS:151-550",
             "--shot=149:before.png", "--shot=1049:after.png", "--poses=throttled.csv"},
            folder->Path());
        // Only poses from this one, up to the end of the throttle's opening:
        // a small screen is enough.
        idleRun = capture_test::RunTool(
            {"--screen=210x170", "--frames=551", "--hold=E:150-150", "--poses=idle.csv"},
            folder->Path());
    }
    static void TearDownTestSuite() { folder.reset(); }

    void SetUp() override
    {
        ASSERT_EQ(throttledRun.status, 0) << throttledRun.Describe();
        ASSERT_EQ(idleRun.status, 0) << idleRun.Describe();
        throttled = PosesCsv::Read(*folder / "throttled.csv");
        idle = PosesCsv::Read(*folder / "idle.csv");
    }

    static inline std::unique_ptr<capture_test::ScratchFolder> folder;
    static inline capture_test::ToolRun throttledRun, idleRun;
    PosesCsv throttled, idle;
};

TEST_F(CaptureFlight, TheRootWaitsForTheEngine)
{
    for (long frame = 1; frame < kEngineFrame; ++frame)
        EXPECT_LT(Length(throttled.At(frame, "root").position - throttled.At(0, "root").position),
                  1e-6)
            << "frame " << frame;
    EXPECT_GT(Length(throttled.At(kLastFrame, "root").position -
                     throttled.At(kEngineFrame, "root").position),
              15.0);
}

TEST_F(CaptureFlight, TheViewMovesWithTheRoot)
{
    const Vec3 offset = throttled.At(0, "camera").position - throttled.At(0, "root").position;
    for (long frame = kEngineFrame; frame <= kLastFrame; frame += 10)
    {
        const Vec3 now =
            throttled.At(frame, "camera").position - throttled.At(frame, "root").position;
        EXPECT_LT(Length(now - offset), 0.01) << "frame " << frame;
        EXPECT_LT(
            capture_test::TurnDegrees(throttled.At(frame, "camera"), throttled.At(frame, "root")),
            0.01)
            << "frame " << frame;
    }
}

TEST_F(CaptureFlight, OpeningTheThrottleFliesFartherThanTheEngineAlone)
{
    // Compared when `=` is let go.
    const auto distance = [](const PosesCsv& poses)
    { return Length(poses.At(550, "root").position - poses.At(0, "root").position); };
    EXPECT_GT(distance(idle), 0.0);
    EXPECT_GT(distance(throttled), 2.0 * distance(idle));
    // Up to the engine frame the two runs are the same.
    EXPECT_EQ(Length(throttled.At(kEngineFrame, "root").position -
                     idle.At(kEngineFrame, "root").position),
              0.0);
}

TEST_F(CaptureFlight, TheAirframeStaysBehindOnTheGround)
{
    EXPECT_LT(Length(throttled.At(550, "fuselage").position - idle.At(550, "fuselage").position),
              0.01);
    EXPECT_LT(Length(throttled.At(kLastFrame, "fuselage").position -
                     throttled.At(550, "fuselage").position),
              0.01);
    // In the picture, below the help texts: there before the flight, gone
    // from the view after it.
    const auto airframePixels = [](const Image& shot)
    {
        return shot.Count({0, 150, shot.width, shot.height},
                          [](Rgb c) {
                              return picture::Differ(c, {0x9B, 0x9B, 0xFF}, 2);
                          });
    };
    Image before, after;
    ASSERT_EQ(picture::ReadPng(*folder / "before.png", before), "");
    ASSERT_EQ(picture::ReadPng(*folder / "after.png", after), "");
    EXPECT_GT(airframePixels(before), before.width * before.height / 100);
    EXPECT_LT(airframePixels(after), airframePixels(before) / 10);
}

} // namespace
