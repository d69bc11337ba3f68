#include <gtest/gtest.h>

#include <climits>

#include "map/MapStateSteps.h"
#include "support/MapPlayer.h"
#include "support/WorldSound.h"
#include "world/SaveRanges.h"

namespace varn {

namespace {

// Values that no load lets through, met where the map computes with them: a world built up over
// a long game, or a fault elsewhere, must not take the map past its tables or its arithmetic.
class SavedValues : public testing::Test {
  protected:
    MapScreen& Screen() { return *game.app.mapScreen; }
    GameState& World() { return *game.app.world; }

    void Enter() {
        // A fast clock: the enemy phase walks in few frames.
        MapPlayer::Backend().presentAdvanceMs = 100;
        player.EnterMap();
        player.PressKey(kKeyReturn);
    }

    HeadlessGame game;
    MapPlayer player{game};
};

TEST_F(SavedValues, ArmiesAtTheLimitsOfTheirPositionsAreDrawnWithoutOverflow) {
    Enter();
    for (const auto& [x, y] : {std::pair{INT32_MIN, INT32_MAX}, std::pair{INT32_MAX, INT32_MIN}}) {
        Screen().armyX[2] = x;
        Screen().armyY[2] = y;
        Screen().armyX[85] = x;
        Screen().armyY[85] = y;
        Screen().armyActive[85] = 1;
        for (const int32_t scroll : {kMapScrollMinX, kCentreMaxX}) {
            game.app.mapView->scrollX = scroll;
            game.app.mapView->scrollY = scroll;
            player.Frames(2);
        }
    }
}

TEST_F(SavedValues, CentringOnAPositionAtTheLimitsStopsAtTheMapsEdges) {
    Enter();
    MapView& view = *game.app.mapView;
    CentreView(view, INT32_MIN, INT32_MIN, 400, 400);
    EXPECT_EQ(view.scrollX, kMapScrollMinX);
    EXPECT_EQ(view.scrollY, kMapScrollMinY);
    CentreView(view, INT32_MAX, INT32_MAX, -400, -400);
    EXPECT_EQ(view.scrollX, kCentreMaxX);
    EXPECT_EQ(view.scrollY, kCentreMaxY);
}

// A mover outside the army table, or one no longer on the map, never walks: the phase goes on
// without it and ends, and Escape asks to save again.
TEST_F(SavedValues, AnEnemyPhaseWithAMoverThatCannotMoveEndsAndTheGameCanBeSaved) {
    for (const uint8_t mover : {150, 255, 100, 0, 85}) {
        for (const uint8_t phase : {kEnemyPhasePlan, kEnemyPhaseWalk}) {
            SCOPED_TRACE(testing::Message() << "mover " << int{mover} << " phase " << int{phase});
            HeadlessGame run;
            MapPlayer driver(run);
            driver.EnterMap();
            driver.PressKey(kKeyReturn);
            MapScreen& screen = *run.app.mapScreen;
            screen.armyActive[85] = 0;
            screen.currentMover = mover;
            screen.enemyPhase = phase;
            screen.enemyWalking = 1;
            screen.enemyPointReached = 1;
            ASSERT_TRUE(
                driver.RunUntil([&screen] { return screen.enemyPhase == kEnemyPhaseOff; }, 300));
            driver.PressKey(kKeyEscape);
            EXPECT_TRUE(run.app.stateHandler == SaveQuitStateThunk);
        }
    }
}

// A game that ran that long still saves and loads: the counters stop where a save keeps them.
TEST_F(SavedValues, TheDayAndTheGoldStopAtTheSavesCeilingAtTheEndOfADay) {
    Enter();
    World().day = kSavedValueCeiling;
    Screen().dayShown = kSavedValueCeiling;
    World().gold = kSavedValueCeiling - 1;
    World().townOwned.fill(1);
    player.EndDay();
    EXPECT_EQ(World().day, kSavedValueCeiling);
    EXPECT_EQ(Screen().dayShown, kSavedValueCeiling);
    EXPECT_EQ(World().gold, kSavedValueCeiling);
    ExpectWorldSound(game.app, "after the day at the ceiling");
}

}  // namespace

}  // namespace varn
