#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/ButtonBar.h"
#include "engine/Font.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"
#include "map/MapObjectCodes.h"
#include "map/MapPlaceTables.h"
#include "world/CharacterRecords.h"
#include "world/GameState.h"
#include "world/MapCells.h"

namespace varn {

class GraphicsDevice;
class InputDevice;

// The slots of the map's own pictures.
enum MapPicture : int32_t {
    kMapPlayerSlot = 0,
    kMapSelectedSlot = 1,
    kMapDotSlot = 2,
    kMapPileSlot = 3,
    kMapBagSlot = 4,
    kMapChestSlot = 5,
    kMapHeroSlot = 6,
    kMapBoxSlot = 7,
    kMapDigitSlot = 8,
    kMapPrisonSlot = 9,
    kMapEndTurnSlot = 10,
    kMapWalkIconSlot = 11,
    kMapAttackIconSlot = 13,
    kMapLookIconSlot = 14,
    kMapMoveLabelSlot = 15,
    kMapTradeLabelSlot = 16,
    kMapAttackLabelSlot = 17,
    kMapLookLabelSlot = 18,
    kMapBarButtonSlot = 19,
    kMapPlayerPortraitSlot = 20,
    kMapHeroPortraitSlot = 21,
    kMapBarBackSlot = 22,
    kMapBlockedSlot = 23,
    kMapBattleSlot = 24,
    kMapBlockedPathSlot = 25,
    kMapTradeSlot = 26,
    kMapCentreIconSlot = 27,
    kMapCentreLabelSlot = 28,
    kMapNextIconSlot = 29,
    kMapNextLabelSlot = 30,
    kMapMovesBackSlot = 31,
    kMapDayAndGoldSlot = 32,
    kMapFameSlot = 33,
    kMapMouseSlot = 34,
    kMapLargeBoxSlot = 35,
    kMapSmallBoxSlot = 36,
};

inline constexpr PictureLoad kMapScreenPictures[] = {
    {kMapPlayerSlot, "Art\\Map\\Dude.bmp", 32, 64, 0xFF000000},
    {kMapSelectedSlot, "Art\\Map\\Selected.bmp", 32, 32, 0xFF000000},
    {kMapDotSlot, "Art\\Map\\Dot.bmp", 32, 32, 0xFF000000},
    {kMapPileSlot, "Art\\Map\\Gold.bmp", 64, 64, 0xFF000000},
    {kMapBagSlot, "Art\\Map\\Bag.bmp", 64, 64, 0xFF000000},
    {kMapChestSlot, "Art\\Map\\Chest.bmp", 64, 64, 0xFF000000},
    {kMapHeroSlot, "Art\\Map\\Dude2.bmp", 32, 64, 0xFF000000},
    {kMapBoxSlot, "Art\\Map\\Back.bmp", 64, 64, 0},
    {kMapDigitSlot, "Art\\Wealth\\Numbers1.bmp", 32, 32, 0xFF000000},
    {kMapPrisonSlot, "Art\\Heroes\\Prison.bmp", 32, 32, 0xFFFF0000},
    {kMapEndTurnSlot, "Art\\Controls\\Button4.bmp", 64, 64, 0},
    {kMapWalkIconSlot, "Art\\Controls\\Walk.bmp", 32, 32, 0xFF000000},
    {kMapAttackIconSlot, "Art\\You\\Attack.bmp", 32, 32, 0xFF000000},
    {kMapLookIconSlot, "Art\\Controls\\Inspect.bmp", 32, 32, 0xFF000000},
    {kMapMoveLabelSlot, "Art\\Controls\\Write2.bmp", 64, 32, 0xFF000000},
    {kMapTradeLabelSlot, "Art\\Controls\\Write3.bmp", 64, 32, 0xFF000000},
    {kMapAttackLabelSlot, "Art\\Controls\\Write4.bmp", 64, 32, 0xFF000000},
    {kMapLookLabelSlot, "Art\\Controls\\Write5.bmp", 64, 32, 0xFF000000},
    {kMapBarButtonSlot, "Art\\Controls\\Button5.bmp", 64, 64, 0},
    {kMapPlayerPortraitSlot, "Art\\Controls\\Portrait2.bmp", 64, 64, 0xFF00FF00},
    {kMapHeroPortraitSlot, "Art\\Controls\\H1.bmp", 64, 64, 0},
    {kMapBarBackSlot, "Art\\Controls\\Back.bmp", 64, 32, 0},
    {kMapBlockedSlot, "Art\\Fight\\Blocked.bmp", 32, 32, 0},
    {kMapBattleSlot, "Art\\Fight\\Battle.bmp", 32, 32, 0},
    {kMapBlockedPathSlot, "Art\\Fight\\Blocked2.bmp", 32, 32, 0},
    {kMapTradeSlot, "Art\\Controls\\Trade2.bmp", 32, 32, 0xFF000000},
    {kMapCentreIconSlot, "Art\\Controls\\Center.bmp", 32, 32, 0xFF000000},
    {kMapCentreLabelSlot, "Art\\Controls\\Write8.bmp", 64, 32, 0xFF000000},
    {kMapNextIconSlot, "Art\\Controls\\Next.bmp", 32, 32, 0xFF000000},
    {kMapNextLabelSlot, "Art\\Controls\\Write9.bmp", 64, 32, 0xFF000000},
    {kMapMovesBackSlot, "Art\\Controls\\Back7.bmp", 32, 32, 0},
    {kMapDayAndGoldSlot, "Art\\Controls\\DayAndGold.bmp", 64, 32, 0xFF000000},
    {kMapFameSlot, "Art\\Controls\\Fame.bmp", 64, 32, 0xFF000000},
    {kMapMouseSlot, "Art\\Controls\\Mouse.bmp", 32, 64, 0xFFFF0000},
    {kMapLargeBoxSlot, "Art\\Map\\Box.bmp", 256, 128, 0},
    {kMapSmallBoxSlot, "Art\\Controls\\Box.bmp", 128, 64, 0},
};

// The unit-picture set: the slot is the UnitType.

// The enemy figures: the slot is the army's picture.
inline constexpr PictureLoad kMapEnemyPictures[] = {
    {0, "Art\\Map\\Enemy1.bmp", 64, 64, 0xFF000000},
    {1, "Art\\Map\\Enemy2.bmp", 64, 64, 0xFF000000},
    {2, "Art\\Map\\EnemyDog.bmp", 64, 64, 0xFFFF0000},
    {3, "Art\\Map\\Enemy3.bmp", 64, 64, 0xFF000000},
    {4, "Art\\Map\\Enemy4.bmp", 64, 64, 0xFF000000},
    {5, "Art\\Map\\Enemy5.bmp", 64, 64, 0xFF000000},
    {6, "Art\\Map\\Enemy6.bmp", 64, 64, 0xFF000000},
    {7, "Art\\Map\\Enemy7.bmp", 64, 64, 0xFF000000},
    {8, "Art\\Map\\Enemy8.bmp", 64, 64, 0xFF000000},
};

inline constexpr int kMapSpriteSlots = 40;
inline constexpr int kMapUnitSlots = 30;
inline constexpr int kMapEnemySlots = 10;
inline constexpr int kPathPoints = 10;
inline constexpr int kMaxPathPoints = 7;
inline constexpr int kFameRewardCount = 23;
inline constexpr int32_t kOffMapX = 10000;
inline constexpr int kBarButtonCount = 6;
inline constexpr int kPanelArmyBytes = 18;
inline constexpr int kPanelCharacters = 1 + kHeroCount;

// MapScreen::tradeMode: the bar's Trade button arms it, a click on a character of the player's
// chooses the partner, the walk reaches it; a partner beyond the moves left is a long path.
enum TradeMode : uint8_t {
    kTradeOff = 0,
    kTradeArmed = 1,
    kTradeChosen = 2,
    kTradeReached = 3,
    kTradeLongPath = 4,
    kTradeMeeting = 7,
};

// MapScreen::lookMode: the bar's Look button or I arms it, a click on a cell shows its caption,
// and the caption's close ends it at the next walk step.
enum LookMode : uint8_t {
    kLookOff = 0,
    kLookArmed = 1,
    kLookShown = 2,
    kLookClosing = 7,
};

// MapScreen::enemyPhase: the player's turn, then the enemy phase's steps.
enum EnemyPhase : uint8_t {
    kEnemyPhaseOff = 0,
    kEnemyPhasePick = 1,
    kEnemyPhasePlan = 2,
    kEnemyPhaseWalk = 3,
    kEnemyPhaseSettle = 200,
    kEnemyPhaseGone = 201,
};

// MapScreen::walkClockState and chestClockState: a clock restarts its period, then runs it.
enum AnimationClock : uint8_t {
    kClockRestart = 1,
    kClockRunning = 2,
};

// MapScreen::walkState: the player's path and walk.
enum WalkState : uint8_t {
    kWalkNone = 0,
    kWalkDrawn = 1,
    kWalkOrdered = 2,
    kWalkWalking = 3,
};

// MapScreen::foundBox: what the walker found is shown once its pictures are loaded.
enum FoundBox : uint8_t {
    kFoundBoxNone = 0,
    kFoundBoxLoading = 1,
    kFoundBoxShown = 2,
};

// MapScreen::bagCopy: the player's bag is copied in before a walk and written back after a find.
enum BagCopy : uint8_t {
    kBagCopyNone = 0,
    kBagCopyLoad = 1,
    kBagCopyWriteBack = 2,
};

// MapScreen::captionRelease and cantTradeRelease: a box closes on the second click, each click
// taken when the mouse is idle again.
enum ReleaseLatch : uint8_t {
    kReleaseNone = 0,
    kReleasePressed = 1,
    kReleaseArmed = 2,
    kReleaseClosing = 3,
};

// MapScreen::returnedObject past the quest objects.
inline constexpr uint8_t kFirstScoutingReport = 101;

// The bottom bar of the selected character, in the order its buttons are tested.
enum BarButton : uint8_t {
    kBarMove = 1,
    kBarTrade = 2,
    kBarAttack = 3,
    kBarLook = 4,
    kBarCentre = 5,
    kBarNext = 6,
};
inline constexpr ButtonRect kBarButtons[] = {
    {kBarMove, 391, 530, 64, 58}, {kBarTrade, 460, 530, 64, 58},  {kBarAttack, 529, 530, 64, 58},
    {kBarLook, 598, 530, 64, 58}, {kBarCentre, 667, 530, 64, 58}, {kBarNext, 736, 530, 64, 58},
};

// One of the invaders' fixed routes: the head where an invader joins it, then its points.
struct InvaderRoute {
    int32_t headX = 0;
    int32_t headY = 0;
    int32_t headCell = 0;
    uint8_t count = 0;
    std::array<int32_t, kRoutePointCount> cells{};
    std::array<int32_t, kRoutePointCount> x{};
    std::array<int32_t, kRoutePointCount> y{};
};

// The kingdom map's objects and everything the player does with them: the party and the heroes,
// the treasure, the places, the enemy armies, the drawn path and the walk, the invaders' march,
// captions and message boxes. It never reads the world record: the map state copies the world
// in at every entry and back at every leave.
class MapScreen {
  public:
    MapScreen();
    virtual ~MapScreen();
    MapScreen(const MapScreen&) = delete;
    MapScreen& operator=(const MapScreen&) = delete;

