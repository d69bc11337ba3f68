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

// What a slot holds, by the load's own reading of its file: no file, a file the load refuses,
// or a whole game.
enum class SlotVerdict : uint8_t { Empty, Damaged, Saved };

struct SlotSummary {
    SlotVerdict verdict = SlotVerdict::Empty;
    std::string playerName;  // a saved game's only
    int32_t day = 0;
};

using SlotSummaries = std::array<SlotSummary, kSaveSlotCount>;

// Reads a slot's file into blob as the load does; false (blob empty) when there is no file or it
// cannot be read whole.
bool ReadSlotFile(DataBlob& blob, int slot);

// Takes the game read into blob into the world, only when the image is whole and valid; false
// leaves the world as it was.
bool TakeSavedGame(const DataBlob& blob, GameState& world);

// The verdict on every slot, through the same reading and validation as the load; marks in
// slotEmpty (entry slot - 1) every slot that holds no game the load would take.
SlotSummaries ProbeSaveSlots(DataBlob& probe, std::array<uint8_t, kSaveSlotCount>& slotEmpty);

// Takes the five places of the hall-of-fame file into the world; a missing or unreadable file
// leaves all five empty. False when the file could not be read.
bool LoadHallOfFame(DataBlob& blob, GameState& world);

// Removes what saves and hall-of-fame writes that were cut short left behind.
void RemoveLeftoverSaveTemporaries();

// The first slot without a file, or slot 1 when every slot holds a game.
uint8_t FirstFreeSlot(const std::array<uint8_t, kSaveSlotCount>& slotEmpty);

}  // namespace varn
