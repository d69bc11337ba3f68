#pragma once

#include <cstdint>
#include <memory>

#include "platform/TextureImage.h"

namespace varn {

class GraphicsDevice;

// One picture loaded for the graphics device and drawn through its sprite.
// Results are 1 for success and 0 for failure.
class Texture {
  public:
    Texture() = default;
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Loads a picture file with a colour key into the given format (the device keeps
    // A1R5G5B5 textures, the format every load of the game asks for), through the device's
    // picture cache.
    int Load(GraphicsDevice* device, const char* path, uint32_t colourKey, uint32_t format);
    int QueryWidth() const;
    int QueryHeight() const;
    int Release();
    // Draws the source rectangle (a width or height of 0 means the texture's) with its top-left
    // corner at (x, y), stretched from that corner by the scales.
    int Draw(int32_t x, int32_t y, int32_t sourceLeft, int32_t sourceTop, int32_t sourceWidth,
             int32_t sourceHeight, float scaleX, float scaleY, uint32_t colour);

    GraphicsDevice* device = nullptr;
    std::shared_ptr<const platform::TextureImage> texture;  // shared with the picture cache
    int32_t width = 0;
    int32_t height = 0;
};

}  // namespace varn