    void Init(GraphicsDevice* device);
    void Free();
    void LoadFoundItemArt(GraphicsDevice* device);
    void PickCell();

    // Placement and what stands where.
    void PlaceObjects();
    void MarkCells();
    void IdentifyObjectAt(int32_t cell);
    void PlaceJoinedHero();
    void PlaceArmies();

    // The path and the walk.
    void ClickCell(int32_t cell, uint8_t& clickFlag, int32_t x, int32_t y);
    void UpdateWalkTarget();
    void WalkPath(uint8_t step);

    // Pick-ups and arrivals.
    void CollectPile(int32_t& gold);
    void StoreFoundItems();

    // The invaders' march in the enemy phase.
    void BuildRoutes();
    void NextMovingArmy();
    void StepDirection();
    void UpdateArmyMovement();
    void AdvanceArmy();
    void StepArmyAlongRoute(uint8_t step);
    void CheckEncounter();

    // Drawing; positions on the map are world pixels less the map view's scroll.
    void Animate();
    void DrawGoldPiles(int32_t scrollX, int32_t scrollY);
    void DrawObjects(int32_t scrollX, int32_t scrollY);
    void DrawSelection(int32_t scrollX, int32_t scrollY);
    void DrawHeroPanel();
    void DrawObjectCaption();
    void DrawFameReward(uint8_t showDayBox);
    // panelSprites is the control panel's set (slot 10 day digits, slot 11 fame digits); null
    // draws no panel digits.
    void DrawEventMessage(int32_t goldX, int32_t goldY, uint8_t showDayBox, uint32_t gold,
                          SpriteSet* panelSprites, uint8_t showFamePanel);

