#include <gtest/gtest.h>

#include <filesystem>

#include "battle/scenarios/ScenarioTables.h"
#include "frontend/MainMenuScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/SaveQuitDialog.h"
#include "frontend/SaveSlotScreen.h"
#include "support/BattleGame.h"
#include "support/FrontEndPlayer.h"
#include "support/MapPlayer.h"
#include "world/MapCells.h"

namespace varn {

namespace {

constexpr int kNearArmy = 2;  // seven cells above the party of a new game
constexpr uint8_t kNearBattle = kNearArmy + 1;
constexpr int kFirstInvaderArmy = 80;

// A new game on the real map, played into its battles and back: the map's driver on the map, the
// battle's helpers on the field.
class Road {
  public:
    GameState& World() { return game.world(); }
    MapScreen& Screen() { return *game.app.mapScreen; }

    // The party put elsewhere, as the map would take it from the world at its next entry.
    void MoveThePartyTo(int32_t cell) {
        LeaveMap(game.app);
        World().playerMapCell = cell;
        player.EnterMap();
    }

    // The map entered from the opening story, its first Day box put away.
    void Enter() {
        player.EnterMap();
        player.PressKey(kKeyReturn);
    }

    // The party, put two cells below the army, draws its path onto the army's cell: the path
    // ends beside it, and Enter walks there and attacks. Returns after the frame in which the
    // map hands the battle over.
    void AttackArmy(int army) {
        const int32_t x = Screen().armyX[army];
        const int32_t y = Screen().armyY[army];
        MoveThePartyTo(MapCellAt(x, y + 80));
        player.DrawPlayerPath(x, y);
        ASSERT_EQ(Screen().armyTarget, 1);
        ASSERT_EQ(Screen().attackArmy, army);
        ASSERT_EQ(Screen().pathCount, 1);
        player.PressKey(kKeyReturn);
        ASSERT_TRUE(player.RunUntil([this] { return game.InBattle(); }, 200));
    }

    // The battle's first frame, its turn banner put away.
    void OpenTheField() {
        player.Frame();
        ASSERT_TRUE(game.app.battleScreen);
        game.ClickAway();
    }

    // The invader of day 10 meets the party standing on its route: the end of the day starts its
    // battle. Returns after the frame of the hand-over.
    void MeetTheFirstInvader() {
        World().day = 10;
        World().playerMapCell = MapCellAt(-880, 80);
        Enter();
        player.ClickPanel(kEndDayButton);
        ASSERT_TRUE(player.RunUntil([this] { return game.InBattle(); }, 400));
    }

    // A won battle's result box, then its summary, each put away by a click.
    void WinAndLeave() {
        game.screen().enemyPresent.fill(0);
        game.RunFrames(1);
        ASSERT_EQ(game.screen().won, 2);
        game.ClickAway();
        game.ClickAway();
    }

