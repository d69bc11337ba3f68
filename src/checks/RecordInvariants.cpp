#include <algorithm>
#include <memory>
#include <span>

#include "checks/WorldInvariants.h"
#include "world/GameState.h"
#include "world/ImageSlots.h"
#include "world/SaveImage.h"
#include "world/SaveImageLayout.h"
#include "world/SaveRanges.h"

namespace varn {

namespace {

// Walks the saved fields in the save's own order and names each one the load would refuse by its
// slot in the image.
class RangeChecker {
  public:
    RangeChecker(size_t firstSlot, std::vector<std::string>& violations)
        : slot_(firstSlot), violations_(violations) {}

    void Int(int32_t value, SlotCheck check) { Check(value, check); }
    void Byte(uint8_t value, SlotCheck check) { Check(value, check); }

  private:
    void Check(int64_t value, SlotCheck check) {
        if (!SlotFits(value, check)) {
            const SlotRange range = RangeOf(check);
            violations_.push_back("saved slot " + std::to_string(slot_) + " holds " +
                                  std::to_string(value) + ", outside " + std::to_string(range.low) +
                                  ".." + std::to_string(range.high));
        }
        ++slot_;
    }

    size_t slot_;
    std::vector<std::string>& violations_;
};

void CheckRanges(const GameState& world, int32_t scrollX, int32_t scrollY,
                 std::vector<std::string>& violations) {
    const GameStateData& data = world;
    RangeChecker record(0, violations);
    save_layout::VisitSavedFields(record, data);
    RangeChecker mapState(kSaveMapStateOffset / kImageSlotSize, violations);
    save_layout::VisitMapStateFields(mapState, data);
    if (!SlotFits(scrollX, SlotCheck::ScrollX) || !SlotFits(scrollY, SlotCheck::ScrollY)) {
        violations.push_back("map scroll " + std::to_string(scrollX) + "," +
                             std::to_string(scrollY) + " outside the map");
    }
}

// The save's image loaded into a fresh record and saved again: the same bytes, or the load lost
// or changed a field.
void CheckRoundTrip(const GameState& world, int32_t scrollX, int32_t scrollY,
                    std::vector<std::string>& violations) {
    std::vector<uint8_t> savedBytes(kSaveImageSize);
    std::vector<uint8_t> againBytes(kSaveImageSize);
    const std::span<uint8_t, kSaveImageSize> saved(savedBytes.data(), kSaveImageSize);
    const std::span<uint8_t, kSaveImageSize> again(againBytes.data(), kSaveImageSize);
    WriteSaveImage(world, scrollX, scrollY, saved);
    auto loaded = std::make_unique<GameState>();
    if (!ReadSaveImage(saved, *loaded)) {
        violations.push_back("the load refuses a save of the record");
        // The load checks every slot as the ranges do: name the slots it refused.
        CheckRanges(world, scrollX, scrollY, violations);
        return;
    }
    const auto loadedScrollX = static_cast<int32_t>(ReadImageSlot(saved, kSaveScrollXOffset));
    const auto loadedScrollY = static_cast<int32_t>(ReadImageSlot(saved, kSaveScrollYOffset));
    WriteSaveImage(*loaded, loadedScrollX, loadedScrollY, again);
    if (againBytes == savedBytes) {
        return;
    }
    const auto differ = std::mismatch(saved.begin(), saved.end(), again.begin());
    if (differ.first != saved.end()) {
        const auto offset = static_cast<size_t>(differ.first - saved.begin());
        violations.push_back("a saved and loaded record saves differently at slot " +
                             std::to_string(offset / kImageSlotSize));
    }
}

}  // namespace

void AddRecordViolations(const GameState& world, int32_t scrollX, int32_t scrollY,
                         std::vector<std::string>& violations) {
    AddPartyViolations(world, violations);
    CheckRoundTrip(world, scrollX, scrollY, violations);
}

}  // namespace varn