    // Pictures.
    std::unique_ptr<SpriteSet> sprites;
    std::unique_ptr<SpriteSet> unitSprites;
    // The armies' figures, for the kinds without an icon.
    std::unique_ptr<SpriteSet> unitFigures;
    std::unique_ptr<SpriteSet> enemySprites;
    std::unique_ptr<SpriteSet> gemArt;
    std::unique_ptr<SpriteSet> artifactArt;
    std::unique_ptr<SpriteSet> itemArt;
    std::unique_ptr<Font> font;

    // Sound requests, played and cleared by the map state.
    uint8_t coinSound = 0;
    uint8_t chestSound = 0;

    // Messages and captions.
    uint8_t towerHidden = 0;
    uint8_t tradeFailed = 0;
    uint8_t eventId = 0;
    // 1..31 a quest object sent home, kFirstScoutingReport.. a scouting report.
    uint8_t returnedObject = 0;
    // A LookMode: armed, the next click asks for a caption.
    uint8_t lookMode = kLookOff;
    int32_t hoverId = 0;
    uint8_t showCaption = 0;

    std::array<int32_t, kQuestObjectSlots> questObjectCell{};

    // The day box and the fame gifts; the gift arrays are as wide as the world's snapshot.
    std::array<uint8_t, 3> healMessages{};
    uint8_t fameBoxShown = 0;
    std::array<uint8_t, 100> fameRewardShown{};
    std::array<uint8_t, 100> fameRewardRow{};
    int32_t dayShown = 1;
    int32_t fameShown = 0;

