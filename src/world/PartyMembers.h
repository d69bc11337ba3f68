#pragma once

#include "world/CharacterRecords.h"
#include "world/Glyph.h"

namespace varn {

class GameState;
struct GameStateData;

// The records of one of the player's characters by its CharacterId (1 the player, 2..11 the
// heroes). An id that names no character gives null, so a stray id never reaches a hero array.
CharacterStats* StatsOf(GameState& world, CharacterId character);
CharacterItemRecord* ItemsOf(GameState& world, CharacterId character);
ArmyRecord* ArmyOf(GameState& world, CharacterId character);
const CharacterStats* StatsOf(const GameStateData& world, CharacterId character);
const CharacterItemRecord* ItemsOf(const GameStateData& world, CharacterId character);
const ArmyRecord* ArmyOf(const GameStateData& world, CharacterId character);
// Blank for an id that names no character.
GlyphString NameOf(const GameState& world, CharacterId character);

// True for the player and for a hero who has joined the party.
bool IsInParty(const GameState& world, CharacterId character);
// Two different characters of the party: what a meeting needs. Anything else would read past the
// hero arrays or write one character back twice.
bool IsMeetingPair(const GameState& world, CharacterId first, CharacterId second);

}  // namespace varn
