#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "houses/HouseQuests.h"
#include "houses/QuestEngine.h"
#include "houses/QuestHouses.h"
#include "world/GameState.h"

using namespace varn;

namespace {

std::vector<int> SetFlags(const HouseScreen& screen) {
    std::vector<int> flags;
    for (int f = 0; f < kQuestDisplayCount; ++f) {
        if (screen.questDisplay[static_cast<size_t>(f)] != 0) {
            flags.push_back(f);
        }
    }
    return flags;
}

int Flag(const ChainQuest& link, QuestMoment moment) {
    return DisplayFlag(link, moment);
}

TEST(QuestChains, EveryQuestBelongsToOneHouseAndEachChainFillsItsFiveSlots) {
    std::set<int> quests;
    for (const QuestHouse& house : AllQuestHouses()) {
        SCOPED_TRACE(Describe(house));
        const QuestChain& chain = *ChainOf(house.kind, house.number);
        std::set<int> slots;
        for (const ChainQuest& link : chain) {
            EXPECT_TRUE(quests.insert(link.quest).second) << "quest " << int(link.quest);
            slots.insert(link.slot);
            EXPECT_GT(link.giftGold, 0);
            EXPECT_GT(link.rewardGold, link.giftGold);
        }
        EXPECT_EQ(slots, (std::set<int>{0, 1, 2, 3, 4}));
    }
    EXPECT_EQ(quests.size(), 85u);
    EXPECT_EQ(ChainOf(HouseKind::Village, 0), nullptr);
    EXPECT_EQ(ChainOf(HouseKind::Village, 10), nullptr);
    EXPECT_EQ(ChainOf(HouseKind::Town, 5), nullptr);
}

TEST(QuestChains, JoiningQuestsAreThoseTalkLooksFor) {
    const int villages[] = {5, 29, 28, 48, 73, 49, 62, 65, 0};
    for (int n = 1; n <= kVillageCount; ++n) {
        EXPECT_EQ(JoiningQuest(*ChainOf(HouseKind::Village, n)), villages[n - 1]) << n;
    }
    const int towns[] = {13, 3, 38, 46};
    for (int n = 1; n <= kTownCount; ++n) {
        EXPECT_EQ(JoiningQuest(*ChainOf(HouseKind::Town, n)), towns[n - 1]) << n;
    }
    for (HouseKind kind :
         {HouseKind::Castle, HouseKind::Palace, HouseKind::Temple, HouseKind::Tower}) {
        EXPECT_EQ(JoiningQuest(*ChainOf(kind, 0)), 0);
    }
}

// Every quest of every chain, in chain order: offered, accepted with its gift set up, in
// progress once the gift was shown, goal met, ready, rewarded at Talk, and its successor
// offered by the next run.
TEST(QuestProgress, EveryQuestLivesFromLockedToSolvedWithItsOwnGiftAndReward) {
    for (const QuestHouse& house : AllQuestHouses()) {
        SCOPED_TRACE(Describe(house));
        auto screen = MakeHouseScreen(house);
        PrepareWorldFor(house, *screen);
        const QuestChain& chain = *ChainOf(*screen);
        for (const ChainQuest& link : chain) {
            SCOPED_TRACE(int(link.quest));
            if (link.when == OpenWhen::Solved) {
                screen->Quest(link.after) = kQuestSolved;
            }
            screen->talkOpen = 0;
            screen->giftShown = 0;
            screen->rewardItemFlag.fill(0);
            RunQuestProgress(*screen, chain);
            ASSERT_EQ(screen->Quest(link.quest), kQuestOffered);
            EXPECT_EQ(screen->offeredQuest, link.quest);
            EXPECT_EQ(SetFlags(*screen), std::vector<int>{Flag(link, QuestMoment::Offer)});
            EXPECT_EQ(screen->displayCount, 1);
            if (link.giftItem != kNoItem) {
                EXPECT_EQ(screen->rewardItemFlag[link.giftItem - 1], 1);
            }

            screen->Quest(link.quest) = kQuestAccepted;
            RunQuestProgress(*screen, chain);
            EXPECT_EQ(screen->Quest(link.quest), kQuestAccepted);
            EXPECT_EQ(SetFlags(*screen), std::vector<int>{Flag(link, QuestMoment::Gift)});

            screen->giftShown = 1;
            RunQuestProgress(*screen, chain);
            EXPECT_EQ(screen->Quest(link.quest), kQuestInProgress);
            EXPECT_EQ(SetFlags(*screen), std::vector<int>{Flag(link, QuestMoment::Reminder)});

            // Met outside the house: the next run makes it ready and has nothing to tell.
            screen->Quest(link.quest) = kQuestGoalMet;
            RunQuestProgress(*screen, chain);
            EXPECT_EQ(screen->Quest(link.quest), kQuestRewardReady);
            EXPECT_EQ(SetFlags(*screen), std::vector<int>{kNothingToTellFlag});
            EXPECT_EQ(screen->displayCount, 0);
            EXPECT_EQ(screen->rewardPending, 0);

            screen->talkOpen = 1;
            RunQuestProgress(*screen, chain);
            EXPECT_EQ(screen->Quest(link.quest), kQuestSolved);
            EXPECT_EQ(SetFlags(*screen), std::vector<int>{Flag(link, QuestMoment::Reward)});
            EXPECT_EQ(screen->rewardPending, 1);
            if (link.rewardItem != kNoItem) {
                EXPECT_EQ(screen->rewardItemFlag[link.rewardItem - 1], 1);
            }
            screen->rewardPending = 0;
        }
        // The whole chain solved: nothing more to tell, whoever asks.
        screen->talkOpen = 1;
        RunQuestProgress(*screen, chain);
        EXPECT_EQ(SetFlags(*screen), std::vector<int>{kNothingToTellFlag});
    }
}

TEST(QuestProgress, FirstQuestsOpenByTheirHousesOwnRules) {
    for (const QuestHouse& house : AllQuestHouses()) {
        SCOPED_TRACE(Describe(house));
        auto screen = MakeHouseScreen(house);
        RunQuestUpdaters(*screen);
        const ChainQuest& first = (*ChainOf(*screen))[0];
        const bool byWorld = first.when == OpenWhen::ByWorld;
        EXPECT_EQ(screen->Quest(first.quest), byWorld ? kQuestLocked : kQuestOffered);
        // Only the house's own first quest moved.
        EXPECT_EQ(std::count(screen->questState.begin(), screen->questState.end(), kQuestLocked),
                  byWorld ? kQuestCount : kQuestCount - 1);
        EXPECT_EQ(screen->questDisplay[kNothingToTellFlag], byWorld ? 1 : 0);
    }
}

TEST(QuestProgress, VillageOneWaitsForTheDayAndForHelpFromTownTwoOrThePalace) {
    VillageScreen village;
    village.houseNumber = 1;
    village.day = 0;
    village.UpdateQuestsVillage1();
    EXPECT_EQ(village.Quest(1), kQuestLocked);
    village.day = 1;
    village.UpdateQuestsVillage1();
    EXPECT_EQ(village.Quest(1), kQuestOffered);
    // Quest 2 solved, quests 3 and 4 still below their goals: nothing to show.
    village.Quest(1) = kQuestSolved;
    village.Quest(2) = kQuestSolved;
    village.Quest(3) = kQuestInProgress;
    village.Quest(4) = kQuestOffered;
    village.UpdateQuestsVillage1();
    EXPECT_EQ(village.Quest(5), kQuestLocked);
    EXPECT_EQ(SetFlags(village), std::vector<int>{kNothingToTellFlag});
    village.Quest(4) = kQuestGoalMet;
    village.UpdateQuestsVillage1();
    EXPECT_EQ(village.Quest(5), kQuestOffered);
    // Its own slot order: quest 5 shows in slot 1.
    EXPECT_EQ(SetFlags(village), std::vector<int>{4});
}

TEST(QuestProgress, ThePalaceOffersQuestSeventyOnceQuestSixIsSolvedWhateverQuestFour) {
    PalaceScreen palace;
    palace.UpdateQuests();
    EXPECT_EQ(palace.Quest(4), kQuestLocked);
    EXPECT_EQ(palace.Quest(70), kQuestLocked);
    palace.Quest(4) = kQuestOffered;
    palace.Quest(6) = kQuestSolved;
    palace.UpdateQuests();
    EXPECT_EQ(palace.Quest(70), kQuestOffered);
    EXPECT_EQ(SetFlags(palace), (std::vector<int>{0, 4}));
    // Yes takes the later quest in chain order.
    EXPECT_EQ(palace.offeredQuest, 70);
}

// With quest 6 solved the palace offers 4 and 70 together; after 70's gift was shown in this
// visit, accepting 4 must still set up 4's own gift.
TEST(QuestProgress, ASecondAcceptanceInOneVisitStillGetsItsGift) {
    PalaceScreen palace;
    palace.Quest(4) = kQuestOffered;
    palace.Quest(6) = kQuestSolved;
    palace.talkOpen = 1;
    palace.UpdateQuests();
    ASSERT_EQ(palace.offeredQuest, 70);
    palace.Quest(70) = kQuestAccepted;
    palace.talkOpen = 0;
    palace.UpdateQuests();
    EXPECT_EQ(SetFlags(palace), (std::vector<int>{0, 5}));
    palace.giftShown = 1;
    palace.talkOpen = 1;
    palace.UpdateQuests();
    EXPECT_EQ(palace.Quest(70), kQuestInProgress);
    EXPECT_EQ(palace.offeredQuest, 4);
    palace.Quest(4) = kQuestAccepted;
    palace.talkOpen = 0;
    palace.UpdateQuests();
    EXPECT_EQ(palace.Quest(4), kQuestAccepted);
    EXPECT_EQ(SetFlags(palace), (std::vector<int>{1, 6}));
    // Its note shown in turn, the next run moves it on.
    palace.UpdateQuests();
    EXPECT_EQ(palace.Quest(4), kQuestInProgress);
}

TEST(QuestProgress, AQuestSolvedAtTalkOpensItsSuccessorOnlyAtTheNextRun) {
    TownScreen town;
    town.houseNumber = 1;
    town.Quest(12) = kQuestRewardReady;
    town.talkOpen = 1;
    town.UpdateQuestsTown1();
    EXPECT_EQ(town.Quest(12), kQuestSolved);
    EXPECT_EQ(town.Quest(13), kQuestLocked);
    town.UpdateQuestsTown1();
    EXPECT_EQ(town.Quest(13), kQuestOffered);
}

TEST(QuestProgress, AnOfferOnlyFlagsItsPictureAndLeavesThePaymentFieldsAlone) {
    TempleScreen temple;
    temple.itemIndex = 200;
    temple.UpdateQuests();
    EXPECT_EQ(temple.Quest(9), kQuestOffered);
    EXPECT_EQ(temple.itemIndex, 200);
    EXPECT_EQ(temple.rewardItemFlag[110 - 1], 1);
    temple.Quest(9) = kQuestAccepted;
    temple.UpdateQuests();
    EXPECT_EQ(temple.goldPending, 0);
    EXPECT_EQ(temple.itemPending, 0);
}

TEST(QuestUpdaters, ARunForAnotherHouseChangesNothing) {
    VillageScreen village;
    village.houseNumber = 4;
    village.questDisplay[7] = 1;
    village.Quest(52) = kQuestGoalMet;
    const auto states = village.questState;
    const auto display = village.questDisplay;
    village.UpdateQuestsVillage1();
    village.UpdateQuestsVillage5();
    village.UpdateQuestsVillage9();
    EXPECT_EQ(village.questState, states);
    EXPECT_EQ(village.questDisplay, display);

    TownScreen town;
    town.houseNumber = 3;
    town.questDisplay[7] = 1;
    town.UpdateQuestsTown1();
    town.UpdateQuestsTown4();
    EXPECT_EQ(town.questDisplay[7], 1);
    EXPECT_EQ(town.Quest(12), kQuestLocked);
    EXPECT_EQ(town.Quest(7), kQuestLocked);
    // All four in order: only town 3's chain moves.
    RunQuestUpdaters(town);
    EXPECT_EQ(town.Quest(8), kQuestOffered);
    EXPECT_EQ(std::count(town.questState.begin(), town.questState.end(), kQuestOffered), 1);
}

TEST(QuestUpdaters, AHouseNumberNamingNoPlaceChangesNothing) {
    VillageScreen village;
    village.houseNumber = 0;
    RunQuestUpdaters(village);
    TownScreen town;
    town.houseNumber = 7;
    RunQuestUpdaters(town);
    EXPECT_EQ(std::count(village.questState.begin(), village.questState.end(), kQuestLocked),
              kQuestCount);
    EXPECT_EQ(std::count(town.questState.begin(), town.questState.end(), kQuestLocked),
              kQuestCount);
}

TEST(Joining, EachJoiningQuestReadyOrClosedJoinsItsPlaceFromAnyHouseOfItsKindOnly) {
    for (HouseKind kind : {HouseKind::Village, HouseKind::Town}) {
        const int places = kind == HouseKind::Village ? kVillageCount : kTownCount;
        for (int place = 1; place <= places; ++place) {
            const uint8_t quest = JoiningQuest(*ChainOf(kind, place));
            if (quest == 0) {
                continue;
            }
            for (uint8_t state : {kQuestRewardReady, kQuestSolved, kQuestGoalMet}) {
                for (const QuestHouse& visited : AllQuestHouses()) {
                    SCOPED_TRACE(Describe(visited) + " quest " + std::to_string(quest) + " state " +
                                 std::to_string(state));
                    auto screen = MakeHouseScreen(visited);
                    screen->Quest(quest) = state;
                    GameState world;
                    JoinPlacesOnTalk(*screen, world);
                    const bool joins = visited.kind == kind && state != kQuestGoalMet;
                    std::array<uint8_t, kPlaceListSize> villages{};
                    std::array<uint8_t, kPlaceListSize> towns{};
                    if (joins) {
                        (kind == HouseKind::Village ? villages[place - 1] : towns[place]) = 1;
                    }
                    EXPECT_EQ(world.villageJoined, villages);
                    EXPECT_EQ(world.townOwned, towns);
                }
            }
        }
    }
}

TEST(Joining, VillageNineNeverJoins) {
    VillageScreen village;
    village.houseNumber = 9;
    for (const ChainQuest& link : *ChainOf(HouseKind::Village, 9)) {
        village.Quest(link.quest) = kQuestRewardReady;
    }
    GameState world;
    JoinPlacesOnTalk(village, world);
    EXPECT_EQ(world.villageJoined, (std::array<uint8_t, kPlaceListSize>{}));
}

TEST(Joining, QuestTwentyNinePastItsGoalJoinsVillageTwoInEveryVillageAndNoTown) {
    for (uint8_t state : {kQuestGoalMet, kQuestRewardReady, kQuestSolved}) {
        VillageScreen village;
        village.houseNumber = 7;
        village.Quest(29) = state;
        TownScreen town;
        town.houseNumber = 2;
        town.Quest(29) = state;
        GameState world;
        ApplyVillage2JoinRule(town, world);
        EXPECT_EQ(world.VillageJoined(2), 0);
        ApplyVillage2JoinRule(village, world);
        EXPECT_EQ(world.VillageJoined(2), state > kQuestGoalMet ? 1 : 0) << int(state);
    }
}

}  // namespace
