#include "platform/CoverageBlend.h"

#include <cstring>

namespace varn {

namespace platform {

TextColour SplitColour(uint32_t argb) {
    return TextColour{static_cast<uint16_t>((argb >> 16) & 0xFF),
                      static_cast<uint16_t>((argb >> 8) & 0xFF), static_cast<uint16_t>(argb & 0xFF),
                      static_cast<uint16_t>(argb >> 24)};
}

namespace {

// Every sum below stays under 65536 (255 x 255 + 127 at most), so the loop works in 16-bit lanes;
// there is no branch for the empty or the full coverage, which the formula gets exactly right.
[[gnu::always_inline]] inline void BlendPixels(const uint8_t* coverage, int count,
                                               const TextColour& colour, uint16_t* out) {
    const uint16_t red = colour.red;
    const uint16_t green = colour.green;
    const uint16_t blue = colour.blue;
    const uint16_t alpha = colour.alpha;
    for (int i = 0; i < count; ++i) {
        const uint16_t weight =
            static_cast<uint16_t>(static_cast<uint16_t>(coverage[i] * alpha + 127) / 255);
        const uint16_t keep = static_cast<uint16_t>(255 - weight);
        const uint16_t pixel = out[i];
        const uint16_t red5 = static_cast<uint16_t>(pixel >> 11);
        const uint16_t green6 = static_cast<uint16_t>((pixel >> 5) & 0x3F);
        const uint16_t blue5 = static_cast<uint16_t>(pixel & 0x1F);
        const uint16_t red8 = static_cast<uint16_t>((red5 << 3) | (red5 >> 2));
        const uint16_t green8 = static_cast<uint16_t>((green6 << 2) | (green6 >> 4));
        const uint16_t blue8 = static_cast<uint16_t>((blue5 << 3) | (blue5 >> 2));
        const uint16_t mixedRed =
            static_cast<uint16_t>(static_cast<uint16_t>(red * weight + red8 * keep + 127) / 255);
        const uint16_t mixedGreen = static_cast<uint16_t>(
            static_cast<uint16_t>(green * weight + green8 * keep + 127) / 255);
        const uint16_t mixedBlue =
            static_cast<uint16_t>(static_cast<uint16_t>(blue * weight + blue8 * keep + 127) / 255);
        out[i] = static_cast<uint16_t>(((mixedRed >> 3) << 11) | ((mixedGreen >> 2) << 5) |
                                       (mixedBlue >> 3));
    }
}

constexpr int kBlock = 32;

bool Uncovered(const uint8_t* coverage) {
    uint64_t words[kBlock / 8];
    std::memcpy(words, coverage, sizeof words);
    uint64_t any = 0;
    for (uint64_t word : words) {
        any |= word;
    }
    return any == 0;
}

}  // namespace

// Text leaves most of its strip uncovered (between words, above and below the letters): blocks
// of sixteen pixels with no coverage are passed over, the others blended sixteen at a time.
__attribute__((target_clones("avx2", "default"))) void BlendCoverageRow(const uint8_t* coverage,
                                                                        int count,
                                                                        const TextColour& colour,
                                                                        uint16_t* out) {
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        if (!Uncovered(coverage + i)) {
            BlendPixels(coverage + i, kBlock, colour, out + i);
        }
    }
    BlendPixels(coverage + i, count - i, colour, out + i);
}

}  // namespace platform

}  // namespace varn
