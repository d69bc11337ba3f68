#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

#include "world/CharacterRecords.h"
#include "world/Glyph.h"

namespace varn {

inline constexpr int kQuestCount = 100;

// GameStateData::mapSnapshotState: a battle was started from the map; the map was left and its
// snapshot waits to be taken back at the next map creation; taken back.
enum MapSnapshotState : uint8_t {
    kSnapshotTaken = 0,
    kSnapshotBattleStarted = 1,
    kSnapshotWaiting = 2,
};

// The first battle number of an invader (81..); the battles below are fixed places'.
inline constexpr int kFirstInvasionBattle = 81;
// The place whose battle trigger the tower's opening sets.
inline constexpr int kTowerTrigger = 10;
inline constexpr int kBattleEntryCount = 100;
inline constexpr int kMapEntityCount = 100;
inline constexpr int kHallOfFamePlaces = 5;
inline constexpr int kSaveSlotCount = 5;
inline constexpr int kPlaceCount = 30;
inline constexpr int kVillageCount = 9;
inline constexpr int kTownCount = 4;
inline constexpr int kHeldSlotsPerHouse = 10;
inline constexpr int kPartyCount = 7;
inline constexpr int kRouteCellCount = 11;
inline constexpr int kRoutePointCount = 50;
inline constexpr int kWealthEntryCount = 30;
inline constexpr int kPlaceListSize = 10;
inline constexpr int kFirstMovingArmyEntity = 80;
inline constexpr int kMovingArmyCount = kMapEntityCount - kFirstMovingArmyEntity;
// The moving armies that invade along the fixed routes.
inline constexpr int kFirstInvader = 80;
inline constexpr int kLastInvader = 92;
// The points an enemy plans its walk through, and the moves an enemy army has each day.
inline constexpr int kEnemyPlanPoints = 7;
inline constexpr uint8_t kArmyMovesPerDay = 4;
// The most cells an invader's goal covers: the castle's.
inline constexpr int kLargestGoalCells = 22;
// GameStateData::routeCounter while SetRoute's route mode holds.
inline constexpr int32_t kRouteCounterSet = 22;
// The battle at the castle, the last of the fixed places'.
inline constexpr int kCastleBattle = 73;
// The highest battle number; the invaders' battles are the last.
inline constexpr int kLastBattle = 93;
// GameStateData::meetingFirst and meetingSecond when no meeting is set.
inline constexpr CharacterId kNoMeeting = 100;
inline constexpr int kPlayerPortraitCount = 2;
// The kinds of figure a battle's enemies and allies are drawn as.
inline constexpr int kEnemyKindCount = 11;
inline constexpr int kAllyKindCount = 3;

// GameStateData::mapSpeed, battleMoveSpeed and battleSwingSpeed.
enum OptionSpeed : uint8_t { kSpeedSlow = 1, kSpeedAverage = 2, kSpeedFast = 3 };

// The entry of a speed in a table that runs from slow to fast; a byte out of range plays at the
// average speed.
constexpr int SpeedIndex(uint8_t speed) {
    return speed >= kSpeedSlow && speed <= kSpeedFast ? speed - kSpeedSlow
                                                      : kSpeedAverage - kSpeedSlow;
}

// GameStateData::routePending.
enum RouteStep : uint8_t {
    kRouteNone = 0,
    kRoutePending = 1,
    kRouteDone = 2,
};

// GameStateData::movingParty: the party whose commander a route moves.
inline constexpr uint8_t kPlayerParty = 1;
inline constexpr uint8_t kFirstOtherParty = 2;

// GameStateData::storyMode: the opening, then the three ends of a game.
enum StoryMode : uint8_t {
    kStoryOpening = 1,
    kStorySurrender = 2,
    kStoryPeace = 3,
    kStoryVictory = 4,
};

// Every field of the world record. Kept apart from GameState so that it can be value-initialised
// (zero bytes, padding included) and copied whole; the save image lists the same fields in the
// same order.
struct GameStateData {
    // Map and route counters, day, quests.
    int32_t mapCounter;
    // Set to 22 by SetRoute in route mode.
    int32_t routeCounter;
    int32_t day;
    // QuestState of quest q at entry q - 1: use Quest(q).
    std::array<uint8_t, kQuestCount> questState;
    // Per fixed map place: 1 = its enemy stands there and touching the place starts its battle.
    std::array<uint8_t, kPlaceCount> battleTrigger;

