#pragma once

#include "frontend/MainMenuScreen.h"
#include "frontend/SaveSlotScreen.h"
#include "map/ControlPanel.h"
#include "map/MapView.h"
#include "scenarios/FrontEndDriver.h"
#include "scenarios/MapDriver.h"
#include "scenarios/PreparedWorlds.h"
#include "support/BattlePlayer.h"

namespace varn {

// A played game: the front end, the map and the battle each played through input only.
class PlayedGame {
  public:
    PlayedGame() { HeadlessGame::backend().presentAdvanceMs = 100; }

    GameApp& App() { return game.app; }
    GameState& World() { return *game.app.world; }
    MapScreen& Map() { return *game.app.mapScreen; }
    bool In(StateThunk state) const { return game.app.stateHandler == state; }

    // The main menu's load, the slot and its confirmation.
    void Load(int slot) {
        front.Frame();
        front.Click(kMainMenuButtons, kMenuLoad);
        front.Click(kSaveSlotButtons, static_cast<uint8_t>(slot));
        front.Click(kSaveSlotButtons, kSlotConfirm);
        front.Frame();
        front.Frame();
    }

    // The party selected, the view brought over the map cell at (x, y), a click on it and
    // Enter: the path stops beside an army there, or goes into a place. True once a battle has
    // begun.
    bool MarchOn(int32_t x, int32_t y) {
        map.DrawPlayerPath(Map().walkX, Map().walkY);
        CentreView(*App().mapView, x, y, 400, 300);
        map.ClickCell(x, y);
        map.PressKey(kKeyReturn);
        return map.RunUntil([this] { return battle.InBattle(); }, 300);
    }
    bool AttackArmy(int army) { return MarchOn(Map().armyX[army], Map().armyY[army]); }

    // The day ended and its enemy phase watched; the Day box put away with Enter.
    void EndDay() {
        map.EndDay();
        if (App().mapDrawFlag != 0) {
            map.PressKey(kKeyReturn);
        }
    }

    HeadlessGame game;
    FrontEndDriver front{game};
    MapDriver map{game};
    BattlePlayer battle{game};
};

}  // namespace varn
