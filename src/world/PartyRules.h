#pragma once

#include <string>
#include <vector>

namespace varn {

struct GameStateData;

// The rules of the characters' items and armies that every world the game reaches keeps: each
// item in at most one cell of one character or one house's store, the owned flags and item cells
// the cells' own, army places unique per character, no army with more men standing and down than
// a byte can raise. A saved world that breaks one is damaged, and the checks after every frame of
// the tests and the fuzz targets hold the running game to them.
bool PartyKeepsTheRules(const GameStateData& world);

// One line per broken rule, naming the item or army and where it stands.
void AddPartyViolations(const GameStateData& world, std::vector<std::string>& violations);

}  // namespace varn
