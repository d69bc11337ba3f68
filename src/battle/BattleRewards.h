#pragma once

#include <array>
#include <cstdint>

namespace varn {

// What winning a battle pays, before the grade adjusts it: gold by grade (brilliant, great,
// plain), the commander's experience, and training and equipment by combat place 1..6.
struct RewardRow {
    std::array<int32_t, 3> gold;
    int32_t experience;
    std::array<int32_t, 6> training;
    std::array<int32_t, 6> equipment;
};

// The row of a battle number: its own, the default row, or for 81 and up the invasions' row.
const RewardRow& RewardRowFor(int32_t battle);

// The level of the highest threshold the experience reaches; 0 below the first (50).
uint8_t LevelForExperience(int32_t experience);

// Light, serious and critical wounds an enemy army takes from a carried wound level.
struct CarriedWounds {
    uint8_t light;
    uint8_t serious;
    uint8_t critical;
};
CarriedWounds WoundsOfCarriedLevel(uint8_t level);

}  // namespace varn
