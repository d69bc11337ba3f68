#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "battle/BattleGrid.h"
#include "battle/BattleSideButtons.h"
#include "engine/DigitPlaces.h"
#include "engine/Font.h"
#include "engine/InputDevice.h"
#include "engine/MouseCursor.h"
#include "engine/SpriteSet.h"
#include "world/GameState.h"
#include "world/Glyph.h"

namespace varn {

inline constexpr int kBattleArmySlots = 6;
inline constexpr int kBattleEnemySlots = 50;
inline constexpr int kBattleAllySlots = 20;
// Strike targets: 0 the commander, 1..6 the army slots, then the allies.
inline constexpr int kFirstAllyTarget = 1 + kBattleArmySlots;
inline constexpr int kBattleObstacleSlots = 50;
inline constexpr int kBattleSpecialSlots = 20;
// Moves of every unit at the start of a turn.
inline constexpr uint8_t kTurnMoves = 7;

// The light grey of the message boxes' words. The panel stands on the boxes' picture, dark enough
// for their light and red texts, so its words take the same grey.
inline constexpr uint32_t kBoxTextColour = 0xFFD2D2D2;

// Occupant codes of BattleScreen::occupancy. A cell is blocked while its code is 1..249.
inline constexpr int32_t kOccupantFree = 0;
inline constexpr int32_t kOccupantCommander = 1;
inline constexpr int32_t kOccupantFirstArmy = 2;
inline constexpr int32_t kOccupantFirstAlly = 10;
inline constexpr int32_t kOccupantObstacle = 100;
inline constexpr int32_t kOccupantFirstEnemy = 120;
inline constexpr int32_t kOccupantFirstSpecial = 250;

// Sizes and markers of the rules' working tables.
inline constexpr int kBattlePathPoints = 10;
inline constexpr int kPlanSteps = 7;
inline constexpr int kEnemyTargets = 30;
inline constexpr int kEnemyCandidates = 8 * kEnemyTargets;
inline constexpr int kAllyCandidates = 8 * kBattleEnemySlots;
inline constexpr int32_t kNoEnemyCandidate = 250;
inline constexpr int32_t kNoAllyCandidate = 410;
inline constexpr uint8_t kNoCandidateDistance = 100;
inline constexpr int32_t kNoBlockedX = 10000;

template <size_t N>
constexpr std::array<uint8_t, N> FilledWith(uint8_t value) {
    std::array<uint8_t, N> values{};
    values.fill(value);
    return values;
}

// One picture or text the battle drew: the set (null for text) or font, slot, frame and the
// screen position; text carries its words.
struct BattleDraw {
    const SpriteSet* set;
    int32_t slot;
    int32_t frame;
    int32_t x;
    int32_t y;
    std::string text;
};

// BattleScreen::enemyPhase and allyPhase: idle, choose and plan, move, strike; the enemy's
// all-done waits for the last animations before the player's turn.
enum ComputerPhase : uint8_t {
    kComputerIdle = 0,
    kComputerPlan = 1,
    kComputerWalk = 2,
    kComputerStrike = 3,
    kComputerDone = 100,
};

// BattleScreen::won: every enemy is down; the victory is paid; the field is hidden behind the
// result.
enum BattleWon : uint8_t {
    kNotWon = 0,
    kWonNow = 1,
    kWonPaid = 2,
    kWonFieldHidden = 3,
};

// BattleScreen::commanderOrder: a path is planned, Go is ordered, the commander walks.
enum CommanderOrder : uint8_t {
    kOrderNone = 0,
    kOrderPlanned = 1,
    kOrderGo = 2,
    kOrderWalking = 3,
};

// BattleScreen::strikeOrdered: the player's strike is ordered, then its damage waits for the swing.
enum StrikeOrder : uint8_t {
    kStrikeNone = 0,
    kStrikeOrdered = 1,
    kStrikeDamagePending = 2,
};

// BattleScreen::retreatConfirmed: Yes was clicked, then the next click leaves.
enum RetreatConfirm : uint8_t {
    kRetreatOpen = 0,
    kRetreatConfirmed = 1,
    kRetreatLeaving = 2,
};

// BattleScreen::victoryGrade, by the turn the battle was won in.
enum VictoryGrade : uint8_t {
    kGradeNone = 0,
    kGradePlain = 1,
    kGradeGreat = 2,
    kGradeBrilliant = 3,
};

// BattleScreen::hitFlashOn: a strike asks for the hit marks, which then show for a while; and
// hitFlashState, the marks' timer waiting for its start or running.
enum HitFlash : uint8_t {
    kHitFlashOff = 0,
    kHitFlashAsked = 1,
    kHitFlashShowing = 2,
};
enum HitFlashTimer : uint8_t {
    kHitTimerIdle = 1,
    kHitTimerRunning = 2,
};

// BattleScreen::smashSoundState: the smash plays in the frame after the strike that asks for it.
enum SmashSound : uint8_t {
    kSmashNone = 0,
    kSmashNow = 1,
    kSmashPlayed = 2,
};

// BattleScreen::ownUnitHit: which of the player's own units holds the destination.
enum OwnUnitHit : uint8_t {
    kOwnUnitNone = 0,
    kOwnArmyUnderCommander = 1,
    kOwnCommanderUnderArmy = 2,
    kOwnArmyUnderArmy = 3,
};

// The screen of one battle: a private copy of everything the battle works on. The battle state
// fills it from the world record and the scenario tables and writes the results back; the screen
// never reads the world itself.
class BattleScreen {
  public:
    BattleScreen();
    virtual ~BattleScreen() = default;
    BattleScreen(const BattleScreen&) = delete;
    BattleScreen& operator=(const BattleScreen&) = delete;

