#pragma once

#include <array>
#include <cstdint>

#include "world/Glyph.h"

namespace varn {

// One of the player's characters: 1 the player, 2..11 heroes 1..10, 0 none.
using CharacterId = uint8_t;
// Index of a hero's entry in every hero array: CharacterId - 2, hero number - 1.
using HeroIndex = uint8_t;

inline constexpr CharacterId kNoCharacter = 0;
inline constexpr CharacterId kPlayerCharacter = 1;
inline constexpr int kHeroCount = 10;

constexpr HeroIndex HeroIndexOfCharacter(CharacterId id) {
    return static_cast<HeroIndex>(id - 2);
}
constexpr CharacterId CharacterOfHeroIndex(HeroIndex hero) {
    return static_cast<CharacterId>(hero + 2);
}
constexpr bool IsHeroCharacter(CharacterId id) {
    return id >= 2 && id <= 1 + kHeroCount;
}

struct CharacterStats {
    int32_t baseHealth = 0;
    // baseHealth plus the amulet and ring bonuses.
    int32_t maxHealth = 0;
    // Saved and handed to the item exchange; nothing else reads it.
    int32_t spareHealth = 0;
    int32_t health = 0;
    int32_t baseAttack = 0;
    // baseAttack plus the sword's bonus.
    int32_t attack = 0;
    int32_t baseDefence = 0;
    // baseDefence plus the bonuses of the armour slots and the shield.
    int32_t defence = 0;
    int32_t experience = 0;
    uint8_t level = 0;

    bool operator==(const CharacterStats&) const = default;
};

// 1..250 (192..220 name no item); 0 is an empty cell.
using ItemId = uint8_t;

inline constexpr ItemId kNoItem = 0;
inline constexpr int kLastItemId = 250;
// Per-item arrays are indexed by ItemId - 1 and sized to the whole byte range.
inline constexpr int kItemTableSize = 256;
inline constexpr int kBagCellCount = 12;
inline constexpr int kEquipSlotCount = 19;
inline constexpr int kItemCellCount = kBagCellCount + kEquipSlotCount;
// Cell of the first equipment slot; the bag is cells 0..11.
inline constexpr int kFirstEquipCell = kBagCellCount;

// The bag (cells 0..11, four columns by three rows) and the equipment slots in EquipSlot order.
using CharacterItems = std::array<ItemId, kItemCellCount>;

struct CharacterItemRecord {
    CharacterItems items{};
    // Entry ItemId - 1: 1 when the character holds that item.
    std::array<uint8_t, kItemTableSize> owned{};
    // Entry ItemId - 1: the cell 0..30 that holds that item.
    std::array<uint8_t, kItemTableSize> itemCell{};

    bool operator==(const CharacterItemRecord&) const = default;
};

// Frame of the unit picture sets; an army's unit id is its type + 1.
enum class UnitType : uint8_t {
    Peasants = 0,
    Militia = 1,
    Infantry = 2,
    GoldenInfantry = 3,
    RoyalInfantry = 4,
    EliteGuards = 7,
    SwordsMen = 8,
    Warriors = 9,
    Priests = 10,
    Dogs = 20,
    Dogs2 = 21,
};

constexpr bool IsKnownUnitType(uint8_t type) {
    return type <= 4 || (type >= 7 && type <= 10) || type == 20 || type == 21;
}

inline constexpr int kArmySlotCount = 6;

// A character's six army slots as parallel arrays; slot i is entry i of each.
struct ArmyRecord {
    // UnitType + 1, 0 none.
    std::array<uint8_t, kArmySlotCount> unitId{};
    std::array<uint8_t, kArmySlotCount> present{};
    // Display place 0..5 on the character's screens.
    std::array<uint8_t, kArmySlotCount> position{};
    std::array<uint8_t, kArmySlotCount> unitType{};
    std::array<int32_t, kArmySlotCount> attack{};
    std::array<int32_t, kArmySlotCount> defence{};
    std::array<int32_t, kArmySlotCount> training{};
    std::array<int32_t, kArmySlotCount> equipment{};
    // Men standing.
    std::array<uint8_t, kArmySlotCount> alive{};
    std::array<uint8_t, kArmySlotCount> light{};
    std::array<uint8_t, kArmySlotCount> serious{};
    std::array<uint8_t, kArmySlotCount> critical{};
    // Men down.
    std::array<uint8_t, kArmySlotCount> down{};
    std::array<GlyphString, kArmySlotCount> name{};
    // Saved and loaded; no other use.
    std::array<uint8_t, kArmySlotCount> spareA{};
    std::array<uint8_t, kArmySlotCount> spareB{};

    bool operator==(const ArmyRecord&) const = default;
};

// One byte per quest 1..100; 3 is never stored.
enum class QuestState : uint8_t {
    Locked = 0,
    Offered = 1,
    Accepted = 2,
    InProgress = 4,
    GoalMet = 5,
    RewardReady = 6,
    Solved = 7,
};

// The quest bytes as GameState::Quest holds them.
inline constexpr uint8_t kQuestLocked = static_cast<uint8_t>(QuestState::Locked);
inline constexpr uint8_t kQuestOffered = static_cast<uint8_t>(QuestState::Offered);
inline constexpr uint8_t kQuestAccepted = static_cast<uint8_t>(QuestState::Accepted);
inline constexpr uint8_t kQuestInProgress = static_cast<uint8_t>(QuestState::InProgress);
inline constexpr uint8_t kQuestGoalMet = static_cast<uint8_t>(QuestState::GoalMet);
inline constexpr uint8_t kQuestRewardReady = static_cast<uint8_t>(QuestState::RewardReady);
inline constexpr uint8_t kQuestSolved = static_cast<uint8_t>(QuestState::Solved);

// Moves of the player and of each hero at the start of a day.
inline constexpr uint8_t kMovesPerDay = 7;

constexpr bool IsValidQuestState(uint8_t value) {
    return value <= 7 && value != 3;
}

// The heroes' names as 21 rows of 35 columns: glyph k of hero h is row k, column h.
// Columns 10..34 carry no name.
struct HeroNameTable {
    static constexpr int kColumnCount = 35;
    std::array<std::array<GlyphCode, kColumnCount>, kGlyphStringLength> rows{};

    // A column past the table reads as blank and takes no name.
    GlyphString Name(HeroIndex hero) const {
        GlyphString name{};
        if (hero < kColumnCount) {
            for (int k = 0; k < kGlyphStringLength; ++k) {
                name[k] = rows[k][hero];
            }
        }
        return name;
    }
    void SetName(HeroIndex hero, const GlyphString& name) {
        if (hero >= kColumnCount) {
            return;
        }
        for (int k = 0; k < kGlyphStringLength; ++k) {
            rows[k][hero] = name[k];
        }
    }

    bool operator==(const HeroNameTable&) const = default;
};

}  // namespace varn
