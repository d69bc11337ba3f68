#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/ArgbImage.h"

namespace varn {

namespace platform {

// Decodes a JPEG through libjpeg, baseline and progressive.
// Fails for malformed or truncated data and for pictures over kMaxImageSide a side; never reads
// outside the given bytes. out is only complete when the result is true.
bool DecodeJpeg(const uint8_t* data, size_t size, ArgbImage& out);

}  // namespace platform

}  // namespace varn
