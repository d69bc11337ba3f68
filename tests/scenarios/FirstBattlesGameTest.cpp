#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "map/MapPlaceTables.h"
#include "scenarios/PlayedGame.h"

namespace varn {

namespace {

constexpr int kSlot = 1;
// The armies of battles 2, 3 and 4 on the map: east of village 1, above the party's start and
// south-east of it.
constexpr int kVillageArmy = 1;
constexpr int kNorthArmy = 2;
constexpr int kSouthArmy = 3;
constexpr int kVillage = 1;
constexpr int kObjectQuest = 1;
constexpr int kNorthQuest = 2;
constexpr int32_t kObjectQuestReward = 50;
constexpr int32_t kNorthQuestGift = 30;
constexpr int kTownHelpQuest = 3;
constexpr int kJoiningQuest = 5;
constexpr int kTownNextQuest = 16;
constexpr HeroIndex kHero = 1;
constexpr int kPeasantOffer = 5;
constexpr int kPeasantBands = 4;

// The monkey's start record of the world as it stands, with the view on the party as a save from
// the map keeps it; VARN_UPDATE_REPLAY=1 rewrites the committed one.
testing::AssertionResult MonkeyStartIsTheWorld(const GameState& world) {
    const std::filesystem::path written = "won-first-battle.save";
    const std::filesystem::path committed =
        std::filesystem::path(VARN_SOURCE_DIR) / "fuzz/seeds/MonkeyStarts" / written;
    if (!WritePreparedWorld(world, written)) {
        return testing::AssertionFailure() << "could not write " << written;
    }
    const char* update = std::getenv("VARN_UPDATE_REPLAY");
    const bool same =
        SameAsCommitted(written, committed, update != nullptr && std::string(update) == "1");
    if (same) {
        return testing::AssertionSuccess();
    }
    // The images past the files' length slots.
    const auto image = [](const std::filesystem::path& file) {
        std::vector<uint8_t> bytes = ReadWholeFile(file);
        bytes.erase(bytes.begin(), bytes.begin() + std::min(bytes.size(), kImageSlotSize));
        return bytes;
    };
    return testing::AssertionFailure()
           << committed << " is not the world after the first battle (committed -> played):\n"
           << DifferingFields(image(committed), image(written));
}

// A new game played through the screens: the party fights its way forward, so the steps of the
// game are the player's alone.
class FirstBattles : public PlayedGame {
  public:
    FirstBattles() : PlayedGame("first-battles") {}

    // Walks onto a house's cell; the house shows.
    testing::AssertionResult Visit(MapSpot spot, StateThunk house) {
        player.PutAwayBoxes();
        player.WalkPlayerTo(spot.x, spot.y);
        if (!In(house)) {
            return testing::AssertionFailure() << "the house does not show";
        }
        player.Frame();
        return testing::AssertionSuccess();
    }
    void LeaveHouse() {
        player.ClickHouseButton(kLeaveButton);
        player.Frames(2);
        player.PutAwayBoxes();
    }

    // The party walks to two cells off the army, waits for a new day when fewer than two moves
    // are left, attacks and fights with a plan; the result put away. True when it was won.
    bool FightArmy(int army, int32_t offX, int32_t offY) {
        player.PutAwayBoxes();
        const int32_t x = Map().armyX[army];
        const int32_t y = Map().armyY[army];
        if (!player.WalkPlayerTo(x + offX * kMapCellSize, y + offY * kMapCellSize)) {
            return false;
        }
        if (Map().playerMoves < 2) {
            EndDay();
        }
        if (!AttackArmy(army)) {
            return false;
        }
        const bool won = battle.PlayPlannedUntilDecided();
        battle.LeaveTheField();
        player.Frame();
        player.PutAwayBoxes();
        return won && player.OnMap();
    }
};

}  // namespace

// From the main menu: village 1's peasants recruited and its first quest taken, its object
// found; the armies of battles 4, 3 and 2 beaten with a plan of the field, hero 1 joining; the
// quests the battles meet rewarded and the next taken until the village's call for help, whose
// reward makes it join; town 2's next quest; a save and a load; the days ended to the last
// invasion and the hall of fame.
TEST(FirstBattlesGame, FromANewGameBattlesWonAndAVillageJoined) {
    FirstBattles g;
    g.player.Frame();
    g.player.StartNewGame(kSlot, "Ann", kPortraitFirst);
    ASSERT_TRUE(g.player.OnMap());
    const MapSpot village = CellSpot(kVillageCells[0][1]);

    // Village 1: four bands of its dearest recruits fill the party; its first quest.
    ASSERT_TRUE(g.Visit(village, VillageStateThunk));
    const int32_t price = g.player.House()->recruitPrice[kPeasantOffer - 1];
    int32_t gold = g.World().gold;
    for (int band = 0; band < kPeasantBands; ++band) {
        g.player.Recruit(kPeasantOffer);
    }
    EXPECT_EQ(g.World().gold, gold - kPeasantBands * price);
    g.player.TalkAndAccept();
    g.LeaveHouse();
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        EXPECT_EQ(g.World().playerArmy.present[slot], 1) << slot;
    }
    EXPECT_EQ(g.World().Quest(kObjectQuest), kQuestInProgress);

