#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "map/MapScreen.h"

namespace varn {

namespace {

using Points = std::vector<std::pair<int32_t, int32_t>>;

// A map with the player on cell 1521 at (0, 0), selected by a click on its own cell.
class MapPathTest : public testing::Test {
  protected:
    void SetUp() override {
        screen.playerCell = MapCellAt(0, 0);
        screen.PlaceObjects();
        screen.MarkCells();
        Click(0, 0);
    }

    void Click(int32_t x, int32_t y) {
        uint8_t clicked = 1;
        screen.ClickCell(MapCellAt(x, y), clicked, x, y);
        screen.PickCell();
    }

    Points Path() const {
        Points points;
        for (int i = 0; i < screen.pathCount; ++i) {
            points.emplace_back(screen.pathX[i], screen.pathY[i]);
        }
        return points;
    }

    // Frames of WalkPath until the walker stands still again.
    int WalkFrames(uint8_t step) {
        int frames = 0;
        do {
            screen.WalkPath(step);
            ++frames;
        } while ((screen.walkState != kWalkNone || screen.walkingHero != 0) && frames < 1000);
        return frames;
    }

    MapScreen screen;
};

TEST_F(MapPathTest, AClickOnTheOwnCellSelectsWithoutAPath) {
    EXPECT_EQ(screen.playerSelected, 1);
    EXPECT_EQ(screen.selectedCharacter, kPlayerCharacter);
    EXPECT_EQ(screen.pathCount, 0);
    EXPECT_EQ(screen.walkState, kWalkNone);
}

TEST_F(MapPathTest, PathsGoDiagonallyFirstAndStopAtSevenPointsOrTheMovesLeft) {
    struct Case {
        uint8_t moves;
        int32_t x, y;
        Points points;
    };
    const Case cases[] = {
        {7, 120, -80, {{40, -40}, {80, -80}, {120, -80}}},
        {7, -80, 0, {{-40, 0}, {-80, 0}}},
        {7, 0, 120, {{0, 40}, {0, 80}, {0, 120}}},
        {7, 320, 0, {{40, 0}, {80, 0}, {120, 0}, {160, 0}, {200, 0}, {240, 0}, {280, 0}}},
        {3, 320, 0, {{40, 0}, {80, 0}, {120, 0}}},
        {0, 320, 0, {}},
    };
    for (const Case& c : cases) {
        screen.playerMoves = c.moves;
        Click(c.x, c.y);
        EXPECT_EQ(Path(), c.points) << c.x << ", " << c.y;
        EXPECT_EQ(screen.pathLength, c.points.size());
        EXPECT_EQ(screen.walkState, c.points.empty() ? 0 : 1);
        EXPECT_EQ(screen.bagCopy, kBagCopyLoad);
        if (!c.points.empty()) {
            EXPECT_EQ(screen.pickX, c.points.back().first);
            EXPECT_EQ(screen.checkBlocked, 1);
        }
    }
}

TEST_F(MapPathTest, AnArmyOnAPointCutsThePathBeforeItAndBecomesTheTarget) {
    screen.armyActive[12] = 1;
    screen.armyX[12] = 120;
    screen.armyY[12] = 0;
    Click(200, 0);
    EXPECT_EQ(Path(), (Points{{40, 0}, {80, 0}}));
    EXPECT_EQ(screen.attackArmy, 12);
    EXPECT_EQ(screen.armyTarget, 1);
    EXPECT_EQ(screen.playerAttack, 1);
    EXPECT_EQ(screen.attackPathShown, 1);
    EXPECT_EQ(screen.targetX, 120);
    EXPECT_EQ(screen.playerMovesLeft, 5);
    EXPECT_EQ(screen.walkState, kWalkDrawn);
    EXPECT_EQ(screen.pickX, 80);

    screen.walkState = kWalkOrdered;
    WalkFrames(40);
    EXPECT_EQ(screen.walkX, 80);
    EXPECT_EQ(screen.playerCell, MapCellAt(80, 0));
    EXPECT_EQ(screen.playerMoves, 5);
}

TEST_F(MapPathTest, AnArmyNextToTheWalkerLeavesNoPointToWalk) {
    screen.heroOnMap[1] = 1;
    screen.heroCell[1] = MapCellAt(400, 400);
    screen.PlaceObjects();
    screen.armyActive[0] = 1;
    screen.armyX[0] = 440;
    screen.armyY[0] = 400;
    Click(400, 400);
    ASSERT_EQ(screen.heroSelected, 2);
    Click(440, 400);
    EXPECT_EQ(screen.pathCount, 0);
    EXPECT_EQ(screen.armyTarget, 1);
    // The hero has no path to walk onto the army.
    EXPECT_EQ(screen.heroPathReady, 0);
    EXPECT_EQ(screen.heroMovesLeft[1], 7);
}

TEST_F(MapPathTest, WalkingTakesWholeStepsAndAllMovesAtTheLastPoint) {
    Click(40, 0);
    screen.walkState = kWalkOrdered;
    // Six frames to cover 40 pixels at 7, one to notice the point, one to arrive.
    EXPECT_EQ(WalkFrames(7), 8);
    EXPECT_EQ(screen.walkX, 40);
    EXPECT_EQ(screen.playerMoves, 6);
    EXPECT_EQ(screen.arrived, 1);
    EXPECT_EQ(screen.playerArrived, 1);
    EXPECT_EQ(screen.playerFinds, 1);
    EXPECT_EQ(screen.cellObject[MapCellAt(0, 0)], 0);
    EXPECT_EQ(screen.cellObject[MapCellAt(40, 0)], kCodePlayer);

    Click(40, 0);
    Click(240, 0);
    ASSERT_EQ(screen.pathCount, 5);
    screen.walkState = kWalkOrdered;
    screen.WalkPath(40);
    EXPECT_EQ(screen.playerMoves, 6);
    WalkFrames(40);
    EXPECT_EQ(screen.playerMoves, 1);
    EXPECT_EQ(screen.playerFacing, 2);
}

TEST_F(MapPathTest, AHeroWalksItsOwnPathAndArrivesOnItsCell) {
    screen.heroOnMap[3] = 1;
    screen.heroCell[3] = MapCellAt(400, 400);
    screen.PlaceObjects();
    screen.MarkCells();
    Click(400, 400);
    Click(360, 480);
    EXPECT_EQ(Path(), (Points{{360, 440}, {360, 480}}));
    EXPECT_EQ(screen.heroPathReady, 4);
    EXPECT_EQ(screen.bagCopyHero, 4);
    screen.heroWalkStart = screen.heroPathReady;
    screen.heroPathReady = 0;
    WalkFrames(10);
    EXPECT_EQ(screen.heroCell[3], MapCellAt(360, 480));
    EXPECT_EQ(screen.heroMoves[3], 5);
    EXPECT_EQ(screen.heroFinds, 4);
    EXPECT_EQ(screen.arrivedHero, 3);
    EXPECT_EQ(screen.heroFacing[3], 4);
    EXPECT_EQ(screen.cellObject[MapCellAt(360, 480)], kCodeFirstHero + 3);
}

TEST_F(MapPathTest, InTradeModeAPathReachingAHeroStartsTheMeeting) {
    screen.heroOnMap[0] = 1;
    screen.heroCell[0] = MapCellAt(80, 0);
    screen.PlaceObjects();
    screen.tradeMode = 1;
    Click(80, 0);
    EXPECT_EQ(screen.meetFirst, kPlayerCharacter);
    EXPECT_EQ(screen.meetSecond, 2);
    EXPECT_EQ(screen.meetingRequest, 1);
    EXPECT_EQ(screen.tradeMode, 3);
    EXPECT_EQ(Path(), (Points{{40, 0}}));

    // Out of moves the path misses the hero: the trade fails.
    screen.tradeMode = 1;
    screen.meetingRequest = 0;
    screen.playerMoves = 1;
    Click(80, 0);
    EXPECT_EQ(screen.meetingRequest, 0);
    EXPECT_EQ(screen.tradeMode, 0);
    EXPECT_EQ(screen.tradeFailed, 1);
}

TEST_F(MapPathTest, InTradeModeTheOwnCellAddsNoPoint) {
    screen.tradeMode = 1;
    Click(0, 0);
    EXPECT_EQ(screen.pathCount, 0);
    EXPECT_EQ(screen.walkState, kWalkNone);
    EXPECT_EQ(screen.tradeMode, 0);
}

TEST_F(MapPathTest, UpdateWalkTargetRefusesAPathOntoACharacter) {
    screen.cellObject[MapCellAt(80, 0)] = kCodeFirstHero + 2;
    Click(80, 0);
    screen.UpdateWalkTarget();
    EXPECT_EQ(screen.blockedMarker, 1);
    EXPECT_EQ(screen.blockedX, 80);
    EXPECT_EQ(screen.walkState, kWalkNone);
    EXPECT_EQ(screen.checkBlocked, 0);

    Click(120, 0);
    screen.UpdateWalkTarget();
    EXPECT_EQ(screen.blockedMarker, 0);
    EXPECT_EQ(screen.walkState, kWalkDrawn);
}

}  // namespace

}  // namespace varn
