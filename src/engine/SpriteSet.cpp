#include "engine/SpriteSet.h"

#include <limits>
#include <new>

#include "engine/GraphicsDevice.h"

namespace varn {

namespace {

bool FitsInt32(int64_t value) {
    return value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

}  // namespace

SpriteSet::~SpriteSet() {
    Free();
}

int SpriteSet::Init(GraphicsDevice* owner, int32_t slots) {
    Free();
    device = owner;
    if (device == nullptr) {
        return 0;
    }
    count = slots;
    // The screens ask for 1 to 255 slots; a negative count is refused like 0.
    if (count <= 0) {
        return 0;
    }
    const size_t size = static_cast<size_t>(count);
    textures.reset(new (std::nothrow) Texture[size]);
    frameWidth.reset(new (std::nothrow) int32_t[size]());
    frameHeight.reset(new (std::nothrow) int32_t[size]());
    framesPerRow.reset(new (std::nothrow) int32_t[size]());
    if (!textures || !frameWidth || !frameHeight || !framesPerRow) {
        textures.reset();
        frameWidth.reset();
        frameHeight.reset();
        framesPerRow.reset();
        return 0;
    }
    return 1;
}

int SpriteSet::Free() {
    device = nullptr;
    textures.reset();
    frameWidth.reset();
    frameHeight.reset();
    framesPerRow.reset();
    count = 0;
    return 1;
}

int SpriteSet::Load(int32_t slot, const char* path, int16_t wantedFrameWidth,
                    int16_t wantedFrameHeight, uint32_t colourKey, uint32_t format) {
    if (slot < 0 || slot >= count || !textures) {
        return 0;
    }
    ReleaseSlot(slot);
    Texture& texture = textures[slot];
    if (!texture.Load(device, path, colourKey, format)) {
        return 0;
    }
    frameWidth[slot] = wantedFrameWidth != 0 ? wantedFrameWidth : texture.width;
    frameHeight[slot] = wantedFrameHeight != 0 ? wantedFrameHeight : texture.height;
    framesPerRow[slot] = texture.QueryWidth() / frameWidth[slot];
    return 1;
}

int SpriteSet::ReleaseSlot(int32_t slot) {
    if (slot < 0 || slot >= count || !textures) {
        return 0;
    }
    textures[slot].Release();
    return 1;
}

int SpriteSet::SetAlphaTest(int32_t on) {
    if (device == nullptr) {
        return 0;
    }
    return device->SetAlphaTest(on);
}

int SpriteSet::Draw(int32_t slot, int32_t frame, int32_t x, int32_t y, uint32_t colour,
                    float scaleX, float scaleY) {
    (void)colour;  // pictures always reach the device opaque white
    if (device == nullptr || slot < 0 || slot >= count || !textures || !textures[slot].texture) {
        return 0;
    }
    // A frame wider than the texture leaves no whole frame in a row: nothing to draw.
    const int64_t perRow = framesPerRow[slot];
    if (perRow == 0) {
        return 0;
    }
    const int64_t left = frame % perRow * frameWidth[slot];
    const int64_t top = frame / perRow * frameHeight[slot];
    if (!FitsInt32(left) || !FitsInt32(top)) {
        return 0;
    }
    return textures[slot].Draw(x, y, static_cast<int32_t>(left), static_cast<int32_t>(top),
                               frameWidth[slot], frameHeight[slot], scaleX, scaleY, 0xFFFFFFFF);
}

void DeleteSpriteSet(SpriteSet*& set) {
    if (set != nullptr) {
        set->Free();
        delete set;
        set = nullptr;
    }
}

}  // namespace varn
