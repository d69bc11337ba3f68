#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/GameApp.h"
#include "checks/WorldInvariants.h"
#include "support/HeadlessGame.h"
#include "world/GameState.h"
#include "world/SaveRanges.h"

namespace varn {
namespace {

std::vector<std::string> RecordViolations(const GameState& world) {
    std::vector<std::string> violations;
    AddRecordViolations(world, 0, 0, violations);
    return violations;
}

bool Mentions(const std::vector<std::string>& violations, const std::string& words) {
    for (const std::string& violation : violations) {
        if (violation.find(words) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(WorldInvariantsTest, ANewGameIsSound) {
    GameState world;
    RunNewGameSetUp(world);
    EXPECT_EQ(RecordViolations(world), std::vector<std::string>{});

    HeadlessGame game;
    game.RunFrames(2);
    EXPECT_EQ(WorldInvariantViolations(game.app), std::vector<std::string>{});
}

// The party's own rules have their test beside them (world/PartyRules.h); here the record's
// ranges and the round trip, and that the party's faults are among the record's.
TEST(WorldInvariantsTest, EachFaultOfTheRecordIsFlagged) {
    GameState sound;
    RunNewGameSetUp(sound);
    struct Fault {
        const char* name;
        std::function<void(GameState&)> spoil;
        std::string flagged;
    };
    const Fault faults[] = {
        {"an owned flag without the item", [](GameState& w) { w.heroItems[0].owned[199] = 1; },
         "character 2 item 200 owned flag 1 though not held"},
        {"gold below nothing", [](GameState& w) { w.gold = -1; }, "holds -1, outside 0.."},
        {"fame past the ceiling", [](GameState& w) { w.fame = kSavedValueCeiling + 1; },
         "outside 0..100000000"},
        {"a quest state never stored", [](GameState& w) { w.Quest(4) = 3; }, "holds 3"},
        {"health past the ceiling",
         [](GameState& w) { w.heroStats[2].health = kSavedValueCeiling + 5; }, "holds 100000005"},
        {"a meeting with no character", [](GameState& w) { w.meetingFirst = 40; }, "holds 40"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        GameState world = sound;
        fault.spoil(world);
        const std::vector<std::string> violations = RecordViolations(world);
        EXPECT_TRUE(Mentions(violations, fault.flagged)) << ::testing::PrintToString(violations);
    }
    // A value out of range, or a broken rule of the party, is also what the load refuses.
    GameState poor = sound;
    poor.gold = -1;
    EXPECT_TRUE(Mentions(RecordViolations(poor), "the load refuses a save of the record"));
    GameState flagged = sound;
    flagged.heroItems[0].owned[199] = 1;
    EXPECT_TRUE(Mentions(RecordViolations(flagged), "the load refuses a save of the record"));
}

TEST(WorldInvariantsTest, TheStateAndTheHandOverBytesAreChecked) {
    HeadlessGame game;
    game.RunFrames(1);
    GameApp& app = game.app;
    const StateThunk state = app.stateHandler;
    app.stateHandler = nullptr;
    app.currentHero = 50;
    app.battleResult[2] = 11;
    const std::vector<std::string> violations = WorldInvariantViolations(app);
    EXPECT_TRUE(Mentions(violations, "none of the state list"));
    EXPECT_TRUE(Mentions(violations, "currentHero holds 50"));
    EXPECT_TRUE(Mentions(violations, "battleResult[2] holds 11"));
    app.stateHandler = state;
}

}  // namespace
}  // namespace varn
