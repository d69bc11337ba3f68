#include "engine/StepTimer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>

namespace {

StepTimer SeededTimer(float seed) {
    StepTimer timer;
    timer.seed = seed;
    return timer;
}

}  // namespace

TEST(StepTimerSteps, FreshTimerTakesOneStepAndCarriesTheFraction) {
    StepTimer timer;
    EXPECT_EQ(timer.expected, StepTimer::kExpectedUnset);

    EXPECT_EQ(timer.Steps(100, 16), 1);
    EXPECT_EQ(timer.result, 1);
    EXPECT_EQ(timer.lastIncrement, 1.6f);
    EXPECT_FLOAT_EQ(timer.accumulator, 0.6f);
    EXPECT_EQ(timer.expected, 0);
    EXPECT_EQ(timer.wholeSteps, 0u);
}

TEST(StepTimerSteps, IncrementUsesTheSinglePrecisionThousandth) {
    StepTimer timer;
    timer.Steps(1, 10);
    // 10 x 0.001f rounds to a value just above 0.01f; dividing by 1000 would give 0.01f itself.
    EXPECT_EQ(timer.lastIncrement, 0.0100000007078051567f);
    EXPECT_NE(timer.lastIncrement, 0.01f);
}

TEST(StepTimerSteps, SeedZeroGivesOneStepPerFrameWhileTheDebtGrows) {
    StepTimer timer;
    for (int frame = 1; frame <= 50; ++frame) {
        ASSERT_EQ(timer.Steps(100, 16), 1) << "frame " << frame;
    }
    EXPECT_NEAR(timer.accumulator, 50 * 0.6f, 1e-3f);
    EXPECT_EQ(timer.expected, 0);
}

TEST(StepTimerSteps, StepsHeldBackByTheLimitArePaidLater) {
    StepTimer timer;
    EXPECT_EQ(timer.Steps(100, 100), 1);
    EXPECT_FLOAT_EQ(timer.accumulator, 9.0f);

    int paid = 0;
    for (int frame = 0; frame < 20; ++frame) {
        paid += timer.Steps(100, 0);
    }
    EXPECT_EQ(paid, 9);
    EXPECT_FLOAT_EQ(timer.accumulator, 0.0f);
}

TEST(StepTimerSteps, SeedSetsTheExpectedCountOnceAtTheFirstCall) {
    StepTimer timer = SeededTimer(250.0f);
    // (250 / 50) x 600 / 500 = 6, then kept whatever rate later calls pass.
    timer.Steps(600, 10);
    EXPECT_EQ(timer.expected, 6);
    timer.Steps(100, 10);
    EXPECT_EQ(timer.expected, 6);

    StepTimer truncated = SeededTimer(99.9f);
    truncated.Steps(600, 10);
    EXPECT_EQ(truncated.expected, 1);
}

TEST(StepTimerSteps, ZeroLengthFrameTakesStepsInAdvance) {
    StepTimer timer = SeededTimer(250.0f);
    EXPECT_EQ(timer.Steps(600, 0), 5);
    EXPECT_EQ(timer.lastIncrement, 0.0f);
    EXPECT_FLOAT_EQ(timer.accumulator, -5.0f);
}

TEST(StepTimerSteps, FrameBeyondAByteTakesAtMost255StepsAndKeepsTheRest) {
    StepTimer timer = SeededTimer(255.0f);
    EXPECT_EQ(timer.Steps(60000, 1000), 255);
    EXPECT_EQ(timer.expected, 600);
    EXPECT_FLOAT_EQ(timer.accumulator, 60000.0f - 255.0f);

    EXPECT_EQ(timer.Steps(60000, 0), 255);
    EXPECT_FLOAT_EQ(timer.accumulator, 60000.0f - 510.0f);
}

