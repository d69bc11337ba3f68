#include "engine/InputDevice.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "engine/HitTest.h"
#include "engine/InputSystem.h"
#include "engine/KeyCodes.h"
#include "platform/HeadlessBackend.h"

namespace {

class InputTest : public testing::Test {
  protected:
    void SetUp() override {
        machine.Reset();
        ASSERT_EQ(input.Create(&window, nullptr), 1);
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

TEST_F(InputTest, CreationAndSetUpAreTracedInOrder) {
    const std::vector<std::string> expected = {"input.Create", "input.Init(1)", "input.Init(2)"};
    EXPECT_EQ(machine.log, expected);
    EXPECT_EQ(keyboard.kind, 1);
    EXPECT_EQ(mouse.kind, 2);
    EXPECT_EQ(input.GetHwnd(), &window);
}

TEST_F(InputTest, DevicesThatCannotBeMadeStayInert) {
    InputDevice device;
    EXPECT_EQ(device.Init(nullptr, 1, 1), 0);
    InputSystem notCreated;
    EXPECT_EQ(device.Init(&notCreated, 1, 1), 0);
    // No game controller exists here; unknown kinds and a mouse following the system cursor fail.
    for (int kind : {0, 3, 4, -1}) {
        EXPECT_EQ(device.Init(&input, kind, 0), 0) << kind;
        EXPECT_EQ(device.kind, 0);
    }
    EXPECT_EQ(device.Init(&input, 2, 1), 0);
    machine.SetButton(0, true);
    machine.MoveMouse(5, 5);
    EXPECT_EQ(device.Update(), 0);
    EXPECT_EQ(device.ButtonPressed(0), 0);
    EXPECT_EQ(device.GetDeltaX(), 0);
}

TEST_F(InputTest, ADeviceMadeWhileTheWindowIsBehindNeverReads) {
    machine.foreground = false;
    InputDevice late;
    EXPECT_EQ(late.Init(&input, 1, 1), 0);
    EXPECT_EQ(late.kind, 0);
    machine.foreground = true;
    machine.SetKey(kKeyReturn, true);
    EXPECT_EQ(Poll(late), 0);
    EXPECT_EQ(late.KeyPressed(kKeyReturn), 0);
}

TEST_F(InputTest, AHeldKeyCountsOnceWhenTheCallerLatchesIt) {
    machine.SetKey(kKeyReturn, true);
    int presses = 0;
    for (int frame = 0; frame < 5; ++frame) {
        ASSERT_EQ(Poll(keyboard), 1);
        if (keyboard.KeyPressed(kKeyReturn)) {
            keyboard.SetLatch(kKeyReturn, 1);
            ++presses;
        }
    }
    EXPECT_EQ(presses, 1);
}

TEST_F(InputTest, AHeldKeyCountsEveryFrameWithoutALatch) {
    machine.SetKey(kKeyRight, true);
    int presses = 0;
    for (int frame = 0; frame < 5; ++frame) {
        Poll(keyboard);
        presses += keyboard.KeyPressed(kKeyRight);
    }
    EXPECT_EQ(presses, 5);
}

TEST_F(InputTest, OnlyAnUpdateThatSeesTheKeyUpFreesItsLatch) {
    machine.SetKey(kKeyEscape, true);
    Poll(keyboard);
    ASSERT_EQ(keyboard.KeyPressed(kKeyEscape), 1);
    keyboard.SetLatch(kKeyEscape, 1);
    // Released and pressed again between two updates: the same press.
    machine.SetKey(kKeyEscape, false);
    machine.SetKey(kKeyEscape, true);
    Poll(keyboard);
    EXPECT_EQ(keyboard.KeyPressed(kKeyEscape), 0);
    // Seen up once, the next press counts.
    machine.SetKey(kKeyEscape, false);
    Poll(keyboard);
    machine.SetKey(kKeyEscape, true);
    Poll(keyboard);
    EXPECT_EQ(keyboard.KeyPressed(kKeyEscape), 1);
}

TEST_F(InputTest, KeyCodesFoldIntoTheKeyTable) {
    machine.SetKey(kKeyReturn, true);
    Poll(keyboard);
    EXPECT_EQ(keyboard.KeyPressed(kKeyReturn + 256), 1);
    EXPECT_EQ(keyboard.KeyPressed(kKeyReturn - 256), 1);
    keyboard.SetLatch(kKeyReturn + 512, 1);
    EXPECT_EQ(keyboard.KeyPressed(kKeyReturn), 0);
    EXPECT_EQ(keyboard.SetLatch(INT_MIN, 1), 1);
    EXPECT_EQ(keyboard.KeyPressed(INT_MAX), 0);
}

TEST_F(InputTest, MouseButtonsOutsideTheFourAreNeverPressed) {
    for (int button = 0; button < 4; ++button) {
        machine.SetButton(button, true);
    }
    Poll(mouse);
    EXPECT_EQ(mouse.ButtonPressed(3), 1);
    for (int button : {4, 255, 256, -1, INT_MAX, INT_MIN}) {
        EXPECT_EQ(mouse.ButtonPressed(button), 0) << button;
    }
    // Buttons are the mouse's; the keyboard has none.
    EXPECT_EQ(keyboard.ButtonPressed(0), 0);
}

TEST_F(InputTest, MouseLatchesAreFreedOnlyByAReleasedButton) {
    machine.SetButton(1, true);
    Poll(mouse);
    ASSERT_EQ(mouse.ButtonPressed(1), 1);
    mouse.SetLatch(1, 1);
    Poll(mouse);
    EXPECT_EQ(mouse.ButtonPressed(1), 0);
    machine.SetButton(1, false);
    Poll(mouse);
    machine.SetButton(1, true);
    Poll(mouse);
    EXPECT_EQ(mouse.ButtonPressed(1), 1);
}

TEST_F(InputTest, MouseIsIdleWhenNoPressWaits) {
    Poll(mouse);
    EXPECT_EQ(IsMouseIdle(mouse), 1);
    // Idle latched both buttons: a press arriving later in the same frame does not count.
    EXPECT_EQ(mouse.latch[0], 1);
    EXPECT_EQ(mouse.latch[1], 1);
    EXPECT_EQ(mouse.ButtonPressed(0), 0);
    EXPECT_EQ(mouse.ButtonPressed(1), 0);
}

TEST_F(InputTest, AFreshPressIsNotIdleAndStaysForTheClickTest) {
    Poll(mouse);
    machine.SetButton(0, true);
    Poll(mouse);
    EXPECT_EQ(IsMouseIdle(mouse), 0);
    EXPECT_EQ(mouse.latch[0], 0);
    EXPECT_EQ(mouse.latch[1], 0);
    EXPECT_EQ(mouse.ButtonPressed(0), 1);
    // The click test takes the press; then nothing waits.
    mouse.SetLatch(0, 1);
    EXPECT_EQ(IsMouseIdle(mouse), 1);
}

TEST_F(InputTest, TheRightButtonAloneAlsoKeepsTheMouseBusy) {
    machine.SetButton(1, true);
    Poll(mouse);
    EXPECT_EQ(IsMouseIdle(mouse), 0);
    EXPECT_EQ(mouse.ButtonPressed(1), 1);
}

TEST_F(InputTest, TheMouseReportsItsMovementAndSumsIt) {
    machine.MoveMouse(7, -3);
    Poll(mouse);
    EXPECT_EQ(mouse.GetDeltaX(), 7);
    EXPECT_EQ(mouse.GetDeltaY(), -3);
    machine.MoveMouse(2, 10);
    Poll(mouse);
    EXPECT_EQ(mouse.GetDeltaX(), 2);
    EXPECT_EQ(mouse.cursorX, 9);
    EXPECT_EQ(mouse.cursorY, 7);
    Poll(mouse);
    EXPECT_EQ(mouse.GetDeltaX(), 0);
    EXPECT_EQ(keyboard.GetDeltaX(), 0);
    EXPECT_EQ(keyboard.GetDeltaY(), 0);
}

TEST_F(InputTest, SummedMovementWrapsInsteadOfOverflowing) {
    machine.MoveMouse(INT_MAX, 0);
    Poll(mouse);
    machine.MoveMouse(INT_MAX, 0);
    EXPECT_EQ(Poll(mouse), 1);
}

TEST_F(InputTest, LosingTheForegroundKeepsTheLastStateAndLatches) {
    machine.SetKey(kKeySpace, true);
    Poll(keyboard);
    keyboard.SetLatch(kKeySpace, 1);
    machine.foreground = false;
    machine.SetKey(kKeySpace, false);
    machine.SetKey(kKeyEscape, true);
    EXPECT_EQ(Poll(keyboard), 0);
    // The key still reads as down and, latched, does not count twice; nothing new counts.
    EXPECT_NE(keyboard.state[kKeySpace] & 0x80, 0);
    EXPECT_EQ(keyboard.KeyPressed(kKeySpace), 0);
    EXPECT_EQ(keyboard.KeyPressed(kKeyEscape), 0);
    // Back in front, the next read takes the device back.
    machine.foreground = true;
    EXPECT_EQ(Poll(keyboard), 1);
    EXPECT_EQ(keyboard.latch[kKeySpace], 0);
    EXPECT_EQ(keyboard.KeyPressed(kKeyEscape), 1);
}

TEST_F(InputTest, AnUnreadableMouseKeepsItsLastMovement) {
    machine.MoveMouse(4, 4);
    machine.SetButton(0, true);
    Poll(mouse);
    machine.foreground = false;
    EXPECT_EQ(Poll(mouse), 0);
    EXPECT_EQ(mouse.GetDeltaX(), 4);
    EXPECT_EQ(mouse.cursorX, 4);
    EXPECT_EQ(mouse.ButtonPressed(0), 1);
}

TEST_F(InputTest, ReleaseEmptiesTheDevice) {
    machine.SetKey(kKeyReturn, true);
    Poll(keyboard);
    keyboard.SetLatch(kKeyA, 1);
    EXPECT_EQ(keyboard.Release(), 1);
    EXPECT_EQ(keyboard.kind, 0);
    EXPECT_EQ(keyboard.state[kKeyReturn], 0);
    EXPECT_EQ(keyboard.latch[kKeyA], 0);
    EXPECT_EQ(keyboard.Update(), 0);
    EXPECT_EQ(keyboard.SetAcquired(1), 0);
    EXPECT_EQ(keyboard.Release(), 1);
    EXPECT_EQ(input.Release(), 1);
    EXPECT_EQ(input.GetDirectInput(), nullptr);
}

TEST(PointInRect, LeftAndTopEdgesAreInsideRightAndBottomOutside) {
    EXPECT_EQ(PointInRect(0, 0, 10, 10, 0, 0), 1);
    EXPECT_EQ(PointInRect(0, 0, 10, 10, 9, 9), 1);
    EXPECT_EQ(PointInRect(0, 0, 10, 10, 0, 9), 1);
    EXPECT_EQ(PointInRect(0, 0, 10, 10, 10, 5), 0);
    EXPECT_EQ(PointInRect(0, 0, 10, 10, 5, 10), 0);
    EXPECT_EQ(PointInRect(0, 0, 10, 10, -1, 5), 0);
    EXPECT_EQ(PointInRect(0, 0, 10, 10, 5, -1), 0);
    EXPECT_EQ(PointInRect(-20, -20, 10, 10, -15, -11), 1);
}

TEST(PointInRect, EmptyAndNegativeSizesContainNothing) {
    EXPECT_EQ(PointInRect(0, 0, 0, 10, 0, 5), 0);
    EXPECT_EQ(PointInRect(0, 0, 10, 0, 5, 0), 0);
    EXPECT_EQ(PointInRect(5, 5, -3, 10, 4, 6), 0);
}

TEST(PointInRect, RectanglesAtTheEndOfTheRangeDoNotWrap) {
    EXPECT_EQ(PointInRect(INT_MAX - 5, 0, 10, 10, INT_MAX, 5), 1);
    EXPECT_EQ(PointInRect(0, INT_MAX - 5, 10, 10, 5, INT_MAX), 1);
    EXPECT_EQ(PointInRect(INT_MAX - 5, 0, INT_MAX, 10, INT_MIN, 5), 0);
}
