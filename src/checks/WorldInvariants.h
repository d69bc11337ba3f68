#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/PartyRules.h"

namespace varn {

class GameApp;
class GameState;

// What must hold of a running game between any two frames, whatever the player did. Each
// function appends one line per fault it finds; an empty list is a sound game. Shared by the
// tests and the fuzz targets, so nothing here stops the program.

// The party's faults (world/PartyRules.h: the rules the load holds a save to), every saved field
// within the range the load allows, and a save of the record (with the map's scroll position)
// loading back to the same image, byte for byte.
void AddRecordViolations(const GameState& world, int32_t scrollX, int32_t scrollY,
                         std::vector<std::string>& violations);

// Whether a check saves and loads the record: the costliest of the checks, by far.
enum class SaveRoundTrip : uint8_t { Run, Skip };

// The record's faults (the party's alone when the round trip is skipped), the current state one
// of the state list, and the bytes the states hand each other within their ranges.
std::vector<std::string> WorldInvariantViolations(const GameApp& app,
                                                  SaveRoundTrip roundTrip = SaveRoundTrip::Run);

}  // namespace varn
