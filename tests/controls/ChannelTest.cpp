// Control channels: the world's nine rates, clamping at the bounds, the
// return toward zero, the mark, and refused input.
#include "world/ChannelTable.h"
#include "world/ControlChannel.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <string>

namespace
{
// Each of the world's channels, in the order of its channel table, with the
// rate it must move at: (maximum - minimum) / time, worked out by hand.
const struct
{
    const char* name;
    float rate;
} g_worldRates[] = {
    {"roll", 0.38f},           // 38 / 100
    {"left aileron", 0.038f},  // 38 / 1000
    {"right aileron", 0.038f}, // 38 / 1000
    {"elevator", 100},         // 50 / 0.5
    {"rudder", 108},           // 54 / 0.5
    {"front canopy", 1},       // 0.5 / 0.5
    {"rear canopy", 1},        // 0.5 / 0.5
    {"brake flaps", 30},       // 45 / 1.5
    {"throttle", 0.98f},       // 98 / 100
};
static_assert(std::size(g_worldRates) == std::size(CWorld::s_channelTable));

CControlChannel Channel(float minimum, float maximum, float time, float value)
{
    CControlChannel channel;
    EXPECT_TRUE(channel.Init(minimum, maximum, time, value));
    return channel;
}
} // namespace

TEST(ChannelRates, EachWorldChannelMovesAtItsTableRate)
{
    for (std::size_t i = 0; i < std::size(g_worldRates); ++i)
    {
        SCOPED_TRACE(g_worldRates[i].name);
        const ChannelTableEntry& entry = CWorld::s_channelTable[i];
        const float rate = g_worldRates[i].rate;
        CControlChannel channel = Channel(entry.minimum, entry.maximum, entry.time, entry.value);
        EXPECT_EQ(channel.Get(), entry.value);
        // A step of a hundredth of the sweep time moves 1 % of the range,
        // away from both bounds for every channel.
        const float dt = entry.time / 100.0f;
        channel.Mark();
        channel.Decrease(dt);
        // The value's own rounding (9.02 next to 10 for the throttle) allows
        // a few millionths.
        EXPECT_NEAR(channel.Delta(), -rate * dt, 1e-5f * rate * dt);
    }
}

TEST(ChannelRates, RollRampsBy038AndStopsAt19)
{
    CControlChannel roll = Channel(-19, 19, 100, 0);
    roll.Increase(1.0f);
    EXPECT_FLOAT_EQ(roll.Get(), 0.38f);
    // 19 / 0.38 = 50 steps to the top; the 51st and later are clamped.
    for (int i = 0; i < 60; ++i)
        roll.Increase(1.0f);
    EXPECT_EQ(roll.Get(), 19.0f);
}

TEST(ChannelClamping, ThrottleReachesTheTopOnThe92ndIncrease)
{
    CControlChannel throttle = Channel(2, 100, 100, 10);
    // 10 + 91 × 0.98 = 99.18, still short of 100; 10 + 92 × 0.98 = 100.16,
    // clamped to 100.
    for (int i = 0; i < 91; ++i)
        throttle.Increase(1.0f);
    EXPECT_NEAR(throttle.Get(), 99.18f, 1e-3f);
    throttle.Increase(1.0f);
    EXPECT_EQ(throttle.Get(), 100.0f);
}

TEST(ChannelClamping, ThrottleNeverDropsBelowTwo)
{
    CControlChannel throttle = Channel(2, 100, 100, 10);
    // 10 - 8 × 0.98 = 2.16; the 9th decrease would give 1.18 and is clamped.
    for (int i = 0; i < 8; ++i)
        throttle.Decrease(1.0f);
    EXPECT_NEAR(throttle.Get(), 2.16f, 1e-4f);
    throttle.Decrease(1.0f);
    EXPECT_EQ(throttle.Get(), 2.0f);
    throttle.Decrease(100.0f);
    EXPECT_EQ(throttle.Get(), 2.0f);
}

TEST(ChannelClamping, BrakeFlapsSweepToMinus45InOneAndAHalfSeconds)
{
    CControlChannel flaps = Channel(-45, 0, 1.5f, 0);
    // 30 per second: -15 after 0.5 s, -30 after 1 s, -45 after 1.5 s.
    flaps.Decrease(0.5f);
    EXPECT_EQ(flaps.Get(), -15.0f);
    flaps.Decrease(0.5f);
    EXPECT_EQ(flaps.Get(), -30.0f);
    flaps.Decrease(0.5f);
    EXPECT_EQ(flaps.Get(), -45.0f);
    flaps.Decrease(0.5f);
    EXPECT_EQ(flaps.Get(), -45.0f);
}

TEST(ChannelClamping, InitKeepsAValueOutsideTheBounds)
{
    CControlChannel channel = Channel(-1, 1, 2, 5);
    EXPECT_EQ(channel.Get(), 5.0f);
    // The upper clamp pulls it straight back to the maximum.
    channel.Increase(0.0f);
    EXPECT_EQ(channel.Get(), 1.0f);
}

