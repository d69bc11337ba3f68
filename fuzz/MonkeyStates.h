#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "app/StateList.h"
#include "app/StateThunks.h"

namespace varn::monkey {

// Which states the monkey reached: with VARN_MONKEY_STATES set, each state is named the first
// time an input reaches it, and the inputs that reached each are listed when the run ends.
class StateTally {
  public:
    static StateTally& Get() {
        static StateTally tally;
        return tally;
    }

    // Called after every frame with the state it left the game in.
    void Saw(StateThunk state) {
        for (size_t k = 0; k < kStates.size(); ++k) {
            if (kStates[k].thunk == state && seenThisInput_[k] == 0) {
                seenThisInput_[k] = 1;
                if (inputs_[k]++ == 0 && enabled_) {
                    std::fprintf(stderr, "MONKEY first reached %s after %zu inputs\n",
                                 kStates[k].name, inputCount_);
                }
            }
        }
    }
    void NextInput() {
        seenThisInput_.fill(0);
        ++inputCount_;
    }

  private:
    struct NamedState {
        StateThunk thunk;
        const char* name;
    };
#define VARN_NAMED_STATE(Name) NamedState{Name##StateThunk, #Name},
    static constexpr std::array kStates = {VARN_STATES(VARN_NAMED_STATE)};
#undef VARN_NAMED_STATE

    StateTally() : enabled_(std::getenv("VARN_MONKEY_STATES") != nullptr) {
        if (enabled_) {
            std::atexit([] { Get().Print(); });
        }
    }

    void Print() const {
        std::fprintf(stderr, "MONKEY states reached, by inputs that reached them, of %zu:\n",
                     inputCount_);
        for (size_t k = 0; k < kStates.size(); ++k) {
            std::fprintf(stderr, "  %-12s %zu\n", kStates[k].name, inputs_[k]);
        }
    }

    bool enabled_;
    size_t inputCount_ = 0;
    std::array<size_t, kStates.size()> inputs_{};
    std::array<uint8_t, kStates.size()> seenThisInput_{};
};

}  // namespace varn::monkey
