#pragma once

#include <cstdint>

namespace varn {

namespace platform {

// A text colour split once per draw.
struct TextColour {
    uint16_t red = 0;
    uint16_t green = 0;
    uint16_t blue = 0;
    uint16_t alpha = 0;

    bool operator==(const TextColour&) const = default;
};

TextColour SplitColour(uint32_t argb);

// Moves each R5G6B5 pixel of a row toward the colour by its coverage of 0..255 times the
// colour's alpha: each channel widened to eight bits, mixed and rounded, and cut back. No
// coverage leaves a pixel exactly as it was and full coverage of an opaque colour gives the
// colour itself.
void BlendCoverageRow(const uint8_t* coverage, int count, const TextColour& colour, uint16_t* out);

}  // namespace platform

}  // namespace varn
