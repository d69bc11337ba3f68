#pragma once

#include <cstdint>
#include <memory>

#include "platform/Device2D.h"

namespace varn {

// Bits per pixel of a device format code; 0 for a format outside the table.
uint8_t FormatBits(uint32_t format);

// The one graphics device the whole game draws through: it opens the display, creates the 2D
// device with linear filtering and the alpha test off, and its sprite, and gives each frame its
// BeginScene, Clear, EndScene and Present. Results are 1 for success and 0 for failure.
class GraphicsDevice {
  public:
    GraphicsDevice();
    ~GraphicsDevice();
    GraphicsDevice(const GraphicsDevice&) = delete;
    GraphicsDevice& operator=(const GraphicsDevice&) = delete;

    int CreateD3D();
    // window is the application's main window (any non-null handle). A size or depth of 0 takes
    // the window's (windowed) or the desktop's.
    int CreateDevice(void* window, int32_t windowed, int32_t width, int32_t height,
                     uint8_t bitsPerPixel);
    int Release();

    platform::Device2D* GetDevice() const { return device.get(); }
    platform::Sprite2D* GetSprite() const { return sprite.get(); }

    int BeginScene();
    int Clear(uint32_t colour);
    int EndScene();
    int Present();

    // On, texels of alpha 8 and more are drawn and the rest dropped: colour keys are transparent.
    int SetAlphaTest(int32_t on);
    int CheckDeviceType(uint32_t format, int32_t windowed, int32_t hal);

    void* window = nullptr;
    std::unique_ptr<platform::Sprite2D> sprite;
    int32_t windowed = 1;
    int32_t hardware = 0;  // 1 when the display itself shows the chosen back-buffer format
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<platform::Adapter2D> direct3d;  // the display adapter, from CreateD3D
    std::unique_ptr<platform::Device2D> device;
    platform::DisplayMode displayMode;
    uint8_t bitsPerPixel = 0;
};

}  // namespace varn
