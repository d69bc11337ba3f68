#include <gtest/gtest.h>

#include <tuple>

#include "battle/WoundModel.h"

namespace varn {

namespace {

TEST(WoundModel, BaseDamageOverTheExcessBands) {
    const std::tuple<int, int, int> cases[] = {
        {30, 30, 6}, {40, 30, 16}, {29, 30, 5}, {21, 30, 5},   {20, 30, 4}, {11, 30, 4},
        {10, 30, 3}, {1, 30, 3},   {0, 30, 2},  {0, 49, 2},    {0, 50, 1},  {0, 99, 1},
        {0, 100, 0}, {0, 250, 0},  {0, 0, 6},   {255, 0, 261},
    };
    for (auto [attack, defence, damage] : cases) {
        EXPECT_EQ(BaseDamage(attack, defence), damage) << attack << " vs " << defence;
    }
    EXPECT_EQ(DefenceExcess(20, 30), 10);
    EXPECT_EQ(DefenceExcess(40, 30), 0);
}

struct DamageCase {
    StrikeKind kind;
    int attack;
    int defence;
    int men;
    int damage;
};

TEST(WoundModel, BonusesTiersAndReductionsBySide) {
    const DamageCase cases[] = {
        // The commander adds nothing for men.
        {StrikeKind::CommanderOnEnemy, 30, 30, 50, 6},
        {StrikeKind::CommanderOnEnemy, 0, 100, 0, 0},
        // Army slots: men / 3 whatever the base.
        {StrikeKind::ArmyOnEnemy, 30, 30, 12, 10},
        {StrikeKind::ArmyOnEnemy, 40, 30, 12, 20},
        {StrikeKind::ArmyOnEnemy, 0, 100, 9, 3},
        // Allies: men / 5 up to base 6, men / 4 above.
        {StrikeKind::AllyOnEnemy, 30, 30, 20, 10},
        {StrikeKind::AllyOnEnemy, 31, 30, 20, 12},
        // Enemy on an ally: 6 + 27 / 5; a big excess costs one point per bound passed.
        {StrikeKind::EnemyOnAlly, 30, 30, 27, 11},
        {StrikeKind::EnemyOnAlly, 0, 55, 40, 3},
        {StrikeKind::EnemyOnAlly, 0, 70, 40, 2},
        {StrikeKind::EnemyOnAlly, 0, 70, 5, 1},
        // Enemy on an army slot: the bonus comes before the reductions (bounds 0, 10, 20).
        {StrikeKind::EnemyOnArmy, 5, 30, 10, 2},
        {StrikeKind::EnemyOnArmy, 30, 30, 20, 10},
        {StrikeKind::EnemyOnArmy, 40, 30, 20, 21},
        {StrikeKind::EnemyOnArmy, 0, 121, 0, 0},
        // Enemy on the commander: tier A below base 7, tier B from 7, plus men / 3.
        {StrikeKind::EnemyOnCommander, 30, 30, 27, 19},
        {StrikeKind::EnemyOnCommander, 30, 30, 9, 9},
        {StrikeKind::EnemyOnCommander, 30, 30, 10, 10},
        {StrikeKind::EnemyOnCommander, 30, 30, 18, 14},
        {StrikeKind::EnemyOnCommander, 30, 30, 20, 15},
        {StrikeKind::EnemyOnCommander, 30, 30, 28, 20},
        {StrikeKind::EnemyOnCommander, 31, 30, 90, 7 + 23 + 30},
        {StrikeKind::EnemyOnCommander, 31, 30, 31, 7 + 11 + 10},
        {StrikeKind::EnemyOnCommander, 31, 30, 41, 7 + 15 + 13},
        // Commander reductions start above an excess of 10: bounds 10 and 25 passed here.
        {StrikeKind::EnemyOnCommander, 0, 26, 9, 3 + 3 - 2},
        {StrikeKind::EnemyOnCommander, 0, 10, 0, 4},
    };
    for (const DamageCase& c : cases) {
        EXPECT_EQ(StrikeDamage(c.kind, c.attack, c.defence, c.men), c.damage)
            << static_cast<int>(c.kind) << ": " << c.attack << " vs " << c.defence << ", " << c.men
            << " men";
    }
}

struct Rows {
    uint8_t standing;
    uint8_t light;
    uint8_t serious;
    uint8_t critical;
    uint8_t down;

    WoundRows Refs() { return WoundRows{standing, light, serious, critical, down}; }
    auto Tie() const { return std::tuple(standing, light, serious, critical, down); }
};

TEST(WoundModel, WorkedExampleStageByStage) {
    Rows rows{10, 0, 0, 0, 0};
    struct Step {
        int damage;
        WoundStage stage;
        int downed;
        Rows after;
    };
    const Step steps[] = {
        {5, WoundStage::Light, 0, {10, 5, 0, 0, 0}},
        {8, WoundStage::Serious, 0, {10, 10, 3, 0, 0}},
        {20, WoundStage::Down, 3, {7, 10, 10, 10, 3}},
        // Fully wounded: every point downs a man.
        {2, WoundStage::Down, 2, {5, 10, 10, 10, 5}},
        {0, WoundStage::None, 0, {5, 10, 10, 10, 5}},
        // More than the men standing: all go down, no more.
        {40, WoundStage::Down, 5, {0, 10, 10, 10, 10}},
    };
    for (const Step& step : steps) {
        const WoundOutcome outcome = ApplyWounds(rows.Refs(), step.damage);
        EXPECT_EQ(outcome.stage, step.stage) << step.damage;
        EXPECT_EQ(outcome.downed, step.downed) << step.damage;
        EXPECT_EQ(rows.Tie(), step.after.Tie()) << step.damage;
    }
    EXPECT_TRUE(ApplyWounds(Rows{3, 3, 3, 3, 0}.Refs(), 3).allDown);
}

TEST(WoundModel, CriticalStageAndCaps) {
    Rows rows{4, 4, 4, 0, 0};
    EXPECT_EQ(ApplyWounds(rows.Refs(), 4).stage, WoundStage::Critical);
    EXPECT_EQ(rows.Tie(), (Rows{4, 4, 4, 4, 0}.Tie()));
    Rows none{0, 0, 0, 0, 7};
    EXPECT_EQ(ApplyWounds(none.Refs(), 9).stage, WoundStage::None);
    EXPECT_EQ(none.Tie(), (Rows{0, 0, 0, 0, 7}.Tie()));
}

}  // namespace

}  // namespace varn
