#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "world/Glyph.h"

namespace varn {

// The scenario of every numbered battle (1..73 and 81..93), compiled in: the player's side (turn
// thresholds, start layout, camera, allies) and the enemy's side (pictures, count, every army).
// The rows are written by tools/scenarios/generate.py from tools/scenarios/battles.txt; edit
// that file and run the generator, never the generated rows.
//
// Authoring rules of the enemy rows that the tables do not give in full (the validator test
// checks counts, kinds, men totals, ranges, picture flags and free cells; these it does not):
// - no enemy starts next to (in the eight cells around) a cell of the commander, an army slot or
//   any ally of the battle, whether that ally's condition holds or not;
// - no enemy starts where its figure would stand under the side buttons in the battle's first
//   view (its camera, or the field's corner where the camera is kept);
// - at least one enemy's whole figure shows in that first view, clear of the side buttons and
//   the bottom panel: a battle never opens with its foe out of sight. Where a formation would
//   stand wholly outside it, the ranks come a cell nearer or some of them take a side the view
//   looks on, the player's cells and the camera staying as they are;
// - enemies stand in ranks: columns or rows of adjacent cells across the line toward the
//   player's position, the first rank a few cells away, further ranks behind it;
// - the quick kinds (the dogs) take the front ranks, the common soldiers the middle and the
//   strong kinds the rear;
// - attack and defence rise with a kind's strength: the weakest army of a battle has its lowest
//   values, the strongest its highest, the others in between by kind and then by place;
// - the battle's men are shared out by strength, stronger armies being larger;
// - every enemy faces the commander's start cell;
// - slot order (which is acting order) is nearest to the player's units first.

// Start cells and facings of the commander and the six army slots.
struct StartLayout {
    int16_t commanderCell;
    uint8_t commanderFacing;
    std::array<int16_t, 6> armyCell;
    std::array<uint8_t, 6> armyFacing;
};

inline constexpr int kStartLayoutCount = 23;
// Layout n at entry n - 1.
extern const std::array<StartLayout, kStartLayoutCount> kStartLayouts;

// When a group of allies comes, tested once at the set-up on the screen's copies.
enum class AllyCondition : uint8_t {
    Always,
    QuestAccepted,   // the quest's state is 2 or more
    QuestGoalMet,    // 5 or more
    QuestNotLocked,  // not 0
    DefenderFound,   // the map found a defender for the invasion
};

struct AllyEntry {
    uint8_t slot;
    int16_t cell;
    uint8_t facing;
    uint8_t men;
    uint8_t attack;
    uint8_t defence;
    // All blank for the allies that go unnamed.
    GlyphString name;
};

struct AllyGroup {
    AllyCondition condition;
    uint8_t quest;
    // 0 Ally1, 1 PalaceGuards, 2 CastleGuards.
    uint8_t kind;
    std::span<const AllyEntry> allies;
};

struct PlayerSideRow {
    uint8_t battle;
    uint8_t brilliantTurns;
    uint8_t greatTurns;
    uint8_t lastTurn;
    // 1..23.
    uint8_t layout;
    bool hasCamera;
    int16_t cameraX;
    int16_t cameraY;
    // Bit k: ally picture kind k is loaded whether or not the allies come. A placed group also
    // loads its own kind.
    uint8_t allyPictures;
    std::span<const AllyGroup> groups;
};

struct EnemyEntry {
    uint8_t slot;
    int16_t cell;
    uint8_t facing;
    uint8_t kind;
    uint8_t men;
    uint8_t attack;
    uint8_t defence;
};

struct EnemySideRow {
    uint8_t battle;
    // Divisor of the loss averages; seven battles place more enemies than they count.
    uint8_t enemyCount;
    // Bit k: enemy picture kind k is loaded (kinds no army uses included).
    uint16_t pictures;
    std::span<const EnemyEntry> enemies;
};

// Every row, in ascending battle order.
std::span<const PlayerSideRow> PlayerSideRows();
std::span<const EnemySideRow> EnemySideRows();

// The row of a battle number, or null for a number without a scenario (0, 74..80, above 93).
const PlayerSideRow* FindPlayerSideRow(int battle);
const EnemySideRow* FindEnemySideRow(int battle);

}  // namespace varn