    // Invasion outcomes: army numbers 80..92, 0 none.
    uint8_t outcomeShown = 0;
    uint8_t outcomeHardWin = 0;
    uint8_t outcomeEasyWin = 0;
    uint8_t outcomeReward = 0;

    // Joining.
    uint8_t joinPending = 0;
    HeroIndex joinHero = 0;

    // An EnemyPhase.
    uint8_t enemyPhase = kEnemyPhaseOff;
    uint8_t currentMover = 0;
    uint8_t pickNextArmy = 0;
    std::array<uint8_t, kMapEntityCount> armyRouteIndex{};
    std::array<uint8_t, kMapEntityCount> armyAtRouteEnd{};
    std::array<uint8_t, kMapEntityCount> armyMoves{};
    std::array<uint8_t, kMapEntityCount> armyOnRoute{};
    InvaderRoute routeA;
    InvaderRoute routeB;
    int32_t moverX = 0;
    int32_t moverY = 0;
    int32_t moverGoalX = 0;
    int32_t moverGoalY = 0;
    int32_t moverStartX = 0;
    int32_t moverStartY = 0;
    int32_t moverArrivalCell = 0;
    uint8_t moverRouteIndex = 0;
    std::array<int32_t, kEnemyPlanPoints> enemyPathX{};
    std::array<int32_t, kEnemyPlanPoints> enemyPathY{};
    uint8_t enemyPathCount = 0;
    std::array<uint8_t, kPathPoints> enemyPointUsed{};
    std::array<uint8_t, kEnemyPlanPoints> enemyPointFight{};
    uint8_t enemyPlanStep = 0;
    uint8_t enemyWalkStart = 0;
    uint8_t enemyWalking = 0;
    uint8_t enemyPointIndex = 0;
    uint8_t enemyPointReached = 0;
    uint8_t enemyIdle = 0;
    uint8_t enemyWalkEnded = 0;
    uint8_t enemyMetCharacter = 0;
    uint8_t battlePending = 0;
    // 1 the player, 2..11 heroes 1..10.
    CharacterId battleSide = 0;
    uint8_t encounterScan = 0;
    uint8_t goalBattle = 0;