    // The scenario of battleId: thresholds, start cells, camera, allies (reads questState and
    // mapByte), then the enemies. A number without a scenario writes nothing.
    void SetupPlayerSide();
    void SetupEnemySide();
    // Puts the portrait of joiningHero (1..10) into slot 50 of mainSprites, on the set's own
    // device; any other number, or no main sprite set, loads nothing.
    void LoadHeroPortrait();

    // Pictures and fonts; created by the loaders.
    std::unique_ptr<SpriteSet> mainSprites;
    std::unique_ptr<SpriteSet> groundSprites;
    std::unique_ptr<SpriteSet> commanderMarker;
    std::unique_ptr<SpriteSet> armySprites;
    std::unique_ptr<SpriteSet> armyIcons;
    std::unique_ptr<SpriteSet> enemySprites;
    std::unique_ptr<SpriteSet> allySprites;
    std::unique_ptr<SpriteSet> allyIcons;
    std::unique_ptr<SpriteSet> portraitSprites;
    std::unique_ptr<SpriteSet> letterSheet1;
    std::unique_ptr<SpriteSet> letterSheet2;
    std::unique_ptr<Font> font;
    std::unique_ptr<Font> bigFont;

    // Sound requests, timing and world copies.
    uint8_t pickSoundPending = 0;
    // A SmashSound.
    uint8_t smashSoundState = kSmashNone;
    int32_t animStepMs = 100;
    // Copy of the world's defenderFound: an invasion found a defender.
    uint8_t mapByte = 0;
    // Copy of the world's quest states, quest q at index q - 1.
    std::array<uint8_t, 100> questState{};
    std::array<uint8_t, kEnemyKindCount> enemyKindUsed{};
    // Ally kinds 0 Ally1, 1 PalaceGuards, 2 CastleGuards.
    std::array<uint8_t, kAllyKindCount> allyKindUsed{};
    // A victory before turn brilliantTurns is brilliant, before greatTurns great; reaching
    // lastTurn loses the battle.
    uint8_t brilliantTurns = 0;
    uint8_t greatTurns = 0;
    uint8_t lastTurn = 0;
    uint8_t showTurnInfo = 1;
    int32_t totalWounds = 0;
    int32_t totalDown = 0;
    int32_t avgDown = 0;
    int32_t avgWounds = 0;
    uint8_t retreatChosen = 0;
    uint8_t lossPending = 1;
    // Hero number 1..10 whose portrait is in slot 50 of mainSprites.
    uint8_t joiningHero = 0;
    uint8_t gridOn = 0;
    uint8_t retreatAsked = 0;
    // A RetreatConfirm.
    uint8_t retreatConfirmed = kRetreatOpen;
    // A VictoryGrade.
    uint8_t victoryGrade = kGradeNone;
    uint8_t clickArmed = 0;
    uint8_t healthPerLevels = 0;
    uint8_t attackPerLevels = 0;
    uint8_t defencePerLevels = 0;
    GlyphString commanderName{};
    uint8_t portraitVariant = 0;
    uint8_t battleOver = 0;
    int32_t battleId = 0;
    // The enemy's carried loss levels for this battle.
    uint8_t carriedWounds = 0;
    uint8_t carriedDown = 0;
    uint8_t mouseFree = 0;
    // Divisor of the enemy's loss averages; may be below the number of enemies placed.
    uint8_t enemyCount = 0;
    // Computer phases (ComputerPhase).
    uint8_t enemyActed = 0;
    uint8_t enemyPhase = kComputerIdle;
    uint8_t allyActed = 0;
    uint8_t allyPhase = kComputerIdle;
    uint8_t turn = 1;
    int32_t targetX = 0;
    int32_t targetY = 0;
    int32_t targetCell = 0;
    int32_t enemyTargetCell = 0;
    int32_t allyTargetCell = 0;
    // Scroll of the field, kept within -26..826 and -26..734.
    int32_t cameraX = 0;
    int32_t cameraY = 0;
    // Occupant code per cell 1..300; entry 0 is unused.
    std::array<int32_t, kBattleCellCount + 1> occupancy{};
    uint8_t groundDrawn = 0;

