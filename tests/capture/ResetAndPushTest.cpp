// The whole program with P and R: pushing lowers the resting fuselage, and
// holding R puts every body back at its start. One run serves the suite:
// settled by frame 299, P held for frames 300-359, R for frames 420-424.
#include "CaptureOutputs.h"
#include "ToolProcess.h"

#include "world/WorldGlobals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace
{

using capture_test::Length;
using capture_test::PosesCsv;
using capture_test::Vec3;

class CaptureResetAndPush : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<capture_test::ScratchFolder>();
        run = capture_test::RunTool({"--screen=400x300", "--frames=480", "--hold=P:300-359",
                                     "--hold=R:420-424", "--poses=p.csv"},
                                    folder->Path());
    }
    static void TearDownTestSuite() { folder.reset(); }

    void SetUp() override
    {
        ASSERT_EQ(run.status, 0) << run.Describe();
        poses = PosesCsv::Read(*folder / "p.csv");
        ASSERT_EQ(poses.LastFrame(), 479);
    }

    double FuselageHeight(long frame) const { return poses.At(frame, "fuselage").position.y; }

    static inline std::unique_ptr<capture_test::ScratchFolder> folder;
    static inline capture_test::ToolRun run;
    PosesCsv poses;
};

Vec3 Of(const NxVec3& v)
{
    return {v.x, v.y, v.z};
}

TEST_F(CaptureResetAndPush, HoldingPLowersTheRestingFuselage)
{
    // At rest before the push: the height holds still to a tenth of a millimetre.
    EXPECT_NEAR(FuselageHeight(299), FuselageHeight(240), 1e-4);
    double lowest = FuselageHeight(299);
    for (long frame = 300; frame <= 359; ++frame)
        lowest = std::min(lowest, FuselageHeight(frame));
    // 900 N more on the struts: statically 3.7 mm lower.
    EXPECT_GT(FuselageHeight(299) - lowest, 0.002);
    EXPECT_LT(FuselageHeight(299) - lowest, 0.05);
    // Pushed down, not sideways.
    const Vec3 drift = poses.At(359, "fuselage").position - poses.At(299, "fuselage").position;
    EXPECT_LT(std::hypot(drift.x, drift.z), 0.005);
}

TEST_F(CaptureResetAndPush, HoldingRPutsEveryBodyBackAtItsStartEachFrame)
{
    const struct
    {
        const char* body;
        Vec3 start;
    } bodies[] = {{"fuselage", Of(g_fuselageStart)},
                  {"front_wheel", Of(g_frontWheelStart)},
                  {"left_wheel", Of(g_leftWheelStart)},
                  {"right_wheel", Of(g_rightWheelStart)}};
    for (const auto& [body, start] : bodies)
    {
        EXPECT_GT(Length(poses.At(419, body).position - start), 3.0) << body << " before R";
        // Back at the start each frame, then one step of falling with the
        // speed kept, which grows by g·dt every frame R is held.
        for (long frame = 420; frame <= 424; ++frame)
            EXPECT_LT(Length(poses.At(frame, body).position - start), 0.05)
                << body << " in frame " << frame;
        // Orientations are kept.
        EXPECT_LT(capture_test::TurnDegrees(poses.At(420, body), poses.At(419, body)), 0.1) << body;
    }
    // Let go, the aircraft drops again.
    EXPECT_LT(FuselageHeight(479), FuselageHeight(424) - 2.0);
}

TEST_F(CaptureResetAndPush, NeitherKeyMovesTheRootOrTheView)
{
    for (const char* node : {"root", "camera"})
        for (long frame : {299L, 359L, 424L, 479L})
            EXPECT_LT(Length(poses.At(frame, node).position - poses.At(0, node).position), 1e-6)
                << node << " in frame " << frame;
}

} // namespace