    // Turn state.
    uint8_t battleStart = 0;
    uint8_t bagFull = 0;
    uint8_t townEntered = 0;
    uint8_t townNumber = 0;
    uint8_t villageEntered = 0;
    uint8_t villageNumber = 0;
    uint8_t palaceEntered = 0;
    uint8_t templeEntered = 0;
    uint8_t castleEntered = 0;
    uint8_t towerEntered = 0;
    uint8_t siteEntered = 0;
    uint8_t playerArrived = 0;
    HeroIndex arrivedHero = 0;

    // Animation clocks: walk frames run 0, 1, 2, 3, 2, 1, ...; the states are AnimationClock
    // values.
    uint8_t walkFrame = 0;
    uint8_t walkFrameRising = 0;
    uint8_t walkClockState = kClockRestart;
    uint32_t walkClockMs = 0;
    uint8_t chestFrame = 0;
    uint8_t chestClockState = kClockRestart;
    uint32_t chestClockMs = 0;

    // Trade and targets: a TradeMode.
    uint8_t tradeMode = kTradeOff;
    uint8_t meetingRequest = 0;
    CharacterId meetFirst = kNoMeeting;
    CharacterId meetSecond = kNoMeeting;
    int32_t targetX = 0;
    int32_t targetY = 0;
    uint8_t targetSet = 0;
    uint8_t playerAttack = 0;
    uint8_t attackArmy = 0;
    uint8_t armyTarget = 0;
    uint8_t blockedMarker = 0;
    int32_t blockedX = 0;
    int32_t blockedY = 0;
    uint8_t checkBlocked = 0;
    uint8_t attackPathShown = 0;
    // World position of the cell under the pointer, set by the map state for the path's dots.
    int32_t cursorCellX = 0;
    int32_t cursorCellY = 0;

    // The walker's items: its bag cells, owned flags and bag cell + 1 by item index. A BagCopy.
    uint8_t bagCopy = kBagCopyNone;
    uint8_t bagCopyHero = 0;
    uint8_t bagOwnerHero = 0;
    uint8_t playerFinds = 0;
    uint8_t heroFinds = 0;
    uint8_t storeFound = 0;
    CharacterId selectedCharacter = 0;
    std::array<ItemId, kBagCellCount> walkerBag{};
    std::array<uint8_t, kItemTableSize> walkerOwned{};
    std::array<uint8_t, kItemTableSize> walkerItemCell{};

    // Copies of the world's wealth tables: slot to index + 1, owned flag, slot + 1.
    std::array<uint8_t, kWealthEntryCount> gemSlots{};
    std::array<uint8_t, kWealthEntryCount> gemOwned{};
    std::array<uint8_t, kWealthEntryCount> gemSlotOf{};
    std::array<uint8_t, kWealthEntryCount> artifactSlots{};
    std::array<uint8_t, kWealthEntryCount> artifactOwned{};
    std::array<uint8_t, kWealthEntryCount> artifactSlotOf{};

    // What the last walk arrived on.
    MapObjectCode cellSavedCode = 0;
    // Codes 0..151 per cell, by cell number 1..10800.
    std::array<uint8_t, kMapCellCount + 1> cellObject{};

    // A FoundBox.
    uint8_t foundBox = kFoundBoxNone;
    uint8_t foundGoldShown = 0;
    uint8_t foundGem = 0;
    uint8_t foundArtifact = 0;
    uint8_t foundItem = 0;
    int32_t foundGold = 0;
    uint8_t foundGemIndex = 0;
    uint8_t foundArtifactIndex = 0;
    uint8_t foundItemIndex = 0;
    // Whose find it is and from which chest, kept from the moment of the find until it is
    // stored, whatever walks in between.
    MapObjectCode foundChestCode = 0;
    uint8_t foundByPlayer = 0;
    uint8_t foundByHero = 0;

