#include "platform/JpegDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ImageFixtures.h"

namespace varn {

TEST(JpegDecoder, ImageMagickFilesDecodeAlikeAndTruncatedOrOversizedOnesFail) {
    for (const std::string name : {"jpeg-baseline.jpg", "jpeg-progressive.jpg", "jpeg-grey.jpg"}) {
        // Both go through libjpeg's default inverse transform and upsampling.
        fixtures::ExpectLikeImageMagick(platform::DecodeJpeg, name, 1, 0, false);
    }
    const std::vector<uint8_t> largest = fixtures::ReadImageFile("limit-jpeg-8192.jpg");
    const std::vector<uint8_t> tooWide = fixtures::ReadImageFile("limit-jpeg-8193.jpg");
    platform::ArgbImage image;
    EXPECT_TRUE(platform::DecodeJpeg(largest.data(), largest.size(), image) && image.width == 8192);
    EXPECT_FALSE(platform::DecodeJpeg(tooWide.data(), tooWide.size(), image));
}

}  // namespace varn
