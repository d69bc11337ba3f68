#include "frontend/SaveFiles.h"

#include <filesystem>
#include <memory>
#include <span>
#include <system_error>

#include "engine/DataBlob.h"
#include "platform/Files.h"
#include "world/HallOfFameImage.h"
#include "world/SaveImage.h"

namespace varn {

std::string SaveSlotPath(int slot) {
    return "Saves\\" + std::to_string(slot) + ".save";
}

bool ReadSlotFile(DataBlob& blob, int slot) {
    return IsSaveSlot(slot) && blob.LoadFromFile(SaveSlotPath(slot).c_str(), nullptr) != nullptr;
}

bool TakeSavedGame(const DataBlob& blob, GameState& world) {
    return blob.data != nullptr &&
           ReadSaveImage(std::span<const uint8_t>(blob.data, blob.size), world);
}

SlotSummaries ProbeSaveSlots(DataBlob& probe, std::array<uint8_t, kSaveSlotCount>& slotEmpty) {
    SlotSummaries slots;
    // The saved games are read into a scratch record: the running world stays as it is.
    auto scratch = std::make_unique<GameState>();
    for (int slot = 1; slot <= kSaveSlotCount; ++slot) {
        SlotSummary& summary = slots[static_cast<size_t>(slot - 1)];
        std::error_code ignored;
        if (!std::filesystem::exists(platform::ResolvePath(SaveSlotPath(slot).c_str()), ignored)) {
            summary.verdict = SlotVerdict::Empty;
        } else if (ReadSlotFile(probe, slot) && TakeSavedGame(probe, *scratch)) {
            summary = {SlotVerdict::Saved, GlyphText(scratch->playerName), scratch->day};
        } else {
            summary.verdict = SlotVerdict::Damaged;
        }
        slotEmpty[static_cast<size_t>(slot - 1)] = summary.verdict == SlotVerdict::Saved ? 0 : 1;
    }
    probe.Free();
    return slots;
}

bool LoadHallOfFame(DataBlob& blob, GameState& world) {
    const uint8_t* bytes = blob.LoadFromFile(kHallOfFamePath, nullptr);
    const bool read =
        bytes != nullptr && ReadHallOfFameImage(std::span<const uint8_t>(bytes, blob.size), world);
    blob.Free();
    if (!read) {
        world.hofUsed.fill(0);
        world.hofScore.fill(0);
        world.hofName.fill(GlyphString{});
    }
    return read;
}

void RemoveLeftoverSaveTemporaries() {
    for (int slot = 1; slot <= kSaveSlotCount; ++slot) {
        platform::RemoveLeftoverTemporary(SaveSlotPath(slot).c_str());
    }
    platform::RemoveLeftoverTemporary(kHallOfFamePath);
}

uint8_t FirstFreeSlot(const std::array<uint8_t, kSaveSlotCount>& slotEmpty) {
    for (int slot = 1; slot <= kSaveSlotCount; ++slot) {
        if (slotEmpty[static_cast<size_t>(slot - 1)] != 0) {
            return static_cast<uint8_t>(slot);
        }
    }
    return 1;
}

}  // namespace varn
