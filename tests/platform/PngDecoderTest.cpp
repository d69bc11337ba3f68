#include "platform/PngDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ImageFixtures.h"

namespace varn {

TEST(PngDecoder, ImageMagickFilesDecodeAlikeAndTruncatedOrOversizedOnesFail) {
    for (const std::string name :
         {"png-rgb.png", "png-rgba.png", "png-palette.png", "png-palette-trns.png", "png-grey.png",
          "png-grey-alpha.png", "png-rgba16.png", "png-grey16.png"}) {
        // 16-bit channels narrow with rounding that may differ by one. The last 12 bytes are
        // the closing chunk, which holds no pixels.
        fixtures::ExpectLikeImageMagick(platform::DecodePng, name, name.ends_with("16.png"), 12,
                                        false);
    }
    const std::vector<uint8_t> largest = fixtures::ReadImageFile("limit-png-8192.png");
    const std::vector<uint8_t> tooWide = fixtures::ReadImageFile("limit-png-8193.png");
    platform::ArgbImage image;
    EXPECT_TRUE(platform::DecodePng(largest.data(), largest.size(), image) && image.width == 8192);
    EXPECT_FALSE(platform::DecodePng(tooWide.data(), tooWide.size(), image));
}

}  // namespace varn
