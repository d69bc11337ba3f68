#include "world/GameState.h"

namespace varn {

// Enters a finished game's score into the five places, highest first; a score equal to an older
// one goes above it.

void GameState::InsertHallOfFame() {
    // The first free place is the lowest the entry can take; with none free the entry may take
    // any place and pushes the old last place out.
    int lowestPlace = kHallOfFamePlaces - 1;
    bool placeWasFree = false;
    for (int place = 0; place < kHallOfFamePlaces; ++place) {
        if (hofUsed[place] == 0) {
            hofUsed[place] = 1;
            lowestPlace = place;
            placeWasFree = true;
            break;
        }
    }
    const int placesToBeat = placeWasFree ? lowestPlace : kHallOfFamePlaces;
    const auto score = static_cast<uint32_t>(finalScore);
    int target = placeWasFree ? lowestPlace : -1;
    for (int place = 0; place < placesToBeat; ++place) {
        if (static_cast<uint32_t>(hofScore[place]) <= score) {
            target = place;
            break;
        }
    }
    if (target < 0) {
        return;
    }
    for (int place = lowestPlace; place > target; --place) {
        hofScore[place] = hofScore[place - 1];
        hofName[place] = hofName[place - 1];
    }
    hofScore[target] = finalScore;
    hofName[target] = playerName;
    madeHallOfFame = 1;
}

}  // namespace varn