    // The path and the pick.
    int32_t pathStartX = 0;
    int32_t pathStartY = 0;
    // The player's walk: a WalkState.
    uint8_t walkState = kWalkNone;
    uint8_t pointReachedX = 0;
    uint8_t pointReachedY = 0;
    uint8_t pointReached = 0;
    uint8_t arrived = 0;
    int32_t pickedCell = 0;
    uint8_t pickRequest = 0;
    // Right, left, up, down.
    std::array<uint8_t, 4> stepCounts{};
    int32_t pickX = 0;
    int32_t pickY = 0;
    uint8_t pathRequest = 0;
    uint8_t pathStage = 0;
    std::array<uint8_t, kPathPoints> pointPending{};
    std::array<int32_t, kPathPoints> pathX{};
    std::array<int32_t, kPathPoints> pathY{};
    uint8_t pathCount = 0;
    uint8_t pathIndex = 0;
    uint8_t pathLength = 0;
    uint8_t newSelection = 0;
    uint8_t chooseDirection = 0;

    // The player's party; it is always on the map.
    int32_t walkX = 0;
    int32_t walkY = 0;
    int32_t playerCell = 0;
    uint8_t playerOnMap = 1;
    Facing playerFacing = 0;
    uint8_t playerSelected = 0;
    uint8_t playerMovesLeft = kMovesPerDay;
    uint8_t playerMoves = kMovesPerDay;

    // The heroes by HeroIndex; the selection bytes hold hero numbers (0 none).
    std::array<uint8_t, kHeroCount> heroOnMap{};
    std::array<int32_t, kHeroCount> heroX{};
    std::array<int32_t, kHeroCount> heroY{};
    std::array<Facing, kHeroCount> heroFacing{};
    std::array<int32_t, kHeroCount> heroCell{};
    std::array<uint8_t, kHeroCount> heroMovesLeft{};
    std::array<uint8_t, kHeroCount> heroMoves{};
    uint8_t heroSelected = 0;
    uint8_t heroPathReady = 0;
    uint8_t heroWalkStart = 0;
    uint8_t walkingHero = 0;
    HeroIndex selectedHeroIndex = 0;

    // Treasure.
    std::array<uint8_t, kPileCount> pileActive{};
    std::array<int32_t, kPileCount> pileX{};
    std::array<int32_t, kPileCount> pileY{};
    std::array<int32_t, kPileCount> pileCell{};
    std::array<uint8_t, kBagCount> bagActive{};
    std::array<int32_t, kBagCount> bagX{};
    std::array<int32_t, kBagCount> bagY{};
    std::array<int32_t, kBagCount> bagCell{};
    std::array<uint8_t, kChestCount> chestActive{};
    std::array<int32_t, kChestCount> chestX{};
    std::array<int32_t, kChestCount> chestY{};
    std::array<int32_t, kChestCount> chestCell{};

    // Enemy armies; for the invaders 80..92 active 1 is released and 2 placed.
    std::array<uint8_t, kMapEntityCount> armyActive{};
    std::array<int32_t, kMapEntityCount> armyX{};
    std::array<int32_t, kMapEntityCount> armyY{};
    std::array<int32_t, kMapEntityCount> armyCell{};
    std::array<uint8_t, kMapEntityCount> armyPicture{};
    std::array<uint8_t, kMapEntityCount> armyPlaced{};
    std::array<Facing, kMapEntityCount> armyFacing{};
    std::array<uint8_t, kMapEntityCount> armyDone{};
    // The moving armies' facing group 0..3 (up, right, down, left), for their figures.
    std::array<uint8_t, kMapEntityCount> armyFacingGroup{};

