#include "platform/PresentTimes.h"

#include <gtest/gtest.h>

namespace varn {

namespace {

TEST(PresentTimesTest, MedianOfOddAndEvenCountsInMicroseconds) {
    EXPECT_EQ(platform::MedianMicroseconds({}), 0.0);
    EXPECT_EQ(platform::MedianMicroseconds({9000, 1000, 5000}), 5.0);
    EXPECT_EQ(platform::MedianMicroseconds({4000, 1000, 9000, 2000}), 3.0);
}

TEST(PresentTimesTest, ReportsEveryPresentAndThoseThatChangedThePicture) {
    using std::chrono::microseconds;
    platform::PresentTimes times;
    times.Add(microseconds(10), microseconds(12), false);
    times.Add(microseconds(300), microseconds(500), true);
    times.Add(microseconds(20), microseconds(22), false);
    EXPECT_EQ(times.Report(),
              "presents: 3, median 20.0 us, with the push 22.0 us\n"
              "presents that changed the picture: 1, median 300.0 us, with the push 500.0 us\n");
}

}  // namespace

}  // namespace varn
