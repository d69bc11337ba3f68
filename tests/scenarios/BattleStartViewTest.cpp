#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "battle/BattleScreen.h"
#include "battle/BattleWorld.h"
#include "support/HeadlessGame.h"
#include "world/GameState.h"

namespace varn {

namespace {

struct Spot {
    int32_t x;
    int32_t y;
};

std::vector<Spot> Units(const BattleScreen& s) {
    std::vector<Spot> units = {{s.commanderX, s.commanderY}};
    for (int slot = 0; slot < kBattleArmySlots; ++slot) {
        if (s.armyPresent[slot] != 0) {
            units.push_back({s.armyX[slot], s.armyY[slot]});
        }
    }
    for (int a = 0; a < kBattleAllySlots; ++a) {
        if (s.allyPresent[a] != 0) {
            units.push_back({s.allyX[a], s.allyY[a]});
        }
    }
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (s.enemyPresent[e] != 0) {
            units.push_back({s.enemyX[e], s.enemyY[e]});
        }
    }
    return units;
}

// Units whose figure, the middle 40 pixels of the cell's width over the picture's 58 from 8 pixels
// down, reaches into the column of the side buttons: from Quit down to End turn, from the
// buttons' left edge out to the screen's.
int UnitsInTheButtonColumn(const BattleScreen& s, int32_t cameraX, int32_t cameraY) {
    constexpr int32_t kLeft = 700;
    constexpr int32_t kTop = 20;
    constexpr int32_t kRight = 800;
    constexpr int32_t kBottom = 288;
    const std::vector<Spot> units = Units(s);
    return static_cast<int>(std::count_if(units.begin(), units.end(), [&](const Spot& unit) {
        const int32_t left = unit.x - cameraX + 20;
        const int32_t top = unit.y - cameraY + 8;
        return left < kRight && kLeft < left + 40 && top < kBottom && kTop < top + 58;
    }));
}

}  // namespace

// Every battle opens on its scenario's own view, and no unit stands there under the side
// buttons, where it could be neither seen nor clicked: the enemies are placed clear of them.
TEST(BattleStartView, NoBattleOpensWithAUnitUnderTheSideButtons) {
    HeadlessGame game;
    GameState& world = *game.app.world;
    for (const uint8_t questState : {0, 5}) {
        world.questState.fill(questState);
        for (int battle = 1; battle <= 93; ++battle) {
            if (!HasBattleScenario(battle)) {
                continue;
            }
            SCOPED_TRACE(battle);
            world.battleId = static_cast<uint8_t>(battle);
            world.inBattle = 1;
            world.commanderIsPlayer = 1;
            const std::unique_ptr<BattleScreen> s = CreateBattleScreen(world, game.app.device);
            BattleScreen scenario;
            scenario.battleId = battle;
            scenario.questState = world.questState;
            scenario.SetupPlayerSide();
            EXPECT_EQ(std::pair(s->cameraX, s->cameraY),
                      std::pair(scenario.cameraX, scenario.cameraY));
            EXPECT_EQ(UnitsInTheButtonColumn(*s, s->cameraX, s->cameraY), 0);
        }
    }
}

}  // namespace varn
