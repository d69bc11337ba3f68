#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace varn {

class BattleScreen;
class GameState;

// What winning a numbered battle does to the world beyond clearing its site: the quests it
// advances, a mine taken, a fixed place's trigger cleared, a hero joining, the game won.
struct VictoryRow {
    uint8_t battle;
    // Quest numbers, 0 for none.
    std::array<uint8_t, 2> quests;
    // Entry of GameState::townOwned (0 the gold mine, 5 the iron mine); -1 none.
    int8_t mine;
    // Entry of GameState::battleTrigger; -1 none.
    int8_t trigger;
    // Hero number 1..10 joining at heroCell; 0 none.
    uint8_t hero;
    int16_t heroCell;
    bool winsGame;
};

// The rows with more than a cleared site, in ascending battle order.
std::span<const VictoryRow> VictoryRows();

// Battles against the map's armies and the invaders leave the map when won; the fixed places'
// battles keep their site and clear their trigger instead.
constexpr bool IsInvasionBattle(int battle) {
    return battle >= 81 && battle <= 93;
}
constexpr bool ClearsSite(int battle) {
    return (battle >= 1 && battle <= 65) || IsInvasionBattle(battle);
}

// The consequences of winning screen.battleId, run once in the frame the victory is found, after
// the rewards: the world record's writes, the joining hero's portrait on the screen and the
// game-won byte of endOfGame. A number without a scenario writes nothing.
void ApplyVictoryConsequences(BattleScreen& screen, GameState& world,
                              std::span<uint8_t, 3> endOfGame);

}  // namespace varn
