#include "engine/ButtonBar.h"
#include "engine/HitTest.h"
#include "engine/InputDevice.h"
#include "houses/HouseScreen.h"

namespace varn {

namespace {

// The statistics cells, hovered only: cell 5 + k.
constexpr ButtonRect kStatCells[] = {
    {5, 185, 195, 125, 34},
    {6, 185, 229, 125, 34},
    {7, 310, 195, 125, 34},
    {8, 310, 229, 125, 34},
};

bool Inside(const ButtonRect& r, int32_t x, int32_t y) {
    return PointInRect(r.x, r.y, r.w, r.h, x, y) != 0;
}

bool AnyButtonPressed(const InputDevice& mouse) {
    return mouse.ButtonPressed(0) != 0 || mouse.ButtonPressed(1) != 0;
}

}  // namespace

bool HouseScreen::ButtonOffered(uint8_t id) const {
    switch (id) {
        case kDisbandButton:
        case kNameButton:
            // Not over an empty cell: there they are not drawn.
            return ArmyPanelShown();
        case kDisbandYesButton:
        case kDisbandNoButton:
            return selectedArmy != 0 && disbandQuestion != 0;
        case kRecruitYesButton:
        case kRecruitNoButton:
            return offerChosen != 0;
        case kAcceptYesButton:
        case kAcceptNoButton:
            return acceptQuestion != 0;
        default:
            return true;
    }
}

void HouseScreen::OnMouseMove(int32_t x, int32_t y) {
    for (const ButtonRect& cell : kStatCells) {
        if (Inside(cell, x, y)) {
            hoverCell = cell.id;
        }
    }
    buttons.Hover(x, y);
}

int HouseScreen::OnMouseClick(int32_t x, int32_t y, const InputDevice& mouse) {
    if (buttons.Click(x, y, mouse) == 0) {
        return 0;
    }
    // The question opens before the same press's army-cell rule could drop the chosen army.
    if (buttons.pressedId == kDisbandButton) {
        disbandQuestion = 1;
    }
    return 1;
}

void HouseScreen::OnArmyOrOfferClick(int32_t x, int32_t y, const InputDevice& mouse) {
    const bool pressed = AnyButtonPressed(mouse);
    if (disbandQuestion == 0) {
        selectedArmy = 0;
    }
    for (int cell = 0; cell < kArmySlotCount; ++cell) {
        const int32_t cellX = kHouseArmyCellX + kHouseArmyCellW * (cell % 2);
        const int32_t cellY = kHouseArmyCellY + kHouseArmyCellH * (cell / 2);
        if (pressed && PointInRect(cellX, cellY, kHouseArmyCellW, kHouseArmyCellH, x, y) != 0) {
            selectedArmy = static_cast<uint8_t>(cell + 1);
        }
    }
    if (selectedArmy != 0) {
        offerChosen = 0;
    }
    if (offerChosen != 0) {
        noRoomShown = 0;
    }
    if (recruitOpen != 0) {
        for (int k = 0; k < kRecruitOfferCount; ++k) {
            if (pressed && PointInRect(kHouseOfferCellX + kHouseOfferCellSize * k, kHouseOfferCellY,
                                       kHouseOfferCellSize, kHouseOfferCellSize, x, y) != 0) {
                offerChosen = static_cast<uint8_t>(k + 1);
            }
        }
    }
    if (offerChosen != 0) {
        recruitJoinedShown = 0;
    }
}

void HouseScreen::ClearHover() {
    buttons.ResetHover();
    hoverCell = 0;
}

}  // namespace varn
