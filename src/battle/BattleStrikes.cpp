#include "battle/BattleScreen.h"
#include "battle/CellAtPoint.h"
#include "battle/Facing.h"
#include "battle/PlayerOrders.h"
#include "battle/WoundModel.h"

namespace varn {

namespace {

// Enemy strike targets: 0 the commander, 1..6 army slots 1..6, then allies 0..19.

void StartSwing(BattleScreen& s) {
    s.strikeAnimOn = 1;
    s.strikeAnimState = 1;
    s.strikeAnimFrame = 0;
    s.strikeAnimUp = 1;
}

void ClearReports(BattleScreen& s) {
    s.strikeReportOn = 0;
    s.commanderHit = 0;
    s.armyHit = 0;
    s.allyHit = 0;
}

void RequestStrikeSound(BattleScreen& s, bool destroyed) {
    if (destroyed) {
        s.smashSoundState = kSmashNow;
    } else {
        s.pickSoundPending = 1;
    }
}

// A unit whose last man went down leaves the field and frees its cell, if the cell still holds
// its code.
void LeaveField(BattleScreen& s, uint8_t& present, int32_t& cell, int32_t code) {
    present = 0;
    if (IsFieldCell(cell) && s.occupancy[cell] == code) {
        s.occupancy[cell] = kOccupantFree;
    }
    cell = kNoBattleCell;
}

bool EnemyLive(const BattleScreen& s, int e) {
    return e >= 0 && e < kBattleEnemySlots && s.enemyPresent[e] && s.enemyMen[e] > 0;
}

WoundOutcome WoundEnemy(BattleScreen& s, int e) {
    const WoundOutcome outcome =
        ApplyWounds(WoundRows{s.enemyMen[e], s.enemyLight[e], s.enemySerious[e], s.enemyCritical[e],
                              s.enemyDown[e]},
                    s.damageLevel);
    if (s.enemyMen[e] == 0) {
        LeaveField(s, s.enemyPresent[e], s.enemyCell[e], kOccupantFirstEnemy + e);
    }
    return outcome;
}

// The report of a strike on an enemy: the stage it reached and the men it put down.
void ReportStrikeOnEnemy(BattleScreen& s, const WoundOutcome& outcome) {
    ClearReports(s);
    s.strikeReportOn = 1;
    s.strikeDownCount = static_cast<uint8_t>(outcome.downed);
    s.reportLight = outcome.stage == WoundStage::Light;
    s.reportSerious = outcome.stage == WoundStage::Serious;
    s.reportCritical = outcome.stage == WoundStage::Critical;
    s.reportAllDown = outcome.allDown;
    s.reportOneDown = !outcome.allDown && outcome.downed == 1;
    s.reportSomeDown = !outcome.allDown && outcome.downed > 1;
    RequestStrikeSound(s, outcome.allDown);
}

struct HitFlags {
    int32_t& light;
    int32_t& serious;
    int32_t& critical;
    int32_t& someDown;
    int32_t& oneDown;
    int32_t& allDown;
};

void SetHitFlags(HitFlags flags, const WoundOutcome& outcome) {
    flags.light = outcome.stage == WoundStage::Light;
    flags.serious = outcome.stage == WoundStage::Serious;
    flags.critical = outcome.stage == WoundStage::Critical;
    flags.allDown = outcome.allDown;
    flags.oneDown = !outcome.allDown && outcome.downed == 1;
    flags.someDown = !outcome.allDown && outcome.downed > 1;
}

}  // namespace

// The order is dropped unless a live striker stands next to a live enemy: a stale order (the
// enemy fell or walked away, the striker fell) strikes nobody.
void BattleScreen::PlayerStrike() {
    if (strikeOrdered != kStrikeOrdered) {
        return;
    }
    const int e = targetEnemy;
    const int slot = strikingArmy - 1;
    const bool commanderStrikes = strikingCommander && commanderHealth > 0;
    const bool armyStrikes = !strikingCommander && slot >= 0 && slot < kBattleArmySlots &&
                             armyPresent[slot] && armyAlive[slot] > 0;
    const int32_t fromX = commanderStrikes ? commanderX : armyStrikes ? armyX[slot] : 0;
    const int32_t fromY = commanderStrikes ? commanderY : armyStrikes ? armyY[slot] : 0;
    if (!(commanderStrikes || armyStrikes) || !EnemyLive(*this, e) ||
        !AreNeighbours(fromX, fromY, enemyX[e], enemyY[e])) {
        strikeOrdered = kStrikeNone;
        strikeNow = 0;
        return;
    }
    strikeOrdered = kStrikeDamagePending;
    strikeNow = 0;
    StartSwing(*this);
    newStrike = 1;
    const StepFlags toward = FlagsToward(fromX, fromY, enemyX[e], enemyY[e]);
    if (commanderStrikes) {
        commanderMovesCommitted = 0;
        commanderOrder = kOrderNone;
        commanderSelected = 0;
        damageLevel =
            StrikeDamage(StrikeKind::CommanderOnEnemy, commanderAttack, enemyDefence[e], 0);
        defenceExcess = DefenceExcess(commanderAttack, enemyDefence[e]);
        commanderFacing = FacingFromFlags(toward, commanderFacing);
        commanderStriking = 1;
        return;
    }
    armyMovesCommitted[slot] = 0;
    armyOrderPlanned = 0;
    selectedArmy = 0;
    ++armyCombats[slot];
    damageLevel =
        StrikeDamage(StrikeKind::ArmyOnEnemy, armyAttack[slot], enemyDefence[e], armyAlive[slot]);
    defenceExcess = DefenceExcess(armyAttack[slot], enemyDefence[e]);
    armyFacing[slot] = FacingFromFlags(toward, armyFacing[slot]);
    armyStriking = 1;
}

void BattleScreen::PlayerStrikeEnd() {
    if (strikeOrdered != kStrikeDamagePending) {
        return;
    }
    strikeOrdered = kStrikeNone;
    ReportStrikeOnEnemy(*this, WoundEnemy(*this, targetEnemy));
    // The attack's mark goes with the enemy it marked, so no sword is left on an empty cell.
    if (!enemyPresent[targetEnemy]) {
        pathTargetFound = 0;
        attackPlanned = 0;
        UpdatePathMarks(*this);
    }
}

void BattleScreen::AllyStrike() {
    if (!allyStrikeFollows) {
        return;
    }
    const int a = actingAlly;
    allyDone[a] = 1;
    targetEnemy = allyTargetFixed ? allyStruckTarget : allyCandTarget;
    const int e = targetEnemy;
    damageLevel = StrikeDamage(StrikeKind::AllyOnEnemy, allyAttack[a], enemyDefence[e], allyMen[a]);
    defenceExcess = DefenceExcess(allyAttack[a], enemyDefence[e]);
    allyFacing[a] =
        FacingFromFlags(FlagsToward(allyX[a], allyY[a], enemyX[e], enemyY[e]), allyFacing[a]);
    StartSwing(*this);
    newStrike = 1;
    allyStriking = 1;
}

void BattleScreen::AllyStrikeEnd() {
    if (!allyStrikeFollows) {
        return;
    }
    allyStrikeFollows = 0;
    ReportStrikeOnEnemy(*this, WoundEnemy(*this, targetEnemy));
}

void BattleScreen::EnemyStrike() {
    if (!enemyStrikeFollows) {
        return;
    }
    const int e = actingEnemy;
    enemyDone[e] = 1;
    if (!enemyTargetFixed) {
        enemyStruckTarget = enemyCandTarget;
    }
    if (enemyStruckTarget >= kFirstAllyTarget + kBattleAllySlots) {
        enemyStrikeFollows = 0;
        return;
    }
    defenceExcess = 0;
    ClearReports(*this);
    StartSwing(*this);
    enemyStriking = 1;
    const uint8_t target = enemyStruckTarget;
    int32_t toX = 0;
    int32_t toY = 0;
    if (target == 0) {
        damageLevel = StrikeDamage(StrikeKind::EnemyOnCommander, enemyAttack[e], commanderDefence,
                                   enemyMen[e]);
        defenceExcess = DefenceExcess(enemyAttack[e], commanderDefence);
        commanderHealth = damageLevel > commanderHealth ? 0 : commanderHealth - damageLevel;
        commanderHit = 1;
        if (commanderHealth == 0 && IsFieldCell(commanderCell) &&
            occupancy[commanderCell] == kOccupantCommander) {
            occupancy[commanderCell] = kOccupantFree;
        }
        RequestStrikeSound(*this, commanderHealth == 0);
        toX = commanderX;
        toY = commanderY;
    } else if (target < kFirstAllyTarget) {
        const int slot = target - 1;
        damageLevel =
            StrikeDamage(StrikeKind::EnemyOnArmy, enemyAttack[e], armyDefence[slot], enemyMen[e]);
        defenceExcess = DefenceExcess(enemyAttack[e], armyDefence[slot]);
        toX = armyX[slot];
        toY = armyY[slot];
    } else {
        const int a = target - kFirstAllyTarget;
        damageLevel =
            StrikeDamage(StrikeKind::EnemyOnAlly, enemyAttack[e], allyDefence[a], enemyMen[e]);
        defenceExcess = DefenceExcess(enemyAttack[e], allyDefence[a]);
        toX = allyX[a];
        toY = allyY[a];
    }
    enemyFacing[e] = FacingFromFlags(FlagsToward(enemyX[e], enemyY[e], toX, toY), enemyFacing[e]);
}

void BattleScreen::EnemyStrikeEnd() {
    if (!enemyStrikeFollows || enemyStruckTarget == 0) {
        return;
    }
    const uint8_t target = enemyStruckTarget;
    if (target < kFirstAllyTarget) {
        const int slot = target - 1;
        ++armyCombats[slot];
        const WoundOutcome outcome =
            ApplyWounds(WoundRows{armyAlive[slot], armyLight[slot], armySerious[slot],
                                  armyCritical[slot], armyDown[slot]},
                        damageLevel);
        if (armyAlive[slot] == 0) {
            LeaveField(*this, armyPresent[slot], armyCell[slot], kOccupantFirstArmy + slot);
        }
        armyHit = 1;
        hitArmy = slot;
        strikeDownCount = static_cast<uint8_t>(outcome.downed);
        SetHitFlags(HitFlags{armyHitLight, armyHitSerious, armyHitCritical, armyHitSomeDown,
                             armyHitOneDown, armyHitAllDown},
                    outcome);
        RequestStrikeSound(*this, outcome.allDown);
        return;
    }
    const int a = target - kFirstAllyTarget;
    const WoundOutcome outcome = ApplyWounds(
        WoundRows{allyMen[a], allyLight[a], allySerious[a], allyCritical[a], allyDown[a]},
        damageLevel);
    if (allyMen[a] == 0) {
        LeaveField(*this, allyPresent[a], allyCell[a], kOccupantFirstAlly + a);
    }
    allyHit = 1;
    hitAlly = static_cast<uint8_t>(a);
    strikeDownCount = static_cast<uint8_t>(outcome.downed);
    SetHitFlags(HitFlags{allyHitLight, allyHitSerious, allyHitCritical, allyHitSomeDown,
                         allyHitOneDown, allyHitAllDown},
                outcome);
    RequestStrikeSound(*this, outcome.allDown);
}

}  // namespace varn
