#include <gtest/gtest.h>

#include "characters/ArmyPanel.h"

namespace varn {

namespace {

ArmyRecord OneArmy(uint8_t alive, uint8_t light, uint8_t serious, uint8_t critical) {
    ArmyRecord army;
    army.present[0] = 1;
    army.alive[0] = alive;
    army.light[0] = light;
    army.serious[0] = serious;
    army.critical[0] = critical;
    return army;
}

}  // namespace

TEST(ArmyPanel, EachWoundedManIsCountedOnceAndNoneOfTheFallen) {
    // Rows of "at least" counts: a man with a critical wound is also in the serious and light rows.
    EXPECT_EQ(MenWounded(OneArmy(8, 8, 8, 8), 0), 8);
    EXPECT_EQ(MenWounded(OneArmy(19, 5, 3, 1), 0), 5);
    EXPECT_EQ(MenWounded(OneArmy(10, 0, 0, 0), 0), 0);
    // A lost battle downs the last man and leaves the rows as they were.
    EXPECT_EQ(MenWounded(OneArmy(0, 8, 8, 8), 0), 0);
    EXPECT_EQ(MenWounded(OneArmy(3, 19, 19, 12), 0), 3);
}

}  // namespace varn
