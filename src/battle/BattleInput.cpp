#include <algorithm>

#include "battle/BattleScreen.h"
#include "battle/BattleSideButtons.h"
#include "engine/HitTest.h"

namespace varn {

namespace {

bool Inside(const ButtonRect& rect, int32_t x, int32_t y) {
    return PointInRect(rect.x, rect.y, rect.w, rect.h, x, y) != 0;
}

bool EitherButtonPressed(const InputDevice& mouse) {
    return mouse.ButtonPressed(0) != 0 || mouse.ButtonPressed(1) != 0;
}

// The hover areas of the victory summary: four columns, a first row of ids 1..4 and six rows of
// two gains per army slot.
constexpr int32_t kDialogColumns[] = {140, 290, 435, 570};
constexpr int32_t kDialogFirstRowY = 75;
constexpr int32_t kDialogArmyRowsY[] = {170, 245, 320, 395, 470, 545};
constexpr int32_t kDialogAreaWidth = 110;
constexpr int32_t kDialogAreaHeight = 50;

// The unit panel's move hint, hovered while a unit is selected.
constexpr ButtonRect kUnitPanelArea = {0, 200, 490, 350, 50};

// The pointer's edge zones.
constexpr int32_t kBottomEdgeY = 594;
constexpr int32_t kTopEdgeY = 6;
constexpr int32_t kRightEdgeX = 794;
constexpr int32_t kLeftEdgeX = 6;

}  // namespace

bool BattleScreen::SideButtonAvailable(uint8_t id) const {
    switch (id) {
        case kSideEndTurn:
            return enemyPhase == kComputerIdle;
        case kSideRetreat:
        case kSideQuit:
            // A battle won, lost or left cannot be retreated from or saved again.
            return battleOver == 0 && retreatConfirmed == kRetreatOpen;
        case kSideRetreatYes:
        case kSideRetreatNo:
            return retreatAsked != 0;
        case kSideGrid:
        case kSideOptions:
            return true;
        default:
            return false;
    }
}

BattleScreen::BattleScreen() {
    sideButtons.available = [this](uint8_t id) { return SideButtonAvailable(id); };
}

void BattleScreen::ResetHover() {
    sideButtons.ResetHover();
    dialogHover = 0;
    unitPanelHover = 0;
}

void BattleScreen::HoverUnitPanel(int32_t x, int32_t y) {
    if ((commanderSelected != 0 || selectedArmy != 0) && Inside(kUnitPanelArea, x, y)) {
        unitPanelHover = 1;
    }
}

void BattleScreen::HoverDialogGrid(int32_t x, int32_t y) {
    for (int column = 0; column < 4; ++column) {
        if (PointInRect(kDialogColumns[column], kDialogFirstRowY, kDialogAreaWidth,
                        kDialogAreaHeight, x, y) != 0) {
            dialogHover = static_cast<uint8_t>(column + 1);
        }
    }
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 4; ++column) {
            if (PointInRect(kDialogColumns[column], kDialogArmyRowsY[row], kDialogAreaWidth,
                            kDialogAreaHeight, x, y) != 0) {
                dialogHover = static_cast<uint8_t>(4 * row + 5 + column);
            }
        }
    }
}

int BattleScreen::ClickCell(int32_t x, int32_t y, const InputDevice& mouse) {
    if (!EitherButtonPressed(mouse)) {
        return 0;
    }
    for (int32_t row = 0; row < kBattleRows; ++row) {
        for (int32_t column = 0; column < kBattleColumns; ++column) {
            if (PointInRect(column * kBattleCellSize - cameraX, row * kBattleCellSize - cameraY,
                            kBattleCellSize, kBattleCellSize, x, y) == 0) {
                continue;
            }
            cellClicked = 1;
            clickedCell = column + row * kBattleColumns + 1;
            clickedX = column * kBattleCellSize;
            clickedY = row * kBattleCellSize;
            return 1;
        }
    }
    return 0;
}

void BattleScreen::ScrollCamera(const MouseCursor& cursor, uint8_t step) {
    if (cursor.y >= kBottomEdgeY && cameraY < kCameraMaxY) {
        cameraY = std::min(cameraY + step, kCameraMaxY);
    }
    if (cursor.y <= kTopEdgeY && cameraY > kCameraMin) {
        cameraY = std::max(cameraY - step, kCameraMin);
    }
    if (cursor.x >= kRightEdgeX && cameraX < kCameraMaxX) {
        cameraX = std::min(cameraX + step, kCameraMaxX);
    }
    if (cursor.x <= kLeftEdgeX && cameraX > kCameraMin) {
        cameraX = std::max(cameraX - step, kCameraMin);
    }
}

}  // namespace varn
