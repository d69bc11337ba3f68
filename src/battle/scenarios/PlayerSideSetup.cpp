#include "battle/BattleScreen.h"
#include "battle/scenarios/ScenarioTables.h"

namespace varn {

namespace {

bool GroupComes(const AllyGroup& group, const BattleScreen& screen) {
    switch (group.condition) {
        case AllyCondition::Always:
            return true;
        case AllyCondition::DefenderFound:
            return screen.mapByte != 0;
        case AllyCondition::QuestAccepted:
            return screen.questState[group.quest - 1] >= kQuestAccepted;
        case AllyCondition::QuestGoalMet:
            return screen.questState[group.quest - 1] >= kQuestGoalMet;
        case AllyCondition::QuestNotLocked:
            return screen.questState[group.quest - 1] != kQuestLocked;
    }
    return false;
}

void PlaceAlly(BattleScreen& screen, const AllyEntry& ally, uint8_t kind) {
    const int s = ally.slot;
    screen.allyPresent[s] = 1;
    screen.allyCell[s] = ally.cell;
    screen.allyX[s] = CellPixelX(ally.cell);
    screen.allyY[s] = CellPixelY(ally.cell);
    screen.allyFacing[s] = ally.facing;
    screen.allyKind[s] = kind;
    screen.allyMen[s] = ally.men;
    screen.allyLight[s] = 0;
    screen.allySerious[s] = 0;
    screen.allyCritical[s] = 0;
    screen.allyDown[s] = 0;
    screen.allyAttack[s] = ally.attack;
    screen.allyDefence[s] = ally.defence;
    screen.allyName[s] = ally.name;
}

}  // namespace

void BattleScreen::SetupPlayerSide() {
    const PlayerSideRow* row = FindPlayerSideRow(battleId);
    if (row == nullptr) {
        return;
    }
    brilliantTurns = row->brilliantTurns;
    greatTurns = row->greatTurns;
    lastTurn = row->lastTurn;

    const StartLayout& layout = kStartLayouts[row->layout - 1];
    commanderCell = layout.commanderCell;
    commanderFacing = layout.commanderFacing;
    for (int s = 0; s < kBattleArmySlots; ++s) {
        armyCell[s] = layout.armyCell[s];
        armyFacing[s] = layout.armyFacing[s];
    }
    if (row->hasCamera) {
        cameraX = row->cameraX;
        cameraY = row->cameraY;
    }

    for (int kind = 0; kind < kAllyKindCount; ++kind) {
        if ((row->allyPictures & (1u << kind)) != 0) {
            allyKindUsed[kind] = 1;
        }
    }
    for (const AllyGroup& group : row->groups) {
        if (!GroupComes(group, *this)) {
            continue;
        }
        allyKindUsed[group.kind] = 1;
        for (const AllyEntry& ally : group.allies) {
            PlaceAlly(*this, ally, group.kind);
        }
    }
}

}  // namespace varn