    // Result (BattleWon).
    uint8_t won = kNotWon;
    uint8_t lost = 0;
    // Army slots and allies without men standing, counted by the end test.
    uint8_t fallenArmies = 0;
    uint8_t fallenAllies = 0;

    // Animation timers.
    int32_t bounceStart = 0;
    uint8_t bounceState = 1;
    uint8_t bounceFrame = 0;
    uint8_t bounceUp = 0;
    int32_t strikeAnimStart = 0;
    uint8_t strikeAnimState = 1;
    uint8_t strikeAnimFrame = 0;
    uint8_t strikeAnimUp = 1;
    uint8_t strikeAnimOn = 0;
    uint8_t commanderStriking = 0;
    uint8_t commanderHitShown = 0;
    uint8_t armyStriking = 0;
    uint8_t armyHitShown = 0;
    uint8_t allyStriking = 0;
    uint8_t enemyStriking = 0;
    uint8_t hitFlashOn = kHitFlashOff;
    int32_t hitFlashStart = 0;
    uint8_t hitFlashState = kHitTimerIdle;

    // The commander: the player or hero commanderHero.
    int32_t commanderX = 0;
    int32_t commanderY = 0;
    int32_t commanderCell = 0;
    uint8_t commanderFacing = 0;
    uint8_t commanderSelected = 0;
    uint8_t commanderMoves = 0;
    uint8_t commanderMovesCommitted = kTurnMoves;
    // Health 0 means the commander is down.
    int32_t commanderHealth = 0;
    int32_t commanderAttack = 0;
    int32_t commanderDefence = 0;
    int32_t commanderExperience = 0;
    uint8_t commanderLevel = 0;
    uint8_t commanderIsPlayer = 0;
    // Hero number 1..10.
    uint8_t commanderHero = 0;

