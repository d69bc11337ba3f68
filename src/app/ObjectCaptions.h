#pragma once

#include <cstdint>

namespace varn {

// The caption of an inspected map object: its text and where its box and text stand. Every box
// is at y 200. The places' captions are the one table of their names, which the quest log's
// givers read too.
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

// The caption ids of the places.
inline constexpr int32_t kFirstVillageCaption = 56;
inline constexpr int32_t kFirstTownCaption = 64;
inline constexpr int32_t kPalaceCaption = 68;
inline constexpr int32_t kTempleCaption = 69;
inline constexpr int32_t kCastleCaption = 70;
inline constexpr int32_t kTowerCaption = 71;
// Village 9 came last and took the caption after the single houses'.
inline constexpr int32_t kNinthVillageCaption = 72;
inline constexpr int32_t kFirstSiteCaption = 73;
inline constexpr int32_t kGoldMineCaption = 81;
inline constexpr int32_t kIronMineCaption = 82;

// The caption of village 1..9 and of town 1..4.
constexpr int32_t VillageCaption(int village) {
    return village == 9 ? kNinthVillageCaption : kFirstVillageCaption + village - 1;
}
constexpr int32_t TownCaption(int town) {
    return kFirstTownCaption + town - 1;
}

// The caption of an id of IdentifyObjectAt, or null for an id without one.
const ObjectCaption* FindObjectCaption(int32_t id);

}  // namespace varn
