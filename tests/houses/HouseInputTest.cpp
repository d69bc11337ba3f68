#include <gtest/gtest.h>

#include "engine/InputDevice.h"
#include "houses/HouseScreen.h"

namespace varn {

namespace {

// A mouse whose left button is down, or one with no button down.
struct Mouse {
    explicit Mouse(bool down) {
        device.kind = InputDevice::kKindMouse;
        device.mouseState.buttons[0] = down ? 0x80 : 0;
    }
    InputDevice device;
};

void SelectArmy(HouseScreen& s) {
    s.army.present[0] = 1;
    s.selectedArmy = 1;
}

void AskDisband(HouseScreen& s) {
    s.selectedArmy = 2;
    s.disbandQuestion = 1;
}

void ChooseOffer(HouseScreen& s) {
    s.offerChosen = 3;
}

void AskAccept(HouseScreen& s) {
    s.acceptQuestion = 1;
}

// What puts each button on the screen, in the order of the screen's table; null for the four
// menu buttons, always there.
using MakeLive = void (*)(HouseScreen&);
constexpr MakeLive kMakeLive[kHouseButtonCount] = {
    nullptr,    nullptr,     nullptr,     nullptr,   SelectArmy, AskDisband,
    AskDisband, ChooseOffer, ChooseOffer, AskAccept, AskAccept,  SelectArmy,
};

}  // namespace

// The press itself, its edges and the hold are the button bar's rule; here, which button is on
// the screen when, the look it keeps while pressed and Disband's question opened by the press.
TEST(HouseButtons, EachTakesAPressOnlyWhileOnTheScreen) {
    const Mouse pressed(true);
    for (size_t i = 0; i < kHouseButtonCount; ++i) {
        const ButtonRect& button = kHouseButtons[i];
        SCOPED_TRACE(static_cast<int>(button.id));
        const int32_t x = button.x + button.w / 2;
        const int32_t y = button.y + button.h / 2;
        if (kMakeLive[i] != nullptr) {
            CastleScreen dead;
            EXPECT_EQ(dead.OnMouseClick(x, y, pressed.device), 0);
            EXPECT_EQ(dead.buttons.pressedId, 0);
        }
        CastleScreen screen;
        if (kMakeLive[i] != nullptr) {
            kMakeLive[i](screen);
        }
        ASSERT_EQ(screen.OnMouseClick(x, y, pressed.device), 1);
        EXPECT_EQ(screen.buttons.pressedId, button.id);
        const bool twoLooks = button.id == kDisbandButton || button.id == kNameButton;
        EXPECT_EQ(screen.buttons.Look(button.id), twoLooks ? kButtonHovered : kButtonPressed);
        EXPECT_EQ(screen.disbandQuestion != 0, button.id == kDisbandButton ||
                                                   button.id == kDisbandYesButton ||
                                                   button.id == kDisbandNoButton);
    }
}

TEST(HouseButtons, OverlappingButtonsHoverTheLaterAndPressTheFirstAndNameNeedsAnArmy) {
    // Disband Yes and recruit Yes overlap: the hover goes to the later, the press to the first.
    VillageScreen screen;
    screen.selectedArmy = 1;
    screen.disbandQuestion = 1;
    screen.offerChosen = 2;
    screen.OnMouseMove(245, 375);
    EXPECT_EQ(screen.buttons.hoverId, kRecruitYesButton);
    EXPECT_EQ(screen.buttons.Look(kDisbandYesButton), kButtonHovered);
    EXPECT_EQ(screen.buttons.Look(kRecruitYesButton), kButtonHovered);
    EXPECT_EQ(screen.OnMouseClick(245, 375, Mouse(true).device), 1);
    EXPECT_EQ(screen.buttons.pressedId, kDisbandYesButton);

    // Name and Disband, drawn only over a chosen army, take neither hover nor press without one,
    // nor with an empty cell chosen.
    for (const uint8_t chosen : {0, 4}) {
        TownScreen idle;
        idle.army.present[0] = 1;
        idle.selectedArmy = chosen;
        for (const auto& [x, y] : {std::pair{200, 150}, std::pair{360, 150}}) {
            idle.OnMouseMove(x, y);
            EXPECT_EQ(idle.buttons.hoverId, 0);
            EXPECT_EQ(idle.OnMouseClick(x, y, Mouse(true).device), 0);
            EXPECT_EQ(idle.disbandQuestion, 0);
        }
    }
}

TEST(HouseButtons, StatisticsCellsAreHoveredByTheirRectangles) {
    const struct {
        int32_t x;
        int32_t y;
        uint8_t cell;
    } kPoints[] = {{185, 195, 5}, {309, 228, 5}, {185, 229, 6}, {310, 195, 7},
                   {434, 262, 8}, {435, 262, 0}, {184, 200, 0}, {300, 263, 0}};
    for (const auto& point : kPoints) {
        PalaceScreen screen;
        screen.OnMouseMove(point.x, point.y);
        EXPECT_EQ(screen.hoverCell, point.cell) << point.x << "," << point.y;
    }
}

TEST(HouseCells, APressChoosesAnArmyCellOrAnOfferAndClearsWhatItReplaces) {
    const Mouse pressed(true);
    const struct {
        int32_t x;
        int32_t y;
        uint8_t cell;
    } kArmyCells[] = {{634, 390, 1}, {716, 459, 1}, {717, 390, 2}, {634, 460, 3},
                      {799, 599, 6}, {717, 530, 6}, {633, 400, 0}};
    for (const auto& point : kArmyCells) {
        TempleScreen screen;
        screen.selectedArmy = 4;
        screen.offerChosen = 2;
        screen.OnArmyOrOfferClick(point.x, point.y, pressed.device);
        EXPECT_EQ(screen.selectedArmy, point.cell) << point.x << "," << point.y;
        EXPECT_EQ(screen.offerChosen, point.cell != 0 ? 0 : 2);
    }
    // With the disband question open, a press elsewhere keeps the choice.
    TempleScreen asking;
    asking.selectedArmy = 4;
    asking.disbandQuestion = 1;
    asking.OnArmyOrOfferClick(100, 100, pressed.device);
    EXPECT_EQ(asking.selectedArmy, 4);

    const struct {
        int32_t x;
        uint8_t offer;
    } kOffers[] = {{85, 1}, {174, 1}, {175, 2}, {445, 5}, {534, 5}, {535, 0}, {84, 0}};
    for (const auto& point : kOffers) {
        VillageScreen screen;
        screen.recruitOpen = 1;
        screen.recruitJoinedShown = 1;
        screen.OnArmyOrOfferClick(point.x, 500, pressed.device);
        EXPECT_EQ(screen.offerChosen, point.offer) << point.x;
        EXPECT_EQ(screen.recruitJoinedShown, point.offer == 0 ? 1 : 0);
    }
    // Offers are taken only while the panel is open; an offer already chosen clears "no room".
    VillageScreen closed;
    closed.OnArmyOrOfferClick(100, 500, pressed.device);
    EXPECT_EQ(closed.offerChosen, 0);
    VillageScreen full;
    full.recruitOpen = 1;
    full.offerChosen = 1;
    full.noRoomShown = 1;
    full.OnArmyOrOfferClick(10, 10, pressed.device);
    EXPECT_EQ(full.noRoomShown, 0);
}

}  // namespace varn
