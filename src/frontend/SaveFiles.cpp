#include "frontend/SaveFiles.h"

#include <span>

#include "engine/DataBlob.h"
#include "platform/Files.h"
#include "world/HallOfFameImage.h"

namespace varn {

std::string SaveSlotPath(int slot) {
    return "Saves\\" + std::to_string(slot) + ".save";
}

void ProbeSaveSlots(DataBlob& probe, std::array<uint8_t, kSaveSlotCount>& slotEmpty) {
    for (int slot = 1; slot <= kSaveSlotCount; ++slot) {
        const bool readable = probe.LoadFromFile(SaveSlotPath(slot).c_str(), nullptr) != nullptr;
        slotEmpty[static_cast<size_t>(slot - 1)] = readable ? 0 : 1;
    }
    probe.Free();
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
