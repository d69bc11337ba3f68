#pragma once

#include <functional>

#include "engine/KeyCodes.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "support/HeadlessGame.h"
#include "world/GameState.h"

namespace varn {

// Plays the kingdom map as a player would, on a clock that moves 16 ms a frame: keys pressed and
// let go, clicks on map cells by their world position, the panel's buttons.
class MapDriver {
  public:
    static constexpr uint32_t kFrameMs = 16;

    explicit MapDriver(HeadlessGame& game) : game_(game), app(game.app) {
        Backend().presentAdvanceMs = kFrameMs;
    }

    static platform::HeadlessBackend& Backend() { return HeadlessGame::backend(); }

    void Frame() { game_.RunFrames(1); }

    void Frames(int count) {
        for (int i = 0; i < count; ++i) {
            Frame();
        }
    }

    // The world as it stands, entered as the opening story enters it.
    void EnterMap() {
        app.EnterMap();
        Frames(2);
    }

    void PressKey(uint8_t key) {
        Backend().SetKey(key, true);
        Frame();
        Backend().SetKey(key, false);
        Frame();
    }

    void PointAt(int32_t x, int32_t y) {
        Backend().MoveMouse(x - app.mouseCursor.x, y - app.mouseCursor.y);
    }

    void ClickAt(int32_t x, int32_t y) {
        PointAt(x, y);
        Frame();
        Backend().SetButton(0, true);
        Frame();
        Backend().SetButton(0, false);
        Frame();
    }

    // A click inside the map cell whose corner is the world position (x, y).
    void ClickCell(int32_t x, int32_t y) {
        ClickAt(x - app.mapView->scrollX + 20, y - app.mapView->scrollY + 20);
    }

    void ClickPanel(uint8_t id) {
        for (const ButtonRect& button : kPanelButtons) {
            if (button.id == id) {
                ClickAt(button.x + button.w / 2, button.y + button.h / 2);
            }
        }
    }

    void ClickBar(uint8_t id) {
        const ButtonRect* button = app.mapScreen->barButtons.Find(id);
        ClickAt(button->x + button->w / 2, button->y + button->h / 2);
    }

    // Frames until the test holds; false when it does not within the limit.
    bool RunUntil(const std::function<bool()>& done, int limit = 1500) {
        for (int i = 0; i < limit; ++i) {
            if (done()) {
                return true;
            }
            Frame();
        }
        return done();
    }

    // Selects the player by a click on the party and draws a path to the cell at (x, y).
    void DrawPlayerPath(int32_t x, int32_t y) {
        MapScreen& screen = *app.mapScreen;
        CentreView(*app.mapView, screen.walkX, screen.walkY, 400, 300);
        ClickCell(screen.walkX, screen.walkY);
        ClickCell(x, y);
    }

    // Ends the day and watches the enemy phase to its end; a story message that holds the
    // phase's end is put away with Enter.
    void EndDay() {
        ClickPanel(kEndDayButton);
        const MapScreen& screen = *app.mapScreen;
        RunUntil([&screen] {
            return screen.enemyPhase == kEnemyPhaseOff ||
                   (screen.enemyPhase == kEnemyPhaseSettle && screen.eventId != 0);
        });
        if (screen.enemyPhase != kEnemyPhaseOff) {
            PressKey(kKeyReturn);
            RunUntil([&screen] { return screen.enemyPhase == kEnemyPhaseOff; });
        }
    }

  private:
    HeadlessGame& game_;

  public:
    GameApp& app;
};

}  // namespace varn
