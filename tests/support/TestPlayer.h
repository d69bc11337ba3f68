#pragma once

#include <algorithm>
#include <cstdlib>

#include "support/ExchangePlayer.h"

namespace varn {

// The player of the played games: every area's moves, and the map's walks from one place of the
// kingdom to another, made only of input and of what the screens show.
class TestPlayer : public ExchangePlayer {
  public:
    using ExchangePlayer::ExchangePlayer;

    // Holds the arrow keys until the world position (x, y) shows at about (screenX, screenY).
    void ScrollMapTo(int32_t x, int32_t y, int32_t screenX = 300, int32_t screenY = 300) {
        const MapView& view = *app.mapView;
        constexpr int32_t kNear = 40;
        for (int frame = 0; frame < 2000; ++frame) {
            const int32_t dx = x - view.scrollX - screenX;
            const int32_t dy = y - view.scrollY - screenY;
            const bool right = dx > kNear && view.scrollX < kMapScrollMaxX;
            const bool left = dx < -kNear && view.scrollX > kMapScrollMinX;
            const bool down = dy > kNear && view.scrollY < kMapScrollMaxY;
            const bool up = dy < -kNear && view.scrollY > kMapScrollMinY;
            Backend().SetKey(kKeyRight, right);
            Backend().SetKey(kKeyLeft, left);
            Backend().SetKey(kKeyDown, down);
            Backend().SetKey(kKeyUp, up);
            if (!right && !left && !down && !up) {
                break;
            }
            Frame();
        }
        Frame();
    }

    // Whether the map shows a box a person reads and puts away with Enter.
    bool MapShowsABox() const {
        const MapScreen& map = *app.mapScreen;
        return app.mapDrawFlag != 0 || map.foundBox == 2 || map.fameBoxShown != 0 ||
               map.eventId != 0 || map.outcomeShown != 0 || map.showCaption != 0 ||
               map.bagFull != 0;
    }

    // Enter on every box the map shows, as long as the map is shown.
    void PutAwayBoxes() {
        for (int i = 0; i < 10 && OnMap() && MapShowsABox(); ++i) {
            PressKey(kKeyReturn);
        }
    }

    bool OnMap() const { return In(MapStateThunk) && app.mapScreen != nullptr; }

    // Walks the player toward the cell at world (x, y) with the moves left today: the view onto
    // the player, a click on it, a click on the cell as far along the way as the moves reach, and
    // Enter; then the frames of the walk. True when a walk was made.
    bool WalkPlayerToward(int32_t x, int32_t y) {
        const MapScreen& map = *app.mapScreen;
        const int moves = map.playerMoves;
        if (moves == 0 || (map.walkX == x && map.walkY == y)) {
            return false;
        }
        const auto along = [moves](int32_t from, int32_t to) {
            return from + std::clamp(to - from, -moves * kMapCellSize, moves * kMapCellSize);
        };
        const int32_t toX = along(map.walkX, x);
        const int32_t toY = along(map.walkY, y);
        ScrollMapTo((map.walkX + toX) / 2, (map.walkY + toY) / 2);
        ClickCell(map.walkX, map.walkY);
        ClickCell(toX, toY);
        PressKey(kKeyReturn);
        RunUntil([this] { return !In(MapStateThunk) || app.mapScreen->walkState == 0; });
        return true;
    }
};

}  // namespace varn
