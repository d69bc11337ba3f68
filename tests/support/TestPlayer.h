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

    // A leg of a walk: of the cells at most `moves` steps away whose steps (diagonal first, then
    // straight, as a drawn path goes) keep a cell away from every enemy army on the map, the one
    // nearest to (x, y); false when none comes nearer than where the walk stands.
    bool ClearLeg(int32_t fromX, int32_t fromY, int32_t x, int32_t y, int moves, int32_t& toX,
                  int32_t& toY) const {
        const auto distance = [x, y](int32_t atX, int32_t atY) {
            return int64_t{atX - x} * (atX - x) + int64_t{atY - y} * (atY - y);
        };
        int64_t best = distance(fromX, fromY);
        bool found = false;
        for (int dx = -moves; dx <= moves; ++dx) {
            for (int dy = -moves; dy <= moves; ++dy) {
                const int32_t endX = fromX + dx * kMapCellSize;
                const int32_t endY = fromY + dy * kMapCellSize;
                if (distance(endX, endY) < best && StepsClear(fromX, fromY, endX, endY)) {
                    best = distance(endX, endY);
                    toX = endX;
                    toY = endY;
                    found = true;
                }
            }
        }
        return found;
    }

    // Whether every step of the way from one cell to another keeps a cell away from the armies.
    bool StepsClear(int32_t x, int32_t y, int32_t toX, int32_t toY) const {
        const MapScreen& map = *app.mapScreen;
        while (x != toX || y != toY) {
            x += x < toX ? kMapCellSize : x > toX ? -kMapCellSize : 0;
            y += y < toY ? kMapCellSize : y > toY ? -kMapCellSize : 0;
            for (size_t army = 0; army < map.armyActive.size(); ++army) {
                if (map.armyActive[army] != 0 && std::abs(map.armyX[army] - x) <= kMapCellSize &&
                    std::abs(map.armyY[army] - y) <= kMapCellSize) {
                    return false;
                }
            }
        }
        return true;
    }

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
        return app.mapDrawFlag != 0 || map.foundBox != 0 || map.fameBoxShown != 0 ||
               map.eventId != 0 || map.outcomeShown != 0 || map.showCaption != 0 ||
               map.bagFull != 0;
    }

    // Enter on every box the map shows, as long as the map is shown.
    void PutAwayBoxes() {
        for (int i = 0; i < 10 && OnMap() && MapShowsABox(); ++i) {
            Read();
            PressKey(kKeyReturn);
        }
    }

    bool OnMap() const { return In(MapStateThunk) && app.mapScreen != nullptr; }

    // Walks the player toward the cell at world (x, y) with the moves left today, around the
    // enemy armies the map shows: the view onto the way, a click on the player, a click on a
    // cell as far along the way as the moves reach, and Enter; then the frames of the walk. True
    // when the player moved.
    bool WalkPlayerToward(int32_t x, int32_t y) {
        const MapScreen& map = *app.mapScreen;
        const int moves = map.playerMoves;
        const int32_t fromX = map.walkX;
        const int32_t fromY = map.walkY;
        if (moves == 0 || (fromX == x && fromY == y)) {
            return false;
        }
        int32_t toX = 0;
        int32_t toY = 0;
        if (!ClearLeg(fromX, fromY, x, y, moves, toX, toY)) {
            return false;
        }
        ScrollMapTo((fromX + toX) / 2, (fromY + toY) / 2);
        ClickCell(fromX, fromY);
        ClickCell(toX, toY);
        PressKey(kKeyReturn);
        RunUntil([this] { return !OnMap() || app.mapScreen->walkState == 0; });
        return !OnMap() || app.mapScreen->walkX != fromX || app.mapScreen->walkY != fromY;
    }

    // Walks the player to the cell at world (x, y), ending the days whose moves run out, with
    // every box on the way put away. Stops where the map is left (a house, a meeting, a battle);
    // false when the player is not there after `days` days.
    bool WalkPlayerTo(int32_t x, int32_t y, int days = 30) {
        for (int day = 0; day <= days && OnMap(); ++day) {
            PutAwayBoxes();
            while (OnMap() && WalkPlayerToward(x, y)) {
                PutAwayBoxes();
            }
            if (!OnMap() || (app.mapScreen->walkX == x && app.mapScreen->walkY == y)) {
                break;
            }
            EndDay();
        }
        return OnMap() && app.mapScreen->walkX == x && app.mapScreen->walkY == y;
    }
};

}  // namespace varn