// A canopy channel: range -0.5..0, rate 1, so step = dt.
TEST(ChannelCenter, StopsAtZeroInsteadOfOvershooting)
{
    // 0 < 0.5 < 1: set to zero, not moved on to -0.5.
    CControlChannel channel = Channel(-0.5f, 0, 0.5f, 0.5f);
    channel.Center(1.0f);
    EXPECT_EQ(channel.Get(), 0.0f);
    channel.Center(1.0f);
    EXPECT_EQ(channel.Get(), 0.0f);
}

TEST(ChannelCenter, MovesOneStepWhenFartherThanAStep)
{
    // -0.5 is not within 0.2 of zero: -0.5 + 0.2 = -0.3.
    CControlChannel channel = Channel(-0.5f, 0, 0.5f, -0.5f);
    channel.Center(0.2f);
    EXPECT_FLOAT_EQ(channel.Get(), -0.3f);
}

TEST(ChannelCenter, ExactlyOneStepAwayLandsOnZero)
{
    // ±0.25 with step 0.25: skipped by the overshoot rule, then moved by one
    // step to exactly 0 (both values are exact in binary).
    CControlChannel above = Channel(-0.5f, 0, 0.5f, 0.25f);
    above.Center(0.25f);
    EXPECT_EQ(above.Get(), 0.0f);
    CControlChannel below = Channel(-0.5f, 0, 0.5f, -0.25f);
    below.Center(0.25f);
    EXPECT_EQ(below.Get(), 0.0f);
}

TEST(ChannelCenter, MovesTowardZeroEvenWhenZeroIsABound)
{
    // The canopy's range ends at 0: from -0.5 with step 1 it stops at 0 and
    // never crosses to +0.5.
    CControlChannel canopy = Channel(-0.5f, 0, 0.5f, -0.5f);
    canopy.Center(1.0f);
    EXPECT_EQ(canopy.Get(), 0.0f);
    // From 0.4 (outside the range) it still heads for zero: 0.4 - 0.25.
    CControlChannel outside = Channel(-0.5f, 0, 0.5f, 0.4f);
    outside.Center(0.25f);
    EXPECT_FLOAT_EQ(outside.Get(), 0.15f);
}

TEST(ChannelMark, DeltaIsTheChangeActuallyMadeByAClampedRamp)
{
    CControlChannel throttle = Channel(2, 100, 100, 10);
    for (int i = 0; i < 91; ++i)
        throttle.Increase(1.0f);
    throttle.Mark();
    EXPECT_EQ(throttle.Delta(), 0.0f);
    // 99.18 is marked; the ramp of 0.98 is cut at 100, so 0.82 is made.
    throttle.Increase(1.0f);
    EXPECT_NEAR(throttle.Delta(), 0.82f, 1e-3f);
    // Marking again at the top: a clamped ramp makes no change at all.
    throttle.Mark();
    throttle.Increase(1.0f);
    EXPECT_EQ(throttle.Delta(), 0.0f);
    // 100 - 0.98 is rounded to the floats' spacing near 99 (8e-6).
    throttle.Decrease(1.0f);
    EXPECT_NEAR(throttle.Delta(), -0.98f, 1e-5f);
}

TEST(ChannelInput, InitRefusesRangesAndTimesThatGiveNoRate)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct
    {
        float minimum, maximum, time, value;
        const char* word; // what the error line must name
    } cases[] = {
        {-1, 1, 0, 0, "time"},     {-1, 1, -2, 0, "time"},    {-1, 1, nan, 0, "time"},
        {-1, 1, inf, 0, "time"},   {1, -1, 1, 0, "above"},    {nan, 1, 1, 0, "finite"},
        {-1, inf, 1, 0, "finite"}, {-1, 1, 1, nan, "finite"},
    };
    for (const auto& c : cases)
    {
        CControlChannel channel;
        ASSERT_TRUE(channel.Init(0, 4, 4, 2));
        testing::internal::CaptureStderr();
        EXPECT_FALSE(channel.Init(c.minimum, c.maximum, c.time, c.value));
        const std::string error = testing::internal::GetCapturedStderr();
        EXPECT_NE(error.find(c.word), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), error.size() - 1) << error;
        // The refused Init left the channel as it was: value 2, rate 1.
        channel.Increase(1.0f);
        EXPECT_EQ(channel.Get(), 3.0f);
    }
}

TEST(ChannelInput, MovesRefuseNegativeAndNonFiniteSteps)
{
    CControlChannel channel = Channel(-19, 19, 100, 0.5f);
    for (float dt :
         {-1.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()})
    {
        testing::internal::CaptureStderr();
        channel.Increase(dt);
        channel.Decrease(dt);
        channel.Center(dt);
        const std::string error = testing::internal::GetCapturedStderr();
        EXPECT_NE(error.find("Increase: dt"), std::string::npos) << error;
        EXPECT_NE(error.find("Decrease: dt"), std::string::npos) << error;
        EXPECT_NE(error.find("Center: dt"), std::string::npos) << error;
        EXPECT_EQ(channel.Get(), 0.5f);
    }
}
