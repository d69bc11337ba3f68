#pragma once

#include <cstdint>

#include "frontend/StoryScreen.h"

namespace varn {

// The closing story of an ended game by the cause the end-of-game bytes give (surrender, peace
// treaty, victory); a won final battle counts before the others. 0 while the game goes on.
constexpr uint8_t EndingStory(const uint8_t (&endOfGame)[3]) {
    if (endOfGame[2] != 0) {
        return kStoryVictory;
    }
    if (endOfGame[0] != 0) {
        return kStorySurrender;
    }
    if (endOfGame[1] != 0) {
        return kStoryPeace;
    }
    return 0;
}

}  // namespace varn
