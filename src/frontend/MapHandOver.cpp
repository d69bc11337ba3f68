#include <algorithm>

#include "app/GameApp.h"
#include "engine/Owned.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "world/GameState.h"
#include "world/MapCells.h"

// The places where the front end meets the kingdom map.

namespace varn {

// The opening story, a successful load and a plain save end here. A game saved during a battle
// goes back into it from here once the battle state is part of the game.
void GameApp::EnterMap() {
    SwitchState(MapStateThunk, kPhaseSwitch);
}

// The portrait choice shows the player's face on the panel, making the panel when there is none.
void GameApp::ShowPortraitOnPanel() {
    CreateScreen(controlPanel, device);
    controlPanel->portrait = world->playerPortrait;
}

// A loaded game is shown afresh: the map screen is rebuilt from the loaded world at the map's
// entry, and the view gets the loaded place flags and the scroll the game was saved at.
void GameApp::PrepareMapAfterLoad() {
    FreeOwned(mapScreen);
    ReleaseMapView();
    CreateMapView(*this);
    // A damaged save's scroll is brought back within the map.
    mapView->scrollX = std::clamp(mapScrollX, kMapScrollMinX, kCentreMaxX);
    mapView->scrollY = std::clamp(mapScrollY, kMapScrollMinY, kMapScrollMaxY);
}

// The question's No goes back to where it was asked: the map, whose screen still exists.
void GameApp::ReturnFromSaveQuit() {
    saveQuitFromBattle = 0;
    SwitchState(MapStateThunk, kPhaseSwitch);
}

// The options go back to where they were opened, whose screen was kept: the battle goes on
// with phase 1, the map with phase 1 as from any screen of its panel. Until the battle state
// exists every return is to the map. The hand-over bytes are spent here: a battle that still saw
// optionsFromBattle set when it ends would keep its screen.
void GameApp::ReturnFromOptions() {
    optionsFromMap = 0;
    optionsFromBattle = 0;
    SwitchState(MapStateThunk, kPhaseSwitch);
}

void GameApp::FreeMapAndBattleScreens() {
    FreeOwned(mapScreen);
}

void GameApp::ReleaseMapView() {
    FreeOwned(mapView);
}

}  // namespace varn
