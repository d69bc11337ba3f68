#include "engine/StepTimer.h"

#include <gtest/gtest.h>

#include <limits>

namespace varn {

namespace {

StepTimer SeededTimer(float seed) {
    StepTimer timer;
    timer.seed = seed;
    return timer;
}

}  // namespace

TEST(StepTimerSteps, SeedZeroTakesOneStepAFrameWhileTheDebtGrows) {
    StepTimer timer;
    EXPECT_EQ(timer.Steps(100, 16), 1);
    EXPECT_EQ(timer.lastIncrement, 1.6f);
    EXPECT_FLOAT_EQ(timer.accumulator, 0.6f);
    for (int frame = 2; frame <= 50; ++frame) {
        ASSERT_EQ(timer.Steps(100, 16), 1) << "frame " << frame;
    }
    EXPECT_NEAR(timer.accumulator, 50 * 0.6f, 1e-3f);
    // 10 x 0.001f rounds to just above 0.01f; dividing by 1000 would give 0.01f itself.
    timer.Steps(1, 10);
    EXPECT_EQ(timer.lastIncrement, 0.0100000007078051567f);
}

TEST(StepTimerSteps, AFrameBeyondAByteTakesAtMost255StepsAndKeepsTheRest) {
    StepTimer timer = SeededTimer(255.0f);
    EXPECT_EQ(timer.Steps(60000, 1000), 255);
    EXPECT_FLOAT_EQ(timer.accumulator, 60000.0f - 255.0f);
    // Extreme inputs stay bounded, and a negative expected count does not wrap below 0.
    const int32_t kMax = std::numeric_limits<int32_t>::max();
    StepTimer huge = SeededTimer(std::numeric_limits<float>::max());
    EXPECT_EQ(huge.Steps(kMax, kMax), 255);
    EXPECT_EQ(SeededTimer(255.0f).Steps(-600, 16), 0);
    for (int frame = 0; frame < 30; ++frame) {
        huge.StepsAveraged(kMax, kMax);
        huge.StepsAveraged(-kMax, kMax);
    }
}

TEST(StepTimerAveraged, TenthFrameSetsTheExpectedCountAndTheDebtIsPaidOff) {
    StepTimer timer;
    int total = 0;
    for (int frame = 1; frame <= 40; ++frame) {
        const int steps = timer.StepsAveraged(100, 16);
        if (frame <= 10) {
            // The tenth call renews the count before its own steps: 5.4 owed + 1.6 allows 2.
            ASSERT_EQ(steps, frame < 10 ? 1 : 2) << "frame " << frame;
        }
        ASSERT_LE(steps, 2);
        ASSERT_EQ(timer.expected, frame < 10 ? 0 : 1) << "frame " << frame;
        total += steps;
    }
    // Everything owed has been paid: only the fraction of a step is left.
    EXPECT_GE(timer.accumulator, 0.0f);
    EXPECT_LT(timer.accumulator, 1.0f);
    EXPECT_NEAR(total + timer.accumulator, 40 * 1.6f, 1e-3f);
    // Five steps a frame from now on: a sliding window would react within the next nine calls.
    for (int frame = 41; frame <= 49; ++frame) {
        ASSERT_EQ(timer.expected, 1) << "frame " << frame;
        timer.StepsAveraged(100, 50);
    }
    EXPECT_EQ(timer.StepsAveraged(100, 50), 6);
    EXPECT_EQ(timer.expected, 5);
}

TEST(StepTimer, ASeedSetsTheExpectedCountAndZeroLengthFramesTakeStepsInAdvance) {
    StepTimer timer = SeededTimer(250.0f);
    // (250 / 50) x 600 / 500 = 6, then kept whatever rate later calls pass; 6 - 1 taken.
    EXPECT_EQ(timer.Steps(600, 0), 5);
    EXPECT_FLOAT_EQ(timer.accumulator, -5.0f);
    timer.Steps(100, 10);
    EXPECT_EQ(timer.expected, 6);
    EXPECT_EQ(SeededTimer(250.0f).StepsAveraged(600, 0), 5);
    StepTimer truncated = SeededTimer(99.9f);
    truncated.Steps(600, 10);
    EXPECT_EQ(truncated.expected, 1);
    StepTimer averaged;
    for (int frame = 0; frame < 40; ++frame) {
        averaged.StepsAveraged(300, 10);
    }
    ASSERT_EQ(averaged.expected, 3);
    const float before = averaged.accumulator;
    EXPECT_EQ(averaged.StepsAveraged(300, 0), 2);
    EXPECT_FLOAT_EQ(averaged.accumulator, before - 2.0f);
}

}  // namespace varn
