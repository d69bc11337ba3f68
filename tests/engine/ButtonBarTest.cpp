#include "engine/ButtonBar.h"

#include <gtest/gtest.h>

#include "engine/InputDevice.h"
#include "engine/InputSystem.h"
#include "platform/HeadlessBackend.h"

namespace varn {

namespace {

constexpr ButtonRect kButtons[] = {
    {4, 10, 10, 64, 32},  // overlaps the next one: table order decides
    {7, 50, 20, 64, 32},
    {9, 200, 300, 96, 42},
};

// A screen's frame as the states run it: poll the mouse, hover, click, act.
class ButtonBarTest : public testing::Test {
  protected:
    void SetUp() override {
        machine.Reset();
        ASSERT_EQ(input.Create(&window), 1);
        ASSERT_EQ(mouse.Init(&input, 2, 0), 1);
    }

    uint8_t Frame(int32_t x, int32_t y, bool buttonDown, int button = 0) {
        machine.SetButton(button, buttonDown);
        mouse.SetAcquired(1);
        mouse.Update();
        bar.ResetHover();
        bar.Hover(x, y);
        bar.Click(x, y, mouse);
        return bar.TakeAction(mouse);
    }

    platform::HeadlessBackend& machine = *platform::Headless();
    int window = 0;
    InputSystem input;
    InputDevice mouse;
    ButtonBar bar{kButtons};
};

}  // namespace

TEST_F(ButtonBarTest, HoverFollowsTheRectangleEdgesAndTableOrder) {
    struct Case {
        int32_t x, y;
        uint8_t hover;
    };
    const Case cases[] = {
        {10, 10, 4},   {73, 41, 7},  // left/top edges in; 74 is past button 4's right edge
        {74, 20, 7},   {113, 51, 7},  {114, 51, 0},  {113, 52, 0},
        {60, 30, 7},  // inside both: the later button's hover wins, as every screen's loop does
        {200, 300, 9}, {295, 341, 9}, {296, 341, 0}, {0, 0, 0},
    };
    for (const Case& c : cases) {
        bar.ResetHover();
        bar.Hover(c.x, c.y);
        EXPECT_EQ(bar.hoverId, c.hover) << c.x << "," << c.y;
        if (c.hover != 0) {
            EXPECT_EQ(bar.Look(c.hover), kButtonHovered);
        }
    }
}

TEST_F(ButtonBarTest, APressActsOnceWhenReleasedOverTheButton) {
    EXPECT_EQ(Frame(210, 310, true), 0);
    EXPECT_EQ(bar.pressedId, 9);
    EXPECT_EQ(bar.Look(9), kButtonPressed);
    EXPECT_EQ(Frame(211, 311, true), 0);  // held: still waiting, still pressed
    EXPECT_EQ(bar.Look(9), kButtonPressed);
    EXPECT_EQ(Frame(211, 311, false), 9);
    EXPECT_EQ(bar.pressedId, 0);
    EXPECT_EQ(bar.held, 0);
    EXPECT_EQ(Frame(211, 311, false), 0);
    EXPECT_EQ(bar.Look(9), kButtonHovered);
}

TEST_F(ButtonBarTest, SlidingOffAPressedButtonActsAtOnceAndTheRightButtonPressesToo) {
    EXPECT_EQ(Frame(210, 310, true, 1), 0);
    EXPECT_EQ(Frame(500, 500, true, 1), 9);
    EXPECT_EQ(bar.held, 0);
    EXPECT_EQ(Frame(500, 500, false, 1), 0);
}

TEST_F(ButtonBarTest, ClicksOutsideEveryButtonChangeNothing) {
    EXPECT_EQ(Frame(500, 500, true), 0);
    EXPECT_EQ(bar.pressedId, 0);
    EXPECT_EQ(bar.held, 0);
    EXPECT_EQ(Frame(500, 500, false), 0);
    for (const ButtonRect& button : kButtons) {
        EXPECT_EQ(bar.Look(button.id), kButtonNormal);
    }
}

namespace {

constexpr uint8_t kPlain = 1;
constexpr uint8_t kAsk = 2;
constexpr uint8_t kShown = 3;
constexpr ButtonRect kRuledButtons[] = {
    {kPlain, 0, 0, 50, 50},
    {kAsk, 100, 0, 50, 50, kButtonHovered, true},
    {kShown, 200, 0, 50, 50},
};

class RuledButtonsTest : public ButtonBarTest {
  protected:
    uint8_t Poll(int32_t x, int32_t y, bool buttonDown, bool pressesTaken = true) {
        machine.SetButton(0, buttonDown);
        mouse.SetAcquired(1);
        mouse.Update();
        ruled.ResetHover();
        return ruled.Poll(x, y, mouse, pressesTaken);
    }
    ButtonBar ruled{kRuledButtons};
};

}  // namespace

TEST_F(RuledButtonsTest, AButtonThatActsOnPressActsWhileHeldButNotAtTheRelease) {
    EXPECT_EQ(Poll(110, 10, true), kAsk);
    EXPECT_EQ(ruled.justPressed, kAsk);
    EXPECT_EQ(ruled.Look(kAsk), kButtonHovered);
    EXPECT_EQ(Poll(110, 10, true), kAsk) << "the press is not used up";
    EXPECT_EQ(ruled.Look(kAsk), kButtonHovered);
    EXPECT_EQ(Poll(110, 10, false), 0) << "the release does not act";
    EXPECT_EQ(ruled.justPressed, 0);
    EXPECT_EQ(ruled.pressedId, 0);
}

TEST_F(RuledButtonsTest, AButtonTheScreenDoesNotOfferNeitherHoversNorPressesNorActs) {
    bool shown = false;
    ruled.available = [&shown](uint8_t id) { return id != kShown || shown; };
    Poll(210, 10, true);
    EXPECT_EQ(ruled.hoverId, 0);
    EXPECT_EQ(ruled.pressedId, 0);
    EXPECT_EQ(ruled.At(210, 10), 0);
    Poll(210, 10, false);

    shown = true;
    Poll(210, 10, true);
    EXPECT_EQ(ruled.pressedId, kShown);
    // Taken away while held: the release comes to nothing.
    shown = false;
    EXPECT_EQ(Poll(210, 10, false), 0);
    EXPECT_EQ(ruled.pressedId, 0);
    EXPECT_EQ(ruled.Look(kShown), kButtonNormal);
}

TEST_F(RuledButtonsTest, WhilePressesAreNotTakenTheButtonsStillHover) {
    EXPECT_EQ(Poll(10, 10, true, false), 0);
    EXPECT_EQ(ruled.hoverId, kPlain);
    EXPECT_EQ(ruled.Look(kPlain), kButtonHovered);
    EXPECT_EQ(ruled.pressedId, 0);
    EXPECT_EQ(Poll(10, 10, false), 0);
}

}  // namespace varn
