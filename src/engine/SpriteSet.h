#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/Texture.h"

namespace varn {

class GraphicsDevice;

// A numbered set of textures, each cut into equal frames laid out in rows: frame f of a slot lies
// in column f mod framesPerRow and row f div framesPerRow. Results are 1 for success, 0 for
// failure; a slot outside 0 .. count - 1 is refused.
class SpriteSet {
  public:
    SpriteSet() = default;
    ~SpriteSet();
    SpriteSet(const SpriteSet&) = delete;
    SpriteSet& operator=(const SpriteSet&) = delete;

    int Init(GraphicsDevice* device, int32_t count);
    int Free();
    // A frame size of 0 takes the texture's size.
    int Load(int32_t slot, const char* path, int16_t frameWidth, int16_t frameHeight,
             uint32_t colourKey, uint32_t format);
    int ReleaseSlot(int32_t slot);
    bool IsLoaded(int32_t slot) const;
    int SetAlphaTest(int32_t on);
    // The colour is accepted and not passed on: pictures always reach the device opaque white.
    int Draw(int32_t slot, int32_t frame, int32_t x, int32_t y, uint32_t colour, float scaleX,
             float scaleY);

    // The picture a frame of a slot is cut from and the frame's corner in it; null for a slot
    // not loaded or a frame outside the picture's rows.
    const platform::TextureImage* FrameSource(int32_t slot, int32_t frame, int32_t& left,
                                              int32_t& top) const;

    struct Slot {
        Texture texture;
        int32_t frameWidth = 0;
        int32_t frameHeight = 0;
        int32_t framesPerRow = 0;
    };

    GraphicsDevice* device = nullptr;
    int32_t count = 0;
    std::vector<Slot> slots;
};

// Frees and deletes a sprite set held on the heap, and clears the pointer.
void DeleteSpriteSet(std::unique_ptr<SpriteSet>& set);

}  // namespace varn
