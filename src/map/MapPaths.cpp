#include <algorithm>

#include "map/MapScreen.h"
#include "map/MapSteps.h"

namespace varn {

// Drawing a path for the selected character, refusing one that ends on a character, and walking
// it point by point.

namespace {

constexpr uint8_t kFirstPathStage = 2;
constexpr uint8_t kLastPathStage = kFirstPathStage + kMaxPathPoints - 1;

}  // namespace

uint8_t& MapScreen::WalkerMovesLeft() {
    return playerSelected != 0 ? playerMovesLeft : heroMovesLeft[selectedHeroIndex];
}

void MapScreen::ClearPath() {
    pointPending.fill(0);
    pathX.fill(0);
    pathY.fill(0);
    pathCount = 0;
}

void MapScreen::CutLastPoint() {
    pathStage = 0;
    pathIndex = 0;
    stepCounts.fill(0);
    pickRequest = 1;
    // A cut path ends next to what it met and can be walked only when points remain.
    walkState = kWalkNone;
    heroPathReady = 0;
    ++WalkerMovesLeft();
    --pathCount;
    pointPending[pathCount] = 0;
    if (pathCount > 0) {
        pickX = pathX[pathCount - 1];
        pickY = pathY[pathCount - 1];
    } else {
        pointPending.fill(0);
    }
}

bool MapScreen::CutForArmy(int32_t x, int32_t y) {
    for (int army = 0; army < kMapEntityCount; ++army) {
        if (armyActive[army] != 0 && armyX[army] == x && armyY[army] == y) {
            targetX = x;
            targetY = y;
            targetSet = 1;
            playerAttack = 1;
            armyTarget = 1;
            attackArmy = static_cast<uint8_t>(army);
            CutLastPoint();
            return true;
        }
    }
    return false;
}

void MapScreen::CutForMeeting(int32_t x, int32_t y) {
    CharacterId partner = kNoCharacter;
    for (int hero = 0; hero < kHeroCount && partner == kNoCharacter; ++hero) {
        const bool isWalker = playerSelected == 0 && hero == selectedHeroIndex;
        if (heroOnMap[hero] != 0 && !isWalker && heroX[hero] == x && heroY[hero] == y) {
            partner = CharacterOfHeroIndex(static_cast<HeroIndex>(hero));
        }
    }
    if (partner == kNoCharacter && playerSelected == 0 && walkX == x && walkY == y) {
        partner = kPlayerCharacter;
    }
    if (partner == kNoCharacter) {
        if (playerSelected != 0) {
            attackPathShown = 0;
        }
        return;
    }
    meetFirst = playerSelected != 0 ? kPlayerCharacter : CharacterOfHeroIndex(selectedHeroIndex);
    meetSecond = partner;
    targetX = x;
    targetY = y;
    targetSet = 1;
    tradeMode = kTradeReached;
    meetingRequest = 1;
    CutLastPoint();
}

void MapScreen::MarkPathWalkable() {
    if (playerSelected != 0) {
        walkState = kWalkDrawn;
    } else {
        heroPathReady = heroSelected;
    }
}

void MapScreen::AddPathPoint() {
    const uint8_t stage = pathStage;
    pathStage = stage == kLastPathStage ? 0 : stage + 1;
    int32_t x = pathCount == 0 ? pathStartX : pathX[pathCount - 1];
    int32_t y = pathCount == 0 ? pathStartY : pathY[pathCount - 1];
    TakeStep(stepCounts, x, y);
    if (stepCounts == kNoSteps || stage == kLastPathStage) {
        pathStage = 0;
        MarkPathWalkable();
        pathIndex = 0;
    }
    pickX = x;
    pickY = y;
    --WalkerMovesLeft();
    pointPending[pathCount] = 1;
    pathX[pathCount] = x;
    pathY[pathCount] = y;
    ++pathCount;

    if (!CutForArmy(x, y) && tradeMode == kTradeChosen) {
        CutForMeeting(x, y);
    }
}

void MapScreen::ClickCell(int32_t cell, uint8_t& clickFlag, int32_t x, int32_t y) {
    attackPathShown = 0;
    lookMode = kLookOff;
    targetSet = 0;
    playerAttack = 0;
    blockedMarker = 0;
    arrived = 0;
    battleStart = 0;
    armyTarget = 0;
    pathCount = 0;
    pathLength = 0;
    meetFirst = kNoMeeting;
    meetSecond = kNoMeeting;
    // A new path ends the last arrival: an attack started from here must not collect it again.
    cellSavedCode = kCodeNothing;

    if (playerSelected == 0 && heroSelected == 0) {
        clickFlag = 0;
    }
    walkState = kWalkNone;
    heroPathReady = 0;
    newSelection = 0;
    pathStage = 0;
    pickedCell = cell;
    if (tradeMode == kTradeLongPath) {
        tradeMode = kTradeOff;
    }

    if (cell == playerCell) {
        if (tradeMode != kTradeArmed) {
            playerSelected = 1;
            selectedCharacter = kPlayerCharacter;
            newSelection = 1;
            heroSelected = 0;
        } else if (selectedCharacter != kPlayerCharacter) {
            tradeMode = kTradeChosen;
        }
    }
    for (int hero = 0; hero < kHeroCount; ++hero) {
        if (heroOnMap[hero] == 0 || heroCell[hero] != cell) {
            continue;
        }
        const uint8_t number = static_cast<uint8_t>(hero + 1);
        if (tradeMode != kTradeArmed) {
            heroSelected = number;
            selectedCharacter = CharacterOfHeroIndex(static_cast<HeroIndex>(hero));
            newSelection = 1;
            playerSelected = 0;
        } else if (heroSelected != number) {
            tradeMode = kTradeChosen;
        }
    }

    if (playerSelected != 0) {
        playerMovesLeft = playerMoves;
    }
    if (heroSelected != 0) {
        heroMovesLeft[selectedHeroIndex] = heroMoves[selectedHeroIndex];
        selectedHeroIndex = static_cast<HeroIndex>(heroSelected - 1);
    }

    const bool selected = playerSelected != 0 || heroSelected != 0;
    if (selected && newSelection != 0) {
        ClearPath();
    } else if (selected && clickFlag != 0) {
        pathRequest = 1;
        pathStage = 1;
        clickFlag = 0;
        ClearPath();
        if (playerSelected != 0) {
            playerMovesLeft = playerMoves;
            pathStartX = walkX;
            pathStartY = walkY;
            bagCopy = kBagCopyLoad;
        } else {
            heroMovesLeft[selectedHeroIndex] = heroMoves[selectedHeroIndex];
            pathStartX = heroX[selectedHeroIndex];
            pathStartY = heroY[selectedHeroIndex];
            bagCopyHero = heroSelected;
        }
    }

    if (selected && pathStage == 1) {
        pathStage = kFirstPathStage;
        stepCounts = CountSteps(pathStartX, pathStartY, x, y);
        // The walker's own cell is no step: it gets no point.
        if (stepCounts == kNoSteps) {
            pathStage = 0;
        }
    }
    while (selected && pathStage >= kFirstPathStage && pathStage <= kLastPathStage &&
           WalkerMovesLeft() > 0) {
        AddPathPoint();
    }

    if (tradeMode == kTradeChosen && meetFirst == kNoMeeting) {
        tradeMode = kTradeOff;
        tradeFailed = 1;
    }
    if (pathCount >= 2 && targetSet == 0) {
        tradeMode = kTradeLongPath;
    }
    if (selected && pathCount > 0) {
        MarkPathWalkable();
        checkBlocked = 1;
    }
    if (playerAttack != 0) {
        attackPathShown = 1;
    }
    pathIndex = 0;
    if (tradeMode == kTradeArmed) {
        if (pathCount == 1) {
            pathCount = 0;
            walkState = kWalkNone;
            heroPathReady = 0;
        }
        if (pathCount == 0) {
            tradeMode = kTradeOff;
            pointPending[0] = 0;
        }
    }
    pathLength = pathCount;
}

void MapScreen::UpdateWalkTarget() {
    checkBlocked = 0;
    const int32_t cell = pickedCell;
    if (cell < 1 || cell > kMapCellCount) {
        return;
    }
    const uint8_t code = cellObject[cell];
    const bool characterThere = code >= kCodePlayer && code < kCodeFirstPile;
    const bool atTarget = targetSet != 0 && pickX == targetX && pickY == targetY;
    if (!characterThere || atTarget) {
        return;
    }
    if (playerSelected != 0 && cell != playerCell) {
        blockedMarker = 1;
        walkState = kWalkNone;
    } else if (heroSelected != 0 && cell != heroCell[selectedHeroIndex]) {
        blockedMarker = 1;
        heroPathReady = 0;
    }
    blockedX = pickX;
    blockedY = pickY;
}

void MapScreen::ChooseWalkDirection(int32_t x, int32_t y, Facing& facing) {
    chooseDirection = 0;
    arrived = 1;
    stepCounts.fill(0);
    if (pathIndex < pathCount) {
        stepCounts = FlagsToward(x, y, pathX[pathIndex], pathY[pathIndex]);
    }
    if (stepCounts != kNoSteps) {
        arrived = 0;
    }
    facing = FacingOf(stepCounts[kStepRight], stepCounts[kStepLeft], stepCounts[kStepUp],
                      stepCounts[kStepDown], facing);
}

void MapScreen::MoveWalker(int32_t& x, int32_t& y, uint8_t step) {
    if (pathIndex >= pathCount) {
        return;
    }
    pointReachedX |= x == pathX[pathIndex];
    pointReachedY |= y == pathY[pathIndex];
    if (pointReachedX == 0) {
        StepToward(x, pathX[pathIndex], step);
    }
    if (pointReachedY == 0) {
        StepToward(y, pathY[pathIndex], step);
    }
    if (pointReachedX != 0 && pointReachedY != 0) {
        pointPending[pathIndex] = 0;
        pointReachedX = 0;
        pointReachedY = 0;
        ++pathIndex;
        pointReached = 1;
        chooseDirection = 1;
    }
}

// Moves the walker's code from its old cell to the arrival cell and records what lies there.
int32_t MapScreen::ArriveAt(int32_t oldCell, uint8_t walkerCode) {
    if (oldCell >= 1 && oldCell <= kMapCellCount) {
        cellObject[oldCell] = 0;
    }
    const int32_t cell = pickedCell;
    cellSavedCode = ScanArrivalCell(cell);
    if (cell >= 1 && cell <= kMapCellCount) {
        cellObject[cell] = walkerCode;
    }
    ClearPath();
    stepCounts.fill(0);
    arrived = 1;
    return cell;
}

void MapScreen::WalkPath(uint8_t step) {
    if (walkState == kWalkOrdered) {
        cellSavedCode = kCodeNothing;
        playerSelected = 0;
        stepCounts.fill(0);
        walkState = kWalkWalking;
        pointReached = 0;
        arrived = 1;
        chooseDirection = 1;
    }
    if (chooseDirection != 0 && walkState >= kWalkOrdered) {
        ChooseWalkDirection(walkX, walkY, playerFacing);
    }
    if (pointReached != 0 && walkState == kWalkWalking) {
        pointReached = 0;
        if (pathIndex == pathCount) {
            playerMoves = static_cast<uint8_t>(std::max(0, playerMoves - pathLength));
            walkState = kWalkNone;
            playerFinds = 1;
            heroFinds = 0;
            playerArrived = 1;
            arrivedHero = 0;
            playerCell = ArriveAt(playerCell, kCodePlayer);
        }
    }
    if (walkState == kWalkWalking) {
        MoveWalker(walkX, walkY, step);
    }

    const HeroIndex hero = selectedHeroIndex;
    if (heroWalkStart != 0) {
        cellSavedCode = kCodeNothing;
        stepCounts.fill(0);
        walkingHero = heroWalkStart;
        pointReached = 0;
        arrived = 1;
        playerArrived = 0;
        arrivedHero = hero;
        heroSelected = 0;
        heroWalkStart = 0;
        chooseDirection = 1;
    }
    if (chooseDirection != 0 && walkingHero != 0) {
        ChooseWalkDirection(heroX[hero], heroY[hero], heroFacing[hero]);
    }
    if (pointReached != 0) {
        if (walkingHero == 0) {
            return;
        }
        pointReached = 0;
        if (pathIndex == pathCount) {
            heroMoves[hero] = static_cast<uint8_t>(std::max(0, heroMoves[hero] - pathLength));
            heroWalkStart = 0;
            walkingHero = 0;
            heroFinds = static_cast<uint8_t>(hero + 1);
            playerFinds = 0;
            heroCell[hero] = ArriveAt(heroCell[hero], kCodeFirstHero + hero);
        }
    }
    if (walkingHero != 0) {
        MoveWalker(heroX[hero], heroY[hero], step);
    }
}

MapObjectCode MapScreen::ScanArrivalCell(int32_t cell) const {
    MapObjectCode code = kCodeNothing;
    if (cell < 1 || cell > kMapCellCount) {
        return code;
    }
    for (int pile = 0; pile < kPileCount; ++pile) {
        if (pileActive[pile] != 0 && pileCell[pile] == cell) {
            code = kCodeFirstPile + pile;
        }
    }
    for (int bag = 0; bag < kBagCount; ++bag) {
        if (bagActive[bag] != 0 && bagCell[bag] == cell) {
            code = kCodeFirstBag + bag;
        }
    }
    for (int chest = 0; chest < kChestCount; ++chest) {
        if (chestActive[chest] != 0 && chestCell[chest] == cell) {
            code = kCodeFirstChest + chest;
        }
    }
    for (int army = 0; army < kMarkedArmyCount; ++army) {
        if (armyActive[army] != 0 && armyCell[army] == cell) {
            code = kCodeFirstArmy + army;
        }
    }
    auto scanList = [&code, cell](const auto& cells, MapObjectCode first) {
        for (size_t index = 0; index < cells.size(); ++index) {
            if (cells[index] == cell) {
                code = first + static_cast<MapObjectCode>(index);
            }
        }
    };
    scanList(townCells, kCodeFirstTown);
    scanList(villageCells, kCodeFirstVillage);
    scanList(palaceCells, kCodeFirstPalace);
    scanList(templeCells, kCodeFirstTemple);
    scanList(castleCells, kCodeFirstCastle);
    if (towerHidden == 0 && towerCell == cell) {
        code = kCodeTower;
    }
    scanList(siteCells, kCodeFirstSite);
    for (size_t index = 0; index < kQuestObjectCodes.size(); ++index) {
        if (questObjectCell[index] == cell) {
            code = kQuestObjectCodes[index];
        }
    }
    for (int army = kMarkedArmyCount; army < kMapEntityCount; ++army) {
        if (armyActive[army] != 0 && armyCell[army] == cell) {
            code = kCodeLateArmyOffset + army;
        }
    }
    return code;
}

}  // namespace varn
