#pragma once

#include <cstddef>
#include <string>

#include "world/GameState.h"

namespace varn {

// Every saved field of the world record by name, where it starts and how long it is, to name
// the fields of two save images that differ.
struct WorldField {
    const char* name;
    size_t offset;
    size_t size;
};

#define VARN_WORLD_FIELD(name) \
    { #name, offsetof(GameStateData, name), sizeof(GameStateData::name) }

inline constexpr WorldField kWorldFields[] = {
    VARN_WORLD_FIELD(mapCounter),
    VARN_WORLD_FIELD(routeCounter),
    VARN_WORLD_FIELD(day),
    VARN_WORLD_FIELD(questState),
    VARN_WORLD_FIELD(battleTrigger),
    VARN_WORLD_FIELD(heldFlagPalace),
    VARN_WORLD_FIELD(heldItemPalace),
    VARN_WORLD_FIELD(heldFlagTemple),
    VARN_WORLD_FIELD(heldItemTemple),
    VARN_WORLD_FIELD(heldFlagCastle),
    VARN_WORLD_FIELD(heldItemCastle),
    VARN_WORLD_FIELD(heldFlagTower),
    VARN_WORLD_FIELD(heldItemTower),
    VARN_WORLD_FIELD(saveSlot),
    VARN_WORLD_FIELD(mapStateFlag),
    VARN_WORLD_FIELD(mapBattleFlag),
    VARN_WORLD_FIELD(routeIndex),
    VARN_WORLD_FIELD(routeLength),
    VARN_WORLD_FIELD(routePending),
    VARN_WORLD_FIELD(routeKind),
    VARN_WORLD_FIELD(playerX),
    VARN_WORLD_FIELD(playerY),
    VARN_WORLD_FIELD(routeCells),
    VARN_WORLD_FIELD(outcomeReward),
    VARN_WORLD_FIELD(storyMode),
    VARN_WORLD_FIELD(madeHallOfFame),
    VARN_WORLD_FIELD(timerSpeed),
    VARN_WORLD_FIELD(slotEmpty),
    VARN_WORLD_FIELD(refreshSlots),
    VARN_WORLD_FIELD(finalScore),
    VARN_WORLD_FIELD(hofUsed),
    VARN_WORLD_FIELD(hofScore),
    VARN_WORLD_FIELD(eventDone),
    VARN_WORLD_FIELD(mapPhase),
    VARN_WORLD_FIELD(battleSiteActive),
    VARN_WORLD_FIELD(mapEntityA),
    VARN_WORLD_FIELD(mapEntityB),
    VARN_WORLD_FIELD(mapEntityC),
    VARN_WORLD_FIELD(mapEntityD),
    VARN_WORLD_FIELD(mapEntityE),
    VARN_WORLD_FIELD(mapEntityF),
    VARN_WORLD_FIELD(mapEntityG),
    VARN_WORLD_FIELD(mapEntityH),
    VARN_WORLD_FIELD(mapEntityI),
    VARN_WORLD_FIELD(battleHandOver),
    VARN_WORLD_FIELD(mapEntityActive),
    VARN_WORLD_FIELD(fameBoxShown),
    VARN_WORLD_FIELD(mapEntityOrder),
    VARN_WORLD_FIELD(mapBattleByte),
    VARN_WORLD_FIELD(battleReturnByte),
    VARN_WORLD_FIELD(mapStateByte),
    VARN_WORLD_FIELD(fame),
    VARN_WORLD_FIELD(currentEntity),
    VARN_WORLD_FIELD(pickNextArmy),
    VARN_WORLD_FIELD(moverRouteIndex),
    VARN_WORLD_FIELD(moverRecord),
    VARN_WORLD_FIELD(enemyWalkFlags),
    VARN_WORLD_FIELD(movingParty),
    VARN_WORLD_FIELD(enemyPointReached),
    VARN_WORLD_FIELD(mapEntityJ),
    VARN_WORLD_FIELD(enemyPathCount),
    VARN_WORLD_FIELD(partyByteA),
    VARN_WORLD_FIELD(partyDwordA),
    VARN_WORLD_FIELD(partyX),
    VARN_WORLD_FIELD(partyY),
    VARN_WORLD_FIELD(partyByteB),
    VARN_WORLD_FIELD(battleStartBytes),
    VARN_WORLD_FIELD(enemyIdleFlags),
    VARN_WORLD_FIELD(routeAHead),
    VARN_WORLD_FIELD(routeACount),
    VARN_WORLD_FIELD(roamerA),
    VARN_WORLD_FIELD(roamerB),
    VARN_WORLD_FIELD(roamerC),
    VARN_WORLD_FIELD(routeBHead),
    VARN_WORLD_FIELD(routeBCount),
    VARN_WORLD_FIELD(roamerD),
    VARN_WORLD_FIELD(roamerE),
    VARN_WORLD_FIELD(roamerF),
    VARN_WORLD_FIELD(battleId),
    VARN_WORLD_FIELD(battleCarryA),
    VARN_WORLD_FIELD(battleCarryB),
    VARN_WORLD_FIELD(hofName),
    VARN_WORLD_FIELD(pileActive),
    VARN_WORLD_FIELD(bagActive),
    VARN_WORLD_FIELD(roamerFlag),
    VARN_WORLD_FIELD(inBattle),
    VARN_WORLD_FIELD(commanderIsPlayer),
    VARN_WORLD_FIELD(commanderHero),
    VARN_WORLD_FIELD(meetingFirst),
    VARN_WORLD_FIELD(meetingSecond),
    VARN_WORLD_FIELD(townNumber),
    VARN_WORLD_FIELD(houseVisitor),
    VARN_WORLD_FIELD(armyNameHandOver),
    VARN_WORLD_FIELD(villageNumber),
    VARN_WORLD_FIELD(playerName),
    VARN_WORLD_FIELD(playerPortrait),
    VARN_WORLD_FIELD(playerMovesLeft),
    VARN_WORLD_FIELD(playerItems),
    VARN_WORLD_FIELD(playerStats),
    VARN_WORLD_FIELD(playerMapCell),
    VARN_WORLD_FIELD(playerDirection),
    VARN_WORLD_FIELD(playerArmy),
    VARN_WORLD_FIELD(heroMovesLeft),
    VARN_WORLD_FIELD(heroMapCell),
    VARN_WORLD_FIELD(heroDirection),
    VARN_WORLD_FIELD(heroJoined),
    VARN_WORLD_FIELD(heroSpare),
    VARN_WORLD_FIELD(heroBodyVariant),
    VARN_WORLD_FIELD(heroStats),
    VARN_WORLD_FIELD(heroArmies),
    VARN_WORLD_FIELD(heroItems),
    VARN_WORLD_FIELD(nameEditBuffer),
    VARN_WORLD_FIELD(heroNames),
    VARN_WORLD_FIELD(gemA),
    VARN_WORLD_FIELD(gemOwned),
    VARN_WORLD_FIELD(gemC),
    VARN_WORLD_FIELD(artifactA),
    VARN_WORLD_FIELD(artifactOwned),
    VARN_WORLD_FIELD(artifactC),
    VARN_WORLD_FIELD(villageA),
    VARN_WORLD_FIELD(villageJoined),
    VARN_WORLD_FIELD(villageC),
    VARN_WORLD_FIELD(townA),
    VARN_WORLD_FIELD(townOwned),
    VARN_WORLD_FIELD(townC),
    VARN_WORLD_FIELD(dailyIncome),
    VARN_WORLD_FIELD(gold),
    VARN_WORLD_FIELD(quitFromBattle),
    VARN_WORLD_FIELD(imageLoaded),
    VARN_WORLD_FIELD(resumeBattle),
    VARN_WORLD_FIELD(battleSaved),
    VARN_WORLD_FIELD(battleSnapInts),
    VARN_WORLD_FIELD(battleSnapBytes),
    VARN_WORLD_FIELD(snapEnemyPresent),
    VARN_WORLD_FIELD(snapEnemyX),
    VARN_WORLD_FIELD(snapEnemyY),
    VARN_WORLD_FIELD(snapEnemyCell),
    VARN_WORLD_FIELD(snapEnemyBytes),
    VARN_WORLD_FIELD(snapAllyPresent),
    VARN_WORLD_FIELD(snapAllyX),
    VARN_WORLD_FIELD(snapAllyY),
    VARN_WORLD_FIELD(snapAllyCell),
    VARN_WORLD_FIELD(snapAllyBytes),
    VARN_WORLD_FIELD(snapAllyRows),
    VARN_WORLD_FIELD(musicOn),
    VARN_WORLD_FIELD(soundsOn),
    VARN_WORLD_FIELD(mapSpeed),
    VARN_WORLD_FIELD(battleMoveSpeed),
    VARN_WORLD_FIELD(battleSwingSpeed),
    VARN_WORLD_FIELD(mapSnapshotState),
    VARN_WORLD_FIELD(restartMusicOnMap),
    VARN_WORLD_FIELD(villageOrTowerEntered),
    VARN_WORLD_FIELD(fameRewardGiven),
    VARN_WORLD_FIELD(fameRewardSlot),
    VARN_WORLD_FIELD(fameFocusHero),
    VARN_WORLD_FIELD(enemyMoveFrames),
    VARN_WORLD_FIELD(movingArmyDone),
};

#undef VARN_WORLD_FIELD

// The field a saved slot of `width` bytes at a byte of the record comes from, with the slot's
// index when the field holds several: "questState[27]"; empty when no field is there.
inline std::string WorldFieldAt(size_t offset, size_t width) {
    for (const WorldField& field : kWorldFields) {
        if (offset >= field.offset && offset < field.offset + field.size) {
            const std::string name = field.name;
            return field.size == width
                       ? name
                       : name + "[" + std::to_string((offset - field.offset) / width) + "]";
        }
    }
    return {};
}

}  // namespace varn
