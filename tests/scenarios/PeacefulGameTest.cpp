#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "characters/WealthScreen.h"
#include "exchange/MeetingScreen.h"
#include "frontend/CreditsScreen.h"
#include "frontend/HallOfFameScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PageButtons.h"
#include "map/MapPlaceTables.h"
#include "support/ReadabilityWatch.h"
#include "support/ReplayCheck.h"
#include "support/TestPlayer.h"
#include "support/WorldSound.h"

namespace varn {

namespace {

struct NamedState {
    const char* name;
    StateThunk state;
};

#define VARN_NAMED_STATE(Name) {#Name, Name##StateThunk},
constexpr NamedState kEveryState[] = {VARN_STATES(VARN_NAMED_STATE)};
#undef VARN_NAMED_STATE

// The states of the list no frame ran in.
std::string StatesNotEntered(const std::set<StateThunk>& entered) {
    std::string missing;
    for (const NamedState& state : kEveryState) {
        if (entered.count(state.state) == 0) {
            missing += std::string(missing.empty() ? "" : ", ") + state.name;
        }
    }
    return missing;
}

// A peaceful game played through the screens, from the main menu to the hall of fame: the
// party takes and solves a quest, recruits, heals and renames an army, visits every kind of
// house, meets the hero its fame brings and trades with him, is saved and loaded, and ends the
// days until the last invasion takes the kingdom.
class PeacefulGame : public testing::Test {
  protected:
    PeacefulGame() {
        game.afterFrame = [this] {
            ExpectWorldSound(app, "a frame");
            entered.insert(app.stateHandler);
            readability.AfterFrame();
        };
        player.SetClockStep(kClockStep);
    }

    GameState& World() { return *app.world; }

    // Walks to a cell; a house passed on the way is left at once.
    void WalkTo(MapSpot spot, StateThunk house = nullptr) {
        for (int stop = 0; stop < 5; ++stop) {
            if (player.WalkPlayerTo(spot.x, spot.y) || (house != nullptr && player.In(house))) {
                return;
            }
            player.Frame();
            if (player.House() == nullptr) {
                break;
            }
            LeaveHouse();
        }
        ADD_FAILURE() << "not at " << spot.x << "," << spot.y << ": "
                      << StateName(app.stateHandler);
    }
    // Walks onto a house's cell; the house shows.
    void Visit(MapSpot spot, StateThunk house) {
        WalkTo(spot, house);
        ASSERT_TRUE(player.In(house)) << StateName(app.stateHandler);
        player.Frame();
        ASSERT_NE(player.House(), nullptr);
    }
    void LeaveHouse() {
        player.ClickHouseButton(kLeaveButton);
        player.Frames(2);
        ASSERT_TRUE(player.OnMap());
    }

    static constexpr uint32_t kClockStep = 100;

