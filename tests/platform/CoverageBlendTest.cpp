#include "platform/CoverageBlend.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/BackBuffer.h"

namespace varn {

namespace {

// The blend pixel by pixel in 32-bit arithmetic, empty and full coverage taken apart.
uint16_t Reference(uint16_t pixel, uint32_t argb, uint32_t coverage) {
    const uint32_t weight = (coverage * (argb >> 24) + 127) / 255;
    if (weight == 0) {
        return pixel;
    }
    if (weight >= 255) {
        return platform::ToR5G6B5(argb);
    }
    const uint32_t red5 = (pixel >> 11) & 0x1F;
    const uint32_t green6 = (pixel >> 5) & 0x3F;
    const uint32_t blue5 = pixel & 0x1F;
    const uint32_t keep = 255 - weight;
    const uint32_t red =
        (((argb >> 16) & 0xFF) * weight + ((red5 << 3) | (red5 >> 2)) * keep + 127) / 255;
    const uint32_t green =
        (((argb >> 8) & 0xFF) * weight + ((green6 << 2) | (green6 >> 4)) * keep + 127) / 255;
    const uint32_t blue =
        ((argb & 0xFF) * weight + ((blue5 << 3) | (blue5 >> 2)) * keep + 127) / 255;
    return static_cast<uint16_t>(((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
}

TEST(CoverageBlendTest, EveryPixelUnderEveryKindOfCoverageAsThePlainFormulaGivesIt) {
    const uint32_t colours[] = {0xFFFFFFFF, 0xFF000000, 0xFFF8C010, 0x80FF8000, 0x01FFFFFF};
    const uint8_t coverages[] = {0, 1, 2, 63, 127, 128, 129, 200, 254, 255};
    std::vector<uint8_t> coverage(65536);
    for (uint32_t argb : colours) {
        const platform::TextColour colour = platform::SplitColour(argb);
        for (uint8_t amount : coverages) {
            std::vector<uint16_t> row(65536);
            for (size_t i = 0; i < row.size(); ++i) {
                row[i] = static_cast<uint16_t>(i);
                // Neighbours of other coverage, so that lanes of one vector differ, and now and
                // then a stretch of only `amount`, which none may be.
                const bool stretch = (i / 64) % 4 == 0;
                coverage[i] = (stretch || i % 3 == 0) ? amount : static_cast<uint8_t>(i * 7);
            }
            platform::BlendCoverageRow(coverage.data(), static_cast<int>(row.size()), colour,
                                       row.data());
            for (size_t i = 0; i < row.size(); ++i) {
                ASSERT_EQ(row[i], Reference(static_cast<uint16_t>(i), argb, coverage[i]))
                    << "pixel " << i << " coverage " << int{coverage[i]} << " colour " << std::hex
                    << argb;
            }
        }
    }
}

}  // namespace

}  // namespace varn
