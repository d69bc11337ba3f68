#include "engine/Font.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/GraphicsDevice.h"

namespace varn {

namespace {

constexpr int64_t kWholeWidth = 65535;
constexpr int64_t kWholeHeight = 65536;

int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

Font::~Font() {
    Release();
}

int Font::Create(GraphicsDevice* graphics, const char* face, int32_t height, int32_t bold,
                 uint8_t italic, uint8_t underline, uint8_t strikeout) {
    (void)underline;
    (void)strikeout;
    if (graphics == nullptr || face == nullptr || graphics->GetDevice() == nullptr ||
        std::strlen(face) > kMaxFaceLength) {
        return 0;
    }
    auto rasterizer = std::make_unique<platform::FontRasterizer>();
    if (!rasterizer->Open(face, height, bold == 1, italic != 0)) {
        return 0;
    }
    font = std::move(rasterizer);
    device = graphics;
    return 1;
}

int Font::Begin() {
    return font != nullptr ? 1 : 0;
}

int Font::End() {
    return font != nullptr ? 1 : 0;
}

int Font::Release() {
    font.reset();
    device = nullptr;
    return 1;
}

int Font::DrawText(const char* text, int32_t x, int32_t y, int32_t width, int32_t height,
                   uint32_t colour, uint32_t format) {
    (void)format;
    if (font == nullptr || text == nullptr || device->GetDevice() == nullptr) {
        return 0;
    }
    const int64_t right = static_cast<int64_t>(x) + (width == 0 ? kWholeWidth : width);
    const int64_t bottom = static_cast<int64_t>(y) + (height == 0 ? kWholeHeight : height);
    const platform::Rect rect{x, y, ClampToInt32(right), ClampToInt32(bottom)};
    return font->DrawText(device->GetDevice()->backBuffer(), text, rect, colour) >= 0 ? 1 : 0;
}

}  // namespace varn