    // The six army slots.
    std::array<uint8_t, kBattleArmySlots> armyTookPart{};
    std::array<uint8_t, kBattleArmySlots> armyPresent{};
    std::array<int32_t, kBattleArmySlots> armyX{};
    std::array<int32_t, kBattleArmySlots> armyY{};
    std::array<int32_t, kBattleArmySlots> armyCell{};
    std::array<uint8_t, kBattleArmySlots> armyFacing{};
    // UnitType of each slot.
    std::array<uint8_t, kBattleArmySlots> armyType{};
    uint8_t selectedArmy = 0;
    std::array<uint8_t, kBattleArmySlots> armyMoves{};
    std::array<uint8_t, kBattleArmySlots> armyMovesCommitted =
        FilledWith<kBattleArmySlots>(kTurnMoves);
    // By UnitType: its pictures are loaded.
    std::array<uint8_t, 22> unitTypeLoaded{};
    std::array<uint8_t, kBattleArmySlots> armyAlive{};
    std::array<uint8_t, kBattleArmySlots> armyDown{};
    std::array<uint8_t, kBattleArmySlots> armyLight{};
    std::array<uint8_t, kBattleArmySlots> armySerious{};
    std::array<uint8_t, kBattleArmySlots> armyCritical{};
    std::array<int32_t, kBattleArmySlots> armyAttack{};
    std::array<int32_t, kBattleArmySlots> armyDefence{};
    std::array<int32_t, kBattleArmySlots> armyTraining{};
    std::array<int32_t, kBattleArmySlots> armyEquipment{};
    std::array<GlyphString, kBattleArmySlots> armyName{};

    // Enemies. An entry counts only while its present flag is set.
    std::array<uint8_t, kBattleEnemySlots> enemyPresent{};
    std::array<int32_t, kBattleEnemySlots> enemyX{};
    std::array<int32_t, kBattleEnemySlots> enemyY{};
    std::array<int32_t, kBattleEnemySlots> enemyCell{};
    std::array<uint8_t, kBattleEnemySlots> enemyFacing{};
    // Picture kind 0..10.
    std::array<uint8_t, kBattleEnemySlots> enemyKind{};
    // Men standing.
    std::array<uint8_t, kBattleEnemySlots> enemyMen{};
    std::array<uint8_t, kBattleEnemySlots> enemyAttack{};
    std::array<uint8_t, kBattleEnemySlots> enemyDefence{};
    std::array<uint8_t, kBattleEnemySlots> enemyDone{};
    std::array<uint8_t, kBattleEnemySlots> enemyMoves = FilledWith<kBattleEnemySlots>(kTurnMoves);
    std::array<uint8_t, kBattleEnemySlots> enemyLight{};
    std::array<uint8_t, kBattleEnemySlots> enemySerious{};
    std::array<uint8_t, kBattleEnemySlots> enemyCritical{};
    std::array<uint8_t, kBattleEnemySlots> enemyDown{};

    // Allies.
    std::array<uint8_t, kBattleAllySlots> allyPresent{};
    std::array<int32_t, kBattleAllySlots> allyX{};
    std::array<int32_t, kBattleAllySlots> allyY{};
    std::array<int32_t, kBattleAllySlots> allyCell{};
    std::array<uint8_t, kBattleAllySlots> allyFacing{};
    // Picture kind 0..2.
    std::array<uint8_t, kBattleAllySlots> allyKind{};
    // Men standing; 0 counts as beaten.
    std::array<uint8_t, kBattleAllySlots> allyMen{};
    std::array<uint8_t, kBattleAllySlots> allyLight{};
    std::array<uint8_t, kBattleAllySlots> allySerious{};
    std::array<uint8_t, kBattleAllySlots> allyCritical{};
    std::array<uint8_t, kBattleAllySlots> allyDown{};
    std::array<uint8_t, kBattleAllySlots> allyAttack{};
    std::array<uint8_t, kBattleAllySlots> allyDefence{};
    std::array<uint8_t, kBattleAllySlots> allyDone{};
    std::array<uint8_t, kBattleAllySlots> allyMoves = FilledWith<kBattleAllySlots>(kTurnMoves);
    std::array<GlyphString, kBattleAllySlots> allyName{};

    // Obstacles and special markers: no battle places any.
    std::array<uint8_t, kBattleObstacleSlots> obstaclePresent{};
    std::array<int32_t, kBattleObstacleSlots> obstacleX{};
    std::array<int32_t, kBattleObstacleSlots> obstacleY{};
    std::array<int32_t, kBattleObstacleSlots> obstacleCell{};
    std::array<uint8_t, kBattleSpecialSlots> specialPresent{};
    std::array<int32_t, kBattleSpecialSlots> specialCell{};

