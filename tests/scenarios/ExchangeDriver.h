#pragma once

#include "engine/KeyCodes.h"
#include "exchange/MeetingScreen.h"
#include "scenarios/MapDriver.h"
#include "support/HeadlessGame.h"
#include "world/GameState.h"
#include "world/MapCells.h"

namespace varn {

// Meets two of the party's characters and works the meeting's screens with the mouse.
class ExchangeDriver {
  public:
    explicit ExchangeDriver(HeadlessGame& game) : map(game), app(game.app) {}

    // The heroes join and stand east of the player, one cell apart.
    void JoinHeroesBesidePlayer(int heroes) {
        GameState& world = *app.world;
        int32_t x = 0;
        int32_t y = 0;
        MapCellCorner(world.playerMapCell, x, y);
        for (HeroIndex hero = 0; hero < heroes; ++hero) {
            world.heroJoined[hero] = 1;
            world.heroMapCell[hero] = MapCellAt(x + 40 * (hero + 1), y);
        }
    }

    // The meeting of a pair straight from the world, as the map's leave step hands it over.
    void MeetDirectly(CharacterId first, CharacterId second) {
        app.world->meetingFirst = first;
        app.world->meetingSecond = second;
        app.SwitchState(MeetingStateThunk, kPhaseSwitch);
        map.Frame();
    }

    void ClickButton(const ButtonRect& button) {
        map.ClickAt(button.x + button.w / 2, button.y + button.h / 2);
        map.Frame();
    }

    void ClickMeetingButton(uint8_t id) {
        for (const ButtonRect& button : kMeetingButtons) {
            if (button.id == id) {
                ClickButton(button);
            }
        }
    }

    // Presses at one point, moves to another and lets go there.
    void Drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
        map.PointAt(fromX, fromY);
        map.Frame();
        MapDriver::Backend().SetButton(0, true);
        map.Frame();
        map.PointAt(toX, toY);
        map.Frame();
        MapDriver::Backend().SetButton(0, false);
        map.Frame();
    }

    MapDriver map;
    GameApp& app;
};

}  // namespace varn
