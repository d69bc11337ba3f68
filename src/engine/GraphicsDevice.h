#pragma once

#include <cstdint>
#include <memory>

#include "engine/PictureCache.h"
#include "platform/Device2D.h"

namespace varn {

// The one graphics device the whole game draws through: it opens the full-screen display, creates
// the 2D device with linear filtering and the alpha test off, and its sprite, and gives each
// frame its BeginScene, Clear, EndScene and Present. Results are 1 for success and 0 for failure.
class GraphicsDevice {
  public:
    GraphicsDevice();
    ~GraphicsDevice();
    GraphicsDevice(const GraphicsDevice&) = delete;
    GraphicsDevice& operator=(const GraphicsDevice&) = delete;

    int CreateD3D();
    // window is the application's main window (any non-null handle). Of the colour depths only
    // 16 bits has a format the renderer draws: R5G6B5, else X1R5G5B5.
    int CreateDevice(void* window, int32_t width, int32_t height, uint8_t bitsPerPixel);
    int Release();

    platform::Device2D* GetDevice() const { return device.get(); }
    platform::Sprite2D* GetSprite() const { return sprite.get(); }

    int BeginScene();
    int Clear(uint32_t colour);
    int EndScene();
    int Present();

    // On, texels of alpha 8 and more are drawn and the rest dropped: colour keys are transparent.
    int SetAlphaTest(int32_t on);

    void* window = nullptr;
    std::unique_ptr<platform::Sprite2D> sprite;
    int32_t hardware = 0;  // 1 when the display itself shows the chosen back-buffer format
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<platform::Adapter2D> direct3d;  // the display adapter, from CreateD3D
    std::unique_ptr<platform::Device2D> device;
    uint8_t bitsPerPixel = 0;
    // Every picture loaded through the device; dropped by Release.
    PictureCache pictures;
};

}  // namespace varn
