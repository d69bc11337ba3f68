#pragma once

#include <cstdint>

namespace varn {

// Who strikes whom: each pairing has its own men bonus and its own defence reductions.
enum class StrikeKind : uint8_t {
    CommanderOnEnemy,
    ArmyOnEnemy,
    AllyOnEnemy,
    EnemyOnCommander,
    EnemyOnArmy,
    EnemyOnAlly,
};

// Damage before any bonus: 6 at equal attack and defence, one more per point of attack above,
// and falling by bands of the defence's excess below.
int32_t BaseDamage(int32_t attack, int32_t defence);

// Defence minus attack when the defence is higher, else 0.
int32_t DefenceExcess(int32_t attack, int32_t defence);

// The whole damage of one strike in men-wound points, men being the striker's men standing.
int32_t StrikeDamage(StrikeKind kind, int32_t attack, int32_t defence, int32_t men);

// The wound rows of one army. Light, serious and critical count the men with at least that
// wound and never pass the men standing.
struct WoundRows {
    uint8_t& standing;
    uint8_t& light;
    uint8_t& serious;
    uint8_t& critical;
    uint8_t& down;
};

// The last stage a strike's damage reached.
enum class WoundStage : uint8_t { None, Light, Serious, Critical, Down };

struct WoundOutcome {
    WoundStage stage = WoundStage::None;
    int32_t downed = 0;
    bool allDown = false;
};

// Fills the light, then the serious, then the critical wounds up to the men standing, and puts
// the rest of the damage down as men.
WoundOutcome ApplyWounds(WoundRows rows, int32_t damage);

}  // namespace varn
