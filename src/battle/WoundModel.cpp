#include "battle/WoundModel.h"

#include <algorithm>
#include <array>
#include <span>

namespace varn {

namespace {

struct ExcessBand {
    int32_t below;
    int32_t damage;
};
constexpr std::array<ExcessBand, 5> kExcessBands{{
    {10, 5},
    {20, 4},
    {30, 3},
    {50, 2},
    {100, 1},
}};

constexpr std::array<int32_t, 14> kCommanderReductionBounds{10,  25,  45,  70,  100, 130, 160,
                                                            190, 220, 250, 280, 310, 340, 370};
constexpr std::array<int32_t, 10> kArmyReductionBounds{0, 10, 20, 30, 40, 50, 60, 70, 90, 120};
constexpr std::array<int32_t, 7> kAllyReductionBounds{0, 10, 20, 30, 40, 50, 60};

constexpr int32_t kEqualDamage = 6;

// Bonus of an enemy's men against the commander when the base damage is 6 or less.
int32_t CommanderTierA(int32_t men) {
    if (men >= 28) {
        return 5;
    }
    if (men >= 25) {
        return 4;
    }
    if (men >= 20) {
        return 3;
    }
    if (men >= 18) {
        return 2;
    }
    return men >= 10 ? 1 : 0;
}

// The same tiers and more for large armies when the base damage is 7 or more.
int32_t CommanderTierB(int32_t men) {
    int32_t bonus = CommanderTierA(men);
    bonus += men > 30 ? 6 : 0;
    bonus += men > 40 ? 4 : 0;
    for (int32_t bound : {50, 60, 70, 80}) {
        bonus += men > bound ? 2 : 0;
    }
    return bonus;
}

int32_t MenBonus(StrikeKind kind, int32_t base, int32_t men) {
    const bool strongBase = base > kEqualDamage;
    switch (kind) {
        case StrikeKind::CommanderOnEnemy:
            return 0;
        case StrikeKind::ArmyOnEnemy:
            return men / 3;
        case StrikeKind::AllyOnEnemy:
        case StrikeKind::EnemyOnArmy:
        case StrikeKind::EnemyOnAlly:
            return strongBase ? men / 4 : men / 5;
        case StrikeKind::EnemyOnCommander:
            return (strongBase ? CommanderTierB(men) : CommanderTierA(men)) + men / 3;
    }
    return 0;
}

std::span<const int32_t> ReductionBounds(StrikeKind kind) {
    switch (kind) {
        case StrikeKind::EnemyOnCommander:
            return kCommanderReductionBounds;
        case StrikeKind::EnemyOnArmy:
            return kArmyReductionBounds;
        case StrikeKind::EnemyOnAlly:
            return kAllyReductionBounds;
        default:
            return {};
    }
}

// Fills one wound row up to the men standing; returns the points it took.
int32_t FillWoundRow(uint8_t& row, uint8_t standing, int32_t points) {
    const int32_t room = row < standing ? standing - row : 0;
    const int32_t taken = std::min(room, points);
    row = static_cast<uint8_t>(row + taken);
    return taken;
}

}  // namespace

int32_t DefenceExcess(int32_t attack, int32_t defence) {
    return defence > attack ? defence - attack : 0;
}

int32_t BaseDamage(int32_t attack, int32_t defence) {
    if (attack > defence) {
        return attack - defence + kEqualDamage;
    }
    if (attack == defence) {
        return kEqualDamage;
    }
    const int32_t excess = defence - attack;
    for (const ExcessBand& band : kExcessBands) {
        if (excess < band.below) {
            return band.damage;
        }
    }
    return 0;
}

int32_t StrikeDamage(StrikeKind kind, int32_t attack, int32_t defence, int32_t men) {
    const int32_t base = BaseDamage(attack, defence);
    int32_t damage = base + MenBonus(kind, base, men);
    const int32_t excess = DefenceExcess(attack, defence);
    for (int32_t bound : ReductionBounds(kind)) {
        if (excess > bound && damage > 1) {
            --damage;
        }
    }
    return damage;
}

WoundOutcome ApplyWounds(WoundRows rows, int32_t damage) {
    WoundOutcome outcome;
    if (damage <= 0 || rows.standing == 0) {
        return outcome;
    }
    int32_t rest = damage;
    const std::array<std::pair<uint8_t*, WoundStage>, 3> stages{{
        {&rows.light, WoundStage::Light},
        {&rows.serious, WoundStage::Serious},
        {&rows.critical, WoundStage::Critical},
    }};
    for (auto [row, stage] : stages) {
        rest -= FillWoundRow(*row, rows.standing, rest);
        if (rest == 0) {
            outcome.stage = stage;
            return outcome;
        }
    }
    outcome.stage = WoundStage::Down;
    outcome.downed = std::min<int32_t>(rest, rows.standing);
    rows.standing = static_cast<uint8_t>(rows.standing - outcome.downed);
    rows.down = static_cast<uint8_t>(std::min<int32_t>(rows.down + outcome.downed, UINT8_MAX));
    outcome.allDown = rows.standing == 0;
    return outcome;
}

}  // namespace varn
