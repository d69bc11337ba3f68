#include "engine/SpriteSet.h"

#include <limits>

#include "engine/GraphicsDevice.h"
#include "engine/Owned.h"

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

int SpriteSet::Init(GraphicsDevice* owner, int32_t slotCount) {
    Free();
    device = owner;
    if (device == nullptr) {
        return 0;
    }
    count = slotCount;
    // The screens ask for 1 to 255 slots; a negative count is refused like 0.
    if (count <= 0) {
        return 0;
    }
    slots = std::vector<Slot>(static_cast<size_t>(count));
    return 1;
}

int SpriteSet::Free() {
    device = nullptr;
    slots.clear();
    count = 0;
    return 1;
}

int SpriteSet::Load(int32_t slot, const char* path, int16_t wantedFrameWidth,
                    int16_t wantedFrameHeight, uint32_t colourKey, uint32_t format) {
    if (slot < 0 || slot >= count) {
        return 0;
    }
    ReleaseSlot(slot);
    Slot& entry = slots[static_cast<size_t>(slot)];
    if (!entry.texture.Load(device, path, colourKey, format)) {
        return 0;
    }
    entry.frameWidth = wantedFrameWidth != 0 ? wantedFrameWidth : entry.texture.width;
    entry.frameHeight = wantedFrameHeight != 0 ? wantedFrameHeight : entry.texture.height;
    entry.framesPerRow = entry.texture.QueryWidth() / entry.frameWidth;
    return 1;
}

int SpriteSet::ReleaseSlot(int32_t slot) {
    if (slot < 0 || slot >= count) {
        return 0;
    }
    slots[static_cast<size_t>(slot)].texture.Release();
    return 1;
}

bool SpriteSet::IsLoaded(int32_t slot) const {
    return slot >= 0 && slot < count && slots[static_cast<size_t>(slot)].texture.texture;
}

int SpriteSet::SetAlphaTest(int32_t on) {
    if (device == nullptr) {
        return 0;
    }
    return device->SetAlphaTest(on);
}

const platform::TextureImage* SpriteSet::FrameSource(int32_t slot, int32_t frame, int32_t& left,
                                                     int32_t& top) const {
    if (!IsLoaded(slot)) {
        return nullptr;
    }
    const Slot& entry = slots[static_cast<size_t>(slot)];
    // A frame wider than the texture leaves no whole frame in a row: nothing to draw.
    const int64_t perRow = entry.framesPerRow;
    if (perRow == 0) {
        return nullptr;
    }
    const int64_t frameLeft = frame % perRow * entry.frameWidth;
    const int64_t frameTop = frame / perRow * entry.frameHeight;
    if (!FitsInt32(frameLeft) || !FitsInt32(frameTop)) {
        return nullptr;
    }
    left = static_cast<int32_t>(frameLeft);
    top = static_cast<int32_t>(frameTop);
    return entry.texture.texture.get();
}

int SpriteSet::Draw(int32_t slot, int32_t frame, int32_t x, int32_t y, uint32_t colour,
                    float scaleX, float scaleY) {
    (void)colour;  // pictures always reach the device opaque white
    int32_t left = 0;
    int32_t top = 0;
    if (device == nullptr || FrameSource(slot, frame, left, top) == nullptr) {
        return 0;
    }
    Slot& entry = slots[static_cast<size_t>(slot)];
    return entry.texture.Draw(x, y, left, top, entry.frameWidth, entry.frameHeight, scaleX, scaleY,
                              0xFFFFFFFF);
}

void DeleteSpriteSet(std::unique_ptr<SpriteSet>& set) {
    FreeOwned(set);
}

}  // namespace varn
