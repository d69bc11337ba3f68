#include <gtest/gtest.h>

#include <functional>

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

struct ButtonCase {
    uint8_t id;
    int32_t x;
    int32_t y;
    int32_t w;
    int32_t h;
    // What makes the button live; null for the four menu buttons, always live.
    std::function<void(HouseScreen&)> makeLive;
    uint8_t pressedFrame;
};

void SelectArmy(HouseScreen& s) {
    s.army.present[0] = 1;
    s.selectedArmy = 1;
}

const ButtonCase kButtons[] = {
    {kLeaveButton, 634, 0, 166, 80, nullptr, 2},
    {kHealButton, 634, 80, 166, 80, nullptr, 2},
    {kRecruitButton, 634, 160, 166, 80, nullptr, 2},
    {kTalkButton, 634, 240, 166, 80, nullptr, 2},
    {kDisbandButton, 340, 142, 90, 32, SelectArmy, 1},
    {kDisbandYesButton, 230, 370, 32, 32,
     [](HouseScreen& s) {
         s.selectedArmy = 2;
         s.disbandQuestion = 1;
     },
     2},
    {kDisbandNoButton, 340, 370, 32, 32,
     [](HouseScreen& s) {
         s.selectedArmy = 2;
         s.disbandQuestion = 1;
     },
     2},
    {kRecruitYesButton, 240, 370, 32, 32, [](HouseScreen& s) { s.offerChosen = 3; }, 2},
    {kRecruitNoButton, 350, 370, 32, 32, [](HouseScreen& s) { s.offerChosen = 3; }, 2},
    {kAcceptYesButton, 230, 430, 32, 32, [](HouseScreen& s) { s.acceptQuestion = 1; }, 2},
    {kAcceptNoButton, 340, 430, 32, 32, [](HouseScreen& s) { s.acceptQuestion = 1; }, 2},
    {kNameButton, 186, 142, 77, 32, SelectArmy, 1},
};

}  // namespace

TEST(HouseButtons, EachTakesAPressOnlyInsideItsRectangleAndWhileLive) {
    const Mouse pressed(true);
    for (const ButtonCase& button : kButtons) {
        SCOPED_TRACE(static_cast<int>(button.id));
        if (button.makeLive) {
            CastleScreen dead;
            EXPECT_EQ(dead.OnMouseClick(button.x, button.y, pressed.device), 0);
            EXPECT_EQ(dead.buttons.pressedId, 0);
        }
        for (const auto& [x, y] : {std::pair{button.x, button.y},
                                   std::pair{button.x + button.w - 1, button.y + button.h - 1}}) {
            CastleScreen screen;
            if (button.makeLive) {
                button.makeLive(screen);
            }
            ASSERT_EQ(screen.OnMouseClick(x, y, pressed.device), 1);
            EXPECT_EQ(screen.buttons.pressedId, button.id);
            EXPECT_EQ(screen.buttons.Look(button.id), button.pressedFrame);
            EXPECT_EQ(screen.disbandQuestion != 0, button.id == kDisbandButton ||
                                                       button.id == kDisbandYesButton ||
                                                       button.id == kDisbandNoButton);
        }
        // One past the right and the bottom edge is outside.
        for (const auto& [x, y] :
             {std::pair{button.x + button.w, button.y}, std::pair{button.x, button.y + button.h}}) {
            CastleScreen screen;
            if (button.makeLive) {
                button.makeLive(screen);
            }
            screen.OnMouseClick(x, y, pressed.device);
            EXPECT_NE(screen.buttons.pressedId, button.id);
        }
    }
    // Without a button down nothing is taken.
    CastleScreen screen;
    EXPECT_EQ(screen.OnMouseClick(700, 40, Mouse(false).device), 0);
    EXPECT_EQ(screen.buttons.pressedId, 0);
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
