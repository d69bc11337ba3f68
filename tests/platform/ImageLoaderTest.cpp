#include "platform/ImageLoader.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/BmpWriter.h"

namespace varn {

TEST(ImageLoader, ConvertsToA1R5G5B5KeysInFiveBitsPerChannelAndRefusesUnknownFormats) {
    // Red, almost red (red 250: 31 in five bits too), dark red (240: 30); white, black, blue.
    const std::vector<uint8_t> bmp = bmp::MakeBmp24(
        3, 2, {0xFFFF0000, 0xFFFA0000, 0xFFF00000, 0xFFFFFFFF, 0xFF000000, 0xFF0000FF});
    // Both reds that quantise to 31 are keyed to transparent black; the key's alpha plays no part.
    const std::pair<uint32_t, std::vector<uint16_t>> cases[] = {
        {0, {0xFC00, 0xFC00, 0xF800, 0xFFFF, 0x8000, 0x801F}},
        {0xFFFF0000, {0x0000, 0x0000, 0xF800, 0xFFFF, 0x8000, 0x801F}},
        {0x00FFFFFF, {0xFC00, 0xFC00, 0xF800, 0x0000, 0x8000, 0x801F}}};
    platform::TextureImage texture;
    for (const auto& [key, pixels] : cases) {
        ASSERT_TRUE(platform::DecodeTextureImage(bmp.data(), bmp.size(), key, texture));
        EXPECT_EQ(pixels, texture.pixels) << std::hex << key;
    }
    const uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
    EXPECT_FALSE(platform::DecodeTextureImage(gif, sizeof gif, 0, texture));
    EXPECT_EQ(3, texture.width);  // untouched
}

}  // namespace varn