    // Side buttons and clicks.
    ButtonBar sideButtons{kSideButtons};
    uint8_t unitPanelHover = 0;
    int32_t clickedCell = 0;
    int32_t clickedX = 0;
    int32_t clickedY = 0;
    uint8_t cellClicked = 0;
    // Hover area 1..28 of the victory summary.
    uint8_t dialogHover = 0;

    // ---- Rules: commands, strikes, computer play ----------------------------------------------
    // Entries of the turn loop, called by the battle state in its frame order (each documented
    // at its definition): GiveFreshMoves at the top of a frame, GiveGoOrder on Enter or a right
    // click, PressEndTurn and EndPlayerTurn for side button 1, then RunPlayerTurn, RunAllyPhase
    // and RunEnemyPhase, then AdvanceStrikeSwing with the animation timers.
    void GiveFreshMoves();
    void GiveGoOrder();
    void PressEndTurn();
    void EndPlayerTurn();
    void RunPlayerTurn(uint8_t moveSteps);
    void RunAllyPhase(uint8_t moveSteps);
    void RunEnemyPhase(uint8_t moveSteps);

    // The player's commands.
    void HandleCellClick();
    void EvaluatePlayerTarget();
    void MovePlayerUnit(uint8_t steps);

    // Strikes: each start computes the damage and starts the swing, each end applies it.
    void PlayerStrike();
    void PlayerStrikeEnd();
    void AllyStrike();
    void AllyStrikeEnd();
    void EnemyStrike();
    void EnemyStrikeEnd();

    // Computer play of both sides, one machine over the side (BattleAiSide.h).
    void NextEnemy();
    void NextAlly();
    void PlanEnemyMove();
    void PlanAllyMove();
    void MoveEnemy(uint8_t step);
    void MoveAlly(uint8_t step);
    // Before a strike that follows a move: is the target still next to the striker and alive?
    void CheckStrikeAdjacency();

    // The strike-flash part of Animate: the swing's frames and its end, against nowMs.
    void AdvanceStrikeSwing(uint32_t nowMs);

    // Selection and path of the player's turn.
    // 0-based slot of the army last selected; stays set after it walks.
    uint8_t activeArmyIndex = 0;
    uint8_t selectionMade = 0;
    // 0 idle, 1 start requested, 2..8 next step to plan.
    uint8_t planStep = 0;
    uint8_t pathLength = 0;
    std::array<uint8_t, kBattlePathPoints> pathPointOn{};
    std::array<int32_t, kBattlePathPoints> pathX{};
    std::array<int32_t, kBattlePathPoints> pathY{};
    // Whole cells still to go while planning; direction flags of the current step while walking.
    // Shared by the player's units and both computer sides: only one plans or walks at a time.
    uint8_t stepsRight = 0;
    uint8_t stepsLeft = 0;
    uint8_t stepsUp = 0;
    uint8_t stepsDown = 0;
    uint8_t pathCursor = 0;
    int32_t planStartX = 0;
    int32_t planStartY = 0;
    // A CommanderOrder.
    uint8_t commanderOrder = kOrderNone;
    // Army slots 1..6; armyWalking holds slot + 1 (0-based slot + 2).
    uint8_t armyOrderPlanned = 0;
    uint8_t armyGo = 0;
    uint8_t armyWalking = 0;
    uint8_t stepTurnPending = 0;
    uint8_t pointReached = 0;
    uint8_t arrivedX = 0;
    uint8_t arrivedY = 0;
    uint8_t standing = 0;
    int32_t arrivalOccupant = 0;
    // The path ran into an enemy or an ally at (pathTargetX, pathTargetY).
    uint8_t pathTargetFound = 0;
    int32_t pathTargetX = 0;
    int32_t pathTargetY = 0;
    uint8_t attackPlanned = 0;
    // Drawing copies: a path or a target mark is showing; the mark is an attack.
    uint8_t pathShown = 0;
    uint8_t targetIsAttack = 0;
    // The player's strike: strikeNow runs its start this frame; strikeOrdered a StrikeOrder;
    // strikeImmediate = Enter strikes the adjacent enemy without walking.
    uint8_t strikeNow = 0;
    uint8_t strikeOrdered = kStrikeNone;
    uint8_t strikeImmediate = 0;
    // Enemy 0..49 struck by the player's or an ally's strike.
    uint8_t targetEnemy = 0;
    // The unit selected at the last click: the one that strikes (the has-struck marks).
    uint8_t strikingCommander = 0;
    uint8_t strikingArmy = 0;
    uint8_t evaluateRequested = 0;
    uint8_t moveRefused = 0;
    int32_t refusedX = 0;
    int32_t refusedY = 0;
    // Scratch: an OwnUnitHit.
    uint8_t ownUnitHit = kOwnUnitNone;
    // The selected unit has no moves left; computed by the unit drawing.
    uint8_t noMovesLeft = 0;

