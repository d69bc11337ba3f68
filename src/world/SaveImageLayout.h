#pragma once

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>

#include "world/GameState.h"
#include "world/SaveRanges.h"

namespace varn {

// The order of the save image's slots, written once for both directions. A visitor sees every
// saved field as Int(value, check) or Byte(value, check); the record's pointers and the hero-name
// columns past the ten heroes are not saved.

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

// Rows of RowLength slots, each row with its own check.
template <size_t RowLength, typename Visitor, typename Values, size_t N>
void Rows(Visitor& visit, Values& values, const SlotCheck (&rowChecks)[N]) {
    static_assert(std::tuple_size_v<std::remove_const_t<Values>> == RowLength * N);
    for (size_t k = 0; k < values.size(); ++k) {
        if constexpr (sizeof(values[k]) == sizeof(int32_t)) {
            visit.Int(values[k], rowChecks[k / RowLength]);
        } else {
            visit.Byte(values[k], rowChecks[k / RowLength]);
        }
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
    visit.Int(stats.baseHealth, SlotCheck::Stat);
    visit.Int(stats.maxHealth, SlotCheck::Stat);
    visit.Int(stats.spareHealth, SlotCheck::Stat);
    visit.Int(stats.health, SlotCheck::Stat);
    visit.Int(stats.baseAttack, SlotCheck::Stat);
    visit.Int(stats.attack, SlotCheck::Stat);
    visit.Int(stats.baseDefence, SlotCheck::Stat);
    visit.Int(stats.defence, SlotCheck::Stat);
    visit.Int(stats.experience, SlotCheck::Stat);
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
            visit.Int(hero.*field, SlotCheck::Stat);
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
    Ints(visit, army.attack, SlotCheck::Stat);
    Ints(visit, army.defence, SlotCheck::Stat);
    Ints(visit, army.training, SlotCheck::Stat);
    Ints(visit, army.equipment, SlotCheck::Stat);
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
    visit.Int(d.gold, SlotCheck::Counter);

    visit.Int(d.mapCounter, SlotCheck::Any);
    visit.Int(d.routeCounter, SlotCheck::RouteCounter);
    visit.Int(d.day, SlotCheck::Counter);
    Bytes(visit, d.questState, SlotCheck::Quest);
    Bytes(visit, d.battleTrigger, SlotCheck::Flag);

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

    visit.Byte(d.saveSlot, SlotCheck::SaveSlot);
    visit.Byte(d.mapStateFlag, SlotCheck::Any);
    visit.Byte(d.mapBattleFlag, SlotCheck::Any);
    visit.Byte(d.routeIndex, SlotCheck::HeroTally);
    visit.Byte(d.routeLength, SlotCheck::Flag);
    visit.Byte(d.routePending, SlotCheck::RouteStep);
    visit.Byte(d.routeKind, SlotCheck::Flag);
    visit.Int(d.playerX, SlotCheck::MapX);
    visit.Int(d.playerY, SlotCheck::MapY);
    Ints(visit, d.routeCells, SlotCheck::MapCell);
    visit.Byte(d.outcomeReward, SlotCheck::Invader);
    visit.Byte(d.storyMode, SlotCheck::StoryMode);
    visit.Byte(d.madeHallOfFame, SlotCheck::Flag);
    visit.Byte(d.timerSpeed, SlotCheck::Any);
    Bytes(visit, d.slotEmpty, SlotCheck::Flag);
    visit.Byte(d.refreshSlots, SlotCheck::Flag);

    visit.Int(d.finalScore, SlotCheck::Counter);
    Bytes(visit, d.hofUsed, SlotCheck::Flag);
    Ints(visit, d.hofScore);
    Bytes(visit, d.eventDone, SlotCheck::Flag);
    visit.Byte(d.mapPhase, SlotCheck::MapPhase);
    Bytes(visit, d.battleSiteActive, SlotCheck::SiteState);
    Ints(visit, d.mapEntityA, SlotCheck::MapX);
    Ints(visit, d.mapEntityB, SlotCheck::MapY);
    Ints(visit, d.mapEntityC, SlotCheck::MapCell);
    Bytes(visit, d.mapEntityD);
    Bytes(visit, d.mapEntityE);
    Bytes(visit, d.mapEntityF, SlotCheck::Direction);
    Bytes(visit, d.mapEntityG);
    Bytes(visit, d.mapEntityH, SlotCheck::RoutePoint);
    Bytes(visit, d.mapEntityI, SlotCheck::Flag);
    visit.Byte(d.battleHandOver, SlotCheck::Flag);
    Bytes(visit, d.mapEntityActive);
    visit.Byte(d.fameBoxShown, SlotCheck::Flag);
    Bytes(visit, d.mapEntityOrder);
    visit.Byte(d.mapBattleByte, SlotCheck::Any);
    visit.Byte(d.battleReturnByte, SlotCheck::Any);
    visit.Byte(d.mapStateByte, SlotCheck::Any);
    visit.Int(d.fame, SlotCheck::Counter);
    visit.Byte(d.currentEntity, SlotCheck::MovingArmy);
    visit.Byte(d.pickNextArmy, SlotCheck::Flag);
    visit.Byte(d.moverRouteIndex, SlotCheck::RoutePoint);
    // The mover's position, its goal and its arrival cell.
    Rows<1>(
        visit, d.moverRecord,
        {SlotCheck::MapX, SlotCheck::MapY, SlotCheck::MapX, SlotCheck::MapY, SlotCheck::MapCell});
    Bytes(visit, d.enemyWalkFlags, SlotCheck::Flag);
    visit.Byte(d.movingParty, SlotCheck::Party);
    visit.Byte(d.enemyPointReached, SlotCheck::Flag);
    Bytes(visit, d.mapEntityJ, SlotCheck::ArmyMoves);
    visit.Byte(d.enemyPathCount, SlotCheck::PlanPoint);
    Bytes(visit, d.partyByteA);
    Ints(visit, d.partyDwordA);
    Ints(visit, d.partyX, SlotCheck::MapX);
    Ints(visit, d.partyY, SlotCheck::MapY);
    Bytes(visit, d.partyByteB);
    // The side an enemy met, then two bytes the game keeps but never reads.
    Rows<1>(visit, d.battleStartBytes, {SlotCheck::Character, SlotCheck::Any, SlotCheck::Any});
    // Idle, walk ended, plan stage, point walked to, goal cells searched.
    Rows<1>(visit, d.enemyIdleFlags,
            {SlotCheck::Flag, SlotCheck::Flag, SlotCheck::PlanPoint, SlotCheck::PlanPoint,
             SlotCheck::GoalCell});
    Rows<1>(visit, d.routeAHead, {SlotCheck::MapX, SlotCheck::MapY, SlotCheck::MapCell});
    visit.Byte(d.routeACount, SlotCheck::RoutePoint);
    Ints(visit, d.roamerA, SlotCheck::MapCell);
    Ints(visit, d.roamerB, SlotCheck::MapX);
    Ints(visit, d.roamerC, SlotCheck::MapY);
    Rows<1>(visit, d.routeBHead, {SlotCheck::MapX, SlotCheck::MapY, SlotCheck::MapCell});
    visit.Byte(d.routeBCount, SlotCheck::RoutePoint);
    Ints(visit, d.roamerD, SlotCheck::MapCell);
    Ints(visit, d.roamerE, SlotCheck::MapX);
    Ints(visit, d.roamerF, SlotCheck::MapY);

    visit.Byte(d.battleId, SlotCheck::BattleNumber);
    Bytes(visit, d.battleCarryA);
    Bytes(visit, d.battleCarryB);
    GlyphRows(visit, d.hofName);
    Bytes(visit, d.pileActive, SlotCheck::Flag);
    Bytes(visit, d.bagActive, SlotCheck::Flag);
    Bytes(visit, d.roamerFlag, SlotCheck::Flag);
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
    visit.Byte(d.playerPortrait, SlotCheck::Portrait);
    visit.Byte(d.playerMovesLeft, SlotCheck::Moves);
    ItemCells(visit, d.playerItems);
    ItemTables(visit, d.playerItems);
    Stats(visit, d.playerStats);
    visit.Int(d.playerMapCell, SlotCheck::MapCell);
    visit.Byte(d.playerDirection, SlotCheck::Direction);
    Armies(visit, d.playerArmy);

    Bytes(visit, d.heroMovesLeft, SlotCheck::Moves);
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

    Bytes(visit, d.gemA, SlotCheck::WealthSlot);
    Bytes(visit, d.gemOwned, SlotCheck::Flag);
    Bytes(visit, d.gemC, SlotCheck::WealthSlot);
    Bytes(visit, d.artifactA, SlotCheck::WealthSlot);
    Bytes(visit, d.artifactOwned, SlotCheck::Flag);
    Bytes(visit, d.artifactC, SlotCheck::WealthSlot);
    Bytes(visit, d.villageA);
    Bytes(visit, d.villageJoined, SlotCheck::Flag);
    Bytes(visit, d.villageC);
    Bytes(visit, d.townA);
    Bytes(visit, d.townOwned, SlotCheck::Flag);
    Bytes(visit, d.townC);
    visit.Int(d.dailyIncome, SlotCheck::DailyIncome);
    visit.Byte(d.quitFromBattle, SlotCheck::Flag);
    visit.Byte(d.imageLoaded, SlotCheck::Flag);
    visit.Byte(d.resumeBattle, SlotCheck::Flag);
    visit.Byte(d.battleSaved, SlotCheck::Any);
    Ints(visit, d.battleSnapInts, SlotCheck::BattleCell);
    // The commander's and the six armies' facings, then their moves.
    Rows<7>(visit, d.battleSnapBytes, {SlotCheck::Direction, SlotCheck::Any});
    Bytes(visit, d.snapEnemyPresent, SlotCheck::Flag);
    Ints(visit, d.snapEnemyX, SlotCheck::BattleX);
    Ints(visit, d.snapEnemyY, SlotCheck::BattleY);
    Ints(visit, d.snapEnemyCell, SlotCheck::BattleCell);
    // Facing, kind, men, attack, defence, done, moves, then the four wound counts.
    Rows<std::tuple_size_v<decltype(d.snapEnemyX)>>(
        visit, d.snapEnemyBytes,
        {SlotCheck::Direction, SlotCheck::EnemyKind, SlotCheck::Any, SlotCheck::Any, SlotCheck::Any,
         SlotCheck::Flag, SlotCheck::Any, SlotCheck::Any, SlotCheck::Any, SlotCheck::Any,
         SlotCheck::Any});
    Bytes(visit, d.snapAllyPresent, SlotCheck::Flag);
    Ints(visit, d.snapAllyX, SlotCheck::BattleX);
    Ints(visit, d.snapAllyY, SlotCheck::BattleY);
    Ints(visit, d.snapAllyCell, SlotCheck::BattleCell);
    // Facing, kind, men, the four wound counts, attack, defence, done, moves.
    Rows<std::tuple_size_v<decltype(d.snapAllyX)>>(
        visit, d.snapAllyBytes,
        {SlotCheck::Direction, SlotCheck::AllyKind, SlotCheck::Any, SlotCheck::Any, SlotCheck::Any,
         SlotCheck::Any, SlotCheck::Any, SlotCheck::Any, SlotCheck::Any, SlotCheck::Flag,
         SlotCheck::Any});
    Bytes(visit, d.snapAllyRows, SlotCheck::Glyph);
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
    visit.Int(d.enemyMoveFrames, SlotCheck::Counter);
    Bytes(visit, d.movingArmyDone, SlotCheck::Flag);
}

}  // namespace save_layout

}  // namespace varn
