#pragma once

#include <cstdint>

#include "world/GameState.h"

namespace varn {

// The order of the save image's slots, written once for both directions. A visitor sees every
// saved field as Int(value, check) or Byte(value, check); the record's pointers and the hero-name
// columns past the ten heroes are not saved.

// What a slot may hold besides its width.
enum class SlotCheck : uint8_t {
    Any,
    Flag,              // 0 or 1
    Quest,             // QuestState
    Character,         // CharacterId 0..11
    MeetingCharacter,  // CharacterId or 100 for none
    HeroNumber,        // 0..10
    TownNumber,        // 1..4
    VillageNumber,     // 1..9
    Item,              // ItemId 0..250
    ItemIndex,         // ItemId - 1
    ItemCell,          // 0..30
    ArmySlot,          // 0..5
    UnitType,
    UnitId,       // 0 or UnitType + 1
    Direction,    // 0..7
    BodyVariant,  // 0..2
    Speed,        // 1..3
    Glyph,
    MapCell,        // 0..10800
    SnapshotState,  // 0..2
    FameLine,       // 0..5
};

namespace save_layout {

template <typename Visitor, typename Values>
void Ints(Visitor& visit, Values& values, SlotCheck check = SlotCheck::Any) {
    for (auto& value : values) {
        visit.Int(value, check);
    }
}

template <typename Visitor, typename Values>
void Bytes(Visitor& visit, Values& values, SlotCheck check = SlotCheck::Any) {
    for (auto& value : values) {
        visit.Byte(value, check);
    }
}

template <typename Visitor, typename Names>
void GlyphRows(Visitor& visit, Names& names) {
    for (auto& name : names) {
        Bytes(visit, name, SlotCheck::Glyph);
    }
}

template <typename Visitor, typename Record>
void Stats(Visitor& visit, Record& stats) {
    visit.Int(stats.baseHealth, SlotCheck::Any);
    visit.Int(stats.maxHealth, SlotCheck::Any);
    visit.Int(stats.spareHealth, SlotCheck::Any);
    visit.Int(stats.health, SlotCheck::Any);
    visit.Int(stats.baseAttack, SlotCheck::Any);
    visit.Int(stats.attack, SlotCheck::Any);
    visit.Int(stats.baseDefence, SlotCheck::Any);
    visit.Int(stats.defence, SlotCheck::Any);
    visit.Int(stats.experience, SlotCheck::Any);
    visit.Byte(stats.level, SlotCheck::Any);
}

// The heroes' stats go field by field, each field for all ten heroes.
template <typename Visitor, typename HeroStats>
void HeroStatColumns(Visitor& visit, HeroStats& heroes) {
    constexpr int32_t CharacterStats::*kIntFields[] = {
        &CharacterStats::baseHealth,  &CharacterStats::maxHealth,  &CharacterStats::spareHealth,
        &CharacterStats::health,      &CharacterStats::baseAttack, &CharacterStats::attack,
        &CharacterStats::baseDefence, &CharacterStats::defence,    &CharacterStats::experience,
    };
    for (auto field : kIntFields) {
        for (auto& hero : heroes) {
            visit.Int(hero.*field, SlotCheck::Any);
        }
    }
    for (auto& hero : heroes) {
        visit.Byte(hero.level, SlotCheck::Any);
    }
}

template <typename Visitor, typename Army>
void Armies(Visitor& visit, Army& army) {
    Bytes(visit, army.unitId, SlotCheck::UnitId);
    Bytes(visit, army.present, SlotCheck::Flag);
    Bytes(visit, army.position, SlotCheck::ArmySlot);
    Bytes(visit, army.unitType, SlotCheck::UnitType);
    Ints(visit, army.attack);
    Ints(visit, army.defence);
    Ints(visit, army.training);
    Ints(visit, army.equipment);
    Bytes(visit, army.alive);
    Bytes(visit, army.light);
    Bytes(visit, army.serious);
    Bytes(visit, army.critical);
    Bytes(visit, army.down);
    GlyphRows(visit, army.name);
    Bytes(visit, army.spareA);
    Bytes(visit, army.spareB);
}

template <typename Visitor, typename Record>
void ItemCells(Visitor& visit, Record& record) {
    Bytes(visit, record.items, SlotCheck::Item);
}

template <typename Visitor, typename Record>
void ItemTables(Visitor& visit, Record& record) {
    Bytes(visit, record.owned, SlotCheck::Flag);
    Bytes(visit, record.itemCell, SlotCheck::ItemCell);
}

template <typename Visitor, typename Data>
void VisitSavedFields(Visitor& visit, Data& d) {
    visit.Int(d.gold, SlotCheck::Any);

    visit.Int(d.mapCounter, SlotCheck::Any);
    visit.Int(d.routeCounter, SlotCheck::Any);
    visit.Int(d.day, SlotCheck::Any);
    Bytes(visit, d.questState, SlotCheck::Quest);
    Bytes(visit, d.battleTrigger);

    Bytes(visit, d.heldFlagPalace, SlotCheck::Flag);
    Bytes(visit, d.heldItemPalace, SlotCheck::ItemIndex);
    Bytes(visit, d.heldFlagTemple, SlotCheck::Flag);
    Bytes(visit, d.heldItemTemple, SlotCheck::ItemIndex);
    Bytes(visit, d.heldFlagCastle, SlotCheck::Flag);
    Bytes(visit, d.heldItemCastle, SlotCheck::ItemIndex);
    Bytes(visit, d.heldFlagTower, SlotCheck::Flag);
    Bytes(visit, d.heldItemTower, SlotCheck::ItemIndex);
    Bytes(visit, d.heldFlagVillage, SlotCheck::Flag);
    Bytes(visit, d.heldItemVillage, SlotCheck::ItemIndex);
    Bytes(visit, d.heldFlagTown, SlotCheck::Flag);
    Bytes(visit, d.heldItemTown, SlotCheck::ItemIndex);

    visit.Byte(d.saveSlot, SlotCheck::Any);
    visit.Byte(d.mapStateFlag, SlotCheck::Any);
    visit.Byte(d.mapBattleFlag, SlotCheck::Any);
    visit.Byte(d.routeIndex, SlotCheck::Any);
    visit.Byte(d.routeLength, SlotCheck::Any);
    visit.Byte(d.routePending, SlotCheck::Any);
    visit.Byte(d.routeKind, SlotCheck::Any);
    visit.Int(d.playerX, SlotCheck::Any);
    visit.Int(d.playerY, SlotCheck::Any);
    Ints(visit, d.routeCells, SlotCheck::MapCell);
    visit.Byte(d.outcomeReward, SlotCheck::Any);
    visit.Byte(d.storyMode, SlotCheck::Any);
    visit.Byte(d.madeHallOfFame, SlotCheck::Flag);
    visit.Byte(d.timerSpeed, SlotCheck::Any);
    Bytes(visit, d.slotEmpty, SlotCheck::Flag);
    visit.Byte(d.refreshSlots, SlotCheck::Flag);

    visit.Int(d.finalScore, SlotCheck::Any);
    Bytes(visit, d.hofUsed, SlotCheck::Flag);
    Ints(visit, d.hofScore);
    Bytes(visit, d.eventDone);
    visit.Byte(d.mapPhase, SlotCheck::Any);
    Bytes(visit, d.battleSiteActive);
    Ints(visit, d.mapEntityA);
    Ints(visit, d.mapEntityB);
    Ints(visit, d.mapEntityC);
    Bytes(visit, d.mapEntityD);
    Bytes(visit, d.mapEntityE);
    Bytes(visit, d.mapEntityF);
    Bytes(visit, d.mapEntityG);
    Bytes(visit, d.mapEntityH);
    Bytes(visit, d.mapEntityI);
    visit.Byte(d.battleHandOver, SlotCheck::Any);
    Bytes(visit, d.mapEntityActive);
    visit.Byte(d.fameBoxShown, SlotCheck::Any);
    Bytes(visit, d.mapEntityOrder);
    visit.Byte(d.mapBattleByte, SlotCheck::Any);
    visit.Byte(d.battleReturnByte, SlotCheck::Any);
    visit.Byte(d.mapStateByte, SlotCheck::Any);
    visit.Int(d.fame, SlotCheck::Any);
    visit.Byte(d.currentEntity, SlotCheck::Any);
    visit.Byte(d.pickNextArmy, SlotCheck::Any);
    visit.Byte(d.moverRouteIndex, SlotCheck::Any);
    Ints(visit, d.moverRecord);
    Bytes(visit, d.enemyWalkFlags);
    visit.Byte(d.movingParty, SlotCheck::Any);
    visit.Byte(d.enemyPointReached, SlotCheck::Any);
    Bytes(visit, d.mapEntityJ);
    visit.Byte(d.enemyPathCount, SlotCheck::Any);
    Bytes(visit, d.partyByteA);
    Ints(visit, d.partyDwordA);
    Ints(visit, d.partyX);
    Ints(visit, d.partyY);
    Bytes(visit, d.partyByteB);
    Bytes(visit, d.battleStartBytes);
    Bytes(visit, d.enemyIdleFlags);
    Ints(visit, d.routeAHead);
    visit.Byte(d.routeACount, SlotCheck::Any);
    Ints(visit, d.roamerA);
    Ints(visit, d.roamerB);
    Ints(visit, d.roamerC);
    Ints(visit, d.routeBHead);
    visit.Byte(d.routeBCount, SlotCheck::Any);
    Ints(visit, d.roamerD);
    Ints(visit, d.roamerE);
    Ints(visit, d.roamerF);

    visit.Byte(d.battleId, SlotCheck::Any);
    Bytes(visit, d.battleCarryA);
    Bytes(visit, d.battleCarryB);
    GlyphRows(visit, d.hofName);
    Bytes(visit, d.pileActive);
    Bytes(visit, d.bagActive);
    Bytes(visit, d.roamerFlag);
    visit.Byte(d.inBattle, SlotCheck::Flag);
    visit.Byte(d.commanderIsPlayer, SlotCheck::Flag);
    visit.Byte(d.commanderHero, SlotCheck::HeroNumber);
    visit.Byte(d.meetingFirst, SlotCheck::MeetingCharacter);
    visit.Byte(d.meetingSecond, SlotCheck::MeetingCharacter);
    visit.Byte(d.townNumber, SlotCheck::TownNumber);
    visit.Byte(d.houseVisitor, SlotCheck::Character);
    Bytes(visit, d.armyNameHandOver, SlotCheck::Glyph);
    visit.Byte(d.villageNumber, SlotCheck::VillageNumber);

    Bytes(visit, d.playerName, SlotCheck::Glyph);
    visit.Byte(d.playerPortrait, SlotCheck::Any);
    visit.Byte(d.playerMovesLeft, SlotCheck::Any);
    ItemCells(visit, d.playerItems);
    ItemTables(visit, d.playerItems);
    Stats(visit, d.playerStats);
    visit.Int(d.playerMapCell, SlotCheck::MapCell);
    visit.Byte(d.playerDirection, SlotCheck::Direction);
    Armies(visit, d.playerArmy);

    Bytes(visit, d.heroMovesLeft);
    Ints(visit, d.heroMapCell, SlotCheck::MapCell);
    Bytes(visit, d.heroDirection, SlotCheck::Direction);
    Bytes(visit, d.heroJoined, SlotCheck::Flag);
    Bytes(visit, d.heroSpare);
    Bytes(visit, d.heroBodyVariant, SlotCheck::BodyVariant);
    HeroStatColumns(visit, d.heroStats);
    for (auto& army : d.heroArmies) {
        Armies(visit, army);
    }
    for (auto& record : d.heroItems) {
        ItemTables(visit, record);
        ItemCells(visit, record);
    }
    Bytes(visit, d.nameEditBuffer, SlotCheck::Glyph);
    for (int hero = 0; hero < kHeroCount; ++hero) {
        for (auto& row : d.heroNames.rows) {
            visit.Byte(row[hero], SlotCheck::Glyph);
        }
    }

    Bytes(visit, d.gemA);
    Bytes(visit, d.gemOwned);
    Bytes(visit, d.gemC);
    Bytes(visit, d.artifactA);
    Bytes(visit, d.artifactOwned);
    Bytes(visit, d.artifactC);
    Bytes(visit, d.villageA);
    Bytes(visit, d.villageJoined);
    Bytes(visit, d.villageC);
    Bytes(visit, d.townA);
    Bytes(visit, d.townOwned);
    Bytes(visit, d.townC);
    visit.Int(d.dailyIncome, SlotCheck::Any);
    visit.Byte(d.quitFromBattle, SlotCheck::Flag);
    visit.Byte(d.imageLoaded, SlotCheck::Flag);
    visit.Byte(d.resumeBattle, SlotCheck::Flag);
    visit.Byte(d.battleSaved, SlotCheck::Any);
    Ints(visit, d.battleSnapInts);
    Bytes(visit, d.battleSnapBytes);
    Bytes(visit, d.snapEnemyPresent);
    Ints(visit, d.snapEnemyX);
    Ints(visit, d.snapEnemyY);
    Ints(visit, d.snapEnemyCell);
    Bytes(visit, d.snapEnemyBytes);
    Bytes(visit, d.snapAllyPresent);
    Ints(visit, d.snapAllyX);
    Ints(visit, d.snapAllyY);
    Ints(visit, d.snapAllyCell);
    Bytes(visit, d.snapAllyBytes);
    Bytes(visit, d.snapAllyRows);
    visit.Byte(d.musicOn, SlotCheck::Flag);
    visit.Byte(d.soundsOn, SlotCheck::Flag);
    visit.Byte(d.mapSpeed, SlotCheck::Speed);
    visit.Byte(d.battleMoveSpeed, SlotCheck::Speed);
    visit.Byte(d.battleSwingSpeed, SlotCheck::Speed);
}

// The map state's fields, in their own block of slots past the scroll position.
template <typename Visitor, typename Data>
void VisitMapStateFields(Visitor& visit, Data& d) {
    visit.Byte(d.mapSnapshotState, SlotCheck::SnapshotState);
    visit.Byte(d.restartMusicOnMap, SlotCheck::Flag);
    visit.Byte(d.villageOrTowerEntered, SlotCheck::Flag);
    Bytes(visit, d.fameRewardGiven, SlotCheck::Flag);
    Bytes(visit, d.fameRewardSlot, SlotCheck::FameLine);
    visit.Byte(d.fameFocusHero, SlotCheck::HeroNumber);
    visit.Int(d.enemyMoveFrames, SlotCheck::Any);
    Bytes(visit, d.movingArmyDone, SlotCheck::Flag);
}

}  // namespace save_layout

}  // namespace varn