TEST(StepTimerSteps, ExtremeInputsReturnPromptlyWithinAByte) {
    const auto start = std::chrono::steady_clock::now();

    StepTimer huge = SeededTimer(std::numeric_limits<float>::max());
    const int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(huge.Steps(kMax, kMax), 255);
    EXPECT_EQ(huge.Steps(kMax, kMax), 255);

    // A negative expected count must not wrap the byte below 0.
    StepTimer backwards = SeededTimer(255.0f);
    EXPECT_EQ(backwards.Steps(-600, 16), 0);
    EXPECT_EQ(backwards.expected, -6);
    EXPECT_EQ(backwards.Steps(600, -16), 0);

    StepTimer averaged;
    for (int frame = 0; frame < 30; ++frame) {
        averaged.StepsAveraged(kMax, kMax);
        averaged.StepsAveraged(-kMax, kMax);
    }

    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(StepTimerAveraged, TenthFrameSetsTheExpectedCountAndTheDebtIsPaidOff) {
    StepTimer timer;
    for (int frame = 1; frame <= 9; ++frame) {
        ASSERT_EQ(timer.StepsAveraged(100, 16), 1) << "frame " << frame;
        ASSERT_EQ(timer.samples, frame);
    }
    EXPECT_EQ(timer.expected, 0);

    // The tenth call renews the count before taking its own steps: 5.4 owed + 1.6 allows 2.
    EXPECT_EQ(timer.StepsAveraged(100, 16), 2);
    EXPECT_EQ(timer.average, 1);
    EXPECT_EQ(timer.expected, 1);
    EXPECT_EQ(timer.samples, 0);
    EXPECT_EQ(timer.sampleSum, 0.0f);

    int total = 1 * 9 + 2;
    for (int frame = 11; frame <= 40; ++frame) {
        uint8_t steps = timer.StepsAveraged(100, 16);
        ASSERT_LE(steps, 2) << "frame " << frame;
        total += steps;
    }
    // Everything owed has been paid: only the fraction of a step is left.
    EXPECT_GE(timer.accumulator, 0.0f);
    EXPECT_LT(timer.accumulator, 1.0f);
    EXPECT_NEAR(total + timer.accumulator, 40 * 1.6f, 1e-3f);
}

TEST(StepTimerAveraged, ExpectedCountChangesOnlyEveryTenthCall) {
    StepTimer timer;
    for (int frame = 0; frame < 10; ++frame) {
        timer.StepsAveraged(100, 16);
    }
    ASSERT_EQ(timer.expected, 1);

    // Five steps a frame from now on: a sliding window would react within these nine calls.
    for (int frame = 11; frame <= 19; ++frame) {
        ASSERT_LE(timer.StepsAveraged(100, 50), 2) << "frame " << frame;
        ASSERT_EQ(timer.expected, 1) << "frame " << frame;
    }
    EXPECT_EQ(timer.StepsAveraged(100, 50), 6);
    EXPECT_EQ(timer.expected, 5);
}

TEST(StepTimerAveraged, SeedGivesTheFirstExpectedCount) {
    StepTimer timer = SeededTimer(250.0f);
    // trunc(250 x 0.02) x 600 / 500 = 6 until the tenth call.
    EXPECT_EQ(timer.StepsAveraged(600, 0), 5);
    EXPECT_EQ(timer.expected, 6);
    EXPECT_FLOAT_EQ(timer.accumulator, -5.0f);
}

TEST(StepTimerAveraged, ZeroLengthFramesAfterAFastBlockStillReturnExpectedLessOne) {
    StepTimer timer;
    for (int frame = 0; frame < 40; ++frame) {
        timer.StepsAveraged(300, 10);
    }
    ASSERT_EQ(timer.expected, 3);
    ASSERT_LT(timer.accumulator, 1.0f) << "the debt of the first block is paid";
    float before = timer.accumulator;
    EXPECT_EQ(timer.StepsAveraged(300, 0), 2);
    EXPECT_FLOAT_EQ(timer.accumulator, before - 2.0f);
}
