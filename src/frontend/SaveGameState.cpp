#include <span>
#include <string>

#include "app/GameApp.h"
#include "engine/DataBlob.h"
#include "frontend/GameEnd.h"
#include "frontend/SaveFiles.h"
#include "world/GameState.h"
#include "world/SaveImage.h"

namespace varn {

namespace {

// The world and the map's scroll as one image in the running game's slot; false when the slot
// is not one of the five or the file could not be written (the old file is then intact).
bool WriteSaveFile(DataBlob& blob, const GameState& world, int32_t scrollX, int32_t scrollY) {
    if (!IsSaveSlot(world.saveSlot) || blob.Alloc(kSaveImageSize) == nullptr) {
        return false;
    }
    std::span<uint8_t, kSaveImageSize> image(blob.data, kSaveImageSize);
    WriteSaveImage(world, scrollX, scrollY, image);
    const bool written = blob.SaveToFile(SaveSlotPath(world.saveSlot).c_str()) != 0;
    blob.Free();
    return written;
}

}  // namespace

// Draws nothing: writes the running game into its slot and goes on in the same frame.
void GameApp::RunSaveGameState() {
    const uint8_t endingStory = EndingStory(endOfGame);
    if (endingStory != 0) {
        world->storyMode = endingStory;
    }
    if (!saveBlob) {
        saveBlob = std::make_unique<DataBlob>();
    }
    notice.clear();
    RemoveLeftoverSaveTemporaries();
    const bool saved = WriteSaveFile(*saveBlob, *world, mapScrollX, mapScrollY);
    if (!saved) {
        notice = "The game could not be saved in slot " + std::to_string(world->saveSlot) + ".";
    }
    if (endingStory != 0) {
        // An ended game goes on to its score whether or not the save could be kept.
        ReleaseMapView();
        SwitchState(RecordScoreStateThunk, kPhaseSwitch);
    } else if (saveAndQuit != 0 && saved) {
        ReleaseMapView();
        SwitchState(MainMenuStateThunk, kPhaseAfterSaveQuit);
    } else if (saveAndQuit != 0) {
        // Nothing is lost: the question comes back with the notice, to try again or play on.
        saveAndQuit = 0;
        SwitchState(SaveQuitStateThunk, kPhaseSwitch);
    } else {
        EnterMap();
    }
}

}  // namespace varn
