#pragma once

#include <cstdint>

namespace varn {

// The colour a picture is drawn with to show it as it is.
inline constexpr uint32_t kUntinted = 0xFFFFFFFF;
// The light grey the game writes its texts in.
inline constexpr uint32_t kTextGrey = 0xFFE6E6E6;
// The light green of titles and headings.
inline constexpr uint32_t kTitleColour = 0xFF82E682;

}  // namespace varn