    // Strikes and their reports.
    int32_t damageLevel = 0;
    int32_t defenceExcess = 0;
    // Per army slot: strikes made and received (ranks the armies for growth).
    std::array<int32_t, kBattleArmySlots> armyCombats{};
    // A strike on an enemy started (the drawing takes hitEnemy from targetEnemy).
    uint8_t newStrike = 0;
    uint8_t strikeDownCount = 0;
    // Report of a strike on an enemy: the stage it reached.
    uint8_t strikeReportOn = 0;
    uint8_t reportLight = 0;
    uint8_t reportSerious = 0;
    uint8_t reportCritical = 0;
    uint8_t reportOneDown = 0;
    uint8_t reportSomeDown = 0;
    int32_t reportAllDown = 0;
    // Reports of an enemy's strike on the commander, army slot hitArmy (0..5) or ally hitAlly.
    uint8_t commanderHit = 0;
    uint8_t armyHit = 0;
    int32_t hitArmy = 0;
    int32_t armyHitLight = 0;
    int32_t armyHitSerious = 0;
    int32_t armyHitCritical = 0;
    int32_t armyHitSomeDown = 0;
    int32_t armyHitOneDown = 0;
    int32_t armyHitAllDown = 0;
    uint8_t allyHit = 0;
    uint8_t hitAlly = 0;
    int32_t allyHitLight = 0;
    int32_t allyHitSerious = 0;
    int32_t allyHitCritical = 0;
    int32_t allyHitSomeDown = 0;
    int32_t allyHitOneDown = 0;
    int32_t allyHitAllDown = 0;

    // Computer play, shared by both sides.
    uint8_t targetCount = 0;
    // The enemy's strike target stands next to it.
    uint8_t strikeAdjacent = 0;
    std::array<int32_t, kBattlePathPoints> stepX{};
    std::array<int32_t, kBattlePathPoints> stepY{};
    std::array<uint8_t, kBattlePathPoints> stepPending{};
    uint8_t stepCount = 0;
    uint8_t planBackOff = 0;
    uint8_t planDropped = 0;