    HeadlessGame game;
    GameApp& app = game.app;
    GameRecorder recorder{game};
    TestPlayer player{game};
    std::set<StateThunk> entered;
    ReadabilityWatch readability{game};
};

}  // namespace

TEST_F(PeacefulGame, FromTheMainMenuToTheHallOfFame) {
    player.Frame();
    player.Click(kMainMenuButtons, kMenuInformation);
    player.Click(kPageButtons, kPageNext);
    player.Click(kPageButtons, kPageBack);
    player.Click(kMainMenuButtons, kMenuCredits);
    player.Click(kCreditsButtons, kCreditsBack);
    ASSERT_TRUE(player.In(MainMenuStateThunk));
    player.StartNewGame(1, "Ann", kPortraitFirst);
    ASSERT_TRUE(player.OnMap());
    EXPECT_EQ(World().playerName, EncodeGlyphs("Ann"));

    // The village next door: the healer has nothing to mend, a recruit, the first quest taken,
    // the first army renamed.
    Visit(CellSpot(kVillageCells[0][1]), VillageStateThunk);
    const int32_t gold = World().gold;
    player.ClickHouseButton(kHealButton);
    EXPECT_EQ(player.House()->healFailShown, 1);
    player.Recruit(1);
    EXPECT_EQ(World().gold, gold - player.House()->recruitPrice[0]);
    player.TalkAndAccept();
    EXPECT_EQ(player.House()->Quest(1), kQuestAccepted);
    player.ClickHouseArmy(0);
    player.ClickHouseButton(kNameButton);
    ASSERT_TRUE(player.In(RenameStateThunk));
    player.Frame();
    for (int letter = 0; letter < kGlyphStringLength; ++letter) {
        player.PressKey(kKeyBack);
    }
    player.Type("Guard");
    player.PressKey(kKeyReturn);
    ASSERT_TRUE(player.In(VillageStateThunk));
    player.Frame();
    LeaveHouse();
    EXPECT_EQ(World().playerArmy.name[0], EncodeGlyphs("Guard"));
    EXPECT_EQ(World().Quest(1), kQuestInProgress);

    // The quest's object found, and the quest rewarded back in the village.
    WalkTo(CellSpot(kQuestObjectCells[0]));
    player.PutAwayBoxes();
    EXPECT_EQ(World().Quest(1), kQuestGoalMet);
    Visit(CellSpot(kVillageCells[0][1]), VillageStateThunk);
    player.ClickHouseButton(kTalkButton);
    player.Frame();
    LeaveHouse();
    EXPECT_EQ(World().Quest(1), kQuestSolved);

    // The town south: its own quest taken.
    Visit(CellSpot(kTownCells[8]), TownStateThunk);
    player.TalkAndAccept();
    EXPECT_EQ(player.House()->Quest(3), kQuestAccepted);
    LeaveHouse();

    // The palace and the temple: each a quest, the hero of the fame they bring.
    Visit(CellSpot(kPalaceCells[0]), PalaceStateThunk);
    player.TalkAndAccept();
    LeaveHouse();
    Visit(CellSpot(kTempleCells[0]), TempleStateThunk);
    player.TalkAndAccept();
    LeaveHouse();
    player.EndDay();
    player.PutAwayBoxes();
    constexpr HeroIndex kHero = 1;
    ASSERT_EQ(World().heroJoined[kHero], 1);

    // The hero met beside him: an item and an army go over.
    const MapScreen& map = *app.mapScreen;
    WalkTo({map.heroX[kHero] - kMapCellSize, map.heroY[kHero]});
    player.ScrollMapTo(map.walkX, map.walkY);
    player.ClickCell(map.walkX, map.walkY);
    player.ClickBar(kBarTrade);
    player.ClickCell(map.heroX[kHero], map.heroY[kHero]);
    ASSERT_TRUE(player.In(MeetingStateThunk));
    player.Frame();
    const CharacterItemRecord items = World().playerItems;
    const auto firstItem = std::find_if(items.items.begin(), items.items.begin() + kBagCellCount,
                                        [](ItemId item) { return item != kNoItem; });
    ASSERT_NE(firstItem, items.items.begin() + kBagCellCount);
    const int itemCell = static_cast<int>(firstItem - items.items.begin());
    player.ClickMeetingButton(kMeetItemsButton);
    ASSERT_TRUE(player.In(ItemTradeStateThunk));
    player.DragTradedItem(0, itemCell, 1, kBagCellCount - 1);
    player.PressKey(kKeyEscape);
    player.Frame();
    player.ClickMeetingButton(kMeetArmiesButton);
    ASSERT_TRUE(player.In(ArmyTradeStateThunk));
    player.DragTradedArmy(0, 1, 1, 5);
    player.PressKey(kKeyEscape);
    player.Frame();
    player.ClickMeetingButton(kMeetLeaveButton);
    player.Frames(2);
    ASSERT_TRUE(player.OnMap());
    EXPECT_EQ(World().heroItems[kHero].owned[*firstItem - 1], 1);
    EXPECT_EQ(World().playerItems.owned[*firstItem - 1], 0);
    EXPECT_EQ(World().heroArmies[kHero].present[5], 1);

    // The panel's screens, each looked at and left.
    for (const uint8_t button :
         {kYouButton, kHeroesButton, kWealthButton, kQuestLogButton, kOptionsButton}) {
        player.ClickPanel(button);
        player.Frame();
        EXPECT_FALSE(player.In(MapStateThunk)) << int{button};
        player.PressKey(kKeyEscape);
        player.Frames(2);
        ASSERT_TRUE(player.OnMap()) << int{button};
        player.PutAwayBoxes();
    }

    // Saved and quit; loaded from the main menu.
    const int32_t day = World().day;
    player.SaveAndQuit();
    ASSERT_TRUE(player.In(MainMenuStateThunk));
    player.LoadGame(1);
    player.Frames(2);
    ASSERT_TRUE(player.OnMap());
    EXPECT_EQ(World().day, day);
    EXPECT_EQ(World().heroArmies[kHero].present[5], 1);
    player.PutAwayBoxes();

    // The castle and the tower in the east.
    Visit(CellSpot(kCastleCells[0]), CastleStateThunk);
    player.ClickHouseButton(kTalkButton);
    player.CloseHouseNote();
    LeaveHouse();
    Visit(CellSpot(kTowerCell), TowerStateThunk);
    player.ClickHouseButton(kTalkButton);
    player.CloseHouseNote();
    LeaveHouse();

    // Home to the first village's fields, out of the invaders' way.
    WalkTo(CellSpot(kQuestObjectCells[0]));

    // The days end until the last invasion takes the kingdom; the hall of fame shows the score.
    for (int days = 0; days < 150 && player.OnMap(); ++days) {
        player.EndDay();
        player.PutAwayBoxes();
    }
    const int32_t fame = World().fame;
    ASSERT_TRUE(player.RunUntil([this] { return player.In(StoryStateThunk); }, 5));
    EXPECT_EQ(World().storyMode, kStorySurrender);
    EXPECT_EQ(World().Quest(96), kQuestSolved);
    player.ReadStoryToItsEnd();
    ASSERT_TRUE(player.In(HallOfFameStateThunk));
    player.Frame();
    ASSERT_NE(app.hallOfFameScreen, nullptr);
    // The only place: the player's name, the fame less the surrender's hundred, not below 0.
    EXPECT_EQ(app.hallOfFameScreen->score[0], std::max(0, fame - 100));
    EXPECT_EQ(app.hallOfFameScreen->name[0], EncodeGlyphs("Ann"));
    // A peaceful game fights no battle.
    EXPECT_EQ(StatesNotEntered(entered), "Battle");
    player.Click(kHallOfFameButtons, kHallBack);
    EXPECT_TRUE(player.In(MainMenuStateThunk));

    ExpectReplayMatches("peaceful-game", recorder,
                        [](GameApp& replayed) { ExpectWorldSound(replayed, "a replayed frame"); });
}

}  // namespace varn
