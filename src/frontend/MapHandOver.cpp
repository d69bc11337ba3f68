#include "app/GameApp.h"
#include "world/GameState.h"

// The places where the front end meets the kingdom map. The map state, the map view, the control
// panel and the battle are not part of the game yet; each function below says what it does until
// they are, and is the one place that changes when they arrive.

namespace varn {

// The opening story and a successful load end here. Until the map state exists the road ends at
// the main menu, which discards the game as a save-and-quit would, so that the menu always
// starts from a fresh world. A loaded world with resumeBattle set goes on to the battle instead.
void GameApp::EnterMap() {
    SwitchState(MainMenuStateThunk, kPhaseAfterSaveQuit);
}

// The portrait choice creates the control panel when there is none and shows
// world->playerPortrait on it. Without a panel the choice lives in the world alone.
void GameApp::ShowPortraitOnPanel() {}

// A load creates the panel when there is none; when there is no map view it shows the portrait
// on the panel, brings the quests up to date, creates the map view, gives it the world's
// battleTrigger and scrolls it to mapScrollX / mapScrollY. Without either, only the quests are
// brought up to date.
void GameApp::PrepareMapAfterLoad() {
    world->UpdateQuests();
}

// The save-and-quit question's No goes back to where the question was asked: the battle, with
// phase 1 and saveQuitFromBattle cleared, or the map, whose screen still exists. Until they
// exist it ends where EnterMap does.
void GameApp::ReturnFromSaveQuit() {
    saveQuitFromBattle = 0;
    EnterMap();
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

// Save-and-quit frees the battle screen and the map screen; there are none yet.
void GameApp::FreeMapAndBattleScreens() {}

// A game that is saved and quit, ended or discarded releases the map view; there is none yet.
void GameApp::ReleaseMapView() {}

}  // namespace varn
