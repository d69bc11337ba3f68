#include "engine/HitTest.h"

namespace varn {

int PointInRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py) {
    // Widened so that a rectangle reaching past the 32-bit range cannot wrap around.
    const int64_t right = static_cast<int64_t>(x) + w;
    const int64_t bottom = static_cast<int64_t>(y) + h;
    return (x <= px && px < right && y <= py && py < bottom) ? 1 : 0;
}

}  // namespace varn
