#pragma once

#include <cstdint>

namespace varn {

// The caption of an inspected map object: its text and where its box and text stand. Every box
// is at y 200.
struct ObjectCaption {
    int32_t id;
    const char* text;
    int32_t boxX;
    float scaleX;
    float scaleY;
    int32_t textX;
    int32_t textY;
    int32_t textWidth;
    int32_t textHeight;
};

inline constexpr int32_t kCaptionBoxY = 200;

// The caption of an id of IdentifyObjectAt, or null for an id without one.
const ObjectCaption* FindObjectCaption(int32_t id);

}  // namespace varn
