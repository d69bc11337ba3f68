#pragma once

#include <cstdint>
#include <memory>

#include "platform/FontRasterizer.h"

namespace varn {

class GraphicsDevice;

// A text font of one face and height that draws into the graphics device's back buffer.
// Results are 1 for success and 0 for failure.
class Font {
  public:
    // The longest face name a font can be made from.
    static constexpr size_t kMaxFaceLength = 31;

    Font() = default;
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // height is the character height in pixels; bold 1 means bold (any other value is the
    // regular weight); underline and strikeout are taken and not drawn: the game's fonts have
    // neither. A face name longer than kMaxFaceLength is refused.
    int Create(GraphicsDevice* graphics, const char* face, int32_t height, int32_t bold,
               uint8_t italic, uint8_t underline, uint8_t strikeout);
    int Begin();
    int End();
    int Release();
    // Draws text from the top-left corner of the rectangle (x, y, width, height), clipped to it; a
    // width of 0 counts as 65535 and a height of 0 as 65536. Every caller passes format 0 (left,
    // top, clipped), the only placement there is. 1 when drawn, 0 without a font or device.
    int DrawText(const char* text, int32_t x, int32_t y, int32_t width, int32_t height,
                 uint32_t colour, uint32_t format);

    std::unique_ptr<platform::FontRasterizer> font;
    // The device whose back buffer the text goes to; not owned.
    GraphicsDevice* device = nullptr;
};

}  // namespace varn
