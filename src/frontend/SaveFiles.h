#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "world/GameState.h"

namespace varn {

class DataBlob;

inline constexpr const char* kHallOfFamePath = "Saves\\HallOfFame.save";

// "Saves\1.save" .. "Saves\5.save"; slots are numbered 1..5.
std::string SaveSlotPath(int slot);

constexpr bool IsSaveSlot(int slot) {
    return slot >= 1 && slot <= kSaveSlotCount;
}

// Marks in slotEmpty (entry slot - 1) every slot whose file cannot be read.
void ProbeSaveSlots(DataBlob& probe, std::array<uint8_t, kSaveSlotCount>& slotEmpty);

// Takes the five places of the hall-of-fame file into the world; a missing or unreadable file
// leaves all five empty. False when the file could not be read.
bool LoadHallOfFame(DataBlob& blob, GameState& world);

// Removes what saves and hall-of-fame writes that were cut short left behind.
void RemoveLeftoverSaveTemporaries();

// The first slot without a file, or slot 1 when every slot holds a game.
uint8_t FirstFreeSlot(const std::array<uint8_t, kSaveSlotCount>& slotEmpty);

}  // namespace varn
