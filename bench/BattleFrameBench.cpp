#include <benchmark/benchmark.h>

#include "app/GameApp.h"
#include "battle/BattleScreen.h"
#include "support/BattleGame.h"

namespace varn {

namespace {

// Every unit slot filled, the grid on, the unit panel and a strike report showing.
void FillTheField(BattleScreen& screen) {
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        screen.enemyPresent[e] = 1;
        screen.enemyCell[e] = 101 + e;
        screen.enemyX[e] = CellPixelX(101 + e);
        screen.enemyY[e] = CellPixelY(101 + e);
        screen.enemyKind[e] = static_cast<uint8_t>(e % kEnemyKindCount);
        screen.enemyMen[e] = static_cast<uint8_t>(10 + e * 2);
    }
    for (int a = 0; a < kBattleAllySlots; ++a) {
        screen.allyPresent[a] = 1;
        screen.allyCell[a] = 1 + a;
        screen.allyX[a] = CellPixelX(1 + a);
        screen.allyY[a] = CellPixelY(1 + a);
        screen.allyMen[a] = 12;
    }
    for (int s = 0; s < kBattleArmySlots; ++s) {
        screen.armyPresent[s] = 1;
        screen.armyCell[s] = 21 + s;
        screen.armyX[s] = CellPixelX(21 + s);
        screen.armyY[s] = CellPixelY(21 + s);
        screen.armyAlive[s] = 15;
    }
    screen.gridOn = 1;
    screen.selectedArmy = 1;
    screen.activeArmyIndex = 0;
    screen.strikeReportOn = 1;
    screen.reportLight = 1;
    screen.reportSomeDown = 1;
    screen.damageLevel = 17;
    screen.cameraX = 200;
    screen.cameraY = 200;
}

void BattleFrame(benchmark::State& state) {
    BattleGame game;
    HeadlessGame::backend().recordTexts = false;  // the tests' text log costs no player a thing
    game.EnterBattle(66);
    game.ClickAway();
    FillTheField(game.screen());
    for (auto _ : state) {
        game.app.Frame();
    }
}
BENCHMARK(BattleFrame)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace varn
