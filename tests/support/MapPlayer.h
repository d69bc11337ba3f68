#pragma once

#include "engine/KeyCodes.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "support/FrontEndPlayer.h"
#include "world/GameState.h"
#include "world/MapCells.h"

namespace varn {

// A map cell by the world position of its corner.
struct MapSpot {
    int32_t x;
    int32_t y;
};
inline MapSpot CellSpot(int32_t cell) {
    MapSpot spot{};
    MapCellCorner(cell, spot.x, spot.y);
    return spot;
}

// The kingdom map as a player works it: clicks on cells by their world position (the view's
// scroll read off the screen), the panel's and the bottom bar's buttons, paths walked with Enter
// and days ended.
class MapPlayer : public FrontEndPlayer {
  public:
    using FrontEndPlayer::FrontEndPlayer;

    // A road test's shortcut, not input: the world as it stands, entered as the opening story
    // enters it.
    void EnterMap() {
        app.EnterMap();
        Frames(2);
    }

    // A click inside the map cell whose corner is the world position (x, y).
    void ClickCell(int32_t x, int32_t y) {
        ClickAt(x - app.mapView->scrollX + 20, y - app.mapView->scrollY + 20);
    }

    void ClickPanel(uint8_t id) { Click(kPanelButtons, id); }

    void ClickBar(uint8_t id) { Click(*app.mapScreen->barButtons.Find(id)); }

    // Selects the player by a click on the party and draws a path to the cell at (x, y).
    void DrawPlayerPath(int32_t x, int32_t y) {
        MapScreen& screen = *app.mapScreen;
        CentreView(*app.mapView, screen.walkX, screen.walkY, 400, 300);
        ClickCell(screen.walkX, screen.walkY);
        ClickCell(x, y);
    }

    // Ends the day and watches the enemy phase to its end; a story message or an invasion's
    // outcome that holds the phase is put away with Enter. Stops when the map is left (a battle).
    void EndDay() {
        ClickPanel(kEndDayButton);
        for (int box = 0; box < 20; ++box) {
            RunUntil([this] {
                if (!In(MapStateThunk) || app.mapScreen == nullptr) {
                    return true;
                }
                const MapScreen& screen = *app.mapScreen;
                return screen.enemyPhase == kEnemyPhaseOff ||
                       (screen.enemyPhase == kEnemyPhaseSettle &&
                        (screen.eventId != 0 || screen.outcomeShown != 0));
            });
            if (!In(MapStateThunk) || app.mapScreen == nullptr ||
                app.mapScreen->enemyPhase == kEnemyPhaseOff) {
                return;
            }
            Read();
            PressKey(kKeyReturn);
        }
    }
};

}  // namespace varn