    // Holding stores: ten used flags, then ten item numbers (ItemId - 1) per house.
    std::array<uint8_t, kHeldSlotsPerHouse> heldFlagPalace;
    std::array<uint8_t, kHeldSlotsPerHouse> heldItemPalace;
    std::array<uint8_t, kHeldSlotsPerHouse> heldFlagTemple;
    std::array<uint8_t, kHeldSlotsPerHouse> heldItemTemple;
    std::array<uint8_t, kHeldSlotsPerHouse> heldFlagCastle;
    std::array<uint8_t, kHeldSlotsPerHouse> heldItemCastle;
    std::array<uint8_t, kHeldSlotsPerHouse> heldFlagTower;
    std::array<uint8_t, kHeldSlotsPerHouse> heldItemTower;
    // Village n at entries 10(n - 1)..10(n - 1) + 9.
    std::array<uint8_t, kHeldSlotsPerHouse * kVillageCount> heldFlagVillage;
    std::array<uint8_t, kHeldSlotsPerHouse * kVillageCount> heldItemVillage;
    std::array<uint8_t, kHeldSlotsPerHouse * kTownCount> heldFlagTown;
    std::array<uint8_t, kHeldSlotsPerHouse * kTownCount> heldItemTown;

    // Save slot, route bookkeeping, front-end hand-over.
    uint8_t saveSlot;
    uint8_t mapStateFlag;
    uint8_t mapBattleFlag;
    // SetRoute's count of heroes not standing on the route cell being tried.
    uint8_t routeIndex;
    // 1 while a loaded preset route still has to place its character.
    uint8_t routeLength;
    // A RouteStep: the battle that starts must call SetRoute on leaving; SetRoute marks it done.
    uint8_t routePending;
    // Nonzero: the next SetRoute moves the commander along the battle's preset route.
    uint8_t routeKind;
    int32_t playerX;
    int32_t playerY;
    std::array<int32_t, kRouteCellCount> routeCells;
    uint8_t outcomeReward;
    // A StoryMode.
    uint8_t storyMode;
    uint8_t madeHallOfFame;
    uint8_t timerSpeed;
    // Save-image buffers owned by the front-end states; never saved.
    uint8_t* saveImage;
    uint8_t* loadedImage;
    uint8_t* probeImage;
    std::array<uint8_t, kSaveSlotCount> slotEmpty;
    uint8_t refreshSlots;

    // Hall of fame and map bookkeeping.
    int32_t finalScore;
    std::array<uint8_t, kHallOfFamePlaces> hofUsed;
    // Highest first; compared as unsigned.
    std::array<int32_t, kHallOfFamePlaces> hofScore;
    // Entries 0..22 are the one-time fame rewards.
    std::array<uint8_t, 100> eventDone;
    uint8_t mapPhase;
    // Battle id at entry id - 1: use BattleSite(id). Nonzero = the site is on the map.
    std::array<uint8_t, kBattleEntryCount> battleSiteActive;
    std::array<int32_t, kMapEntityCount> mapEntityA;
    std::array<int32_t, kMapEntityCount> mapEntityB;
    std::array<int32_t, kMapEntityCount> mapEntityC;
    std::array<uint8_t, kMapEntityCount> mapEntityD;
    std::array<uint8_t, kMapEntityCount> mapEntityE;
    std::array<uint8_t, kMapEntityCount> mapEntityF;
    std::array<uint8_t, kMapEntityCount> mapEntityG;
    std::array<uint8_t, kMapEntityCount> mapEntityH;
    std::array<uint8_t, kMapEntityCount> mapEntityI;
    uint8_t battleHandOver;
    std::array<uint8_t, kMapEntityCount> mapEntityActive;
    uint8_t fameBoxShown;
    std::array<uint8_t, kMapEntityCount> mapEntityOrder;
    uint8_t mapBattleByte;
    uint8_t battleReturnByte;
    uint8_t mapStateByte;
    int32_t fame;
    uint8_t currentEntity;
    uint8_t pickNextArmy;
    uint8_t moverRouteIndex;
    std::array<int32_t, 5> moverRecord;
    std::array<uint8_t, 3> enemyWalkFlags;
    // kPlayerParty, or kFirstOtherParty.. the other parties.
    uint8_t movingParty;
    uint8_t enemyPointReached;
    std::array<uint8_t, kMapEntityCount> mapEntityJ;
    uint8_t enemyPathCount;
    // Party p (2..8) at entry p - 2.
    std::array<uint8_t, kPartyCount> partyByteA;
    std::array<int32_t, kPartyCount> partyDwordA;
    std::array<int32_t, kPartyCount> partyX;
    std::array<int32_t, kPartyCount> partyY;
    std::array<uint8_t, kPartyCount> partyByteB;
    std::array<uint8_t, 3> battleStartBytes;
    std::array<uint8_t, 5> enemyIdleFlags;
    std::array<int32_t, 3> routeAHead;
    uint8_t routeACount;
    std::array<int32_t, kRoutePointCount> roamerA;
    std::array<int32_t, kRoutePointCount> roamerB;
    std::array<int32_t, kRoutePointCount> roamerC;
    std::array<int32_t, 3> routeBHead;
    uint8_t routeBCount;
    std::array<int32_t, kRoutePointCount> roamerD;
    std::array<int32_t, kRoutePointCount> roamerE;
    std::array<int32_t, kRoutePointCount> roamerF;