    // The enemy side. Targets: 0 the commander, 1..6 army slots, 7..26 allies 0..19.
    std::array<int32_t, kEnemyTargets> enemyTargetX{};
    std::array<int32_t, kEnemyTargets> enemyTargetY{};
    std::array<uint8_t, kEnemyTargets> enemyTargetOn{};
    // Candidate 8 x target + k: neighbour k (0 up, then clockwise) of that target.
    std::array<int32_t, kEnemyCandidates> enemyCandX{};
    std::array<int32_t, kEnemyCandidates> enemyCandY{};
    std::array<uint8_t, kEnemyCandidates> enemyCandInField{};
    std::array<uint8_t, kEnemyCandidates> enemyCandFree{};
    std::array<uint8_t, kEnemyCandidates> enemyCandDist{};
    uint8_t enemyMarkTarget = 0;
    int32_t enemyMarkCandidate = 0;
    uint8_t actingEnemy = 0;
    uint8_t enemyChosen = 0;
    int32_t enemyFromX = 0;
    int32_t enemyFromY = 0;
    int32_t enemyBestCand = kNoEnemyCandidate;
    uint8_t enemyBestDist = kNoCandidateDistance;
    uint8_t enemyCandFound = 0;
    int32_t enemyGoalX = 0;
    int32_t enemyGoalY = 0;
    uint8_t enemyCandTarget = 0;
    uint8_t enemyTargetFixed = 0;
    uint8_t enemyStruckTarget = 0;
    uint8_t enemyStrikeFollows = 0;
    // 1 = plan now, 2..7 next step, 0 complete.
    uint8_t enemyPlanStage = 0;
    std::array<uint8_t, kPlanSteps> enemyStepHit{};
    // End cell found held by another enemy (0..2 times), and that cell: (10000, 0) = none.
    uint8_t enemyRetry = 0;
    int32_t enemyBlockedX = kNoBlockedX;
    int32_t enemyBlockedY = 0;
    uint8_t enemyMoveStart = 0;
    uint8_t enemyMoving = 0;
    uint8_t enemyNextStep = 0;
    uint8_t enemyStepIndex = 0;
    uint8_t enemyMoveAbort = 0;
    uint8_t enemyFollowCamera = 0;
    uint8_t enemyFollowAdjacent = 0;

    // The ally side. Targets: the 50 enemies.
    std::array<int32_t, kBattleEnemySlots> allyTargetX{};
    std::array<int32_t, kBattleEnemySlots> allyTargetY{};
    std::array<uint8_t, kBattleEnemySlots> allyTargetOn{};
    std::array<int32_t, kAllyCandidates> allyCandX{};
    std::array<int32_t, kAllyCandidates> allyCandY{};
    std::array<uint8_t, kAllyCandidates> allyCandInField{};
    std::array<uint8_t, kAllyCandidates> allyCandFree{};
    std::array<uint8_t, kAllyCandidates> allyCandDist{};
    uint8_t allyMarkTarget = 0;
    int32_t allyMarkCandidate = 0;
    uint8_t actingAlly = 0;
    uint8_t allyChosen = 0;
    int32_t allyFromX = 0;
    int32_t allyFromY = 0;
    int32_t allyBestCand = kNoAllyCandidate;
    uint8_t allyBestDist = kNoCandidateDistance;
    uint8_t allyCandFound = 0;
    int32_t allyGoalX = 0;
    int32_t allyGoalY = 0;
    uint8_t allyCandTarget = 0;
    uint8_t allyTargetFixed = 0;
    uint8_t allyStruckTarget = 0;
    uint8_t allyStrikeFollows = 0;
    uint8_t allyStrikeAdjacent = 0;
    uint8_t allyPlanStage = 0;
    std::array<uint8_t, kPlanSteps> allyStepHit{};
    uint8_t allyMoveStart = 0;
    uint8_t allyMoving = 0;
    uint8_t allyNextStep = 0;
    uint8_t allyStepIndex = 0;
    uint8_t allyMoveAbort = 0;
    uint8_t allyFollowCamera = 0;
    // ---- End of the rules ----------------------------------------------------------------------

    // ---- Battle state, grid, input, rewards and drawing -------------------------------------

    // Loaders (each creates its sets with the alpha test on) and their release.
    void InitMainSprites(GraphicsDevice* device);
    void InitGround(GraphicsDevice* device);
    void InitPortrait(GraphicsDevice* device);
    void InitHeroMarker(GraphicsDevice* device);
    void InitArmySprites(GraphicsDevice* device);
    void InitEnemySprites(GraphicsDevice* device);
    void Free();

    // Grid, occupancy, timers and the end test.
    void CellsToPixels();
    void BuildOccupancy();
    void MouseToCell();
    void Animate(uint32_t nowMs);
    void CheckBattleEnd();

    // Mouse and camera.
    void ResetHover();
    // The unit panel's move hint, while a unit is selected.
    void HoverUnitPanel(int32_t x, int32_t y);
    void HoverDialogGrid(int32_t x, int32_t y);
    int ClickCell(int32_t x, int32_t y, const InputDevice& mouse);
    void ScrollCamera(const MouseCursor& cursor, uint8_t step);
    // Side button 1..7 can be hovered and pressed now.
    bool SideButtonAvailable(uint8_t id) const;

