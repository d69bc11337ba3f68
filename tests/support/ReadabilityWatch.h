#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/StateList.h"
#include "support/HeadlessGame.h"
#include "support/Readability.h"

namespace varn {

inline std::string StateName(StateThunk state) {
#define VARN_STATE_NAME(Name)        \
    if (state == Name##StateThunk) { \
        return #Name;                \
    }
    VARN_STATES(VARN_STATE_NAME)
#undef VARN_STATE_NAME
    return "no state";
}

// The frames of a played game a person reads, checked readable: the first frame with text each
// state shows whenever it is entered (a state's first frame may still be blank), and every
// frame with a box the player reads. A fault is told once, at the first frame it is seen in.
class ReadabilityWatch {
  public:
    explicit ReadabilityWatch(HeadlessGame& game) : game_(game) {
        game.readingBox = [this] { Check(StateName(shown_) + ", a box read"); };
    }

    // After every frame: a state runs in the frame after the one that switched to it, so the
    // frame just run is the one of the state that was current before it.
    void AfterFrame() {
        const StateThunk ran = current_;
        current_ = game_.app.stateHandler;
        const platform::HeadlessBackend& backend = HeadlessGame::backend();
        if (backend.presentCount == presents_) {
            return;  // a state that draws nothing
        }
        presents_ = backend.presentCount;
        if (ran != shown_) {
            shown_ = ran;
            entering_ = true;
        }
        if (entering_ && !backend.presentedTexts.empty()) {
            entering_ = false;
            Check(StateName(ran) + " at its entry");
        }
    }

  private:
    void Check(const std::string& where) {
        const platform::HeadlessBackend& backend = HeadlessGame::backend();
        for (const std::string& fault :
             readability::Faults(backend.presented, backend.presentedTexts, where)) {
            if (told_.insert(fault).second) {
                ADD_FAILURE() << "unreadable text: " << fault;
            }
        }
    }

    HeadlessGame& game_;
    StateThunk current_ = game_.app.stateHandler;
    StateThunk shown_ = nullptr;
    bool entering_ = false;
    int presents_ = HeadlessGame::backend().presentCount;
    std::set<std::string> told_;
};

}  // namespace varn
