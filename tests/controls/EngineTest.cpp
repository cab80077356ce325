// The engine model: the spin-up toward the throttle's target, the clamp at
// the top speed, the run-down when switched off, the switches, bad input.
#include "world/Engine.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace
{
// Runs a switched-on engine up to its top speed with the target above it;
// returns the number of updates it took (at most `limit`).
int RunToTopSpeed(CEngine& engine, float maxRpm, int limit)
{
    int updates = 0;
    while (engine.GetRpm() < maxRpm && updates < limit)
    {
        engine.Update();
        ++updates;
    }
    return updates;
}
} // namespace

TEST(EngineStates, NewEngineIsStoppedAndStaysAtZero)
{
    CEngine engine(2929);
    EXPECT_FALSE(engine.IsRunning());
    EXPECT_EQ(engine.GetRpm(), 0.0f);
    // 0 - 1 is below the lower bound of 0.
    engine.Update();
    EXPECT_EQ(engine.GetRpm(), 0.0f);
}

TEST(EngineStates, SwitchesAreNoOpsInTheirOwnState)
{
    CEngine engine(2929);
    engine.SwitchOff();
    EXPECT_FALSE(engine.IsRunning());
    engine.SwitchOn();
    engine.SwitchOn();
    EXPECT_TRUE(engine.IsRunning());
    engine.SwitchOff();
    engine.SwitchOff();
    EXPECT_FALSE(engine.IsRunning());
}

TEST(EngineStates, StoppedEngineIgnoresTheTarget)
{
    CEngine engine(2929);
    engine.SetThrottle(100);
    engine.Update();
    EXPECT_EQ(engine.GetRpm(), 0.0f);
}

TEST(EngineSpeed, OneUpdateFromZeroTowardFullThrottle)
{
    CEngine engine(2929);
    engine.SetThrottle(100); // 2929 / 100 × 100 = 2929
    engine.SwitchOn();
    engine.Update();
    // 0 - (0 - 2929) × 0.01 = 29.29, in floats 2929 × 0.0099999998 =
    // 29.2899993, which rounds to the float 29.2899990 (one step below the
    // float nearest 29.29; a double-precision product would round up).
    EXPECT_EQ(engine.GetRpm(), 29.289999008f);
}

TEST(EngineSpeed, TopSpeedThenRunDownTo2900ThenOneUpdateUp)
{
    CEngine engine(2929);
    engine.SetThrottle(200); // target 5858, above the top speed
    engine.SwitchOn();
    // rpm after n updates = 5858 × (1 - 0.99^n) reaches 2929 once 0.99^n
    // <= 0.5: n = 69 (0.99^68 = 0.505, 0.99^69 = 0.4998); then clamped.
    EXPECT_EQ(RunToTopSpeed(engine, 2929, 1000), 69);
    EXPECT_EQ(engine.GetRpm(), 2929.0f);
    engine.Update();
    EXPECT_EQ(engine.GetRpm(), 2929.0f);

    // Off: 1 rpm per update, 29 updates from 2929 to 2900.
    engine.SwitchOff();
    for (int i = 0; i < 29; ++i)
        engine.Update();
    EXPECT_EQ(engine.GetRpm(), 2900.0f);

    // On again, target 2929: 2900 - (2900 - 2929) × 0.01 = 2900.29.
    engine.SetThrottle(100);
    engine.SwitchOn();
    engine.Update();
    EXPECT_FLOAT_EQ(engine.GetRpm(), 2900.29f);
}

TEST(EngineSpeed, TargetBelowTheSpeedPullsItDown)
{
    CEngine engine(2929);
    engine.SetThrottle(200);
    engine.SwitchOn();
    RunToTopSpeed(engine, 2929, 1000);
    // Target 2929 / 100 × 50 = 1464.5: 2929 - 1464.5 × 0.01 = 2914.355.
    engine.SetThrottle(50);
    engine.Update();
    EXPECT_FLOAT_EQ(engine.GetRpm(), 2914.355f);
}

TEST(EngineSpeed, RunDownFrom100Point5EndsAtExactlyZero)
{
    // Top speed 100.5, reached with a target of 201 after 69 updates as above.
    CEngine engine(100.5f);
    engine.SetThrottle(200);
    engine.SwitchOn();
    EXPECT_EQ(RunToTopSpeed(engine, 100.5f, 1000), 69);
    EXPECT_EQ(engine.GetRpm(), 100.5f);

    // 99.5, 98.5, ..., 0.5 (100 updates), then 0.5 - 1 is clamped to 0.
    engine.SwitchOff();
    for (int i = 1; i <= 100; ++i)
    {
        engine.Update();
        ASSERT_EQ(engine.GetRpm(), 100.5f - static_cast<float>(i)) << "update " << i;
    }
    engine.Update();
    EXPECT_EQ(engine.GetRpm(), 0.0f);
    engine.Update();
    EXPECT_EQ(engine.GetRpm(), 0.0f);
}

TEST(EngineInput, BadTopSpeedGivesAnEngineThatNeverTurns)
{
    for (float maxRpm :
         {-1.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()})
    {
        testing::internal::CaptureStderr();
        CEngine engine(maxRpm);
        const std::string error = testing::internal::GetCapturedStderr();
        EXPECT_NE(error.find("maximum speed"), std::string::npos) << error;
        engine.SetThrottle(100);
        engine.SwitchOn();
        engine.Update();
        EXPECT_EQ(engine.GetRpm(), 0.0f);
    }
}

TEST(EngineInput, BadThrottleKeepsTheOldTarget)
{
    CEngine engine(2929);
    engine.SetThrottle(100);
    for (float percent :
         {-5.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()})
    {
        testing::internal::CaptureStderr();
        engine.SetThrottle(percent);
        const std::string error = testing::internal::GetCapturedStderr();
        EXPECT_NE(error.find("SetThrottle"), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), error.size() - 1) << error;
    }
    // Still heading for 2929.
    engine.SwitchOn();
    engine.Update();
    EXPECT_EQ(engine.GetRpm(), 29.289999008f);
}