    // Battle bookkeeping, hall-of-fame names, hand-over between states.
    uint8_t battleId;
    // Battle id at entry id - 1: use CarryA(id) and CarryB(id).
    std::array<uint8_t, kBattleEntryCount> battleCarryA;
    std::array<uint8_t, kBattleEntryCount> battleCarryB;
    std::array<GlyphString, kHallOfFamePlaces> hofName;
    std::array<uint8_t, 20> pileActive;
    std::array<uint8_t, 20> bagActive;
    // The map's chests: 0..24 with gold, chest k + 25 the item-only twin of chest k.
    std::array<uint8_t, 50> roamerFlag;
    uint8_t inBattle;
    uint8_t commanderIsPlayer;
    // Hero number 1..10, 0 none.
    uint8_t commanderHero;
    // CharacterIds of a meeting; kNoMeeting none.
    CharacterId meetingFirst;
    CharacterId meetingSecond;
    uint8_t townNumber;
    CharacterId houseVisitor;
    GlyphString armyNameHandOver;
    uint8_t villageNumber;

    // The player.
    GlyphString playerName;
    uint8_t playerPortrait;
    uint8_t playerMovesLeft;
    CharacterItemRecord playerItems;
    CharacterStats playerStats;
    int32_t playerMapCell;
    // Facing 0 up, then clockwise in eighths.
    uint8_t playerDirection;
    ArmyRecord playerArmy;

    // The heroes, by HeroIndex.
    std::array<uint8_t, kHeroCount> heroMovesLeft;
    std::array<int32_t, kHeroCount> heroMapCell;
    std::array<uint8_t, kHeroCount> heroDirection;
    std::array<uint8_t, kHeroCount> heroJoined;
    std::array<uint8_t, kHeroCount> heroSpare;
    // Paper-doll body variant 0..2.
    std::array<uint8_t, kHeroCount> heroBodyVariant;
    std::array<CharacterStats, kHeroCount> heroStats;
    std::array<ArmyRecord, kHeroCount> heroArmies;
    std::array<CharacterItemRecord, kHeroCount> heroItems;
    GlyphString nameEditBuffer;
    HeroNameTable heroNames;

