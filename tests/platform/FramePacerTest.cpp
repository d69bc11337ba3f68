#include "platform/FramePacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace varn {

namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;

constexpr nanoseconds k60Hz{16'666'666};

// A clock that moves only when the game works or the pacer sleeps.
class ManualClock : public platform::PacingClock {
  public:
    nanoseconds Now() override { return now; }
    void Sleep(nanoseconds duration) override {
        sleeps.push_back(duration);
        now += duration + oversleep;
    }

    nanoseconds now{milliseconds(5000)};
    nanoseconds oversleep{0};  // how much longer than asked each sleep lasts
    std::vector<nanoseconds> sleeps;
};

TEST(FramePacerTest, PeriodFollowsTheRefreshAndIs60HzWhenUnknown) {
    struct Case {
        int hertz;
        nanoseconds period;
    };
    const Case cases[] = {
        {75, nanoseconds(13'333'333)}, {0, k60Hz}, {-1, k60Hz}, {1, k60Hz}, {100000, k60Hz},
    };
    ManualClock clock;
    platform::FramePacer pacer(clock);
    EXPECT_EQ(pacer.Period(), k60Hz);
    for (const Case& c : cases) {
        pacer.SetRefreshRate(c.hertz);
        EXPECT_EQ(pacer.Period(), c.period) << c.hertz << " Hz";
    }
}

TEST(FramePacerTest, QuickFramesSleepTheRestOfEachPeriod) {
    ManualClock clock;
    platform::FramePacer pacer(clock);
    pacer.SetRefreshRate(60);

    std::vector<nanoseconds> shown;
    for (int frame = 0; frame < 10; ++frame) {
        clock.now += milliseconds(2);  // drawing the frame
        pacer.WaitForFrame();
        shown.push_back(clock.now);
    }
    // The first frame is shown at once, every later one sleeps off what drawing left.
    ASSERT_EQ(clock.sleeps.size(), 9u);
    for (nanoseconds sleep : clock.sleeps) {
        EXPECT_EQ(sleep, k60Hz - milliseconds(2));
    }
    for (size_t i = 1; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i] - shown[i - 1], k60Hz);
    }
}

TEST(FramePacerTest, LateFrameIsShownAtOnceWithoutABurstAfterIt) {
    ManualClock clock;
    platform::FramePacer pacer(clock);
    pacer.WaitForFrame();

    clock.now += milliseconds(40);  // a slow frame: more than two periods
    pacer.WaitForFrame();
    EXPECT_TRUE(clock.sleeps.empty());
    const nanoseconds lateShown = clock.now;

    clock.now += milliseconds(1);
    pacer.WaitForFrame();
    ASSERT_EQ(clock.sleeps.size(), 1u);
    EXPECT_EQ(clock.sleeps[0], k60Hz - milliseconds(1));
    EXPECT_EQ(clock.now - lateShown, k60Hz);
}

TEST(FramePacerTest, OversleepingDoesNotSlowTheRate) {
    ManualClock clock;
    clock.oversleep = milliseconds(1);
    platform::FramePacer pacer(clock);
    pacer.WaitForFrame();
    const nanoseconds start = clock.now;
    for (int frame = 0; frame < 60; ++frame) {
        pacer.WaitForFrame();
    }
    // Sixty periods, plus only the last sleep's extra millisecond.
    EXPECT_EQ(clock.now - start, 60 * k60Hz + milliseconds(1));
}

TEST(FramePacerTest, ANewRefreshRateStartsAFreshSchedule) {
    ManualClock clock;
    platform::FramePacer pacer(clock);
    pacer.WaitForFrame();
    pacer.SetRefreshRate(144);
    pacer.WaitForFrame();  // the first frame at the new rate waits for nothing
    EXPECT_TRUE(clock.sleeps.empty());
    pacer.WaitForFrame();
    ASSERT_EQ(clock.sleeps.size(), 1u);
    EXPECT_EQ(clock.sleeps[0], nanoseconds(6'944'444));
}

}  // namespace

}  // namespace varn
