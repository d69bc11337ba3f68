#include "engine/MouseCursor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "DrawingDevice.h"
#include "engine/InputSystem.h"
#include "platform/HeadlessBackend.h"
#include "support/TempDir.h"

namespace {

// Writes a 24-bit picture of width x height filled with one colour (0xRRGGBB).
void WriteBmp(const std::filesystem::path& path, int width, int height, uint32_t rgb) {
    std::filesystem::create_directories(path.parent_path());
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes * height);
    std::vector<uint8_t> file(54 + pixelBytes, 0);
    auto put = [&](size_t at, uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            file[at + i] = static_cast<uint8_t>(value >> (8 * i));
        }
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, static_cast<uint32_t>(file.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<uint32_t>(width), 4);
    put(22, static_cast<uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, pixelBytes, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            put(54 + static_cast<size_t>(y * rowBytes + x * 3), rgb, 3);
        }
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
}

constexpr uint32_t kPointerColour = 0x00FF00;
constexpr uint32_t kFrameColour = 0x0000FF;

class MouseCursorTest : public DrawingDeviceTest {
  protected:
    void SetUp() override {
        machine.Reset();
        DrawingDeviceTest::SetUp();
        ASSERT_EQ(input.Create(&window, nullptr), 1);
        ASSERT_EQ(cursor.mouse.Init(&input, 2, 0), 1);
    }

    void LoadPictures() {
        WriteBmp(dir.path() / "Art" / "Cursor2.bmp", 64, 64, kPointerColour);
        WriteBmp(dir.path() / "Art" / "Cursor1.bmp", 64, 32, kFrameColour);
        ASSERT_EQ(cursor.Init(&device), 1);
    }

    // One frame as the states run it: move, test, draw.
    void Frame(int dx, int dy) {
        machine.MoveMouse(dx, dy);
        cursor.Update();
        cursor.Draw();
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
    LoadPictures();
    device.Clear(0xFF000000, 1.0f);
    Frame(0, 0);
    EXPECT_EQ(cursor.x, 400);
    EXPECT_EQ(cursor.y, 400);
    const uint16_t green = platform::ToR5G6B5(0xFF000000 | kPointerColour);
    EXPECT_EQ(PixelAt(400, 400), green);
    EXPECT_EQ(PixelAt(399, 400), 0);
    EXPECT_EQ(PixelAt(400, 399), 0);
    // 64 x 64 drawn at 0.8 x 0.6: 51.2 by 38.4 pixels.
    EXPECT_EQ(PixelAt(450, 437), green);
    EXPECT_EQ(PixelAt(452, 400), 0);
    EXPECT_EQ(PixelAt(400, 439), 0);
}

TEST_F(MouseCursorTest, DrawFrameCentresTheSecondPictureUpAndLeft) {
    LoadPictures();
    device.Clear(0xFF000000, 1.0f);
    cursor.DrawFrame(1);
    const uint16_t blue = platform::ToR5G6B5(0xFF000000 | kFrameColour);
    EXPECT_EQ(PixelAt(385, 385), blue);
    EXPECT_EQ(PixelAt(384, 385), 0);
    EXPECT_EQ(PixelAt(419, 419), blue);  // 32 x 1.1 = 35.2 pixels
    EXPECT_EQ(PixelAt(421, 400), 0);
}

TEST_F(MouseCursorTest, TheAllowedAreaIs2To796By2To598) {
    EXPECT_EQ(IsOutsideRect(0, 0, 800, 600, 2, 2), 0);
    EXPECT_EQ(IsOutsideRect(0, 0, 800, 600, 796, 598), 0);
    EXPECT_EQ(IsOutsideRect(0, 0, 800, 600, 1, 300), 1);
    EXPECT_EQ(IsOutsideRect(0, 0, 800, 600, 797, 300), 1);
    EXPECT_EQ(IsOutsideRect(0, 0, 800, 600, 300, 1), 1);
    EXPECT_EQ(IsOutsideRect(0, 0, 800, 600, 300, 599), 1);
    EXPECT_EQ(IsOutsideRect(100, 50, 10, 10, 103, 55), 0);
    EXPECT_EQ(IsOutsideRect(100, 50, 10, 10, 107, 55), 1);
    EXPECT_EQ(IsOutsideRect(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 0, 0), 1);
}

TEST_F(MouseCursorTest, AMoveOutsideIsDroppedAsAWhole) {
    PlaceAt(796, 300);
    Frame(1, 5);
    EXPECT_EQ(cursor.x, 796);
    EXPECT_EQ(cursor.y, 300);
    Frame(0, 5);
    EXPECT_EQ(cursor.x, 796);
    EXPECT_EQ(cursor.y, 305);
}

TEST_F(MouseCursorTest, AtTheBottomEdgeAnyDownwardMoveLosesItsSidewaysPartToo) {
    PlaceAt(10, 598);
    Frame(30, 1);
    EXPECT_EQ(cursor.x, 10);
    EXPECT_EQ(cursor.y, 598);
    Frame(30, -1);
    EXPECT_EQ(cursor.x, 40);
    EXPECT_EQ(cursor.y, 597);
}

TEST_F(MouseCursorTest, TestsInTheFrameOfTheMoveSeeTheOutsidePosition) {
    PlaceAt(790, 300);
    machine.MoveMouse(20, 0);
    cursor.Update();
    EXPECT_EQ(cursor.x, 810);  // what this frame's hover tests see
    cursor.Draw();
    EXPECT_EQ(cursor.x, 790);
    EXPECT_EQ(cursor.previousX, 790);
}

TEST_F(MouseCursorTest, DrawFrameAppliesTheSameBounds) {
    PlaceAt(400, 3);
    machine.MoveMouse(5, -2);
    cursor.Update();
    cursor.DrawFrame(0);
    EXPECT_EQ(cursor.x, 400);
    EXPECT_EQ(cursor.y, 3);
}

TEST_F(MouseCursorTest, RestorePositionGoesBackToTheLastDraw) {
    Frame(10, 20);
    machine.MoveMouse(3, 3);
    cursor.Update();
    cursor.RestorePosition();
    EXPECT_EQ(cursor.x, 410);
    EXPECT_EQ(cursor.y, 420);
}

TEST_F(MouseCursorTest, AnUnreadableMouseLeavesThePointerStill) {
    Frame(10, 0);
    machine.foreground = false;
    Frame(0, 0);
    Frame(0, 0);
    EXPECT_EQ(cursor.x, 410);
    machine.foreground = true;
    Frame(-5, 0);
    EXPECT_EQ(cursor.x, 405);
}

TEST_F(MouseCursorTest, MissingPicturesDrawNothingButThePositionIsStillKept) {
    EXPECT_EQ(cursor.Init(&device), 0);
    device.Clear(0xFF000000, 1.0f);
    PlaceAt(796, 300);
    Frame(2, 0);
    cursor.DrawFrame(1);
    EXPECT_EQ(cursor.x, 796);
    for (uint16_t pixel : backBuffer().pixels) {
        ASSERT_EQ(pixel, 0);
    }
}
