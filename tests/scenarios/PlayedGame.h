#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/StateList.h"
#include "frontend/HallOfFameScreen.h"
#include "map/ControlPanel.h"
#include "scenarios/PreparedWorlds.h"
#include "support/BattlePlayer.h"
#include "support/InputTape.h"
#include "support/ReadabilityWatch.h"
#include "support/ReplayCheck.h"
#include "support/TestPlayer.h"
#include "support/WorldSound.h"

namespace varn {

// A long played game, from a new game or a prepared world: the test player on the front end and
// the map, the battle player on the field, the input recorded, the world's invariants checked
// after every frame. The clock moves 100 ms a frame, so walks and turns take few frames.
class PlayedGame {
  public:
    static constexpr uint32_t kClockStep = 100;

    // A game the player starts from the main menu.
    explicit PlayedGame(const std::string& name) : name_(name) {
        game.afterFrame = [this] {
            ++frames_;
            ExpectWorldSound(game.app, "frame " + std::to_string(frames_));
            entered_.insert(game.app.stateHandler);
            readability_.AfterFrame();
        };
        player.SetClockStep(kClockStep);
    }
    // A game loaded from the prepared world, which is put into a save slot first.
    PlayedGame(const GameState& prepared, const std::string& name, int slot) : PlayedGame(name) {
        slot_ = slot;
        EXPECT_TRUE(InstallPreparedWorld(prepared, name, slot));
    }

    GameApp& App() { return game.app; }
    GameState& World() { return *game.app.world; }
    MapScreen& Map() { return *game.app.mapScreen; }
    bool In(StateThunk state) const { return player.In(state); }

    // The states the game has run, by their names in the state list's order. A state runs in
    // the frame after the one that switched to it, so each is seen as the current state between
    // two frames, the ones that draw nothing too.
    std::vector<std::string> StatesEntered() const {
        std::vector<std::string> names;
#define VARN_ENTERED_STATE(Name)                 \
    if (entered_.count(Name##StateThunk) != 0) { \
        names.emplace_back(#Name);               \
    }
        VARN_STATES(VARN_ENTERED_STATE)
#undef VARN_ENTERED_STATE
        return names;
    }

    // The prepared world taken from the main menu's load screen; the Day box put away.
    void LoadPreparedWorld() {
        player.Frame();
        player.LoadGame(static_cast<uint8_t>(slot_));
        player.Frame();
        PutAwayTheDayBox();
    }
    void PutAwayTheDayBox() {
        if (In(MapStateThunk) && App().mapDrawFlag != 0) {
            player.Read();
            player.PressKey(kKeyReturn);
        }
    }

    // The party selected, the view brought over the map cell at (x, y), a click on it and
    // Enter: the path stops beside an army there, or goes into a place. True once a battle has
    // begun; its first frame has run.
    bool MarchOn(int32_t x, int32_t y) {
        player.ScrollMapTo(Map().walkX, Map().walkY);
        player.ClickCell(Map().walkX, Map().walkY);
        player.ScrollMapTo(x, y);
        player.ClickCell(x, y);
        player.PressKey(kKeyReturn);
        const bool started = player.RunUntil([this] { return battle.InBattle(); }, 300);
        player.Frame();
        return started && App().battleScreen;
    }
    bool AttackArmy(int army) {
        return MarchOn(Map().armyX[army], Map().armyY[army]);
    }

    // The day ended and its enemy phase watched; the Day box put away with Enter.
    void EndDay() {
        player.EndDay();
        PutAwayTheDayBox();
    }

    // The closing story read into the hall of fame, which shows one place: the ended game's,
    // under the player's name and with the score.
    testing::AssertionResult HallOfFameShowsOnly(const GlyphString& name, int32_t score) {
        player.ReadStoryToItsEnd();
        player.Frame();
        if (!In(HallOfFameStateThunk) || !App().hallOfFameScreen) {
            return testing::AssertionFailure() << "the hall of fame does not show";
        }
        const HallOfFameScreen& hall = *App().hallOfFameScreen;
        const auto places = std::count(hall.used.begin(), hall.used.end(), 1);
        if (places != 1 || hall.used[0] != 1) {
            return testing::AssertionFailure() << places << " places in use";
        }
        if (hall.name[0] != name) {
            return testing::AssertionFailure() << "the place has another name";
        }
        if (hall.score[0] != score) {
            return testing::AssertionFailure() << "score " << hall.score[0] << ", not " << score;
        }
        return testing::AssertionSuccess();
    }

    // The recorded input, replayed in a fresh game (holding the same prepared world, where the
    // game loaded one), ends in the committed world. The replay's frames are the played ones, whose
    // invariants were checked as they were played: only its end is compared.
    void ExpectReplayEndsInTheCommittedWorld() {
        ExpectReplayMatches(name_, recorder, [](GameApp&) {});
    }
    void ExpectReplayEndsInTheCommittedWorld(const GameState& prepared) {
        ExpectReplayMatches(
            name_, recorder, [](GameApp&) {},
            [&] { EXPECT_TRUE(InstallPreparedWorld(prepared, name_, slot_)); });
    }

    HeadlessGame game;
    TestPlayer player{game};
    BattlePlayer battle{game};
    GameRecorder recorder{game};

  private:
    std::string name_;
    int slot_ = 0;
    std::set<StateThunk> entered_;
    int frames_ = 0;
    ReadabilityWatch readability_{game};
};

}  // namespace varn
