#include "engine/GraphicsDevice.h"

#include "engine/DeviceConstants.h"
#include "platform/Backend.h"

namespace varn {

namespace {

// The first 16-bit format the display shows itself, else the first the renderer draws alone;
// hardware says which. 0 when there is none.
uint32_t ChooseFormat(const platform::Adapter2D& adapter, int32_t& hardware) {
    for (const int32_t displayShows : {1, 0}) {
        for (const uint32_t format : {D3DFMT_R5G6B5, D3DFMT_X1R5G5B5}) {
            if (adapter.CheckDeviceType(format, displayShows == 1)) {
                hardware = displayShows;
                return format;
            }
        }
    }
    return 0;
}

}  // namespace

GraphicsDevice::GraphicsDevice() = default;

GraphicsDevice::~GraphicsDevice() {
    Release();
}

int GraphicsDevice::CreateD3D() {
    Release();
    direct3d = std::make_unique<platform::Adapter2D>();
    return 1;
}

int GraphicsDevice::CreateDevice(void* windowHandle, int32_t wantedWidth, int32_t wantedHeight,
                                 uint8_t wantedBitsPerPixel) {
    window = windowHandle;
    if (window == nullptr || !direct3d) {
        return 0;
    }
    width = wantedWidth;
    height = wantedHeight;
    bitsPerPixel = wantedBitsPerPixel;
    hardware = 0;
    // Only 16 bits has back-buffer formats the renderer draws.
    const uint32_t format = bitsPerPixel == 16 ? ChooseFormat(*direct3d, hardware) : 0;
    if (format == 0) {
        return 0;
    }

    platform::Backend& backend = platform::Current();
    if (!backend.OpenDisplay(width, height, false)) {
        return 0;
    }
    auto created = std::make_unique<platform::Device2D>();
    if (!created->Create(width, height, format)) {
        backend.CloseDisplay();
        return 0;
    }
    device = std::move(created);

    // Scaled pictures are sampled bilinearly. The alpha test stays off until a sprite set that
    // draws keyed pictures turns it on.
    device->SetMagFilter(platform::TextureFilter::Linear);
    device->SetMinFilter(platform::TextureFilter::Linear);

    sprite = std::make_unique<platform::Sprite2D>(*device);
    return 1;
}

int GraphicsDevice::Release() {
    pictures.Clear();
    sprite.reset();
    if (device) {
        device.reset();
        platform::Current().CloseDisplay();
    }
    direct3d.reset();
    return 1;
}

int GraphicsDevice::BeginScene() {
    return device && device->BeginScene() ? 1 : 0;
}

int GraphicsDevice::Clear(uint32_t colour) {
    if (!device) {
        return 0;
    }
    device->Clear(colour);
    return 1;
}

int GraphicsDevice::EndScene() {
    return device && device->EndScene() ? 1 : 0;
}

int GraphicsDevice::Present() {
    return device && device->Present() ? 1 : 0;
}

int GraphicsDevice::SetAlphaTest(int32_t on) {
    if (!device) {
        return 0;
    }
    device->SetAlphaTestEnable(on != 0);
    if (on == 1) {
        device->SetAlphaReference(8);
        device->SetAlphaFunction(platform::CompareFunction::GreaterEqual);
    }
    return 1;
}

}  // namespace varn
