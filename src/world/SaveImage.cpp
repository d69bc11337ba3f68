#include "world/SaveImage.h"

#include <algorithm>

#include "world/ImageSlots.h"
#include "world/MapCells.h"
#include "world/SaveImageLayout.h"

namespace varn {

namespace {

constexpr CharacterId kNoMeetingCharacter = 100;

bool InRange(uint32_t value, uint32_t low, uint32_t high) {
    return value >= low && value <= high;
}

// Byte fields are checked after their slot is known to fit a byte.
bool ByteFits(uint32_t value, SlotCheck check) {
    switch (check) {
        case SlotCheck::Any:
            return true;
        case SlotCheck::Flag:
            return value <= 1;
        case SlotCheck::Quest:
            return IsValidQuestState(static_cast<uint8_t>(value));
        case SlotCheck::Character:
            return value <= 1 + kHeroCount;
        case SlotCheck::MeetingCharacter:
            return value <= 1 + kHeroCount || value == kNoMeetingCharacter;
        case SlotCheck::HeroNumber:
            return value <= kHeroCount;
        case SlotCheck::TownNumber:
            return InRange(value, 1, kTownCount);
        case SlotCheck::VillageNumber:
            return InRange(value, 1, kVillageCount);
        case SlotCheck::Item:
            return value <= kLastItemId;
        case SlotCheck::ItemIndex:
            return value < kLastItemId;
        case SlotCheck::ItemCell:
            return value < kItemCellCount;
        case SlotCheck::ArmySlot:
            return value < kArmySlotCount;
        case SlotCheck::UnitType:
            return IsKnownUnitType(static_cast<uint8_t>(value));
        case SlotCheck::UnitId:
            return value == 0 || IsKnownUnitType(static_cast<uint8_t>(value - 1));
        case SlotCheck::Direction:
            return value <= 7;
        case SlotCheck::BodyVariant:
            return value <= 2;
        case SlotCheck::Speed:
            return InRange(value, 1, 3);
        case SlotCheck::Glyph:
            return IsValidGlyph(static_cast<GlyphCode>(value));
        case SlotCheck::SnapshotState:
            return value <= 2;
        case SlotCheck::FameLine:
            return value <= 5;
        case SlotCheck::MapCell:
            return false;
    }
    return false;
}

bool IntFits(int32_t value, SlotCheck check) {
    if (check == SlotCheck::MapCell) {
        return value >= kNoMapCell && value <= kMapCellCount;
    }
    return check == SlotCheck::Any;
}

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
        valid_ = valid_ && IntFits(slot, check);
        value = slot;
    }
    void Byte(uint8_t& value, SlotCheck check) {
        const uint32_t slot = Take();
        valid_ = valid_ && slot <= UINT8_MAX && ByteFits(slot, check);
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
    if (!reader.Valid() || !mapReader.Valid()) {
        return false;
    }
    static_cast<GameStateData&>(state) = loaded;
    return true;
}

}  // namespace varn
