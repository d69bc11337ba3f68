#pragma once

#include <cstdint>

namespace varn {

// What stands on a kingdom-map cell. Codes up to 151 are kept per cell; the others are worked
// out from the place lists when a walker arrives.
using MapObjectCode = int32_t;

inline constexpr MapObjectCode kCodeNothing = 0;
inline constexpr MapObjectCode kCodePlayer = 1;
inline constexpr MapObjectCode kCodeFirstHero = 2;
inline constexpr MapObjectCode kCodeFirstPile = 12;
inline constexpr MapObjectCode kCodeFirstBag = 32;
inline constexpr MapObjectCode kCodeFirstChest = 52;
// Chests 25..49 are the item-only twins of chests 0..24.
inline constexpr MapObjectCode kCodeFirstItemChest = 77;
inline constexpr MapObjectCode kCodeFirstArmy = 102;
inline constexpr MapObjectCode kCodeFirstTown = 152;
inline constexpr MapObjectCode kCodeFirstVillage = 205;
inline constexpr MapObjectCode kCodeFirstPalace = 302;
inline constexpr MapObjectCode kCodeFirstTemple = 312;
inline constexpr MapObjectCode kCodeFirstCastle = 322;
inline constexpr MapObjectCode kCodeTower = 344;
inline constexpr MapObjectCode kCodeFirstSite = 345;
inline constexpr MapObjectCode kCodeFirstQuestObject = 1000;
// Armies 50..99 stand on cells as army + 1950.
inline constexpr MapObjectCode kCodeLateArmyOffset = 1950;

inline constexpr int kPileCount = 20;
inline constexpr int kBagCount = 20;
inline constexpr int kChestCount = 50;
inline constexpr int kGoldChestCount = 25;
// Armies below this number have a code of their own in the per-cell table.
inline constexpr int kMarkedArmyCount = 50;

// Facing codes: 0 up, then clockwise in eighths to 7 up and left.
using Facing = uint8_t;

// The facing of a step from the direction flags, or keep when no flag is set.
constexpr Facing FacingOf(bool right, bool left, bool up, bool down, Facing keep) {
    if (up) {
        return right ? 1 : left ? 7 : 0;
    }
    if (down) {
        return right ? 3 : left ? 5 : 4;
    }
    return right ? 2 : left ? 6 : keep;
}

}  // namespace varn
