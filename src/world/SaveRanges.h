#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "world/BattleField.h"
#include "world/CharacterRecords.h"
#include "world/GameState.h"
#include "world/Glyph.h"
#include "world/MapCells.h"

namespace varn {

// The range each field of the save image may hold, from the game's own rules; a load refuses an
// image with any slot outside its field's.

// What a slot may hold besides its width: the range the game's own rules give the field.
enum class SlotCheck : uint8_t {
    Any,               // a field the game never reads, or one whose every value is sound
    Flag,              // 0 or 1
    Quest,             // QuestState
    Character,         // CharacterId 0..11
    MeetingCharacter,  // CharacterId or 100 for none
    HeroNumber,        // 0..10
    TownNumber,        // 1..4
    VillageNumber,     // 1..9
    Item,              // ItemId 0..250
    ItemIndex,         // ItemId - 1
    ItemCell,          // 0..30
    ArmySlot,          // 0..5
    UnitType,
    UnitId,       // 0 or UnitType + 1
    Direction,    // 0..7
    BodyVariant,  // 0..2
    Speed,        // 1..3
    Glyph,
    MapCell,        // 0..10800
    SnapshotState,  // 0..2
    FameLine,       // 0..5
    Counter,        // 0..kSavedValueCeiling: gold, fame, the day, scores
    Stat,           // within kSavedValueCeiling either side of 0
    MapX,           // a world position on the kingdom map
    MapY,
    ScrollX,  // the map view's corner: the view overlaps the map
    ScrollY,
    BattleX,  // a pixel position on the battle field
    BattleY,
    BattleCell,    // 0..300
    MovingArmy,    // 0 none, or an army that moves in the enemy phase, 80..99
    Invader,       // 0 none, or an invader 80..92
    BattleNumber,  // BattleId 0..93
    MapPhase,      // 0: the map's phase is cleared at every leave, and a save follows one
    RoutePoint,    // an index or a count of an invader's route points, 0..50
    PlanPoint,     // an index or a count of an enemy's planned points, 0..7
    GoalCell,      // a count of the cells of an invader's goal, 0..22
    ArmyMoves,     // an enemy army's moves left today, 0..4
    Moves,         // a character's moves left today, 0..7
    HeroTally,     // heroes counted, 0..10
    RouteStep,     // 0 none, 1 pending, 2 done
    SiteState,     // 0 gone, 1 released, 2 placed
    Party,         // 0 none, 1 the player's, 2..8 the others
    SaveSlot,      // 0 none, 1..5
    StoryMode,     // 0..4
    Portrait,      // 0..1
    WealthSlot,    // 0 none, or a gem or artifact slot or index + 1, 1..30
    DailyIncome,   // 0..540
    RouteCounter,  // 0 or 22
    EnemyKind,     // 0..10
    AllyKind,      // 0..2
};

// Far above anything a game reaches, and low enough that sums of such values stay in 32 bits.
inline constexpr int32_t kSavedValueCeiling = 100'000'000;

// The lowest and the highest value of a check. Checks that leave gaps inside (Quest, UnitType,
// UnitId, Glyph, MeetingCharacter, MovingArmy, Invader, RouteCounter) are tested
// further by SlotFits.
struct SlotRange {
    int64_t low;
    int64_t high;
};

namespace saved_rules {

inline constexpr int kHighestDailyIncome = 540;
inline constexpr int kLastUnitType = static_cast<int>(UnitType::Dogs2);
inline constexpr int kBattleFieldWidth = kBattleColumns * kBattleCellSize;
inline constexpr int kBattleFieldHeight = kBattleRows * kBattleCellSize;

// The union of the map's regions.
constexpr MapRegion Extent() {
    MapRegion extent = kMapRegions[0];
    int32_t right = extent.Right();
    int32_t bottom = extent.Bottom();
    for (const MapRegion& region : kMapRegions) {
        extent.left = std::min(extent.left, region.left);
        extent.top = std::min(extent.top, region.top);
        right = std::max(right, region.Right());
        bottom = std::max(bottom, region.Bottom());
    }
    extent.columns = (right - extent.left) / kMapCellSize;
    extent.rows = (bottom - extent.top) / kMapCellSize;
    return extent;
}
inline constexpr MapRegion kMapExtent = Extent();

}  // namespace saved_rules

constexpr SlotRange RangeOf(SlotCheck check) {
    constexpr int64_t kCeiling = kSavedValueCeiling;
    switch (check) {
        case SlotCheck::Any:
            return {INT32_MIN, UINT32_MAX};
        case SlotCheck::Flag:
            return {0, 1};
        case SlotCheck::Quest:
            return {0, 7};
        case SlotCheck::Character:
            return {0, 1 + kHeroCount};
        case SlotCheck::MeetingCharacter:
            return {0, kNoMeeting};
        case SlotCheck::HeroNumber:
        case SlotCheck::HeroTally:
            return {0, kHeroCount};
        case SlotCheck::TownNumber:
            return {1, kTownCount};
        case SlotCheck::VillageNumber:
            return {1, kVillageCount};
        case SlotCheck::Item:
            return {0, kLastItemId};
        case SlotCheck::ItemIndex:
            return {0, kLastItemId - 1};
        case SlotCheck::ItemCell:
            return {0, kItemCellCount - 1};
        case SlotCheck::ArmySlot:
            return {0, kArmySlotCount - 1};
        case SlotCheck::UnitType:
            return {0, saved_rules::kLastUnitType};
        case SlotCheck::UnitId:
            return {0, saved_rules::kLastUnitType + 1};
        case SlotCheck::Direction:
            return {0, 7};
        case SlotCheck::BodyVariant:
            return {0, 2};
        case SlotCheck::Speed:
            return {1, 3};
        case SlotCheck::Glyph:
            return {0, kGlyphLast};
        case SlotCheck::MapCell:
            return {kNoMapCell, kMapCellCount};
        case SlotCheck::SnapshotState:
            return {0, 2};
        case SlotCheck::FameLine:
            return {0, 5};
        case SlotCheck::Counter:
            return {0, kCeiling};
        case SlotCheck::Stat:
            return {-kCeiling, kCeiling};
        case SlotCheck::MapX:
            return {saved_rules::kMapExtent.left, saved_rules::kMapExtent.Right()};
        case SlotCheck::MapY:
            return {saved_rules::kMapExtent.top, saved_rules::kMapExtent.Bottom()};
        case SlotCheck::ScrollX:
            return {saved_rules::kMapExtent.left - kMapViewWidth, saved_rules::kMapExtent.Right()};
        case SlotCheck::ScrollY:
            return {saved_rules::kMapExtent.top - kMapViewHeight, saved_rules::kMapExtent.Bottom()};
        case SlotCheck::BattleX:
            return {0, saved_rules::kBattleFieldWidth - 1};
        case SlotCheck::BattleY:
            return {0, saved_rules::kBattleFieldHeight - 1};
        case SlotCheck::BattleCell:
            return {0, kBattleCellCount};
        case SlotCheck::MovingArmy:
            return {0, kMapEntityCount - 1};
        case SlotCheck::Invader:
            return {0, kLastInvader};
        case SlotCheck::BattleNumber:
            return {0, kLastBattle};
        case SlotCheck::MapPhase:
            return {0, 0};
        case SlotCheck::RoutePoint:
            return {0, kRoutePointCount};
        case SlotCheck::PlanPoint:
            return {0, kEnemyPlanPoints};
        case SlotCheck::GoalCell:
            return {0, kLargestGoalCells};
        case SlotCheck::ArmyMoves:
            return {0, kArmyMovesPerDay};
        case SlotCheck::Moves:
            return {0, kMovesPerDay};
        case SlotCheck::RouteStep:
        case SlotCheck::SiteState:
            return {0, 2};
        case SlotCheck::Party:
            return {0, 1 + kPartyCount};
        case SlotCheck::SaveSlot:
            return {0, kSaveSlotCount};
        case SlotCheck::StoryMode:
            return {0, kStoryVictory};
        case SlotCheck::Portrait:
            return {0, kPlayerPortraitCount - 1};
        case SlotCheck::WealthSlot:
            return {0, kWealthEntryCount};
        case SlotCheck::DailyIncome:
            return {0, saved_rules::kHighestDailyIncome};
        case SlotCheck::RouteCounter:
            return {0, kRouteCounterSet};
        case SlotCheck::EnemyKind:
            return {0, kEnemyKindCount - 1};
        case SlotCheck::AllyKind:
            return {0, kAllyKindCount - 1};
    }
    return {1, 0};
}

// Every scroll the view can be given is one the save takes.
static_assert(RangeOf(SlotCheck::ScrollX).low <= kMapScrollMinX &&
              RangeOf(SlotCheck::ScrollX).high >= std::max(kMapScrollMaxX, kCentreMaxX));
static_assert(RangeOf(SlotCheck::ScrollY).low <= kMapScrollMinY &&
              RangeOf(SlotCheck::ScrollY).high >= std::max(kMapScrollMaxY, kCentreMaxY));

// Whether a slot's value is one its field may hold; the byte fields' slots are first held to a
// byte by the reader.
constexpr bool SlotFits(int64_t value, SlotCheck check) {
    const SlotRange range = RangeOf(check);
    if (value < range.low || value > range.high) {
        return false;
    }
    const auto byte = static_cast<uint8_t>(value);
    switch (check) {
        case SlotCheck::Quest:
            return IsValidQuestState(byte);
        case SlotCheck::MeetingCharacter:
            return value <= 1 + kHeroCount || value == kNoMeeting;
        case SlotCheck::UnitType:
            return IsKnownUnitType(byte);
        case SlotCheck::UnitId:
            return value == 0 || IsKnownUnitType(static_cast<uint8_t>(value - 1));
        case SlotCheck::Glyph:
            return IsValidGlyph(static_cast<GlyphCode>(value));
        case SlotCheck::MovingArmy:
            return value == 0 || value >= kFirstMovingArmyEntity;
        case SlotCheck::Invader:
            return value == 0 || value >= kFirstInvader;
        case SlotCheck::RouteCounter:
            return value == 0 || value == kRouteCounterSet;
        default:
            return true;
    }
}

}  // namespace varn
