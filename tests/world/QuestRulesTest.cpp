#include <gtest/gtest.h>

#include <set>

#include "world/GameState.h"

namespace {

constexpr uint8_t kLocked = 0;
constexpr uint8_t kOffered = 1;
constexpr uint8_t kInProgress = 4;
constexpr uint8_t kGoalMet = 5;
constexpr uint8_t kSolved = 7;

class QuestRules : public testing::Test {
  protected:
    // A record with every quest locked, as before the first run.
    GameState world;
};

TEST_F(QuestRules, DayZeroKeepsTheDayQuestsLocked) {
    world.day = 0;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(1), kLocked);
    EXPECT_EQ(world.Quest(4), kLocked);
    for (int quest : {3, 7, 8, 9, 12, 19}) {
        EXPECT_EQ(world.Quest(quest), kOffered) << "quest " << quest;
    }
    world.day = -5;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(1), kLocked);
}

TEST_F(QuestRules, SolvedQuestOpensItsFollowerInTheSameRun) {
    world.Quest(1) = kSolved;
    world.Quest(9) = kSolved;
    world.Quest(12) = kSolved;
    world.Quest(19) = kSolved;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(2), kOffered);
    EXPECT_EQ(world.Quest(10), kOffered);
    EXPECT_EQ(world.Quest(13), kOffered);
    EXPECT_EQ(world.Quest(20), kOffered);
}

TEST_F(QuestRules, ChainOpensOnlyAsFarAsTheRulesOrderAllows) {
    // Quest 5 is tested before 3 and 4 open, and 11 only sees 5 once it is solved.
    world.Quest(2) = kSolved;
    world.Quest(3) = kGoalMet;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(5), kOffered);
    EXPECT_EQ(world.Quest(11), kLocked);
    world.Quest(5) = kSolved;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(11), kOffered);
}

TEST_F(QuestRules, QuestFiveWaitsForQuestThreeOrFourPastProgress) {
    world.Quest(2) = kSolved;
    world.Quest(3) = kInProgress;
    world.Quest(4) = kInProgress;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(5), kLocked);
    world.Quest(4) = kGoalMet;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(5), kOffered);
}

TEST_F(QuestRules, NeverChangesAQuestAlreadyOpened) {
    world.Quest(1) = 2;
    world.Quest(3) = kGoalMet;
    world.Quest(7) = kSolved;
    world.Quest(50) = 6;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(1), 2);
    EXPECT_EQ(world.Quest(3), kGoalMet);
    EXPECT_EQ(world.Quest(7), kSolved);
    EXPECT_EQ(world.Quest(50), 6);
}

TEST_F(QuestRules, SecondRunChangesNothing) {
    world.Quest(1) = kSolved;
    world.UpdateQuests();
    const auto afterFirst = world.questState;
    world.UpdateQuests();
    EXPECT_EQ(world.questState, afterFirst);
}

TEST_F(QuestRules, QuestsNoRuleNamesStayLocked) {
    for (int quest = 1; quest <= kQuestCount; ++quest) {
        world.Quest(quest) = kLocked;
    }
    for (int quest : {1, 2, 5, 9, 12, 19}) {
        world.Quest(quest) = kSolved;
    }
    world.UpdateQuests();
    const std::set<int> named = {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 19, 20};
    for (int quest = 1; quest <= kQuestCount; ++quest) {
        if (named.count(quest) == 0) {
            EXPECT_EQ(world.Quest(quest), kLocked) << "quest " << quest;
        }
    }
}

}  // namespace
