#pragma once

#include <array>
#include <cstdint>

#include "world/Glyph.h"

namespace varn {

// The stat label of a description's bonus line: one code longer than a GlyphString.
inline constexpr int kStatLabelLength = 22;
using StatLabel = std::array<GlyphCode, kStatLabelLength>;

// The description box of one item, as a screen keeps it.
struct ItemDescription {
    // The id the texts were last built for; 0 after the screen's reset.
    uint8_t itemId = 0;
    uint8_t bonus = 0;
    // Index of the last non-zero code of each line, on which the line is centred.
    uint8_t line1Last = 0;
    uint8_t line2Last = 0;
    // The item's name.
    GlyphString line1{};
    GlyphString line2{};
    StatLabel statLabel{};
};

namespace ItemCatalogue {

// Writes the two lines, the label and the two last-code indices of an id; a line left blank
// keeps its index. Ids without an item get blank texts. itemId and bonus are the caller's.
void DescribeItem(ItemDescription& description, int32_t id);

// The screens' step for the item they show (0 for none): when it differs from the one
// described, describe it and take its bonus. Texts are thus built once per change.
void RefreshDescription(ItemDescription& description, int32_t shownItem);

}  // namespace ItemCatalogue

}  // namespace varn
