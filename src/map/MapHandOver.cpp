#include <algorithm>

#include "app/GameApp.h"
#include "battle/BattleScreen.h"
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
// goes back into it: the battle rebuilds itself from its scenario and the snapshot.
void GameApp::EnterMap() {
    SwitchState(world->resumeBattle != 0 ? BattleStateThunk : MapStateThunk, kPhaseSwitch);
}

// The portrait choice shows the player's face on the panel, making the panel when there is none.
void GameApp::ShowPortraitOnPanel() {
    CreateScreen(controlPanel, device);
    controlPanel->portrait = world->playerPortrait;
}

// A loaded game is shown afresh: the map screen is rebuilt from the loaded world at the map's
// entry, and the view gets the loaded place flags and the scroll the game was saved at.
void GameApp::PrepareMapAfterLoad() {
    FreeMapAndBattleScreens();
    ReleaseMapView();
    CreateMapView(*this);
    // A damaged save's scroll is brought back within the map.
    mapView->scrollX = std::clamp(mapScrollX, kMapScrollMinX, kCentreMaxX);
    mapView->scrollY = std::clamp(mapScrollY, kMapScrollMinY, kMapScrollMaxY);
}

// The question's No goes back to where it was asked, whose screen still exists: the battle goes
// on as it was, the map likewise.
void GameApp::ReturnFromSaveQuit() {
    const bool fromBattle = saveQuitFromBattle != 0;
    saveQuitFromBattle = 0;
    SwitchState(fromBattle ? BattleStateThunk : MapStateThunk, kPhaseSwitch);
}

// The options go back to where they were opened: the battle, whose screen was kept, goes on
// with phase 1, the map with phase 1 as from any screen of its panel. The hand-over bytes are
// spent here: a battle that still saw optionsFromBattle set when it ends would keep its screen.
void GameApp::ReturnFromOptions() {
    const bool fromBattle = optionsFromBattle != 0;
    optionsFromMap = 0;
    optionsFromBattle = 0;
    SwitchState(fromBattle ? BattleStateThunk : MapStateThunk, kPhaseSwitch);
}

// A battle discarded here is over without its leave step: the save made just before keeps what
// it needs to resume it.
void GameApp::FreeMapAndBattleScreens() {
    FreeOwned(mapScreen);
    FreeOwned(battleScreen);
}

void GameApp::ReleaseMapView() {
    FreeOwned(mapView);
}

}  // namespace varn
