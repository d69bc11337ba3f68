#include "battle/scenarios/VictoryConsequences.h"

#include "battle/BattleScreen.h"
#include "world/GameState.h"

namespace varn {

namespace {

// The map takes its enemy phase back, and with it the beaten invader, at its next creation.

const VictoryRow* FindVictoryRow(int battle) {
    for (const VictoryRow& row : VictoryRows()) {
        if (row.battle == battle) {
            return &row;
        }
    }
    return nullptr;
}

// A quest taken on reaches its goal and the house pays for it later; one never taken is closed
// at once, without the house's reward.
void AdvanceQuest(GameState& world, int quest) {
    uint8_t& state = world.Quest(quest);
    if (state > 1) {
        state = kQuestGoalMet;
    }
    if (state < 2) {
        state = kQuestSolved;
    }
}

}  // namespace

void ApplyVictoryConsequences(BattleScreen& screen, GameState& world,
                              std::span<uint8_t, 3> endOfGame) {
    const int battle = screen.battleId;
    if (ClearsSite(battle)) {
        world.BattleSite(battle) = 0;
    }
    if (const VictoryRow* row = FindVictoryRow(battle)) {
        for (uint8_t quest : row->quests) {
            if (quest != 0) {
                AdvanceQuest(world, quest);
            }
        }
        if (row->mine >= 0) {
            world.TownOwned(row->mine) = 1;
        }
        if (row->trigger >= 0) {
            world.Trigger(row->trigger) = 0;
        }
        if (row->hero != 0) {
            world.HeroJoined(row->hero) = 1;
            world.HeroMapCell(row->hero) = row->heroCell;
            screen.joiningHero = row->hero;
            screen.LoadHeroPortrait();
        }
        if (row->winsGame) {
            endOfGame[2] = 1;
        }
    }
    if (IsInvasionBattle(battle)) {
        world.beatenInvader() = static_cast<uint8_t>(battle - 1);
        world.mapSnapshotState = kSnapshotWaiting;
    }
}

}  // namespace varn
