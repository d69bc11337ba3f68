#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/ArgbImage.h"

namespace varn {

namespace platform {

// Decodes a BMP: 1, 4, 8, 16, 24 and 32 bits, RLE4 and RLE8, bottom-up and top-down.
// Fails for malformed or truncated data and for pictures over kMaxImageSide a side; never reads
// outside the given bytes. out is only complete when the result is true.
bool DecodeBmp(const uint8_t* data, size_t size, ArgbImage& out);

}  // namespace platform

}  // namespace varn