    BattleGame game;
    MapPlayer player{game};
    FrontEndPlayer front{game};
};

// A cell beside the commander that no unit holds.
int32_t FreeNeighbourOfTheCommander(const BattleScreen& s) {
    for (const int32_t step : {1, -1, kBattleColumns, -kBattleColumns}) {
        const int32_t cell = s.commanderCell + step;
        if (IsFieldCell(cell) && DistanceInCells(cell, s.commanderCell) == 1 &&
            s.occupancy[cell] == kOccupantFree) {
            return cell;
        }
    }
    return kNoBattleCell;
}

// Each test on its own new game.
class MapBattleRoad : public Road, public testing::Test {};

}  // namespace

TEST(MapBattleRoadLoss, WalkingIntoAnArmyHandsItsBattleOverAndALossCostsTheDay) {
    enum class Loss { ByTime, ByRetreat };
    for (const Loss loss : {Loss::ByTime, Loss::ByRetreat}) {
        SCOPED_TRACE(loss == Loss::ByTime ? "by time" : "by retreat");
        Road road;
        BattleGame& game = road.game;
        GameState& world = road.World();
        world.fame = 5;
        road.Enter();
        road.AttackArmy(kNearArmy);
        ASSERT_TRUE(game.InBattle());
        // What the map hands over, its leave step run in the same frame.
        EXPECT_FALSE(game.app.mapScreen);
        EXPECT_EQ(world.battleId, kNearBattle);
        EXPECT_EQ(world.commanderIsPlayer, 1);
        EXPECT_EQ(world.commanderHero, 0);
        EXPECT_EQ(world.inBattle, 1);
        EXPECT_EQ(world.routePending, 0) << "the player started it";
        EXPECT_EQ(world.mapSnapshotState, kSnapshotWaiting);

        road.OpenTheField();
        ASSERT_EQ(game.screen().battleId, kNearBattle);
        game.KeepOneDistantEnemy(static_cast<uint8_t>(game.screen().turn + 1));
        game.screen().enemyDown[0] = 40;
        if (loss == Loss::ByTime) {
            game.EndTurnsUntilLost();
            ASSERT_EQ(game.screen().lost, 1);
            game.ClickAway();
        } else {
            game.ClickSideButton(kSideRetreat);
            game.ClickSideButton(kSideRetreatYes);
            // A battle left cannot be saved to be resumed.
            game.PressKey(kKeyEscape);
            EXPECT_TRUE(game.InBattle());
            EXPECT_EQ(game.app.saveQuitFromBattle, 0);
            game.PressKey(kKeyReturn);
        }

        ASSERT_TRUE(game.OnMap());
        ASSERT_TRUE(game.app.mapScreen);
        const MapScreen& map = road.Screen();
        const int32_t fame = loss == Loss::ByTime ? 2 : 4;
        EXPECT_EQ(world.fame, fame);
        EXPECT_EQ(map.fameShown, fame);
        EXPECT_EQ(world.CarryB(kNearBattle), 40 / FindEnemySideRow(kNearBattle)->enemyCount)
            << "the enemy keeps its losses";
        EXPECT_NE(map.armyActive[kNearArmy], 0) << "the army stays";
        EXPECT_EQ(world.mapSnapshotState, 0);
        // The day's moves are gone: no path can be drawn any more.
        EXPECT_EQ(map.playerMoves, 0);
        road.player.DrawPlayerPath(map.walkX + 40, map.walkY);
        EXPECT_EQ(map.pathCount, 0);
    }
}

TEST_F(MapBattleRoad, AWonBattlePaysAndTakesTheArmyOffTheMap) {
    World().fame = 10;
    Enter();
    const int32_t gold = World().gold;
    AttackArmy(kNearArmy);
    OpenTheField();
    game.screen().enemyPresent.fill(0);
    game.RunFrames(1);
    ASSERT_EQ(game.screen().won, 2);
    const uint8_t grade = game.screen().victoryGrade;
    const int32_t paidGold = World().gold;
    EXPECT_GT(paidGold, gold);
    // A won battle cannot be saved and left again.
    game.PressKey(kKeyEscape);
    EXPECT_TRUE(game.InBattle());
    EXPECT_EQ(game.app.saveQuitFromBattle, 0);
    game.ClickAway();
    EXPECT_EQ(game.screen().won, 3) << "the summary";
    game.ClickAway();

    ASSERT_TRUE(game.OnMap());
    ASSERT_TRUE(game.app.mapScreen);
    EXPECT_EQ(World().fame, 10 + grade);
    EXPECT_EQ(Screen().fameShown, 10 + grade);
    EXPECT_EQ(World().gold, paidGold) << "paid once";
    EXPECT_EQ(Screen().armyActive[kNearArmy], 0);
    EXPECT_EQ(World().BattleSite(kNearBattle), 0);
    EXPECT_EQ(Screen().playerMoves, kMovesPerDay - 1)
        << "the walk's one move, none for the victory";
    EXPECT_TRUE(MapPlayer::Backend().audio.trackRunning) << "the track is back after the tune";
}

TEST_F(MapBattleRoad, AnInvaderThatReachesThePartyIsFoughtAndTheDayGoesOn) {
    MeetTheFirstInvader();
    EXPECT_EQ(World().battleId, kFirstInvasionBattle);
    EXPECT_EQ(World().commanderIsPlayer, 1);
    EXPECT_EQ(World().routePending, 1) << "an enemy's attack";
    EXPECT_EQ(World().currentEntity, kFirstInvaderArmy) << "the enemy phase is carried";
    EXPECT_EQ(World().mapSnapshotState, kSnapshotWaiting);

    OpenTheField();
    game.Retreat();
    ASSERT_TRUE(game.OnMap());
    EXPECT_EQ(World().routePending, 2);
    ASSERT_TRUE(player.RunUntil(
        [this] { return Screen().enemyPhase == kEnemyPhaseOff && game.app.healPending == 0; },
        300));
    EXPECT_EQ(game.app.mapDrawFlag, 1) << "the Day box";
    EXPECT_EQ(World().day, 11);
    EXPECT_NE(Screen().armyActive[kFirstInvaderArmy], 0);
}

TEST_F(MapBattleRoad, AWonBattleThatBringsAHeroShowsHimAtHisCell) {
    constexpr int kHeroArmy = 3;  // battle 4: hero 1 joins when quest 3 is under way
    constexpr int32_t kHeroCell = 1862;
    World().Quest(3) = 2;
    Enter();
    AttackArmy(kHeroArmy);
    OpenTheField();
    WinAndLeave();

    ASSERT_TRUE(game.OnMap());
    ASSERT_TRUE(game.app.mapScreen);
    EXPECT_EQ(Screen().heroOnMap[0], 1);
    EXPECT_EQ(Screen().heroCell[0], kHeroCell);
    int32_t x = 0;
    int32_t y = 0;
    ASSERT_TRUE(MapCellCorner(kHeroCell, x, y));
    EXPECT_EQ(Screen().heroX[0], x);
    EXPECT_EQ(Screen().heroY[0], y);
}

TEST_F(MapBattleRoad, ABattleLeftForTheOptionsOrTheQuestionGoesOnOrComesBackWhenLoaded) {
    constexpr int kAllyArmy = 1;  // battle 2: the village's men fight beside the party
    World().Quest(5) = 2;
    World().saveSlot = 3;
    Enter();
    AttackArmy(kAllyArmy);
    OpenTheField();
    // The enemies kept off, so that a turn ends with everyone standing.
    game.KeepOneDistantEnemy(10);
    game.EndTurn();
    game.ClickAway();  // the turn banner
    BattleScreen& screen = game.screen();
    ASSERT_EQ(screen.turn, 2);
    ASSERT_EQ(screen.allyPresent[0], 1);
    const BattleScreen* kept = game.app.battleScreen.get();
    // The commander steps aside.
    const int32_t aside = FreeNeighbourOfTheCommander(screen);
    ASSERT_NE(aside, kNoBattleCell);
    game.ClickFieldCell(screen.commanderCell);
    game.ClickFieldCell(aside);
    game.PressKey(kKeyReturn);
    ASSERT_GE(screen.commanderOrder, 2);
    game.PressKey(kKeyEscape);
    EXPECT_TRUE(game.InBattle()) << "not asked while a unit walks";
    game.RunPlayerUnit();
    ASSERT_EQ(screen.commanderCell, aside);

    // The options: the battle waits as it is, without a leave step.
    const GameStateData beforeOptions = World();
    game.ClickSideButton(kSideOptions);
    ASSERT_TRUE(game.app.stateHandler == OptionsStateThunk);
    EXPECT_EQ(game.app.optionsFromBattle, 1);
    EXPECT_TRUE(static_cast<const GameStateData&>(World()) == beforeOptions);
    front.Click(kOptionsButtons, kBattleSwingFast);
    front.Click(kOptionsButtons, kOptionsBack);
    ASSERT_TRUE(game.InBattle());
    EXPECT_EQ(game.app.battleScreen.get(), kept);
    EXPECT_EQ(game.app.optionsFromBattle, 0);
    game.RunFrames(1);
    EXPECT_EQ(screen.animStepMs, 50) << "the fast swing chosen";

    // Escape asks to save and quit; No plays on with the battle as it was.
    game.PressKey(kKeyEscape);
    ASSERT_TRUE(game.app.stateHandler == SaveQuitStateThunk);
    EXPECT_EQ(World().resumeBattle, 1);
    EXPECT_EQ(World().inBattle, 0);
    EXPECT_EQ(World().battleSaved, 2) << "the suspension wrote the snapshot";
    EXPECT_EQ(game.app.battleScreen.get(), kept);
    front.Click(kSaveQuitButtons, kSaveQuitNo);
    ASSERT_TRUE(game.InBattle());
    EXPECT_EQ(game.app.battleScreen.get(), kept);
    EXPECT_EQ(screen.turn, 2);
    EXPECT_EQ(World().resumeBattle, 0);

    // The quit button: Yes saves the battle and quits.
    const uint8_t movesCommitted = screen.commanderMovesCommitted;
    const GlyphString allyName = screen.allyName[0];
    const auto enemyCells = screen.enemyCell;
    game.ClickSideButton(kSideQuit);
    ASSERT_TRUE(game.app.stateHandler == SaveQuitStateThunk);
    front.Click(kSaveQuitButtons, kSaveQuitYes);
    EXPECT_FALSE(game.app.battleScreen);
    EXPECT_FALSE(game.app.mapScreen);
    game.RunFrames(2);
    ASSERT_TRUE(game.app.stateHandler == MainMenuStateThunk);
    EXPECT_EQ(World().resumeBattle, 0) << "a fresh world on the menu";

    front.Click(kMainMenuButtons, kMenuLoad);
    front.Click(kSaveSlotButtons, 3);
    front.Click(kSaveSlotButtons, kSlotConfirm);
    game.RunFrames(2);
    ASSERT_TRUE(game.InBattle());
    ASSERT_TRUE(game.app.battleScreen);
    const BattleScreen& loaded = game.screen();
    EXPECT_EQ(loaded.battleId, kAllyArmy + 1);
    EXPECT_EQ(loaded.turn, 2);
    EXPECT_EQ(loaded.commanderCell, aside);
    EXPECT_EQ(loaded.commanderMovesCommitted, movesCommitted);
    EXPECT_EQ(loaded.allyPresent[0], 1);
    EXPECT_EQ(loaded.allyName[0], allyName);
    EXPECT_EQ(loaded.enemyCell, enemyCells);

    // Ended, the battle frees its screen and is not to be resumed any more.
    game.ClickAway();
    game.Retreat();
    ASSERT_TRUE(game.OnMap());
    EXPECT_FALSE(game.app.battleScreen);
    EXPECT_EQ(World().resumeBattle, 0);
    player.Frame();
    ASSERT_TRUE(game.app.mapScreen);
    EXPECT_NE(Screen().armyActive[kAllyArmy], 0);
}

TEST_F(MapBattleRoad, ABattleWhoseSaveFailsComesBackFromItsSnapshot) {
    std::filesystem::create_directory("Saves/4.save");  // nothing can replace it
    World().saveSlot = 4;
    Enter();
    AttackArmy(kNearArmy);
    OpenTheField();
    const int32_t commanderCell = game.screen().commanderCell;
    const auto enemyCells = game.screen().enemyCell;
    game.PressKey(kKeyEscape);
    front.Click(kSaveQuitButtons, kSaveQuitYes);
    game.RunFrames(1);
    // The save step gave the question back with its notice; the battle screen is gone.
    ASSERT_TRUE(game.app.stateHandler == SaveQuitStateThunk);
    EXPECT_EQ(game.app.notice, "The game could not be saved in slot 4.");
    EXPECT_FALSE(game.app.battleScreen);

    front.Click(kSaveQuitButtons, kSaveQuitNo);
    ASSERT_TRUE(game.InBattle());
    game.RunFrames(1);
    ASSERT_TRUE(game.app.battleScreen);
    EXPECT_EQ(game.screen().battleId, kNearBattle);
    EXPECT_EQ(game.screen().commanderCell, commanderCell);
    EXPECT_EQ(game.screen().enemyCell, enemyCells);
    EXPECT_EQ(World().resumeBattle, 0);
}

}  // namespace varn
