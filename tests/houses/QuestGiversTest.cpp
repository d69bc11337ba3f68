#include <gtest/gtest.h>

#include <optional>

#include "app/QuestGivers.h"
#include "world/GameState.h"

namespace varn {

TEST(QuestGivers, EachKindOfHouseNamesItselfAndOpensWithItsOffer) {
    struct Case {
        const char* kind;
        int quest;
        QuestGiver giver;
    };
    const Case cases[] = {
        {"village", 1, {"Kapusta Village", "Find the nearby apple tree and..."}},
        {"ninth village", 24, {"Little Village", "Can you go to the Kawa tribe..."}},
        {"town", 12, {"Cebula Town", "Attack the enemy force southwest of our town."}},
        {"castle", 81, {"Wawel Castle", "An enormous enemy camp is southwest of our..."}},
        {"palace", 4, {"Pajaca Palace", "There is a reward for getting rid..."}},
        {"temple", 9, {"Golden Temple", "Our elders lost the gate key."}},
        {"tower", 26, {"Wasteland Tower", "The tribes are restless in the wastelands."}},
        {"one-line offer", 2, {"Kapusta Village", "Attack the raiding party north of us."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(QuestGiverOf(c.quest), c.giver);
    }
}

TEST(QuestGivers, StoryQuestsHaveNoGiverAndEveryGiverHasAPlaceAndWords) {
    EXPECT_EQ(QuestGiverOf(6), std::nullopt);
    EXPECT_EQ(QuestGiverOf(77), std::nullopt);
    EXPECT_EQ(QuestGiverOf(0), std::nullopt);
    int givers = 0;
    for (int quest = 1; quest <= kQuestCount; ++quest) {
        if (const std::optional<QuestGiver> giver = QuestGiverOf(quest)) {
            ++givers;
            EXPECT_FALSE(giver->place.empty()) << quest;
            EXPECT_FALSE(giver->words.empty()) << quest;
            EXPECT_NE(giver->words.back(), ' ') << quest;
        }
    }
    // Seventeen houses of five quests each.
    EXPECT_EQ(givers, 85);
}

}  // namespace varn
