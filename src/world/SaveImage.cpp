#include "world/SaveImage.h"

#include <algorithm>

#include "world/ImageSlots.h"
#include "world/MapCells.h"
#include "world/PartyRules.h"
#include "world/SaveImageLayout.h"

namespace varn {

namespace {

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

void WriteSaveImage(const GameState& state, int32_t scrollX, int32_t scrollY,
                    std::span<uint8_t, kSaveImageSize> image) {
    WriteSaveImage(state, image);
    WriteImageSlot(image, kSaveScrollXOffset, static_cast<uint32_t>(scrollX));
    WriteImageSlot(image, kSaveScrollYOffset, static_cast<uint32_t>(scrollY));
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
        !SlotFits(scrollY, SlotCheck::ScrollY) || !FieldsAgree(loaded) ||
        !PartyKeepsTheRules(loaded)) {
        return false;
    }
    static_cast<GameStateData&>(state) = loaded;
    return true;
}

}  // namespace varn