    // The quest's object found on the way south-east.
    const MapSpot object = CellSpot(kQuestObjectCells[0]);
    ASSERT_TRUE(g.player.WalkPlayerTo(object.x, object.y));
    g.player.PutAwayBoxes();
    EXPECT_EQ(g.World().Quest(kObjectQuest), kQuestGoalMet);

    // Battle 4: won, hero 1 joins, and town 2's first quest, never taken, is closed.
    ASSERT_TRUE(g.FightArmy(kSouthArmy, 0, -2)) << "battle 4";
    ASSERT_TRUE(g.player.OnMap());
    EXPECT_EQ(g.World().HeroJoined(kHero), 1);
    EXPECT_EQ(g.World().BattleSite(kSouthArmy + 1), 0);
    EXPECT_EQ(g.Map().armyActive[kSouthArmy], 0);
    EXPECT_EQ(g.World().Quest(kTownHelpQuest), kQuestSolved);
    EXPECT_TRUE(MonkeyStartIsTheWorld(g.World()));

    // The village pays the object's quest and offers the next: the army north of the start.
    ASSERT_TRUE(g.Visit(village, VillageStateThunk));
    gold = g.World().gold;
    g.player.ClickHouseButton(kTalkButton);
    g.player.CloseHouseNote();
    EXPECT_EQ(g.player.House()->Quest(kObjectQuest), kQuestSolved);
    EXPECT_EQ(g.World().gold, gold += kObjectQuestReward);
    g.player.TalkAndAccept();
    EXPECT_EQ(g.player.House()->Quest(kNorthQuest), kQuestAccepted);
    EXPECT_EQ(g.World().gold, gold + kNorthQuestGift);
    g.LeaveHouse();

    // Battle 3.
    ASSERT_TRUE(g.FightArmy(kNorthArmy, 0, 2)) << "battle 3";
    EXPECT_EQ(g.World().Quest(kNorthQuest), kQuestGoalMet);

    // Its reward; with town 2's quest closed, the village calls for help against battle 2's army.
    ASSERT_TRUE(g.Visit(village, VillageStateThunk));
    g.player.ClickHouseButton(kTalkButton);
    g.player.CloseHouseNote();
    EXPECT_EQ(g.player.House()->Quest(kNorthQuest), kQuestSolved);
    g.player.TalkAndAccept();
    EXPECT_EQ(g.player.House()->Quest(kJoiningQuest), kQuestAccepted);
    g.LeaveHouse();

    // Battle 2, and the village joins at the Talk that pays for it.
    ASSERT_TRUE(g.FightArmy(kVillageArmy, -2, 0)) << "battle 2";
    EXPECT_EQ(g.World().Quest(kJoiningQuest), kQuestGoalMet);
    ASSERT_TRUE(g.Visit(village, VillageStateThunk));
    EXPECT_EQ(g.World().VillageJoined(kVillage), 0);
    g.player.ClickHouseButton(kTalkButton);
    g.player.CloseHouseNote();
    EXPECT_EQ(g.World().VillageJoined(kVillage), 1);
    g.LeaveHouse();
    EXPECT_EQ(g.World().Quest(kJoiningQuest), kQuestSolved);

    // Town 2's next quest.
    ASSERT_TRUE(g.Visit(CellSpot(kTownCells[8]), TownStateThunk));
    g.player.TalkAndAccept();
    EXPECT_EQ(g.player.House()->Quest(kTownNextQuest), kQuestAccepted);
    g.LeaveHouse();

    // Saved and quit; loaded from the main menu.
    const int32_t day = g.World().day;
    g.player.SaveAndQuit();
    ASSERT_TRUE(g.In(MainMenuStateThunk));
    g.player.LoadGame(kSlot);
    g.player.Frames(2);
    ASSERT_TRUE(g.player.OnMap());
    EXPECT_EQ(g.World().day, day);
    EXPECT_EQ(g.World().VillageJoined(kVillage), 1);

    // Home to the object's field, out of the invaders' way; the days end until the last
    // invasion takes the kingdom.
    g.player.PutAwayBoxes();
    ASSERT_TRUE(g.player.WalkPlayerTo(object.x, object.y));
    for (int days = 0; days < 150 && g.player.OnMap(); ++days) {
        g.EndDay();
        g.player.PutAwayBoxes();
    }
    ASSERT_TRUE(g.player.RunUntil([&] { return g.In(StoryStateThunk); }, 5));
    EXPECT_EQ(g.World().storyMode, kStorySurrender);
    const int32_t fame = g.World().fame;
    EXPECT_TRUE(g.HallOfFameShowsOnly(EncodeGlyphs("Ann"), std::max(0, fame - 100)));
    EXPECT_EQ(g.StatesEntered(),
              (std::vector<std::string>{"MainMenu", "Map", "NewGameSlot", "LoadSlots", "NameEntry",
                                        "Portrait", "Story", "SaveGame", "LoadGame", "SaveQuit",
                                        "RecordScore", "HallOfFame", "Battle", "Village", "Town"}));

    g.ExpectReplayEndsInTheCommittedWorld();
}

}  // namespace varn
