// The whole program for six simulated seconds with no key pressed: the
// aircraft drops onto its wheels and comes to rest, and the last frame shows
// it on the sky with the help texts. One run serves the whole suite.
#include "CaptureOutputs.h"
#include "PngFile.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

using capture_test::Length;
using capture_test::PosesCsv;
using picture::Image;
using picture::Rgb;

class CaptureSettled : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<capture_test::ScratchFolder>();
        run = capture_test::RunTool({"--frames=360", "--shot=359:settled.png", "--poses=p.csv"},
                                    folder->Path());
    }
    static void TearDownTestSuite() { folder.reset(); }

    void SetUp() override
    {
        ASSERT_EQ(run.status, 0) << run.Describe();
        poses = PosesCsv::Read(*folder / "p.csv");
    }

    // The last frame; empty, and the test failed, when it cannot be read.
    Image Shot() const
    {
        Image shot;
        EXPECT_EQ(picture::ReadPng(*folder / "settled.png", shot), "");
        return shot;
    }

    static inline std::unique_ptr<capture_test::ScratchFolder> folder;
    static inline capture_test::ToolRun run;
    PosesCsv poses;
};

const char* const kBodies[] = {"fuselage", "front_wheel", "left_wheel", "right_wheel"};

TEST_F(CaptureSettled, RecordsSixBodiesInEveryFrame)
{
    EXPECT_EQ(poses.Header(), "frame,time,body,x,y,z,qx,qy,qz,qw");
    EXPECT_EQ(poses.LastFrame(), 359);
    EXPECT_EQ(poses.RowCount(), 360u * 6u);
    // The virtual clock gives every frame 1/60 s.
    EXPECT_NEAR(poses.At(0, "root").time, 1.0 / 60.0, 1e-6);
    EXPECT_NEAR(poses.At(359, "camera").time, 6.0, 1e-6);
}

// The resting pose worked out by hand for the physics stand-in (see
// tests/physx/AircraftTest.cpp): the wheels' centres 0.35 above the ground
// (sphere radius less two skins), the fuselage's centre at 1.2210 m, its nose
// 4.418 degrees up since the nose strut hangs lower.
TEST_F(CaptureSettled, BodiesRestWhereTheStrutsBalanceTheAirframe)
{
    for (const char* wheel : {"front_wheel", "left_wheel", "right_wheel"})
        EXPECT_NEAR(poses.At(359, wheel).position.y, 0.35, 0.01) << wheel;
    EXPECT_NEAR(poses.At(359, "front_wheel").position.x, 0.0, 0.01);
    EXPECT_NEAR(poses.At(359, "left_wheel").position.x, 1.41, 0.01);
    EXPECT_NEAR(poses.At(359, "right_wheel").position.x, -1.41, 0.01);

    const capture_test::PoseRow& fuselage = poses.At(359, "fuselage");
    EXPECT_NEAR(fuselage.position.y, 1.2210, 0.01);
    EXPECT_NEAR(fuselage.NoseUpDegrees(), 4.418, 0.5);
    EXPECT_NEAR(fuselage.position.x, 0.0, 0.01);
}

TEST_F(CaptureSettled, BodiesHaveStoppedMovingInTheSixthSecond)
{
    for (const char* body : kBodies)
    {
        EXPECT_LT(Length(poses.At(359, body).position - poses.At(299, body).position), 0.002)
            << body;
        EXPECT_LT(capture_test::TurnDegrees(poses.At(359, body), poses.At(299, body)), 0.1) << body;
    }
    // They did fall to get there: the fuselage starts more than 4 m higher.
    EXPECT_GT(poses.At(0, "fuselage").position.y - poses.At(359, "fuselage").position.y, 4.0);
}

TEST_F(CaptureSettled, WithoutKeysTheRootAndTheViewStayWhereTheyStarted)
{
    for (const char* node : {"root", "camera"})
    {
        EXPECT_LT(Length(poses.At(359, node).position - poses.At(0, node).position), 1e-6) << node;
        EXPECT_LT(capture_test::TurnDegrees(poses.At(359, node), poses.At(0, node)), 1e-3) << node;
    }
    // Viewpoint 0 is 15 m from the root.
    EXPECT_NEAR(Length(poses.At(0, "camera").position - poses.At(0, "root").position), 15.0, 1e-3);
}

bool IsSky(Rgb c)
{
    return !picture::Differ(c, {0x9B, 0x9B, 0xFF}, 2);
}
bool IsCyanText(Rgb c)
{
    return c.r < 100 && c.g > 180 && c.b > 180;
}
bool IsRed(Rgb c)
{
    return c.r > 120 && c.g < 60 && c.b < 60;
}
// Lit white: a grey, bright enough not to be the shadowed side alone.
bool IsLitWhite(Rgb c)
{
    return c.r > 90 && std::abs(c.r - c.g) < 12 && std::abs(c.g - c.b) < 12;
}

TEST_F(CaptureSettled, ShotIsTheWholeBackBufferWithSkyInTheCorners)
{
    const Image shot = Shot();
    // A 1920×1080 screen gives a window and back buffer 50 pixels smaller.
    ASSERT_EQ(shot.width, 1870);
    ASSERT_EQ(shot.height, 1030);
    const int w = shot.width, h = shot.height, side = 16;
    for (const auto& [x0, y0] : {std::pair{0, h - side}, {w - side, 0}, {w - side, h - side}})
        EXPECT_EQ(shot.Count({x0, y0, x0 + side, y0 + side}, IsSky), side * side)
            << "corner at " << x0 << "," << y0;
    // The top-left corner is sky too, the texts being centred in 600 pixels.
    EXPECT_EQ(shot.Count({0, 0, side, side}, IsSky), side * side);
}

TEST_F(CaptureSettled, HelpTextsSitTopLeftCyanAboveRed)
{
    const Image shot = Shot();
    // The camera help: cyan, from the top, within the first 600 pixels.
    EXPECT_GT(shot.Count({0, 0, 600, 100}, IsCyanText), 100);
    // The keys help: red, from 100 pixels down.
    EXPECT_GT(shot.Count({0, 100, 600, 200}, IsRed), 60);
    EXPECT_EQ(shot.Count({0, 100, 600, 200}, IsCyanText), 0);
    EXPECT_EQ(shot.Count({0, 0, 600, 100}, IsRed), 0);
    // No text anywhere else.
    EXPECT_EQ(shot.Count({600, 0, shot.width, 200}, IsCyanText), 0);
    EXPECT_EQ(shot.Count({0, 200, shot.width, shot.height}, IsCyanText), 0);
}

TEST_F(CaptureSettled, AirframeIsWhiteAndTheNoseWheelRedNearTheMiddle)
{
    const Image shot = Shot();
    const picture::Region middleHalf{shot.width / 4, shot.height / 4, 3 * shot.width / 4,
                                     3 * shot.height / 4};
    const int middle = (middleHalf.right - middleHalf.left) * (middleHalf.bottom - middleHalf.top);
    const int white = shot.Count(middleHalf, IsLitWhite);
    const int red = shot.Count(middleHalf, IsRed);
    EXPECT_GT(white, middle / 50) << "lit white pixels in the middle half";
    EXPECT_GT(red, 200) << "red pixels in the middle half";
    // The middle is where the aircraft is: the outer edge is sky.
    const int edge = shot.Count({0, shot.height - 40, shot.width, shot.height}, IsLitWhite);
    EXPECT_LT(edge, white / 10);
}

} // namespace
