#pragma once

#include <cstdint>

namespace varn {

// 1 when (px, py) lies in the w x h rectangle at (x, y): left and top edges inside, right and
// bottom edges outside. The hit test of every button.
int PointInRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py);

}  // namespace varn
