#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace varn {

// Where the digits of a count stand, by how many it has: the ones' x first, then the tens' and
// the hundreds'.
struct DigitPlaces {
    std::array<int32_t, 1> one;
    std::array<int32_t, 2> two;
    std::array<int32_t, 3> three;
};

// Places with the ones at onesX and each higher digit step further left.
constexpr DigitPlaces RightAligned(int32_t onesX, int32_t step) {
    return {{onesX}, {onesX, onesX - step}, {onesX, onesX - step, onesX - 2 * step}};
}

// Places centred on the one digit's x: two digits at twoOnesX and step to its left, three one
// step further out on each side of oneX.
constexpr DigitPlaces CentredOn(int32_t oneX, int32_t twoOnesX, int32_t step) {
    return {{oneX}, {twoOnesX, twoOnesX - step}, {oneX + step, oneX, oneX - step}};
}

struct PlacedDigit {
    int32_t digit;
    int32_t x;
};

// The digits a count is drawn with, ones first: up to three, so 1000 and more show their last
// three; a value below 0 (a damaged record) shows none.
struct PlacedDigits {
    std::array<PlacedDigit, 3> digits{};
    int count = 0;

    const PlacedDigit* begin() const { return digits.data(); }
    const PlacedDigit* end() const { return digits.data() + count; }
};
PlacedDigits PlaceDigits(int32_t value, const DigitPlaces& places);

}  // namespace varn