    // Victory, defeat and the losses an enemy carries between fights of one battle.
    void GrantVictoryRewards(int32_t& gold);
    void ComputeEnemyLosses();
    void ApplyCarryOverWounds();

    // The strike marks and the no-moves flag that the drawing shows, kept with the rules so that
    // a battle runs the same undrawn.
    void UpdateStrikeMarks();

    // The whole frame's drawing: the field and its panels while won is below 3, then the result.
    void Draw();
    // Drawing, in the frame's order.
    void DrawBorder();
    void DrawGroundBlackZima();
    void DrawGroundGrey();
    void DrawGroundDesert();
    void DrawGroundGrass();
    void DrawGroundBrown();
    void DrawGroundPlains();
    void DrawGrid();
    void DrawUnits();
    void DrawUnitPanel();
    void DrawCommanderPanel();
    void DrawNamePanel();
    void DrawActiveUnitPanel();
    void DrawSideButtons();
    void DrawTurnInfo();
    void DrawResult();

    // Enemy over which the hit pictures are drawn; follows targetEnemy at each new strike.
    uint8_t hitEnemy = 0;

    // The victory's rewards, kept for the result box and the summary.
    int32_t goldReward = 0;
    int32_t goldRewardShown = 0;
    int32_t commanderExpGain = 0;
    std::array<int32_t, kBattleArmySlots> armyTrainingGain{};
    std::array<int32_t, kBattleArmySlots> armyEquipmentGain{};
    // Army slots in order of their combats, most first.
    std::array<uint8_t, kBattleArmySlots> combatRank{};
    uint8_t levelBefore = 0;
    uint8_t levelsGained = 0;
    std::array<int32_t, kBattleArmySlots> trainingBefore{};
    std::array<int32_t, kBattleArmySlots> equipmentBefore{};
    std::array<int32_t, kBattleArmySlots> menBefore{};
    std::array<int32_t, kBattleArmySlots> menAfter{};
    std::array<int32_t, kBattleArmySlots> menGained{};
    std::array<int32_t, kBattleArmySlots> attackGained{};
    std::array<int32_t, kBattleArmySlots> defenceGained{};
    std::array<int32_t, kBattleArmySlots> trainingGainShown{};
    std::array<int32_t, kBattleArmySlots> equipmentGainShown{};
    // Written by the drawing.
    uint8_t turnsLeft = 0;
    std::array<uint8_t, kBattleArmySlots> armyCanGrow{};
    std::array<uint8_t, kBattleArmySlots> armyFullSize{};

    // When set, every picture and text the drawing puts on the screen is also recorded here.
    std::vector<BattleDraw>* drawLog = nullptr;

  private:
    void Sprite(SpriteSet* set, int32_t slot, int32_t frame, int32_t x, int32_t y, float scaleX,
                float scaleY);
    void Text(Font* textFont, const char* text, int32_t x, int32_t y, int32_t w, int32_t h,
              uint32_t colour);
    void Number(Font* textFont, int32_t value, int32_t x, int32_t y, int32_t w, int32_t h,
                uint32_t colour);
    void Digits(int32_t slot, int32_t value, const DigitPlaces& places, int32_t y, float scaleX,
                float scaleY);
    void Name(const GlyphString& name, int32_t x0, int32_t y, float scaleY);
    void DrawGround(int32_t slot, bool decorated);
    void DrawPanelStrips(bool nameBar);
    void DrawMoveHint(uint8_t movesCommitted);
    void DrawWoundReport(int32_t light, int32_t serious, int32_t critical, int32_t oneDown,
                         int32_t someDown, int32_t allDown);
    void DrawHitPictures(int32_t x, int32_t y, int32_t allDown, int32_t oneDown, int32_t someDown);
    void DrawArmyIcon(uint8_t type, int32_t x, int32_t y, float scale);
    void DrawPanelWord(const char* word, int32_t x, int32_t y);
    void DrawSummary();
};

}  // namespace varn