    // Wealth, gold, save flags, battle snapshot, options.
    std::array<uint8_t, kWealthEntryCount> gemA;
    std::array<uint8_t, kWealthEntryCount> gemOwned;
    std::array<uint8_t, kWealthEntryCount> gemC;
    std::array<uint8_t, kWealthEntryCount> artifactA;
    std::array<uint8_t, kWealthEntryCount> artifactOwned;
    std::array<uint8_t, kWealthEntryCount> artifactC;
    std::array<uint8_t, kPlaceListSize> villageA;
    // Village n at entry n - 1: use VillageJoined(n).
    std::array<uint8_t, kPlaceListSize> villageJoined;
    std::array<uint8_t, kPlaceListSize> villageC;
    std::array<uint8_t, kPlaceListSize> townA;
    // 0 the gold mine, 1..4 towns 1..4, 5 the iron mine: use TownOwned(t).
    std::array<uint8_t, kPlaceListSize> townOwned;
    std::array<uint8_t, kPlaceListSize> townC;
    int32_t dailyIncome;
    int32_t gold;
    uint8_t quitFromBattle;
    uint8_t imageLoaded;
    uint8_t resumeBattle;
    uint8_t battleSaved;
    std::array<int32_t, 7> battleSnapInts;
    std::array<uint8_t, 14> battleSnapBytes;
    std::array<uint8_t, 50> snapEnemyPresent;
    std::array<int32_t, 50> snapEnemyX;
    std::array<int32_t, 50> snapEnemyY;
    std::array<int32_t, 50> snapEnemyCell;
    // Eleven rows of 50: row r, enemy i at 50r + i.
    std::array<uint8_t, 550> snapEnemyBytes;
    std::array<uint8_t, 20> snapAllyPresent;
    std::array<int32_t, 20> snapAllyX;
    std::array<int32_t, 20> snapAllyY;
    std::array<int32_t, 20> snapAllyCell;
    std::array<uint8_t, 220> snapAllyBytes;
    std::array<uint8_t, 420> snapAllyRows;
    uint8_t musicOn;
    uint8_t soundsOn;
    // OptionSpeed values.
    uint8_t mapSpeed;
    uint8_t battleMoveSpeed;
    uint8_t battleSwingSpeed;

    // The map state's own bytes, saved past the front end's scroll position.
    // A MapSnapshotState.
    uint8_t mapSnapshotState;
    // Set when a battle ends: the next map creation restarts the background track.
    uint8_t restartMusicOnMap;
    uint8_t villageOrTowerEntered;
    // The fame box of the last end of day: reward k granted, and its line 0..5.
    std::array<uint8_t, 100> fameRewardGiven;
    std::array<uint8_t, 100> fameRewardSlot;
    // Hero number 1..10 the view centres on when the fame box closes; 0 none.
    uint8_t fameFocusHero;
    // Frames of the enemy phases in which an army moved.
    int32_t enemyMoveFrames;
    // Moving armies 80..99 at entry army - 80: done for today, so a phase resumed after a
    // battle moves none of them twice.
    std::array<uint8_t, kMovingArmyCount> movingArmyDone;

    bool operator==(const GameStateData&) const = default;
};

// The one record of a running game. A fresh world is the constructor followed by the six set-up
// steps in their order: RunNewGameSetUp.
class GameState : public GameStateData {
  public:
    GameState();
    GameState(const GameState&) = default;
    GameState& operator=(const GameState&) = default;
    virtual ~GameState();

    // The new-game set-up, run in this order after the constructor.
    void InitHeroes();
    void InitHeroItems();
    void InitHeroArmies();
    void InitPlayer();
    void InitPlaces();
    void UpdateQuests();

    void SetRoute(uint8_t battle, uint8_t placePlayer, uint8_t heroNumber);
    void ComputeDailyIncome();
    // What the holdings as they stand would pay at the day's end; dailyIncome keeps what the
    // last day's end paid.
    int32_t IncomeOfHoldings() const;
    void InsertHallOfFame();

