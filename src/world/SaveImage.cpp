#include "world/SaveImage.h"

#include <algorithm>

#include "world/ImageSlots.h"
#include "world/MapCells.h"
#include "world/SaveImageLayout.h"

namespace varn {

namespace {

using namespace saved_rules;

constexpr CharacterId kNoMeetingCharacter = 100;

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
constexpr MapRegion kMapExtent = Extent();

// A unit present on the battle field stands on one of its cells; one that is not may keep none.
template <size_t N>
bool PresentUnitsStand(const std::array<uint8_t, N>& present, const std::array<int32_t, N>& cells) {
    for (size_t k = 0; k < N; ++k) {
        if (present[k] != 0 && cells[k] == 0) {
            return false;
        }
    }
    return true;
}

// Ranges that depend on another field.
bool FieldsAgree(const GameStateData& d) {
    return PresentUnitsStand(d.snapEnemyPresent, d.snapEnemyCell) &&
           PresentUnitsStand(d.snapAllyPresent, d.snapAllyCell);
}

}  // namespace

SlotRange RangeOf(SlotCheck check) {
    static constexpr int64_t kCeiling = kSavedValueCeiling;
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
            return {0, kNoMeetingCharacter};
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
            return {0, kLastUnitType};
        case SlotCheck::UnitId:
            return {0, kLastUnitType + 1};
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
            return {kMapExtent.left, kMapExtent.Right()};
        case SlotCheck::MapY:
            return {kMapExtent.top, kMapExtent.Bottom()};
        case SlotCheck::ScrollX:
            return {kMapExtent.left - kMapViewWidth, kMapExtent.Right()};
        case SlotCheck::ScrollY:
            return {kMapExtent.top - kMapViewHeight, kMapExtent.Bottom()};
        case SlotCheck::BattleX:
            return {0, kBattleFieldWidth - 1};
        case SlotCheck::BattleY:
            return {0, kBattleFieldHeight - 1};
        case SlotCheck::BattleCell:
            return {0, kBattleCells};
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
            return {0, kStoryModes - 1};
        case SlotCheck::Portrait:
            return {0, kPortraits - 1};
        case SlotCheck::WealthSlot:
            return {0, kWealthEntryCount};
        case SlotCheck::DailyIncome:
            return {0, kHighestDailyIncome};
        case SlotCheck::RouteCounter:
            return {0, kRouteCounterSet};
        case SlotCheck::EnemyKind:
            return {0, kEnemyKinds - 1};
        case SlotCheck::AllyKind:
            return {0, kAllyKinds - 1};
    }
    return {1, 0};
}

bool SlotFits(int64_t value, SlotCheck check) {
    const SlotRange range = RangeOf(check);
    if (value < range.low || value > range.high) {
        return false;
    }
    const auto byte = static_cast<uint8_t>(value);
    switch (check) {
        case SlotCheck::Quest:
            return IsValidQuestState(byte);
        case SlotCheck::MeetingCharacter:
            return value <= 1 + kHeroCount || value == kNoMeetingCharacter;
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

namespace {

class SlotWriter {
  public:
    SlotWriter(std::span<uint8_t> image, size_t offset) : image_(image), offset_(offset) {}

    void Int(int32_t value, SlotCheck) { Put(static_cast<uint32_t>(value)); }
    void Byte(uint8_t value, SlotCheck) { Put(value); }

  private:
    void Put(uint32_t value) {
        WriteImageSlot(image_, offset_, value);
        offset_ += kImageSlotSize;
    }

    std::span<uint8_t> image_;
    size_t offset_;
};

// Reads into a copy of the record; the first value out of range spoils the whole read.
class SlotReader {
  public:
    SlotReader(std::span<const uint8_t> image, size_t offset) : image_(image), offset_(offset) {}

    void Int(int32_t& value, SlotCheck check) {
        const auto slot = static_cast<int32_t>(Take());
        valid_ = valid_ && SlotFits(slot, check);
        value = slot;
    }
    void Byte(uint8_t& value, SlotCheck check) {
        const uint32_t slot = Take();
        valid_ = valid_ && slot <= UINT8_MAX && SlotFits(slot, check);
        value = static_cast<uint8_t>(slot);
    }

    bool Valid() const { return valid_; }

  private:
    uint32_t Take() {
        const uint32_t slot = ReadImageSlot(image_, offset_);
        offset_ += kImageSlotSize;
        return slot;
    }

    std::span<const uint8_t> image_;
    size_t offset_;
    bool valid_ = true;
};

}  // namespace

void WriteSaveImage(const GameState& state, std::span<uint8_t, kSaveImageSize> image) {
    std::fill(image.begin(), image.end(), uint8_t{0});
    SlotWriter writer(image, 0);
    save_layout::VisitSavedFields(writer, static_cast<const GameStateData&>(state));
    SlotWriter mapWriter(image, kSaveMapStateOffset);
    save_layout::VisitMapStateFields(mapWriter, static_cast<const GameStateData&>(state));
}

bool ReadSaveImage(std::span<const uint8_t> image, GameState& state) {
    if (image.size() != kSaveImageSize) {
        return false;
    }
    GameStateData loaded = state;
    SlotReader reader(image, 0);
    save_layout::VisitSavedFields(reader, loaded);
    SlotReader mapReader(image, kSaveMapStateOffset);
    save_layout::VisitMapStateFields(mapReader, loaded);
    const auto scrollX = static_cast<int32_t>(ReadImageSlot(image, kSaveScrollXOffset));
    const auto scrollY = static_cast<int32_t>(ReadImageSlot(image, kSaveScrollYOffset));
    if (!reader.Valid() || !mapReader.Valid() || !SlotFits(scrollX, SlotCheck::ScrollX) ||
        !SlotFits(scrollY, SlotCheck::ScrollY) || !FieldsAgree(loaded)) {
        return false;
    }
    static_cast<GameStateData&>(state) = loaded;
    return true;
}

}  // namespace varn
