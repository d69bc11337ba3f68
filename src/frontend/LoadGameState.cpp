#include <span>
#include <string>

#include "app/GameApp.h"
#include "engine/DataBlob.h"
#include "frontend/SaveFiles.h"
#include "frontend/StoryScreen.h"
#include "world/GameState.h"
#include "world/ImageSlots.h"
#include "world/SaveImage.h"

namespace varn {

// Draws nothing: takes the game the load screen read into the world and goes on in the same
// frame. Only a whole, valid image is taken; anything else leaves the running world as it was.
void GameApp::RunLoadGameState() {
    const bool loaded = loadBlob && TakeSavedGame(*loadBlob, *world);
    if (!loaded) {
        if (loadBlob) {
            loadBlob->Free();
        }
        notice = "The game in slot " + std::to_string(loadSlot) + " could not be loaded.";
        SwitchState(MainMenuStateThunk, kPhaseSwitch);
        return;
    }
    const std::span<const uint8_t> image(loadBlob->data, loadBlob->size);
    mapScrollX = static_cast<int32_t>(ReadImageSlot(image, kSaveScrollXOffset));
    mapScrollY = static_cast<int32_t>(ReadImageSlot(image, kSaveScrollYOffset));
    loadBlob->Free();
    // The game goes back where it came from, whatever slot its image names: a copied file must
    // not save over the game of another slot.
    world->saveSlot = loadSlot;
    world->imageLoaded = 1;
    ResetHandOverBytes();
    if (world->musicOn != 0) {
        RestartTrack();
    }
    PrepareMapAfterLoad();
    if (StoryPage(world->storyMode) != kStoryOpening) {
        // Saved at the end of a game: only its closing story is left to tell.
        ReleaseMapView();
        SwitchState(StoryStateThunk, kPhaseSwitch);
        return;
    }
    if (world->resumeBattle != 0) {
        world->inBattle = 0;
    }
    EnterMap();
}

}  // namespace varn
