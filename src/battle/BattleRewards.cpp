#include "battle/BattleRewards.h"

#include <algorithm>

#include "battle/BattleScreen.h"
#include "world/Counters.h"
#include "world/GameState.h"

namespace varn {

namespace {

struct BattleReward {
    uint8_t battle;
    RewardRow row;
};

constexpr RewardRow kDefaultReward = {{100, 60, 20}, 80, {5, 4, 5, 4, 3, 4}, {5, 5, 4, 4, 4, 3}};
constexpr RewardRow kInvasionReward = {{100, 60, 20}, 200, {9, 9, 8, 9, 8, 7}, {9, 9, 9, 8, 8, 7}};

constexpr RewardRow kRow1 = {{100, 50, 10}, 60, {5, 5, 4, 3, 3, 4}, {5, 4, 3, 4, 4, 3}};
constexpr RewardRow kRow2 = {{80, 40, 0}, 80, {5, 4, 4, 3, 4, 3}, {5, 5, 4, 4, 3, 4}};
constexpr RewardRow kRow3 = {{50, 25, 10}, 50, {5, 4, 4, 4, 3, 4}, {5, 4, 4, 4, 4, 3}};
constexpr RewardRow kRow4 = {{100, 60, 20}, 80, {5, 5, 4, 4, 4, 4}, {5, 5, 5, 4, 4, 3}};
constexpr RewardRow kRow5 = {{100, 60, 20}, 80, {5, 4, 4, 4, 3, 4}, {5, 5, 4, 4, 4, 3}};
constexpr RewardRow kRow6 = {{100, 60, 20}, 40, {4, 3, 4, 3, 3, 3}, {4, 4, 3, 4, 3, 2}};
constexpr RewardRow kRow7 = {{100, 60, 20}, 70, {5, 4, 4, 3, 3, 3}, {4, 4, 3, 4, 3, 3}};
constexpr RewardRow kRow9 = {{100, 60, 20}, 70, {5, 4, 4, 4, 4, 4}, {4, 5, 4, 4, 3, 3}};
constexpr RewardRow kRow11 = {{100, 60, 20}, 80, {5, 4, 5, 4, 4, 4}, {5, 5, 4, 5, 4, 4}};
constexpr RewardRow kRow13 = {{100, 60, 20}, 80, {5, 4, 5, 4, 4, 4}, {5, 5, 4, 4, 4, 4}};
constexpr RewardRow kRow19 = {{100, 60, 20}, 100, {5, 4, 5, 4, 4, 4}, {5, 5, 4, 4, 4, 4}};
constexpr RewardRow kRow20 = {{100, 60, 20}, 60, {4, 3, 4, 3, 3, 2}, {4, 4, 3, 4, 3, 3}};
constexpr RewardRow kRow21 = {{100, 60, 20}, 80, {4, 4, 3, 4, 3, 4}, {4, 4, 4, 3, 4, 3}};
constexpr RewardRow kRow22 = {{120, 60, 20}, 100, {5, 5, 4, 5, 4, 4}, {5, 5, 5, 4, 4, 4}};
constexpr RewardRow kRow24 = {{120, 60, 20}, 90, {5, 5, 5, 4, 4, 4}, {5, 4, 4, 4, 4, 4}};
constexpr RewardRow kRow25 = {{120, 60, 20}, 80, {5, 4, 4, 4, 4, 4}, {5, 5, 4, 4, 4, 4}};
constexpr RewardRow kRow34 = {{100, 60, 20}, 90, {5, 5, 4, 4, 4, 4}, {5, 4, 5, 4, 4, 4}};
constexpr RewardRow kRow35 = {{100, 60, 20}, 80, {5, 5, 4, 4, 4, 3}, {4, 4, 5, 4, 4, 4}};
constexpr RewardRow kRow36 = {{100, 60, 20}, 100, {5, 5, 4, 5, 4, 4}, {5, 5, 5, 4, 4, 4}};
constexpr RewardRow kRow38 = {{100, 60, 20}, 100, {5, 5, 5, 4, 4, 4}, {5, 5, 4, 4, 4, 4}};
constexpr RewardRow kRow44 = {{120, 60, 20}, 100, {5, 5, 5, 4, 4, 4}, {5, 5, 4, 5, 4, 4}};
constexpr RewardRow kRow48 = {{120, 60, 20}, 100, {5, 5, 5, 4, 4, 4}, {5, 5, 4, 4, 4, 4}};
constexpr RewardRow kRow51 = {{120, 60, 20}, 110, {5, 5, 5, 4, 4, 4}, {5, 5, 4, 5, 4, 4}};
constexpr RewardRow kRow64 = {{100, 60, 20}, 90, {5, 4, 5, 4, 4, 4}, {5, 5, 4, 5, 4, 4}};

constexpr BattleReward kRewards[] = {
    {1, kRow1},   {2, kRow2},   {3, kRow3},   {4, kRow4},   {5, kRow5},   {6, kRow6},
    {7, kRow7},   {9, kRow9},   {10, kRow9},  {11, kRow11}, {12, kRow11}, {13, kRow13},
    {16, kRow13}, {19, kRow19}, {20, kRow20}, {21, kRow21}, {22, kRow22}, {24, kRow24},
    {25, kRow25}, {26, kRow22}, {30, kRow24}, {31, kRow24}, {34, kRow34}, {35, kRow35},
    {36, kRow36}, {38, kRow38}, {44, kRow44}, {45, kRow44}, {46, kRow44}, {47, kRow44},
    {48, kRow48}, {51, kRow51}, {52, kRow51}, {53, kRow51}, {63, kRow11}, {64, kRow64},
};

// Levels 1..6 at their own thresholds, 7..28 every 100 from 500, then 30..70 every 100 from
// 2700: level 29 is never reached.
constexpr int32_t kFirstThresholds[] = {50, 100, 160, 230, 310, 400};
constexpr int32_t kLevelSevenAt = 500;
constexpr int32_t kLevelThirtyAt = 2700;
constexpr int32_t kTopLevelAt = 6700;
constexpr uint8_t kTopLevel = 70;

constexpr int32_t kHealthPerLevel = 7;
constexpr int32_t kAttackPerLevel = 2;
constexpr int32_t kDefencePerLevel = 2;
constexpr int32_t kGradeExperience = 10;

uint8_t ClampByte(int32_t value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

const RewardRow& RewardRowFor(int32_t battle) {
    if (battle >= kFirstInvasionBattle) {
        return kInvasionReward;
    }
    for (const BattleReward& reward : kRewards) {
        if (reward.battle == battle) {
            return reward.row;
        }
    }
    return kDefaultReward;
}

uint8_t LevelForExperience(int32_t experience) {
    if (experience >= kTopLevelAt) {
        return kTopLevel;
    }
    if (experience >= kLevelThirtyAt) {
        return static_cast<uint8_t>(30 + (experience - kLevelThirtyAt) / 100);
    }
    if (experience >= kLevelSevenAt) {
        return static_cast<uint8_t>(7 + (experience - kLevelSevenAt) / 100);
    }
    uint8_t level = 0;
    for (int32_t threshold : kFirstThresholds) {
        level += experience >= threshold ? 1 : 0;
    }
    return level;
}

CarriedWounds WoundsOfCarriedLevel(uint8_t level) {
    if (level < 10) {
        auto stage = [level](int first) {
            return static_cast<uint8_t>(std::clamp(level - first, 0, 3));
        };
        return {stage(0), stage(3), stage(6)};
    }
    if (level < 30) {
        return {static_cast<uint8_t>((level + 2) / 3), static_cast<uint8_t>((level + 1) / 3),
                static_cast<uint8_t>(level / 3)};
    }
    const auto third = static_cast<uint8_t>(level / 3);
    return {third, third, third};
}

void BattleScreen::GrantVictoryRewards(int32_t& gold) {
    victoryGrade = turn < brilliantTurns ? kGradeBrilliant
                   : turn < greatTurns   ? kGradeGreat
                                         : kGradePlain;
    const RewardRow& row = RewardRowFor(battleId);
    // The gold row runs from the brilliant victory's down.
    goldReward = row.gold[static_cast<size_t>(kGradeBrilliant - victoryGrade)];
    goldRewardShown = goldReward;
    commanderExpGain = row.experience;
    armyTrainingGain = row.training;
    armyEquipmentGain = row.equipment;
    gold = AddToCounter(gold, goldReward);

    const int32_t gradeStep = victoryGrade == kGradeBrilliant ? 1
                              : victoryGrade == kGradePlain   ? -1
                                                              : 0;
    commanderExpGain += gradeStep * kGradeExperience;
    for (int place = 0; place < kBattleArmySlots; ++place) {
        armyTrainingGain[place] += gradeStep;
        armyEquipmentGain[place] += gradeStep;
    }
    trainingBefore = armyTraining;
    equipmentBefore = armyEquipment;

    if (commanderHealth != 0) {
        commanderExperience += commanderExpGain;
    } else {
        commanderExpGain = 0;
    }
    levelBefore = commanderLevel;
    const uint8_t reached = LevelForExperience(commanderExperience);
    // Below the first threshold, or below the level already held, the level stays.
    if (reached > commanderLevel) {
        levelsGained = static_cast<uint8_t>(reached - commanderLevel);
        healthPerLevels = ClampByte(kHealthPerLevel * levelsGained);
        attackPerLevels = ClampByte(kAttackPerLevel * levelsGained);
        defencePerLevels = ClampByte(kDefencePerLevel * levelsGained);
        commanderAttack += attackPerLevels;
        commanderDefence += defencePerLevels;
        commanderLevel = reached;
    }

    for (int s = 0; s < kBattleArmySlots; ++s) {
        menBefore[s] = (armyTraining[s] + armyEquipment[s]) / 10;
    }
    for (int s = 0; s < kBattleArmySlots; ++s) {
        int place = s;
        while (place > 0 && armyCombats[s] > armyCombats[combatRank[place - 1]]) {
            combatRank[place] = combatRank[place - 1];
            --place;
        }
        combatRank[place] = static_cast<uint8_t>(s);
    }
    for (int place = 0; place < kBattleArmySlots; ++place) {
        const int s = combatRank[place];
        trainingGainShown[s] = armyTrainingGain[place];
        equipmentGainShown[s] = armyEquipmentGain[place];
        if (armyAlive[s] != 0) {
            armyTraining[s] += armyTrainingGain[place];
            armyEquipment[s] += armyEquipmentGain[place];
        }
    }
    for (int s = 0; s < kBattleArmySlots; ++s) {
        if (armyAlive[s] == 0) {
            continue;
        }
        menAfter[s] = (armyTraining[s] + armyEquipment[s]) / 10;
        menGained[s] = std::max(0, menAfter[s] - menBefore[s]);
        attackGained[s] = 2 * menGained[s];
        defenceGained[s] = 2 * menGained[s];
        armyAttack[s] += attackGained[s];
        armyDefence[s] += defenceGained[s];
    }
}

void BattleScreen::ComputeEnemyLosses() {
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        totalWounds += enemyLight[e] + enemySerious[e] + enemyCritical[e];
        totalDown += enemyDown[e];
    }
    // A battle that counts no enemies carries nothing.
    if (enemyCount == 0) {
        avgWounds = 0;
        avgDown = 0;
        carriedWounds = 0;
        carriedDown = 0;
        return;
    }
    avgDown = totalDown / enemyCount;
    avgWounds = totalWounds / enemyCount;
    carriedDown = ClampByte(avgDown);
    carriedWounds = ClampByte(avgWounds);
    if (totalDown > 0 && avgDown == 0 && avgWounds == 0) {
        carriedWounds = 1;
    }
    if (totalWounds > 0 && avgDown == 0 && carriedWounds == 0) {
        carriedWounds = 1;
    }
}

void BattleScreen::ApplyCarryOverWounds() {
    const CarriedWounds wounds = WoundsOfCarriedLevel(carriedWounds);
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        enemyLight[e] = ClampByte(enemyLight[e] + wounds.light);
        enemySerious[e] = ClampByte(enemySerious[e] + wounds.serious);
        enemyCritical[e] = ClampByte(enemyCritical[e] + wounds.critical);
        if (carriedDown != 0) {
            enemyDown[e] = ClampByte(enemyDown[e] + carriedDown);
            enemyMen[e] = enemyDown[e] > enemyMen[e] ? 0 : ClampByte(enemyMen[e] - carriedDown);
            if (enemyMen[e] == 0) {
                enemyPresent[e] = 0;
            }
        }
        enemyLight[e] = std::min(enemyLight[e], enemyMen[e]);
        enemySerious[e] = std::min(enemySerious[e], enemyMen[e]);
        enemyCritical[e] = std::min(enemyCritical[e], enemyMen[e]);
    }
}

}  // namespace varn
