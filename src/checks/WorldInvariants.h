#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varn {

class GameApp;
class GameState;

// What must hold of a running game between any two frames, whatever the player did. Each
// function appends one line per fault it finds; an empty list is a sound game. Shared by the
// tests and the fuzz targets, so nothing here stops the program.

// The characters' items and armies: each item in at most one cell of one character or one
// house's store, the owned flags and item cells the cells' own, army places unique per character,
// no army with more men than a byte can raise.
void AddPartyViolations(const GameState& world, std::vector<std::string>& violations);

// The party's faults, every saved field within the range the load allows, and a save of the
// record (with the map's scroll position) loading back to the same image, byte for byte.
void AddRecordViolations(const GameState& world, int32_t scrollX, int32_t scrollY,
                         std::vector<std::string>& violations);

// Whether a check saves and loads the record: the costliest of the checks, by far.
enum class SaveRoundTrip : uint8_t { Run, Skip };

// The record's faults (the party's alone when the round trip is skipped), the current state one
// of the state list, and the bytes the states hand each other within their ranges.
std::vector<std::string> WorldInvariantViolations(const GameApp& app,
                                                  SaveRoundTrip roundTrip = SaveRoundTrip::Run);

}  // namespace varn
