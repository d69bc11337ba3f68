#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <utility>
#include <vector>

#include "battle/BattlePictures.h"
#include "battle/BattleScreen.h"
#include "battle/BattleWorld.h"
#include "engine/ScreenSize.h"
#include "engine/SpriteSet.h"
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

struct Box {
    float left;
    float top;
    float right;
    float bottom;
};

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Within(const Box& inner, const Box& outer) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

// The screen boxes the frame drew pictures of the set's slots into: each draw's frame at its
// scale.
std::vector<Box> DrawnBoxes(const SpriteSet& set, const std::vector<int32_t>& slots) {
    std::vector<Box> boxes;
    for (const platform::SpriteDrawRecord& draw : HeadlessGame::backend().draws) {
        for (const int32_t slot : slots) {
            const SpriteSet::Slot& s = set.slots[static_cast<size_t>(slot)];
            if (s.texture.texture != nullptr && draw.texture == s.texture.texture.get()) {
                boxes.push_back({draw.x, draw.y, draw.x + s.frameWidth * draw.scaleX,
                                 draw.y + s.frameHeight * draw.scaleY});
            }
        }
    }
    return boxes;
}

Box Around(const std::vector<Box>& boxes) {
    Box around = boxes.front();
    for (const Box& b : boxes) {
        around = {std::min(around.left, b.left), std::min(around.top, b.top),
                  std::max(around.right, b.right), std::max(around.bottom, b.bottom)};
    }
    return around;
}

// Enemy figures the battle's first frame draws whole on the field a player sees: inside the
// screen above the bottom panel (as it shows once the turn's banner is put away and a unit is
// selected, with its name bar) and clear of the side buttons' column, from their left edge out
// to the screen's.
int EnemiesInSight(BattleScreen& s) {
    platform::HeadlessBackend& backend = HeadlessGame::backend();
    s.showTurnInfo = 0;
    s.commanderSelected = 1;
    backend.draws.clear();
    backend.recordDraws = true;
    s.Draw();
    backend.recordDraws = false;

    const std::vector<Box> buttons =
        DrawnBoxes(*s.mainSprites, {kSlotQuitButton, kSlotOptionsButton, kSlotGridButton,
                                    kSlotRetreatButton, kSlotEndTurnButton});
    const std::vector<Box> panel = DrawnBoxes(*s.mainSprites, {kSlotBackdrop, kSlotNameBar});
    if (buttons.size() != 5 || panel.empty()) {
        ADD_FAILURE() << "the side buttons and the bottom panel are drawn";
        return 0;
    }
    Box column = Around(buttons);
    column.right = kScreenWidth;
    const Box field = {0, 0, kScreenWidth, Around(panel).top};

    std::vector<int32_t> kinds(kEnemyKindCount);
    std::iota(kinds.begin(), kinds.end(), 0);
    const std::vector<Box> figures = DrawnBoxes(*s.enemySprites, kinds);
    return static_cast<int>(std::count_if(figures.begin(), figures.end(), [&](const Box& f) {
        return Within(f, field) && !Overlap(f, column);
    }));
}

}  // namespace

// Every battle opens on its scenario's own view, and no unit stands there under the side
// buttons, where it could be neither seen nor clicked: the enemies are placed clear of them.
// And the foe is in that view: at least one enemy figure shows whole, clear of the side buttons
// and the bottom panel, so the player need not scroll to find whom to fight. The allies come
// with their quests, or the found defender, or not at all; the enemy stands where it stands.
TEST(BattleStartView, EveryBattleOpensWithItsFoeInSightAndNoUnitUnderTheSideButtons) {
    HeadlessGame game;
    GameState& world = *game.app.world;
    for (const uint8_t questState : {0, 5}) {
        world.questState.fill(questState);
        world.defenderFound() = questState == 0 ? 0 : 1;
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
            EXPECT_GE(EnemiesInSight(*s), 1);
        }
    }
}

}  // namespace varn
