#include "engine/Texture.h"

#include <algorithm>
#include <limits>

#include "engine/DeviceConstants.h"
#include "engine/GraphicsDevice.h"
#include "platform/Device2D.h"

namespace varn {

namespace {

int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

Texture::~Texture() {
    Release();
}

int Texture::Load(GraphicsDevice* owner, const char* path, uint32_t colourKey, uint32_t format) {
    Release();
    device = owner;
    if (device == nullptr || device->GetDevice() == nullptr || path == nullptr) {
        return 0;
    }
    // The device keeps its textures as A1R5G5B5 only.
    if (format != D3DFMT_A1R5G5B5) {
        return 0;
    }
    texture = device->pictures.Load(path, colourKey);
    if (!texture) {
        return 0;
    }
    width = QueryWidth();
    height = QueryHeight();
    return 1;
}

int Texture::QueryWidth() const {
    return texture ? texture->width : 0;
}

int Texture::QueryHeight() const {
    return texture ? texture->height : 0;
}

int Texture::Release() {
    texture.reset();
    device = nullptr;
    width = 0;
    height = 0;
    return 1;
}

int Texture::Draw(int32_t x, int32_t y, int32_t sourceLeft, int32_t sourceTop, int32_t sourceWidth,
                  int32_t sourceHeight, float scaleX, float scaleY, uint32_t colour) {
    if (!texture || device == nullptr || device->GetSprite() == nullptr) {
        return 0;
    }
    const int64_t rectWidth = sourceWidth == 0 ? width : sourceWidth;
    const int64_t rectHeight = sourceHeight == 0 ? height : sourceHeight;
    const platform::SourceRect rect{sourceLeft, sourceTop, ClampToInt32(sourceLeft + rectWidth),
                                    ClampToInt32(sourceTop + rectHeight)};
    return device->GetSprite()->Draw(*texture, rect, static_cast<float>(x), static_cast<float>(y),
                                     scaleX, scaleY, colour)
               ? 1
               : 0;
}

}  // namespace varn
