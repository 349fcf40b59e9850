#include "ui/LengthyOperationTiming.h"

#include <gtest/gtest.h>

using Cursor = CLengthyOperationTiming::ECursor;

TEST(LengthyOperationTiming, ArrowForHalfASecondThenFramesEveryTwelveTicks)
{
    CLengthyOperationTiming timing(1000);
    EXPECT_EQ(timing.StepCursor(1000), Cursor::kArrow);
    EXPECT_EQ(timing.StepCursor(1030), Cursor::kArrow);
    EXPECT_EQ(timing.StepCursor(1031), Cursor::kBusy);
    EXPECT_EQ(timing.GetCursorFrame(), 1); // 31 ticks since the start
    EXPECT_EQ(timing.StepCursor(1042), Cursor::kBusy);
    EXPECT_EQ(timing.GetCursorFrame(), 1);
    uint32_t now = 1043;
    for (uint16_t frame = 2; frame < 10; ++frame, now += 12) {
        timing.StepCursor(now);
        EXPECT_EQ(timing.GetCursorFrame(), frame % 8);
    }
}

TEST(LengthyOperationTiming, ChecksAtMostEveryTwelveTicks)
{
    CLengthyOperationTiming timing(500);
    EXPECT_TRUE(timing.TakeCheck(500)); // the first report checks at once
    EXPECT_FALSE(timing.TakeCheck(512));
    EXPECT_TRUE(timing.TakeCheck(513));
    EXPECT_FALSE(timing.TakeCheck(520));
    EXPECT_TRUE(timing.TakeCheck(600));
}

TEST(LengthyOperationTiming, WindowAfterFiveSecondsOrAtOnce)
{
    CLengthyOperationTiming timing(100);
    EXPECT_FALSE(timing.IsWindowDue(399, false, true));
    EXPECT_TRUE(timing.IsWindowDue(400, false, true));
    EXPECT_FALSE(timing.IsWindowDue(100000, false, false)); // the default constructor's operations never show
    EXPECT_TRUE(timing.IsWindowDue(100, true, false));
}

TEST(LengthyOperationTiming, KeepsItsRulesAcrossTheClocksWrap)
{
    CLengthyOperationTiming timing(0xFFFFFFF0u);
    EXPECT_EQ(timing.StepCursor(5), Cursor::kArrow); // 21 ticks later
    EXPECT_EQ(timing.StepCursor(20), Cursor::kBusy);
    EXPECT_FALSE(timing.IsWindowDue(20, false, true));
    EXPECT_TRUE(timing.IsWindowDue(300 - 16, false, true));
}