    // Numbered entries. A number out of range reads 0 and a write to it is dropped, so a stray
    // number never reaches a neighbouring field.
    uint8_t& Quest(int quest) { return Entry(questState, quest, 1); }
    uint8_t Quest(int quest) const { return EntryValue(questState, quest, 1); }
    uint8_t& BattleSite(int battle) { return Entry(battleSiteActive, battle, 1); }
    uint8_t BattleSite(int battle) const { return EntryValue(battleSiteActive, battle, 1); }
    uint8_t& CarryA(int battle) { return Entry(battleCarryA, battle, 1); }
    uint8_t CarryA(int battle) const { return EntryValue(battleCarryA, battle, 1); }
    uint8_t& CarryB(int battle) { return Entry(battleCarryB, battle, 1); }
    uint8_t CarryB(int battle) const { return EntryValue(battleCarryB, battle, 1); }
    uint8_t& VillageJoined(int village) { return Entry(villageJoined, village, 1); }
    uint8_t VillageJoined(int village) const { return EntryValue(villageJoined, village, 1); }
    // Town t at entry t: entry 0 is the gold mine.
    uint8_t& TownOwned(int town) { return Entry(townOwned, town, 0); }
    uint8_t TownOwned(int town) const { return EntryValue(townOwned, town, 0); }
    // Fixed place k at entry k.
    uint8_t& Trigger(int place) { return Entry(battleTrigger, place, 0); }
    uint8_t Trigger(int place) const { return EntryValue(battleTrigger, place, 0); }
    // Hero number 1..10.
    uint8_t& HeroJoined(int hero) { return Entry(heroJoined, hero, 1); }
    uint8_t HeroJoined(int hero) const { return EntryValue(heroJoined, hero, 1); }
    int32_t& HeroMapCell(int hero) { return Entry(heroMapCell, hero, 1); }
    int32_t HeroMapCell(int hero) const { return EntryValue(heroMapCell, hero, 1); }

    // The same fields under the names the map state and the battle use.
    auto& pileOnMap() { return pileActive; }
    const auto& pileOnMap() const { return pileActive; }
    auto& bagOnMap() { return bagActive; }
    const auto& bagOnMap() const { return bagActive; }
    auto& chestOnMap() { return roamerFlag; }
    const auto& chestOnMap() const { return roamerFlag; }
    uint8_t& fameBoxOpen() { return fameBoxShown; }
    uint8_t fameBoxOpen() const { return fameBoxShown; }
    auto& moverLegValues() { return moverRecord; }
    const auto& moverLegValues() const { return moverRecord; }
    auto& moverLegBytes() { return enemyWalkFlags; }
    const auto& moverLegBytes() const { return enemyWalkFlags; }
    uint8_t& movingPartyByte() { return enemyPointReached; }
    uint8_t movingPartyByte() const { return enemyPointReached; }
    uint8_t& partyHeader() { return enemyPathCount; }
    uint8_t partyHeader() const { return enemyPathCount; }
    auto& mapWorkBytes() { return enemyIdleFlags; }
    const auto& mapWorkBytes() const { return enemyIdleFlags; }
    auto& mapWorkValues() { return routeAHead; }
    const auto& mapWorkValues() const { return routeAHead; }
    uint8_t& mapWorkByte() { return routeACount; }
    uint8_t mapWorkByte() const { return routeACount; }
    auto& routeWorkValues() { return routeBHead; }
    const auto& routeWorkValues() const { return routeBHead; }
    uint8_t& routeWorkByte() { return routeBCount; }
    uint8_t routeWorkByte() const { return routeBCount; }
    uint8_t& defenderFound() { return battleHandOver; }
    uint8_t defenderFound() const { return battleHandOver; }
    uint8_t& beatenInvader() { return outcomeReward; }
    uint8_t beatenInvader() const { return outcomeReward; }

  private:
    template <typename T, size_t N>
    T& Entry(std::array<T, N>& entries, int number, int first) {
        const int index = number - first;
        if (index < 0 || index >= static_cast<int>(N)) {
            T& discarded = Discarded<T>();
            discarded = 0;
            return discarded;
        }
        return entries[index];
    }
    template <typename T, size_t N>
    static T EntryValue(const std::array<T, N>& entries, int number, int first) {
        const int index = number - first;
        if (index < 0 || index >= static_cast<int>(N)) {
            return 0;
        }
        return entries[index];
    }
    template <typename T>
    T& Discarded() {
        if constexpr (std::is_same_v<T, uint8_t>) {
            return discardedEntry;
        } else {
            return discardedValue;
        }
    }

    // Where writes to an out-of-range number go.
    uint8_t discardedEntry = 0;
    int32_t discardedValue = 0;
};

// Runs InitHeroes, InitHeroItems, InitHeroArmies, InitPlayer, InitPlaces and UpdateQuests.
void RunNewGameSetUp(GameState& state);

}  // namespace varn
