#pragma once

#include <memory>

namespace varn {

class BattleScreen;
class GameState;
class GraphicsDevice;

// A battle number the game has a scenario for (1..73, 81..93).
bool HasBattleScenario(int battle);

// Builds the screen of the world's battle: the scenario's two sides, the enemy's carried losses,
// the commander and its armies, and for a resumed battle the snapshot of the moment of saving.
// The battle number must have a scenario.
std::unique_ptr<BattleScreen> CreateBattleScreen(GameState& world, GraphicsDevice& device);

// The snapshot that lets a saved battle be rebuilt: turn, positions, facings, committed moves,
// the allies and the enemies.
void WriteBattleSnapshot(const BattleScreen& screen, GameState& world);
void RestoreBattleSnapshot(BattleScreen& screen, const GameState& world);

// The battle's results into the world: the carried losses, the commander's stats and armies
// and the snapshot. The final leave to the map also settles fame, the health floor of 1 and the
// gains of levels won; a suspension writes the values as they stand.
void WriteBattleBack(const BattleScreen& screen, GameState& world, bool finalLeave);

}  // namespace varn
