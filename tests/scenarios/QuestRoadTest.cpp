#include <gtest/gtest.h>

#include <algorithm>

#include "houses/HouseScreen.h"
#include "support/GoldenImage.h"
#include "support/HousePlayer.h"
#include "world/GameState.h"

namespace varn {

namespace {

class QuestRoad : public testing::Test {
  protected:
    void SetUp() override {
        player.EnterMap();
        player.PressKey(kKeyReturn);
        World().gold = 500;
        World().fame = 10;
    }
    GameState& World() { return *game.app.world; }
    HouseScreen& House() { return *player.House(); }

    void Talk() { player.ClickHouseButton(kTalkButton); }
    void Accept() { player.ClickHouseButton(kAcceptYesButton); }
    void Leave() {
        player.ClickHouseButton(kLeaveButton);
        ASSERT_EQ(player.House(), nullptr);
        player.Frames(2);
    }

    static bool Holds(const CharacterItemRecord& items, ItemId item) {
        return items.owned[item - 1] == 1 && items.items[items.itemCell[item - 1]] == item;
    }
    static bool BagHolds(const HouseScreen& house, ItemId item) {
        return std::find(house.bag.begin(), house.bag.end(), item) != house.bag.end();
    }
    static void FillBag(CharacterItemRecord& items) {
        for (int cell = 0; cell < kBagCellCount; ++cell) {
            const ItemId item = static_cast<ItemId>(200 + cell);
            items.items[static_cast<size_t>(cell)] = item;
            items.owned[item - 1] = 1;
            items.itemCell[item - 1] = static_cast<uint8_t>(cell);
        }
    }

    HeadlessGame game;
    HousePlayer player{game};
};

}  // namespace

// The road of each kind's first quest is QuestTalkOnScreen's; here the village offer's picture.
TEST_F(QuestRoad, AVillageOfferAsksAcceptQuestion) {
    player.EnterHouse(HouseKind::Village, 3, kPlayerCharacter);
    Talk();
    EXPECT_EQ(House().acceptQuestion, 1);
    ExpectMatchesGolden(HeadlessGame::backend().presented, "quest-village-offer");
}

// A hero in a town with a full bag: the gift's gold at once, its item into the town's store,
// handed back on a later visit with room; then the town's joining quest rewarded with the
// join box.
TEST_F(QuestRoad, ATownGiftWaitsInTheStoreUntilTheHeroHasRoom) {
    constexpr CharacterId kHero = 2;
    CharacterItemRecord& bag = World().heroItems[0];
    FillBag(bag);
    player.EnterHouse(HouseKind::Town, 1, kHero);
    Talk();
    Accept();
    EXPECT_EQ(World().gold, 555);
    EXPECT_EQ(House().bagFull, 1);
    EXPECT_EQ(House().heldFlag[0], 1);
    EXPECT_EQ(House().heldItem[0], 88 - 1);
    ExpectMatchesGolden(HeadlessGame::backend().presented, "quest-gift-bag-full");
    player.CloseHouseNote();
    Leave();
    EXPECT_EQ(World().heldFlagTown[0], 1);
    EXPECT_EQ(World().heldItemTown[0], 88 - 1);

    bag.owned[205 - 1] = 0;
    bag.items[5] = 0;
    player.EnterHouse(HouseKind::Town, 1, kHero);
    EXPECT_EQ(House().returnedMessage, 1);
    Leave();
    EXPECT_TRUE(Holds(bag, 88));
    EXPECT_EQ(World().heldFlagTown[0], 0);

    World().Quest(12) = kQuestSolved;
    World().Quest(13) = kQuestGoalMet;
    player.EnterHouse(HouseKind::Town, 1, kHero);
    Talk();
    EXPECT_EQ(World().TownOwned(1), 1);
    EXPECT_EQ(House().recruitPrice[0], 700);
    ExpectMatchesGolden(HeadlessGame::backend().presented, "quest-town-reward-join");
}

// With quest 6 solved the palace offers quests 4 and 70 together: each acceptance pays its own
// gift, and one Talk rewarding both pays both.
TEST_F(QuestRoad, ThePalacesTwoOpenQuestsPayTheirOwnGiftsAndRewards) {
    World().Quest(4) = kQuestOffered;
    World().Quest(6) = kQuestSolved;
    player.EnterHouse(HouseKind::Palace, 0, kPlayerCharacter);
    Talk();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "quest-palace-two-offers");
    Accept();
    EXPECT_EQ(House().Quest(70), kQuestAccepted);
    EXPECT_EQ(House().Quest(4), kQuestOffered);
    EXPECT_EQ(World().gold, 555);
    EXPECT_TRUE(BagHolds(House(), 75));
    EXPECT_FALSE(BagHolds(House(), 111));
    player.CloseHouseNote();
    Talk();
    EXPECT_EQ(House().Quest(70), kQuestInProgress);
    Accept();
    EXPECT_EQ(House().Quest(4), kQuestAccepted);
    EXPECT_EQ(World().gold, 595);
    EXPECT_TRUE(BagHolds(House(), 111));
    EXPECT_EQ(World().fame, 12);
    player.CloseHouseNote();
    Leave();

    World().Quest(4) = kQuestGoalMet;
    World().Quest(70) = kQuestGoalMet;
    player.EnterHouse(HouseKind::Palace, 0, kPlayerCharacter);
    Talk();
    EXPECT_EQ(World().gold, 595 + 100 + 110);
    EXPECT_TRUE(BagHolds(House(), 91));
    EXPECT_TRUE(BagHolds(House(), 73));
    // Two reward notes, one fame point per visit.
    player.Frames(2);
    EXPECT_EQ(World().fame, 13);
}

TEST_F(QuestRoad, TheCastlesLastQuestPaysGoldAndFameAlone) {
    for (int quest : {81, 82, 83, 85}) {
        World().Quest(quest) = kQuestSolved;
    }
    World().Quest(91) = kQuestGoalMet;
    player.EnterHouse(HouseKind::Castle, 0, kPlayerCharacter);
    const auto bagBefore = House().bag;
    Talk();
    EXPECT_EQ(House().Quest(91), kQuestSolved);
    EXPECT_EQ(World().gold, 610);
    EXPECT_EQ(House().bag, bagBefore);
    player.Frames(1);
    EXPECT_EQ(World().fame, 11);
    // Quest 6 still open: the palace guards are all the castle talks about.
    Talk();
    EXPECT_EQ(House().questDisplay[kNothingToTellFlag], 1);
}

TEST_F(QuestRoad, AClickWhereAHiddenAcceptYesWasChangesNothing) {
    player.EnterHouse(HouseKind::Castle, 0, kPlayerCharacter);
    Talk();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "quest-castle-offer");
    player.CloseHouseNote();
    EXPECT_EQ(House().talkOpen, 0);
    Accept();
    EXPECT_EQ(House().Quest(81), kQuestOffered);
    EXPECT_EQ(World().gold, 500);
    EXPECT_EQ(World().fame, 10);
}

TEST_F(QuestRoad, ThePalaceWithNothingToSayTellsOfItsGuards) {
    World().Quest(4) = kQuestSolved;
    player.EnterHouse(HouseKind::Palace, 0, kPlayerCharacter);
    Talk();
    EXPECT_EQ(House().questDisplay[kNothingToTellFlag], 1);
    ExpectMatchesGolden(HeadlessGame::backend().presented, "quest-palace-nothing");
}

}  // namespace varn
