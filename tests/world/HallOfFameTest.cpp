#include <gtest/gtest.h>

#include "world/GameState.h"

namespace {

class HallOfFame : public testing::Test {
  protected:
    // Enters a score under a name made of one repeated letter, so places can be told apart.
    bool Enter(int32_t score, char letter) {
        world.finalScore = score;
        world.playerName = EncodeGlyphs(std::string(5, letter));
        world.madeHallOfFame = 0;
        world.InsertHallOfFame();
        return world.madeHallOfFame == 1;
    }

    void ExpectPlaces(std::vector<std::pair<int32_t, char>> places) {
        for (size_t place = 0; place < kHallOfFamePlaces; ++place) {
            SCOPED_TRACE(testing::Message() << "place " << place + 1);
            const bool used = place < places.size();
            EXPECT_EQ(world.hofUsed[place], used ? 1 : 0);
            if (used) {
                EXPECT_EQ(world.hofScore[place], places[place].first);
                EXPECT_EQ(world.hofName[place], EncodeGlyphs(std::string(5, places[place].second)));
            }
        }
    }

    GameState world;
};

TEST_F(HallOfFame, EmptyHallTakesAZeroScore) {
    EXPECT_TRUE(Enter(0, 'a'));
    ExpectPlaces({{0, 'a'}});
}

TEST_F(HallOfFame, EqualScoreGoesAboveTheOlderOne) {
    Enter(500, 'a');
    Enter(300, 'b');
    Enter(300, 'c');
    EXPECT_TRUE(Enter(300, 'd'));
    ExpectPlaces({{500, 'a'}, {300, 'd'}, {300, 'c'}, {300, 'b'}});
}

TEST_F(HallOfFame, LowScoreTakesTheFirstFreePlace) {
    Enter(500, 'a');
    EXPECT_TRUE(Enter(100, 'b'));
    ExpectPlaces({{500, 'a'}, {100, 'b'}});
}

class FullHallOfFame : public HallOfFame {
  protected:
    FullHallOfFame() {
        Enter(900, 'a');
        Enter(800, 'b');
        Enter(700, 'c');
        Enter(600, 'd');
        Enter(500, 'e');
    }
};

TEST_F(FullHallOfFame, EqualToTheLastPlaceReplacesIt) {
    EXPECT_TRUE(Enter(500, 'f'));
    ExpectPlaces({{900, 'a'}, {800, 'b'}, {700, 'c'}, {600, 'd'}, {500, 'f'}});
}

TEST_F(FullHallOfFame, BelowTheLastPlaceChangesNothing) {
    EXPECT_FALSE(Enter(499, 'f'));
    ExpectPlaces({{900, 'a'}, {800, 'b'}, {700, 'c'}, {600, 'd'}, {500, 'e'}});
}

TEST_F(FullHallOfFame, TopScoreDropsTheOldLastPlace) {
    EXPECT_TRUE(Enter(1000, 'f'));
    ExpectPlaces({{1000, 'f'}, {900, 'a'}, {800, 'b'}, {700, 'c'}, {600, 'd'}});
}

TEST_F(FullHallOfFame, ScoresCompareAsUnsigned) {
    // A score past the signed range is a high score, not a negative one.
    EXPECT_TRUE(Enter(INT32_MIN, 'f'));
    EXPECT_EQ(world.hofScore[0], INT32_MIN);
}

TEST_F(FullHallOfFame, MadeFlagIsNeverCleared) {
    Enter(1000, 'f');
    world.finalScore = 1;
    world.InsertHallOfFame();
    EXPECT_EQ(world.madeHallOfFame, 1);
}

}  // namespace
