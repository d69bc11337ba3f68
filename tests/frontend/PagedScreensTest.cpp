#include <gtest/gtest.h>

#include <array>

#include "frontend/OptionsScreen.h"
#include "frontend/PageButtons.h"
#include "frontend/QuestLogScreen.h"
#include "world/GameState.h"

namespace varn {

TEST(PageButtons, ButtonsAndKeysTurnWithinThePagesAndLeave) {
    struct Case {
        const char* name;
        int page;
        int count;
        uint8_t action;
        bool backKey;
        bool enterKey;
        int pageAfter;
        bool leave;
    };
    const Case cases[] = {
        {"next", 0, 3, kPageNext, false, false, 1, false},
        {"next on the last page stays", 2, 3, kPageNext, false, false, 2, false},
        {"previous", 2, 3, kPagePrevious, false, false, 1, false},
        {"previous on the first page stays", 0, 3, kPagePrevious, false, false, 0, false},
        {"enter turns", 1, 3, 0, false, true, 2, false},
        {"enter on the last page leaves", 2, 3, 0, false, true, 2, true},
        {"enter on a single page leaves", 0, 1, 0, false, true, 0, true},
        {"back button", 1, 3, kPageBack, false, false, 1, true},
        {"back key wins over a turn", 1, 3, kPageNext, true, false, 1, true},
        {"nothing", 1, 3, 0, false, false, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PageCursor pages{c.page, c.count};
        EXPECT_EQ(TurnPages(pages, c.action, c.backKey, c.enterKey), c.leave);
        EXPECT_EQ(pages.page, c.pageAfter);
    }
}

TEST(QuestLog, TakenQuestsComeBeforeOfferedOnesThenByNumberAndUnknownStatesAreLeftOut) {
    std::array<uint8_t, kQuestCount> states{};
    states[0] = 7;   // quest 1 solved
    states[4] = 2;   // quest 5 accepted
    states[9] = 1;   // quest 10 offered
    states[11] = 6;  // quest 12 ready for the reward
    states[19] = 4;  // quest 20 in progress
    states[29] = 3;  // never stored
    states[39] = 5;  // quest 40 goal met
    states[49] = 9;  // no quest state
    states[98] = 1;  // quest 99 offered
    states[99] = 7;  // quest 100 solved
    const std::vector<QuestLogEntry> expected = {
        {5, QuestStage::Underway},   {20, QuestStage::Underway}, {12, QuestStage::RewardDue},
        {40, QuestStage::RewardDue}, {10, QuestStage::Offered},  {99, QuestStage::Offered},
        {1, QuestStage::Solved},     {100, QuestStage::Solved},
    };
    EXPECT_EQ(QuestLogEntries(states), expected);
    EXPECT_TRUE(QuestLogEntries({}).empty());
}

TEST(QuestLog, PagesHoldFiveQuestsAndAnEmptyLogHasOnePage) {
    struct Case {
        int known;
        int pages;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{5, 1}, Case{6, 2}, Case{100, 20}}) {
        GameState world;
        for (int quest = 1; quest <= c.known; ++quest) {
            world.Quest(quest) = static_cast<uint8_t>(QuestState::Offered);
        }
        QuestLogScreen screen;
        screen.Show(world);
        EXPECT_EQ(screen.pages.count, c.pages) << c.known;
        EXPECT_EQ(screen.pages.page, 0);
        EXPECT_EQ(screen.entries.size(), static_cast<size_t>(c.known));
    }
}

TEST(OptionsScreen, EachChoiceSetsItsRowOnlyAndReportsAChange) {
    GameState world;  // on, on, average, average, average
    OptionsScreen screen;
    for (const OptionChoice& choice : kOptionChoices) {
        SCOPED_TRACE(int{choice.button});
        screen.Show(world);
        const bool differs = screen.values[choice.row] != choice.value;
        std::array<uint8_t, kOptionRowCount> expected = screen.values;
        expected[choice.row] = choice.value;
        EXPECT_EQ(screen.Choose(choice.button), differs);
        EXPECT_EQ(screen.values, expected);
        EXPECT_FALSE(screen.Choose(choice.button));  // chosen again: no change
    }
    EXPECT_FALSE(screen.Choose(0));
    EXPECT_FALSE(screen.Choose(kOptionsBack));
}

}  // namespace varn
