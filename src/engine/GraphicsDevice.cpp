#include "engine/GraphicsDevice.h"

#include "engine/DeviceConstants.h"
#include "platform/Backend.h"

namespace varn {

uint8_t FormatBits(uint32_t format) {
    switch (format) {
        case D3DFMT_R8G8B8:
            return 24;
        case D3DFMT_A8R8G8B8:
        case D3DFMT_X8R8G8B8:
            return 32;
        case D3DFMT_R5G6B5:
        case D3DFMT_X1R5G5B5:
        case D3DFMT_A1R5G5B5:
        case D3DFMT_A4R4G4B4:
            return 16;
        case D3DFMT_A8P8:
        case D3DFMT_P8:
            return 8;
        default:
            return 0;
    }
}

namespace {

// The two full-screen back-buffer formats tried for a colour depth; false for a depth without.
bool FullScreenFormats(uint8_t bitsPerPixel, uint32_t& first, uint32_t& second) {
    switch (bitsPerPixel) {
        case 32:
            first = second = D3DFMT_X8R8G8B8;
            return true;
        case 24:
            first = second = D3DFMT_R8G8B8;
            return true;
        case 16:
            first = D3DFMT_R5G6B5;
            second = D3DFMT_X1R5G5B5;
            return true;
        case 8:
            first = second = D3DFMT_P8;
            return true;
        default:
            return false;
    }
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

int GraphicsDevice::CreateDevice(void* windowHandle, int32_t windowedFlag, int32_t wantedWidth,
                                 int32_t wantedHeight, uint8_t wantedBitsPerPixel) {
    window = windowHandle;
    if (window == nullptr || !direct3d) {
        return 0;
    }
    displayMode = direct3d->DesktopMode();
    platform::Backend& backend = platform::Current();
    const platform::Rect client = backend.ClientRect();
    width = wantedWidth;
    if (width == 0) {
        width = windowedFlag == 1 ? client.right - client.left : displayMode.width;
    }
    height = wantedHeight;
    if (height == 0) {
        height = windowedFlag == 1 ? client.bottom - client.top : displayMode.height;
    }

    bitsPerPixel = wantedBitsPerPixel;
    if (bitsPerPixel == 0 || windowedFlag == 1) {
        bitsPerPixel = FormatBits(displayMode.format);
    }
    if (bitsPerPixel == 0) {
        return 0;
    }
    if (windowedFlag == 1) {
        // Keep the window's top-left corner and give it a client area of exactly the size.
        const platform::Rect outer = backend.WindowRect();
        backend.MoveMainWindow(outer.left, outer.top,
                               width + (outer.right - outer.left) - (client.right - client.left),
                               height + (outer.bottom - outer.top) - (client.bottom - client.top));
    }

    windowed = windowedFlag;
    hardware = 0;
    uint32_t format = 0;
    if (windowed != 1) {
        uint32_t first = 0;
        uint32_t second = 0;
        if (!FullScreenFormats(bitsPerPixel, first, second)) {
            return 0;
        }
        if (CheckDeviceType(first, windowed, 1)) {
            format = first;
            hardware = 1;
        } else if (CheckDeviceType(second, windowed, 1)) {
            format = second;
            hardware = 1;
        } else if (CheckDeviceType(first, windowed, 0)) {
            format = first;
        } else if (CheckDeviceType(second, windowed, 0)) {
            format = second;
        } else {
            return 0;
        }
    } else {
        format = displayMode.format;
        if (CheckDeviceType(format, windowed, 1)) {
            hardware = 1;
        } else if (!CheckDeviceType(format, windowed, 0)) {
            return 0;
        }
    }

    if (!backend.OpenDisplay(width, height, windowed == 1)) {
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

int GraphicsDevice::CheckDeviceType(uint32_t format, int32_t windowedFlag, int32_t hal) {
    if (!direct3d) {
        return 0;
    }
    return direct3d->CheckDeviceType(format, windowedFlag != 0, hal == 1) ? 1 : 0;
}

}  // namespace varn
