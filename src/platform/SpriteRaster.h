#pragma once

#include <cstdint>

#include "platform/BackBuffer.h"
#include "platform/Device2D.h"
#include "platform/TextureImage.h"

namespace varn {

namespace platform {

// Working rows of a draw, each as wide as the draw: where each column's texel pair starts in a
// texture row, the pairs a bilinear draw gathers from one row, the column weights (or the
// texels of a stretched row without filtering), and two texture rows resampled to the columns as
// separate red, green, blue and coverage channels.
struct BilinearScratch {
    int32_t* offsets = nullptr;
    uint32_t* pairs = nullptr;
    uint16_t* weights = nullptr;
    uint16_t* rows[2][4] = {};
};

// One sprite draw reduced to what the pixel loops need: the back-buffer rectangle to fill
// (columns and rows, right and bottom exclusive) and where each of its columns and rows samples
// the texture.
struct SpriteSpan {
    const TextureImage* texture = nullptr;
    int32_t textureLeft = 0;  // the texture columns the draw reads: left .. right - 1
    int32_t textureRight = 0;
    int32_t columnBegin = 0;
    int32_t columnEnd = 0;
    int32_t rowBegin = 0;
    int32_t rowEnd = 0;
    const SampleTap* columns = nullptr;  // indexed by back-buffer column
    const SampleTap* rows = nullptr;     // indexed by back-buffer row
    bool bilinear = false;
    uint32_t colour = 0xFFFFFFFF;
    const AlphaPassTable* alphaPasses = nullptr;
    BilinearScratch scratch;
};

// Where the pixel centres of back-buffer positions begin .. end - 1 fall in the texture, for a
// picture whose texel `first` starts at origin and which is stretched by scale; texels outside
// first .. last - 1 are never sampled.
void SampleAxis(int32_t begin, int32_t end, double origin, double scale, int32_t first,
                int32_t last, bool bilinear, SampleTap* taps);

void RasterizeSprite(const SpriteSpan& span, BackBuffer& target);

}  // namespace platform

}  // namespace varn
