#include <vector>

#include "map/MapFixture.h"

namespace varn {

namespace {

class ControlPanelTest : public MapFixture {
  protected:
    InputDevice& mouse() { return game.app.mouseCursor.mouse; }

    // One map frame of the panel: hover, click, act, end-of-frame reset. Returns the id acted
    // on.
    uint8_t Frame(int32_t x, int32_t y, bool buttonDown, int button = 0) {
        backend().SetButton(button, buttonDown);
        mouse().Update();
        panel->Hover(x, y);
        panel->Click(x, y, mouse());
        const uint8_t action = panel->TakeAction(mouse());
        hoverSeen = panel->buttons.hoverId;
        panel->ResetHover();
        return action;
    }

    std::vector<int32_t> SlotsDrawn() {
        backend().draws.clear();
        backend().recordDraws = true;
        panel->Draw();
        backend().recordDraws = false;
        std::vector<int32_t> slots;
        for (const platform::SpriteDrawRecord& draw : backend().draws) {
            for (int32_t slot = 0; slot < panel->sprites->count; ++slot) {
                if (panel->sprites->slots[static_cast<size_t>(slot)].texture.texture.get() ==
                    draw.texture) {
                    slots.push_back(slot);
                }
            }
        }
        return slots;
    }

    uint8_t hoverSeen = 0;
};

TEST_F(ControlPanelTest, HoverAndPressIdsOverEachButton) {
    struct Case {
        int32_t x, y;
        uint8_t id;
        uint8_t (ControlPanel::*state)() const;
    };
    const Case cases[] = {
        {678, 440, kEndDayButton, &ControlPanel::endDayState},
        {773, 481, kEndDayButton, &ControlPanel::endDayState},
        {726, 12, kHideShowButton, &ControlPanel::hideShowState},
        {650, 43, kQuitButton, &ControlPanel::quitState},
        {659, 100, kYouButton, &ControlPanel::youState},
        {790, 120, kYouButton, &ControlPanel::youState},  // the rectangle runs to x 914
        {700, 170, kHeroesButton, &ControlPanel::heroesState},
        {700, 309, kWealthButton, &ControlPanel::wealthState},
        {700, 379, kQuestLogButton, &ControlPanel::questLogState},
        {678, 426, kOptionsButton, &ControlPanel::optionsState},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        Frame(c.x, c.y, false);
        EXPECT_EQ(hoverSeen, c.id);
        EXPECT_EQ((panel.get()->*c.state)(), kButtonHovered);
        backend().SetButton(0, true);
        mouse().Update();
        panel->Hover(c.x, c.y);
        EXPECT_EQ(panel->Click(c.x, c.y, mouse()), 1);
        EXPECT_EQ(panel->buttons.pressedId, c.id);
        EXPECT_EQ((panel.get()->*c.state)(), kButtonPressed);
        // Released over it: acted on once.
        EXPECT_EQ(Frame(c.x, c.y, false), c.id);
        EXPECT_EQ(Frame(c.x, c.y, false), 0);
    }
}

TEST_F(ControlPanelTest, ClicksOutsideEveryButtonChangeNothing) {
    for (const auto& [x, y] : {std::pair(400, 300), std::pair(677, 440), std::pair(714, 12),
                               std::pair(678, 482), std::pair(658, 150), std::pair(790, 44)}) {
        backend().SetButton(0, true);
        mouse().Update();
        panel->Hover(x, y);
        EXPECT_EQ(panel->buttons.hoverId, 0) << x << ", " << y;
        EXPECT_EQ(panel->Click(x, y, mouse()), 0);
        EXPECT_EQ(panel->buttons.pressedId, 0);
        EXPECT_EQ(panel->buttons.held, 0);
        EXPECT_EQ(panel->TakeAction(mouse()), 0);
        backend().SetButton(0, false);
        mouse().Update();
    }
}

TEST_F(ControlPanelTest, APressActsWhenReleasedOrAtOnceWhenThePointerSlidesOff) {
    // Held down over End of day: nothing until the release.
    EXPECT_EQ(Frame(700, 450, true), 0);
    EXPECT_EQ(Frame(700, 450, true), 0);
    EXPECT_EQ(panel->endDayState(), kButtonPressed);
    EXPECT_EQ(Frame(700, 450, false), kEndDayButton);
    // Acting latched the buttons: the next press counts once they were seen up.
    EXPECT_EQ(Frame(700, 450, false), 0);

    // Pressed on Heroes and slid off while held: acts in the first frame off it.
    EXPECT_EQ(Frame(700, 200, true), 0);
    EXPECT_EQ(Frame(400, 300, true), kHeroesButton);
    EXPECT_EQ(Frame(400, 300, false), 0);
    EXPECT_EQ(Frame(400, 300, false), 0);

    // The right button presses as the left does.
    EXPECT_EQ(Frame(700, 20, true, 1), 0);
    EXPECT_EQ(Frame(700, 20, false, 1), kQuitButton);
}

TEST_F(ControlPanelTest, WhileHiddenOnlyTheShowButtonReacts) {
    panel->shown = 0;
    // Where You was: no hover, no press, no action.
    EXPECT_EQ(Frame(700, 120, false), 0);
    EXPECT_EQ(hoverSeen, 0);
    EXPECT_EQ(Frame(700, 120, true), 0);
    EXPECT_EQ(panel->buttons.pressedId, 0);
    EXPECT_EQ(panel->buttons.held, 0);
    EXPECT_EQ(Frame(700, 120, false), 0);
    // Show still works.
    EXPECT_EQ(Frame(730, 20, false), 0);
    EXPECT_EQ(hoverSeen, kHideShowButton);
    EXPECT_EQ(Frame(730, 20, true), 0);
    EXPECT_EQ(Frame(730, 20, false), kHideShowButton);
}

TEST_F(ControlPanelTest, AHiddenPanelDrawsOnlyItsShowButton) {
    panel->shown = 0;
    EXPECT_EQ(SlotsDrawn(), (std::vector<int32_t>{5}));
    ASSERT_EQ(backend().draws.size(), 1u);
    EXPECT_EQ(backend().draws[0].x, 726.0f);
    EXPECT_EQ(backend().draws[0].y, 12.0f);

    // Shown and idle: the pictures; with You hovered, its words in place of the portrait.
    panel->shown = 1;
    EXPECT_EQ(SlotsDrawn(), (std::vector<int32_t>{3, 1, 0, 0, 0, 0, 4, 8, 7, 7, 9, 13, 15}));
    Frame(700, 120, false);
    EXPECT_EQ(SlotsDrawn(), (std::vector<int32_t>{3, 1, 0, 0, 0, 0, 4, 6, 7, 7, 9, 13, 15}));
    Frame(700, 330, false);
    EXPECT_EQ(SlotsDrawn(), (std::vector<int32_t>{3, 1, 0, 0, 0, 0, 4, 8, 7, 7, 6, 6, 13, 15}));
    Frame(700, 400, false);
    EXPECT_EQ(SlotsDrawn(), (std::vector<int32_t>{3, 1, 0, 0, 0, 0, 4, 8, 7, 7, 9, 13, 14}));
}

TEST_F(ControlPanelTest, TheScreensShowHideButtonHasItsOwnPlaceAndId) {
    EXPECT_EQ(Frame(490, 150, false), 0);
    panel->HoverShowHide(490, 150);
    EXPECT_EQ(panel->showHideButton.hoverId, kScreenHideShowButton);
    backend().SetButton(1, true);
    mouse().Update();
    EXPECT_EQ(panel->ClickShowHide(490, 150, mouse()), 1);
    backend().SetButton(1, false);
    mouse().Update();
    panel->showHideButton.ResetHover();
    panel->HoverShowHide(490, 150);
    EXPECT_EQ(panel->TakeShowHideAction(mouse()), kScreenHideShowButton);
    // The map's press state is untouched by the screens' button.
    EXPECT_EQ(panel->buttons.pressedId, 0);

    panel->shown = 0;
    backend().draws.clear();
    backend().recordDraws = true;
    panel->DrawShowHide();
    backend().recordDraws = false;
    ASSERT_EQ(backend().draws.size(), 1u);
    EXPECT_EQ(backend().draws[0].texture, panel->sprites->slots[5].texture.texture.get());
    EXPECT_EQ(backend().draws[0].x, 485.0f);
    EXPECT_EQ(backend().draws[0].y, 140.0f);
}

TEST_F(ControlPanelTest, TheFireBurnsThroughItsEightFrames) {
    std::vector<int> frames;
    uint32_t now = 5000;
    for (int call = 0; call < 27; ++call) {
        backend().now = now;
        panel->Animate();
        frames.push_back(panel->fireFrame);
        now += 101;
    }
    const std::vector<int> expected = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4,
                                       5, 5, 5, 6, 6, 6, 7, 7, 7, 0, 0, 0, 1};
    EXPECT_EQ(frames, expected);
}

}  // namespace

}  // namespace varn
