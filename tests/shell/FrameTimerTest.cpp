// The frame timer on the virtual performance counter.
#include "app/FrameTimer.h"

#include <compat/win32.h>

#include <gtest/gtest.h>

namespace
{
class FrameTimerTest : public ::testing::Test
{
protected:
    void SetUp() override { compat::win32::UseVirtualClock(1000); }
    void TearDown() override { compat::win32::UseRealClock(); }
};
} // namespace

TEST_F(FrameTimerTest, FirstUpdateMeasuresFromStartNotFromConstruction)
{
    CFrameTimer timer;
    compat::win32::AdvanceVirtualClock(500); // start-up work after construction
    timer.Start();
    compat::win32::AdvanceVirtualClock(16);
    timer.Update(false);
    EXPECT_FLOAT_EQ(timer.GetElapsed(), 0.016f);
}

TEST_F(FrameTimerTest, ConsecutiveUpdatesMeasureTheirOwnIntervals)
{
    CFrameTimer timer;
    timer.Start();
    compat::win32::AdvanceVirtualClock(20);
    timer.Update(false);
    compat::win32::AdvanceVirtualClock(5);
    timer.Update(false);
    EXPECT_FLOAT_EQ(timer.GetElapsed(), 0.005f);
    // The value stays until the next Update.
    compat::win32::AdvanceVirtualClock(100);
    EXPECT_FLOAT_EQ(timer.GetElapsed(), 0.005f);
}

TEST_F(FrameTimerTest, TwoUpdatesWithinOneTickGiveZero)
{
    CFrameTimer timer;
    timer.Start();
    compat::win32::AdvanceVirtualClock(7);
    timer.Update(false);
    timer.Update(false);
    EXPECT_EQ(timer.GetElapsed(), 0.0f);
}

TEST_F(FrameTimerTest, LongStallIsNeitherClampedNorSmoothed)
{
    CFrameTimer timer;
    timer.Start();
    compat::win32::AdvanceVirtualClock(16);
    timer.Update(false);
    compat::win32::AdvanceVirtualClock(12'345);
    timer.Update(false);
    EXPECT_FLOAT_EQ(timer.GetElapsed(), 12.345f);
}

TEST_F(FrameTimerTest, FrequencyIsReadAgainOnlyWhenAsked)
{
    CFrameTimer timer;
    timer.Start();
    compat::win32::UseVirtualClock(2000); // the counter now runs at 2 kHz
    compat::win32::AdvanceVirtualClock(100);
    timer.Update(false);
    // Still divided by the frequency read at construction.
    EXPECT_FLOAT_EQ(timer.GetElapsed(), 0.1f);
    compat::win32::AdvanceVirtualClock(100);
    timer.Update(true);
    EXPECT_FLOAT_EQ(timer.GetElapsed(), 0.05f);
}
