#include "engine/GraphicsDevice.h"

#include <cmath>

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

int GraphicsDevice::CreateDevice(void* windowHandle, int32_t windowedFlag, int32_t depthFlag,
                                 int32_t wantedWidth, int32_t wantedHeight,
                                 uint8_t wantedBitsPerPixel) {
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

    depthBuffer = depthFlag;
    if (!backend.OpenDisplay(width, height, windowed == 1)) {
        return 0;
    }
    auto created = std::make_unique<platform::Device2D>();
    if (!created->Create(width, height, format, depthBuffer == 1)) {
        if (depthBuffer != 1) {
            backend.CloseDisplay();
            return 0;
        }
        // The depth buffer was refused: do without it.
        depthBuffer = 0;
        if (!created->Create(width, height, format, false)) {
            backend.CloseDisplay();
            return 0;
        }
    }
    device = std::move(created);

    SetLighting(0);
    SetZEnable(depthBuffer);
    SetAlphaBlend(0, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA);
    SetAlphaTest(0);
    device->SetColourArg1(D3DTA_TEXTURE);
    device->SetColourArg2(D3DTA_DIFFUSE);
    device->SetColourOperation(D3DTOP_MODULATE);
    device->SetMagFilter(static_cast<platform::TextureFilter>(D3DTEXF_LINEAR));
    device->SetMinFilter(static_cast<platform::TextureFilter>(D3DTEXF_LINEAR));
    SetAmbient(255, 255, 255);
    SetProjection(0.7853982f, static_cast<float>(height) / static_cast<float>(width), 1.0f,
                  10000.0f);

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

int GraphicsDevice::Clear(uint32_t colour, float z) {
    // The device never keeps a depth buffer (it refuses one at creation), so z has nothing to
    // clear and only the target is cleared.
    (void)z;
    return ClearTarget(colour);
}

int GraphicsDevice::ClearTarget(uint32_t colour) {
    if (!device) {
        return 0;
    }
    device->Clear(colour);
    return 1;
}

int GraphicsDevice::EndScene() {
    // The device unbinds the textures of stages 0 to 7 as it ends the scene.
    return device && device->EndScene() ? 1 : 0;
}

int GraphicsDevice::Present() {
    return device && device->Present() ? 1 : 0;
}

int GraphicsDevice::SetLighting(int32_t on) {
    if (!device) {
        return 0;
    }
    device->SetLighting(on != 0);
    return 1;
}

int GraphicsDevice::SetZEnable(int32_t on) {
    if (!device || !depthBuffer) {
        return 0;
    }
    device->SetZEnable(on == 1);
    return 1;
}

int GraphicsDevice::SetAlphaBlend(int32_t on, uint32_t source, uint32_t destination) {
    if (!device) {
        return 0;
    }
    device->SetAlphaBlendEnable(on != 0);
    if (on == 1) {
        device->SetSourceBlend(source);
        device->SetDestinationBlend(destination);
    }
    return 1;
}

int GraphicsDevice::SetAlphaTest(int32_t on) {
    if (!device) {
        return 0;
    }
    device->SetAlphaTestEnable(on != 0);
    if (on == 1) {
        device->SetAlphaReference(8);
        device->SetAlphaFunction(static_cast<platform::CompareFunction>(D3DCMP_GREATEREQUAL));
    }
    return 1;
}

int GraphicsDevice::SetAmbient(uint8_t red, uint8_t green, uint8_t blue) {
    if (!device) {
        return 0;
    }
    ambientRed = red;
    ambientGreen = green;
    ambientBlue = blue;
    device->SetAmbient(0xFF000000u | static_cast<uint32_t>(red) << 16 |
                       static_cast<uint32_t>(green) << 8 | blue);
    return 1;
}

int GraphicsDevice::SetProjection(float fieldOfViewY, float aspect, float zNear, float zFar) {
    if (!device) {
        return 0;
    }
    // A left-handed perspective projection.
    const float yScale = 1.0f / std::tan(fieldOfViewY / 2.0f);
    const float depth = zFar / (zFar - zNear);
    platform::Matrix4 projection;
    projection.m[0][0] = yScale / aspect;
    projection.m[1][1] = yScale;
    projection.m[2][2] = depth;
    projection.m[2][3] = 1.0f;
    projection.m[3][2] = -zNear * depth;
    projection.m[3][3] = 0.0f;
    device->SetProjection(projection);
    return 1;
}

int GraphicsDevice::CheckDeviceType(uint32_t format, int32_t windowedFlag, int32_t hal) {
    if (!direct3d) {
        return 0;
    }
    return direct3d->CheckDeviceType(format, windowedFlag != 0, hal == 1) ? 1 : 0;
}

}  // namespace varn
