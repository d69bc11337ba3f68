#pragma once

#include <gtest/gtest.h>

#include "engine/GraphicsDevice.h"

// A full-screen 800 x 600 graphics device on the headless backend, as the game makes it.
class DrawingDeviceTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(device.CreateD3D(), 1);
        ASSERT_EQ(device.CreateDevice(&window, 0, 0, 800, 600, 16), 1);
    }

    platform::BackBuffer& backBuffer() { return device.GetDevice()->backBuffer(); }
    uint16_t PixelAt(int x, int y) { return backBuffer().Row(y)[x]; }

    int window = 0;
    GraphicsDevice device;
};
