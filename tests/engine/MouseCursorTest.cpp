#include "engine/MouseCursor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "DrawingDevice.h"
#include "engine/InputSystem.h"
#include "platform/BmpWriter.h"
#include "support/TempDir.h"

namespace varn {

namespace {

constexpr uint32_t kPointer = 0xFF00FF00;
constexpr uint32_t kFrame = 0xFF0000FF;

class MouseCursorTest : public DrawingDeviceTest {
  protected:
    void SetUp() override {
        DrawingDeviceTest::SetUp();
        ASSERT_EQ(input.Create(&window), 1);
        ASSERT_EQ(cursor.mouse.Init(&input, 2, 0), 1);
        std::filesystem::create_directory("Art");
        bmp::WriteFile("Art/Cursor2.bmp", bmp::MakeBmp24(64, 64, std::vector(64 * 64, kPointer)));
        bmp::WriteFile("Art/Cursor1.bmp", bmp::MakeBmp24(64, 32, std::vector(64 * 32, kFrame)));
    }

    // One frame as the states run it: move, test, draw; the position drawn at.
    std::pair<int, int> Frame(int dx, int dy) {
        machine.MoveMouse(dx, dy);
        cursor.Update();
        cursor.Draw();
        return {cursor.x, cursor.y};
    }

    void PlaceAt(int x, int y) {
        cursor.x = cursor.previousX = x;
        cursor.y = cursor.previousY = y;
    }

    platform::HeadlessBackend& machine = *platform::Headless();
    TempWorkingDir dir;
    InputSystem input;
    MouseCursor cursor;
};

}  // namespace

TEST_F(MouseCursorTest, AFirstFrameWithoutMovementDrawsThePointerAt400By400) {
    ASSERT_EQ(cursor.Init(&device), 1);
    EXPECT_EQ(Frame(0, 0), std::make_pair(400, 400));
    // 64 x 64 drawn at 0.8 x 0.6 from the position: 51.2 by 38.4 pixels.
    EXPECT_EQ(Count(400, 400, 451, 438, platform::ToR5G6B5(kPointer)), 51 * 38);
    EXPECT_EQ(Count(0, 0, 800, 600), 51 * 38);
    // The frame picture: 32 x 32 at 1.1, centred 15 pixels up and left.
    device.Clear(0xFF000000);
    cursor.DrawFrame(1);
    EXPECT_EQ(Count(385, 385, 420, 420, platform::ToR5G6B5(kFrame)), 35 * 35);
    EXPECT_EQ(Count(0, 0, 800, 600), 35 * 35);
}

TEST_F(MouseCursorTest, AMoveOutsideIsDroppedAsAWholeOnceTheFrameIsDrawn) {
    PlaceAt(796, 300);
    EXPECT_EQ(Frame(1, 5), std::make_pair(796, 300));
    EXPECT_EQ(Frame(0, 5), std::make_pair(796, 305));
    PlaceAt(10, 598);
    EXPECT_EQ(Frame(30, 1), std::make_pair(10, 598));
    EXPECT_EQ(Frame(30, -1), std::make_pair(40, 597));
    // The hover tests of the frame of the move still see the outside position.
    PlaceAt(790, 300);
    machine.MoveMouse(20, 0);
    cursor.Update();
    EXPECT_EQ(cursor.x, 810);
    cursor.DrawFrame(0);
    EXPECT_EQ(cursor.x, 790);
}

TEST_F(MouseCursorTest, WithoutPicturesOrAReadableMouseThePointerIsStillKept) {
    std::filesystem::remove_all("Art");
    EXPECT_EQ(cursor.Init(&device), 0);
    Frame(10, 0);
    machine.foreground = false;
    Frame(0, 0);
    EXPECT_EQ(Frame(0, 0), std::make_pair(410, 400));
    machine.foreground = true;
    EXPECT_EQ(Frame(-5, 0), std::make_pair(405, 400));
    PlaceAt(796, 300);
    EXPECT_EQ(Frame(2, 0), std::make_pair(796, 300));
    cursor.DrawFrame(1);
    EXPECT_EQ(Count(0, 0, 800, 600), 0);
}

}  // namespace varn
