#pragma once

#include <gtest/gtest.h>

#include "engine/GraphicsDevice.h"
#include "platform/HeadlessBackend.h"

namespace varn {

// The game's full-screen 800 x 600 graphics device on the headless backend, cleared to black.
class DrawingDeviceTest : public testing::Test {
  protected:
    void SetUp() override {
        platform::Headless()->Reset();
        ASSERT_EQ(device.CreateD3D(), 1);
        ASSERT_EQ(device.CreateDevice(&window, 800, 600, 16), 1);
        device.Clear(0xFF000000);
    }

    platform::BackBuffer& backBuffer() { return device.GetDevice()->backBuffer(); }
    uint16_t PixelAt(int x, int y) { return backBuffer().Row(y)[x]; }
    // The pixels of the box that are not black (colour 0) or that are of the colour.
    int Count(int left, int top, int right, int bottom, uint16_t colour = 0) {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                count += colour == 0 ? PixelAt(x, y) != 0 : PixelAt(x, y) == colour;
            }
        }
        return count;
    }

    int window = 0;
    GraphicsDevice device;
};

}  // namespace varn
