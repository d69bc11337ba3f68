#include <cstdint>
#include <span>

#include "app/GameApp.h"
#include "engine/DataBlob.h"
#include "frontend/GameEnd.h"
#include "frontend/SaveFiles.h"
#include "world/Counters.h"
#include "world/GameState.h"
#include "world/HallOfFameImage.h"

namespace varn {

namespace {

constexpr int32_t kEndingFame = 100;

}  // namespace

// Draws nothing: enters the ended game's score into the hall of fame and goes on to the closing
// story in the same frame.
void GameApp::RunRecordScoreState() {
    if (!loadBlob) {
        loadBlob = std::make_unique<DataBlob>();
    }
    // The places stored so far, so that the new score goes in among them rather than over them.
    LoadHallOfFame(*loadBlob, *world);
    const uint8_t ending = EndingStory(endOfGame);
    if (ending == kStorySurrender) {
        world->fame = AddToCounter(world->fame, -kEndingFame);
    } else if (ending == kStoryVictory) {
        world->fame = AddToCounter(world->fame, kEndingFame);
    }
    world->finalScore = world->fame;
    world->InsertHallOfFame();

    if (!saveBlob) {
        saveBlob = std::make_unique<DataBlob>();
    }
    bool written = false;
    if (saveBlob->Alloc(kHallOfFameImageSize) != nullptr) {
        WriteHallOfFameImage(
            *world, std::span<uint8_t, kHallOfFameImageSize>(saveBlob->data, kHallOfFameImageSize));
        written = saveBlob->SaveToFile(kHallOfFamePath) != 0;
        saveBlob->Free();
    }
    if (!written) {
        notice = "The hall of fame could not be written.";
    }
    ReleaseMapView();
    FreeMapAndBattleScreens();
    SwitchState(StoryStateThunk, kPhaseSwitch);
}

}  // namespace varn