    // Places.
    std::array<int32_t, kTownCellSlots> townCells{};
    std::array<int32_t, kVillageCells.size() * kCellsPerVillage> villageCells{};
    std::array<int32_t, kPalaceCells.size()> palaceCells{};
    std::array<int32_t, kTempleCells.size()> templeCells{};
    std::array<int32_t, kCastleCells.size()> castleCells{};
    int32_t towerCell = 0;
    std::array<int32_t, kSiteCellSlots> siteCells{};
    std::array<int32_t, kGoldMineCells.size()> goldMineCells{};
    std::array<int32_t, kIronMineCells.size()> ironMineCells{};

    // The bottom bar, there while a character is selected.
    ButtonBar barButtons{kBarButtons};

    // Mouse latches of the map state; the caption's and Can't Trade's are ReleaseLatch values.
    uint8_t clicksAllowed = 0;
    uint8_t boxClickArmed = 0;
    uint8_t boxClickTaken = 0;
    uint8_t lookClick = 0;
    uint8_t foundBoxRelease = 0;
    uint8_t bagFullRelease = 0;
    uint8_t captionRelease = kReleaseNone;
    uint8_t cantTradeRelease = kReleaseNone;

    // The end of day and the enemy phase.
    std::array<uint8_t, 100> fameRewardOrdered{};
    // Hero number the view centres on when the fame box closes; 0 none.
    uint8_t focusHero = 0;
    std::array<uint8_t, kMapEntityCount> armyAtGoal{};
    uint8_t checkDefenders = 0;
    uint8_t enemyMoved = 0;

    // The player's battle.
    uint8_t attackCommand = 0;
    uint8_t battleNumber = 0;
    uint8_t commanderIsPlayer = 0;
    uint8_t commanderHero = 0;
    uint8_t battleByte2 = 0;

    // The parties' tables, carried between entries unchanged.
    uint8_t movingParty = 0;
    std::array<uint8_t, kPartyCount> partyBytesA{};
    std::array<int32_t, kPartyCount> partyValues{};
    std::array<int32_t, kPartyCount> partyX{};
    std::array<int32_t, kPartyCount> partyY{};
    std::array<uint8_t, kPartyCount> partyBytesB{};

    // Copies of the world taken at creation.
    std::array<uint8_t, kPlaceCount> triggerCopy{};
    uint8_t playerHealthLow = 0;
    uint8_t portraitVariant = 0;
    // Per character (the player, then heroes 1..10): present, position and unit type of the six
    // army slots.
    std::array<std::array<uint8_t, kPanelArmyBytes>, kPanelCharacters> panelArmies{};

  private:
    // Path drawing and walking.
    uint8_t& WalkerMovesLeft();
    void ClearPath();
    void AddPathPoint();
    void CutLastPoint();
    bool CutForArmy(int32_t x, int32_t y);
    void CutForMeeting(int32_t x, int32_t y);
    void MarkPathWalkable();
    void ChooseWalkDirection(int32_t x, int32_t y, Facing& facing);
    void MoveWalker(int32_t& x, int32_t& y, uint8_t step);
    int32_t ArriveAt(int32_t oldCell, uint8_t walkerCode);
    MapObjectCode ScanArrivalCell(int32_t cell) const;

    void ReturnFoundItemToChest();
    bool IsFreeForPlacement(int32_t cell) const;
    void PlaceArmyAt(int army, int32_t cell);

    // The enemy phase.
    const InvaderRoute& RouteOf(int army) const;
    bool StandsOnRouteHead(int army) const;
    void AddPlannedPoint(int32_t x, int32_t y);
    void TestCharactersOnPlannedPoint(int index);
    void EndEnemyWalk();

    // Message boxes.
    void DrawStoryBox();
    void DrawOutcomeBoxes();
    void DrawDayBox();
    void DrawStatusStrip(uint32_t gold, SpriteSet* panelSprites);
    void DrawFoundBox(int32_t goldX, int32_t goldY);
    void DrawBox(int32_t x, int32_t y, float scaleX, float scaleY);
    void DrawSprite(int32_t slot, int32_t frame, int32_t x, int32_t y, float scaleX, float scaleY);
    void DrawLine(const char* text, int32_t x, int32_t y, int32_t width, uint32_t colour);
};

}  // namespace varn
