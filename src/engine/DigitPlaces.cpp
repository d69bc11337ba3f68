#include "engine/DigitPlaces.h"

namespace varn {

PlacedDigits PlaceDigits(int32_t value, const DigitPlaces& places) {
    PlacedDigits placed;
    if (value < 0) {
        return placed;
    }
    placed.count = value < 10 ? 1 : value < 100 ? 2 : 3;
    const int32_t* xs = placed.count == 1   ? places.one.data()
                        : placed.count == 2 ? places.two.data()
                                            : places.three.data();
    int32_t rest = value;
    for (int d = 0; d < placed.count; ++d) {
        placed.digits[static_cast<std::size_t>(d)] = {rest % 10, xs[d]};
        rest /= 10;
    }
    return placed;
}

}  // namespace varn
