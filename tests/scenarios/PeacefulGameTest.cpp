#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "frontend/CreditsScreen.h"
#include "frontend/PageButtons.h"
#include "map/MapPlaceTables.h"
#include "support/ReplayCheck.h"
#include "support/TestPlayer.h"

namespace varn {

namespace {

struct Spot {
    int32_t x;
    int32_t y;
};
Spot CellSpot(int32_t cell) {
    Spot spot{};
    MapCellCorner(cell, spot.x, spot.y);
    return spot;
}

}  // namespace

TEST(PeacefulGame, Explore) {
    HeadlessGame game;
    GameRecorder recorder(game);
    TestPlayer player(game);
    GameApp& app = game.app;
    GameState* world = nullptr;
    player.SetClockStep(100);
    player.Frame();
    player.Click(kMainMenuButtons, kMenuInformation);
    player.Click(kPageButtons, kPageNext);
    player.Click(kPageButtons, kPageBack);
    player.Click(kMainMenuButtons, kMenuCredits);
    player.Click(kCreditsButtons, kCreditsBack);
    printf("menu %d\n", player.In(MainMenuStateThunk));
    player.StartNewGame(1, "Ann", kPortraitFirst);
    world = app.world.get();
    player.PutAwayBoxes();

    const auto walkTo = [&](Spot spot, StateThunk arrival) {
        for (int day = 0; day < 20 && !player.In(arrival); ++day) {
            while (player.OnMap() && player.WalkPlayerToward(spot.x, spot.y)) {
                printf("  at %d %d moves %d sel %d walk %d box %d\n",
                       app.mapScreen ? app.mapScreen->walkX : 0,
                       app.mapScreen ? app.mapScreen->walkY : 0,
                       app.mapScreen ? app.mapScreen->playerMoves : 0,
                       app.mapScreen ? app.mapScreen->playerSelected : 0,
                       app.mapScreen ? app.mapScreen->walkState : 0,
                       player.OnMap() ? player.MapShowsABox() : 0);
                player.PutAwayBoxes();
            }
            if (player.In(arrival) || !player.OnMap()) {
                break;
            }
            player.EndDay();
            player.PutAwayBoxes();
        }
        printf("arrived %d day %d\n", player.In(arrival), world->day);
    };
    // Village 1.
    walkTo(CellSpot(kVillageCells[0][1]), VillageStateThunk);
    player.Frame();
    HouseScreen* house = player.House();
    player.ClickHouseButton(kHealButton);
    printf("heal done %d fail %d gold %d\n", house->healDoneShown, house->healFailShown,
           world->gold);
    player.Recruit(1);
    printf("recruited %d gold %d\n", house->recruitJoinedShown, world->gold);
    player.ClickHouseButton(kTalkButton);
    printf("accept q %d quest1 %d\n", house->acceptQuestion, house->Quest(1));
    player.ClickHouseButton(kAcceptYesButton);
    printf("quest1 %d gift %d gold %d\n", house->Quest(1), house->giftShown, world->gold);
    player.ClickAt(600, 580);
    player.ClickHouseArmy(0);
    player.ClickHouseButton(kNameButton);
    printf("rename %d\n", player.In(RenameStateThunk));
    player.Frame();
    for (int i = 0; i < 12; ++i)
        player.PressKey(kKeyBack);
    player.Type("Guard");
    player.PressKey(kKeyReturn);
    printf("village %d\n", player.In(VillageStateThunk));
    player.Frame();
    player.ClickHouseButton(kLeaveButton);
    player.Frames(2);
    player.PutAwayBoxes();
    printf("map %d quest1 %d army0 name %d %d\n", player.OnMap(), world->Quest(1),
           world->playerArmy.name[0][0], world->playerArmy.name[0][1]);
    walkTo(CellSpot(kQuestObjectCells[0]), HallOfFameStateThunk);
    printf("quest1 %d\n", world->Quest(1));
    walkTo(CellSpot(kVillageCells[0][1]), VillageStateThunk);
    player.Frame();
    player.ClickHouseButton(kTalkButton);
    player.Frame();
    printf("quest1 %d gold %d fame %d\n", world->Quest(1), world->gold, world->fame);
}

}  // namespace varn
