#include <gtest/gtest.h>

#include "characters/WealthScreen.h"
#include "support/CharacterPlayer.h"
#include "support/GoldenImage.h"
#include "world/GameState.h"

namespace varn {

TEST(WealthScreenRoad, ShowsTheRecordsListsAndWritesNothing) {
    HeadlessGame game;
    CharacterPlayer player(game);
    GameApp& app = game.app;
    GameState& world = *app.world;
    world.gemA[0] = 4;
    world.gemA[1] = 30;
    world.gemA[12] = 7;
    world.artifactA[0] = 15;
    world.artifactA[3] = 2;
    world.VillageJoined(2) = 1;
    world.VillageJoined(7) = 1;
    world.TownOwned(0) = 1;  // the gold mine
    world.TownOwned(3) = 1;  // town 3
    for (const int gem : {4, 30, 7}) {
        world.gemOwned[static_cast<size_t>(gem - 1)] = 1;
    }
    world.artifactOwned[14] = 1;
    world.artifactOwned[1] = 1;
    world.gold = 4321;
    // Paid at the last day's end, before most of these were won.
    world.dailyIncome = 8;
    player.EnterMap();
    player.ClickPanel(kWealthButton);
    player.Frame();
    ASSERT_TRUE(app.stateHandler == WealthStateThunk);
    const WealthScreen& screen = *app.wealthScreen;
    EXPECT_EQ(screen.gems[1], 30);
    EXPECT_EQ(screen.gems[12], 7);
    EXPECT_EQ(screen.artifacts[0], 15);
    for (int place = 0; place < kWealthVillagePlaces; ++place) {
        const uint8_t village = world.villageA[static_cast<size_t>(place)];
        EXPECT_EQ(screen.villages[static_cast<size_t>(place)], village);
        EXPECT_EQ(screen.villageJoined[static_cast<size_t>(place)], village == 2 || village == 7);
    }
    for (int place = 0; place < kWealthTownPlaces; ++place) {
        const uint8_t value = world.townA[static_cast<size_t>(place)];
        // List value 1 is the gold mine, 4 town 3.
        EXPECT_EQ(screen.townHeld[static_cast<size_t>(place)], value == 1 || value == 4) << place;
    }
    EXPECT_EQ(screen.gold, 4321);
    EXPECT_EQ(screen.dailyIncome, 3 * 3 + 2 * 5 + 2 * 10 + 2 * 20)
        << "what the holdings pay now, not the last day's end";
    ExpectMatchesGolden(HeadlessGame::backend().presented, "wealth_screen");

    const GameStateData before = world;
    HeadlessGame::backend().SetKey(kKeyEscape, true);
    player.Frame();
    EXPECT_TRUE(app.stateHandler == MapStateThunk);
    EXPECT_EQ(app.statePhase, kPhaseWriteBack);
    EXPECT_EQ(app.wealthScreen, nullptr);
    EXPECT_TRUE(static_cast<const GameStateData&>(world) == before);
    HeadlessGame::backend().SetKey(kKeyEscape, false);
}

}  // namespace varn
