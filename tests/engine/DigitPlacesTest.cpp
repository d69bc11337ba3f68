#include "engine/DigitPlaces.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace varn {

namespace {

std::vector<std::pair<int32_t, int32_t>> Placed(int32_t value, const DigitPlaces& places) {
    std::vector<std::pair<int32_t, int32_t>> placed;
    for (const PlacedDigit& digit : PlaceDigits(value, places)) {
        placed.emplace_back(digit.digit, digit.x);
    }
    return placed;
}

using Digits = std::vector<std::pair<int32_t, int32_t>>;

}  // namespace

// A count takes the places of its number of digits, ones first; past 999 its last three digits
// show and a damaged negative value none.
TEST(DigitPlaces, ACountTakesThePlacesOfItsLengthUpToThreeDigits) {
    const DigitPlaces places = {{50}, {57, 42}, {64, 49, 34}};
    EXPECT_EQ(Placed(0, places), (Digits{{0, 50}}));
    EXPECT_EQ(Placed(9, places), (Digits{{9, 50}}));
    EXPECT_EQ(Placed(10, places), (Digits{{0, 57}, {1, 42}}));
    EXPECT_EQ(Placed(99, places), (Digits{{9, 57}, {9, 42}}));
    EXPECT_EQ(Placed(100, places), (Digits{{0, 64}, {0, 49}, {1, 34}}));
    EXPECT_EQ(Placed(255, places), (Digits{{5, 64}, {5, 49}, {2, 34}}));
    EXPECT_EQ(Placed(1234, places), (Digits{{4, 64}, {3, 49}, {2, 34}}));
    EXPECT_EQ(Placed(-1, places), Digits{});
}

TEST(DigitPlaces, RightAlignedAndCentredLayouts) {
    const DigitPlaces right = RightAligned(100, 15);
    EXPECT_EQ(Placed(7, right), (Digits{{7, 100}}));
    EXPECT_EQ(Placed(123, right), (Digits{{3, 100}, {2, 85}, {1, 70}}));
    // Two digits keep their own ones place; three stand a step out on each side of the one.
    const DigitPlaces centred = CentredOn(668, 675, 15);
    EXPECT_EQ(Placed(5, centred), (Digits{{5, 668}}));
    EXPECT_EQ(Placed(47, centred), (Digits{{7, 675}, {4, 660}}));
    EXPECT_EQ(Placed(100, centred), (Digits{{0, 683}, {0, 668}, {1, 653}}));
}

}  // namespace varn
