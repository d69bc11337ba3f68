#include "engine/InputDevice.h"

#include <gtest/gtest.h>

#include <climits>

#include "engine/HitTest.h"
#include "engine/InputSystem.h"
#include "engine/KeyCodes.h"
#include "platform/HeadlessBackend.h"

namespace varn {

namespace {

class InputTest : public testing::Test {
  protected:
    void SetUp() override {
        machine.Reset();
        ASSERT_EQ(input.Create(&window), 1);
        ASSERT_EQ(keyboard.Init(&input, 1, 1), 1);
        ASSERT_EQ(mouse.Init(&input, 2, 0), 1);
    }

    // One frame's poll of a device, as every state does it.
    int Poll(InputDevice& device) {
        device.SetAcquired(1);
        return device.Update();
    }

    platform::HeadlessBackend& machine = *platform::Headless();
    int window = 0;
    InputSystem input;
    InputDevice keyboard;
    InputDevice mouse;
};

}  // namespace

TEST_F(InputTest, AHeldKeyCountsOnceOnlyWhenTheCallerLatchesIt) {
    machine.SetKey(kKeyReturn, true);
    machine.SetKey(kKeyRight, true);
    int latched = 0, unlatched = 0;
    for (int frame = 0; frame < 5; ++frame) {
        ASSERT_EQ(Poll(keyboard), 1);
        latched += keyboard.KeyPressed(kKeyReturn);
        keyboard.SetLatch(kKeyReturn, 1);
        unlatched += keyboard.KeyPressed(kKeyRight);
    }
    EXPECT_EQ(latched, 1);
    EXPECT_EQ(unlatched, 5);
    // Once an update has seen the key up, its next press counts again.
    machine.SetKey(kKeyReturn, false);
    Poll(keyboard);
    machine.SetKey(kKeyReturn, true);
    Poll(keyboard);
    EXPECT_EQ(keyboard.KeyPressed(kKeyReturn), 1);
}

TEST_F(InputTest, CodesOutsideTheTablesNeverReadPastThemAndMovementSumsWithoutOverflow) {
    machine.SetKey(kKeyReturn, true);
    machine.SetButton(3, true);
    machine.MoveMouse(INT_MAX, -3);
    Poll(keyboard);
    Poll(mouse);
    machine.MoveMouse(INT_MAX, 10);
    EXPECT_EQ(Poll(mouse), 1);
    EXPECT_EQ(mouse.GetDeltaY(), 10);
    EXPECT_EQ(mouse.cursorY, 7);
    // Key codes fold into 0..255; the mouse has four buttons, the keyboard none.
    EXPECT_EQ(keyboard.KeyPressed(kKeyReturn - 256), 1);
    keyboard.SetLatch(kKeyReturn + 512, 1);
    EXPECT_EQ(keyboard.KeyPressed(kKeyReturn) + keyboard.KeyPressed(INT_MAX), 0);
    EXPECT_EQ(mouse.ButtonPressed(3), 1);
    EXPECT_EQ(mouse.ButtonPressed(4) + mouse.ButtonPressed(-1) + mouse.ButtonPressed(INT_MIN), 0);
    EXPECT_EQ(keyboard.ButtonPressed(0), 0);
}

TEST_F(InputTest, TheMouseIsIdleOnlyWhenNoPressWaits) {
    for (int button : {0, 1}) {
        SCOPED_TRACE(button);
        machine.SetButton(button, true);
        Poll(mouse);
        // A fresh press is not idle and stays for the screen's click test.
        EXPECT_EQ(IsMouseIdle(mouse), 0);
        EXPECT_EQ(mouse.latch[0] + mouse.latch[1], 0);
        EXPECT_EQ(mouse.ButtonPressed(button), 1);
        mouse.SetLatch(button, 1);
        EXPECT_EQ(IsMouseIdle(mouse), 1);
        machine.SetButton(button, false);
        Poll(mouse);
    }
    // Idle latches both buttons: a press arriving later in the same frame does not count.
    EXPECT_EQ(IsMouseIdle(mouse), 1);
    EXPECT_EQ(mouse.latch[0] + mouse.latch[1], 2);
}

TEST_F(InputTest, LosingTheForegroundKeepsTheLastStateAndLatches) {
    machine.SetKey(kKeySpace, true);
    Poll(keyboard);
    keyboard.SetLatch(kKeySpace, 1);
    machine.foreground = false;
    machine.SetKey(kKeySpace, false);
    machine.SetKey(kKeyEscape, true);
    EXPECT_EQ(Poll(keyboard), 0);
    EXPECT_EQ(keyboard.KeyPressed(kKeySpace) + keyboard.KeyPressed(kKeyEscape), 0);
    // Back in front, the next read takes the device back.
    machine.foreground = true;
    EXPECT_EQ(Poll(keyboard), 1);
    EXPECT_EQ(keyboard.latch[kKeySpace], 0);
    EXPECT_EQ(keyboard.KeyPressed(kKeyEscape), 1);
}

TEST(PointInRect, LeftAndTopEdgesAreInsideRightBottomAndEmptyOnesOutside) {
    const int32_t cases[][7] = {
        {0, 0, 10, 10, 0, 9, 1},  {0, 0, 10, 10, 10, 5, 0}, {0, 0, 10, 10, 5, 10, 0},
        {0, 0, 10, 10, -1, 5, 0}, {0, 0, 0, 10, 0, 5, 0},   {5, 5, -3, 10, 4, 6, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PointInRect(c[0], c[1], c[2], c[3], c[4], c[5]), c[6]) << c[4] << "," << c[5];
    }
    // Rectangles at the end of the range do not wrap.
    EXPECT_EQ(PointInRect(INT_MAX - 5, 0, 10, 10, INT_MAX, 5), 1);
    EXPECT_EQ(PointInRect(INT_MAX - 5, 0, INT_MAX, 10, INT_MIN, 5), 0);
}

}  // namespace varn
