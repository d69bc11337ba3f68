#include "platform/SpriteRaster.h"

#include <algorithm>
#include <cstring>

namespace varn {

// The pixel loops are compiled twice, for AVX2 and for any x86-64, and the one that fits the
// machine is picked when the program loads. GCC inlines every loop into both when told to
// flatten; clang does not take the two together.
#if defined(__clang__)
#define PIXEL_LOOP_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define PIXEL_LOOP_CLONES __attribute__((target_clones("avx2", "default"), flatten))
#endif

namespace platform {

namespace {

// Bilinear weights have five bits: 32 is a whole texel. Every product of a five-bit channel and
// a weight fits in 16 bits, so the loops below work in 16-bit lanes.
constexpr uint32_t kWeightBits = 5;
constexpr uint32_t kWeightOne = 1u << kWeightBits;

enum Channel { kRed, kGreen, kBlue, kCoverage };

inline uint16_t Expand5(uint16_t channel) {
    return static_cast<uint16_t>((channel << 3) | (channel >> 2));
}

// The sum is cut to 16 bits before the shift (it never needs more) so that the compiler keeps
// to 16-bit lanes.
inline uint16_t Mix(uint16_t a, uint16_t b, uint16_t weight, uint16_t otherWeight) {
    const uint16_t sum = static_cast<uint16_t>(a * otherWeight + b * weight + kWeightOne / 2);
    return static_cast<uint16_t>(sum >> kWeightBits);
}

// The colour of five-bit channels in the back buffer's R5G6B5, modulated by the draw colour
// unless that is white, which leaves it exactly as it was (green's sixth bit repeats its top).
template <bool kTinted>
struct Shader {
    uint16_t red;
    uint16_t green;
    uint16_t blue;

    explicit Shader(uint32_t colour)
        : red((colour >> 16) & 0xFF), green((colour >> 8) & 0xFF), blue(colour & 0xFF) {}

    uint16_t operator()(uint16_t r5, uint16_t g5, uint16_t b5) const {
        if constexpr (!kTinted) {
            return static_cast<uint16_t>((r5 << 11) | (((g5 << 1) | (g5 >> 4)) << 5) | b5);
        } else {
            const uint16_t r8 = static_cast<uint16_t>((Expand5(r5) * red + 127) / 255);
            const uint16_t g8 = static_cast<uint16_t>((Expand5(g5) * green + 127) / 255);
            const uint16_t b8 = static_cast<uint16_t>((Expand5(b5) * blue + 127) / 255);
            return static_cast<uint16_t>(((r8 >> 3) << 11) | ((g8 >> 2) << 5) | (b8 >> 3));
        }
    }
};

// 0xFFFF where the alpha test lets an opaque (or a transparent) texel through, else 0.
struct TexelMasks {
    uint16_t opaque;
    uint16_t clear;

    explicit TexelMasks(const AlphaPassTable& passes)
        : opaque(passes.passes[255] ? 0xFFFF : 0), clear(passes.passes[0] ? 0xFFFF : 0) {}

    uint16_t operator()(uint16_t texel) const {
        const uint16_t isOpaque = static_cast<uint16_t>(-(texel >> 15));
        return static_cast<uint16_t>((isOpaque & opaque) | (~isOpaque & clear));
    }
};

inline uint16_t Keep(uint16_t old, uint16_t colour, uint16_t keep) {
    return static_cast<uint16_t>((old & ~keep) | (colour & keep));
}

// The loops below are written without branches or look-ups so that the compiler turns them into
// vector code.

template <bool kTinted>
void CopyRow(const uint16_t* source, uint16_t* out, int32_t count, TexelMasks masks,
             const Shader<kTinted>& shade) {
    for (int32_t i = 0; i < count; ++i) {
        const uint16_t texel = source[i];
        const uint16_t colour =
            shade((texel >> 10) & 31, (texel >> 5) & 31, static_cast<uint16_t>(texel & 31));
        out[i] = Keep(out[i], colour, masks(texel));
    }
}

template <bool kTinted>
void DrawNearest(const SpriteSpan& span, BackBuffer& target) {
    const Shader<kTinted> shade(span.colour);
    const TexelMasks masks(*span.alphaPasses);
    const int32_t count = span.columnEnd - span.columnBegin;
    const int32_t first = span.columns[span.columnBegin].first;
    // At its own width a row is one run of texels.
    const bool contiguous = span.columns[span.columnEnd - 1].first - first == count - 1;
    uint16_t* gathered = span.scratch.weights;
    for (int32_t y = span.rowBegin; y < span.rowEnd; ++y) {
        const uint16_t* source = span.texture->Row(span.rows[y].first);
        if (!contiguous) {
            for (int32_t x = span.columnBegin; x < span.columnEnd; ++x) {
                gathered[x - span.columnBegin] = source[span.columns[x].first];
            }
        }
        CopyRow(contiguous ? source + first : gathered, target.Row(y) + span.columnBegin, count,
                masks, shade);
    }
}

// The working rows never overlap; restrict lets the compiler use vector code on them.
void MixPairs(const uint32_t* __restrict pairs, const uint16_t* __restrict weights, int32_t count,
              uint16_t* __restrict red, uint16_t* __restrict green, uint16_t* __restrict blue,
              uint16_t* __restrict coverage) {
    for (int32_t i = 0; i < count; ++i) {
        const uint16_t a = static_cast<uint16_t>(pairs[i]);
        const uint16_t b = static_cast<uint16_t>(pairs[i] >> 16);
        const uint16_t weight = weights[i];
        const uint16_t other = static_cast<uint16_t>(kWeightOne - weight);
        red[i] = Mix((a >> 10) & 31, (b >> 10) & 31, weight, other);
        green[i] = Mix((a >> 5) & 31, (b >> 5) & 31, weight, other);
        blue[i] = Mix(a & 31, b & 31, weight, other);
        coverage[i] = static_cast<uint16_t>((a >> 15) * other + (b >> 15) * weight);
    }
}

// Each column's two texels come in one read of a neighbouring pair.
void GatherPairs(const uint16_t* __restrict texels, const int32_t* __restrict offsets,
                 int32_t count, uint32_t* __restrict pairs) {
    for (int32_t i = 0; i < count; ++i) {
        std::memcpy(&pairs[i], texels + offsets[i], sizeof(uint32_t));
    }
}

// One texture row resampled at the draw's columns into channels of five bits and a coverage
// of 0 .. 32.
void ResampleRow(const SpriteSpan& span, const uint16_t* texels, uint16_t* const* channels) {
    const BilinearScratch& scratch = span.scratch;
    const int32_t count = span.columnEnd - span.columnBegin;
    if (span.textureRight - span.textureLeft >= 2) {
        GatherPairs(texels, scratch.offsets, count, scratch.pairs);
    } else {
        std::fill(scratch.pairs, scratch.pairs + count, texels[span.textureLeft] * 0x10001u);
    }
    MixPairs(scratch.pairs, scratch.weights, count, channels[kRed], channels[kGreen],
             channels[kBlue], channels[kCoverage]);
}

// Where each column's pair starts and how much of its second texel it takes. A column clamped
// at the picture's left edge reads the first two texels and takes only the first; one clamped at
// the right edge reads the last two and takes only the second.
void PairColumns(const SpriteSpan& span) {
    for (int32_t x = span.columnBegin; x < span.columnEnd; ++x) {
        const SampleTap& tap = span.columns[x];
        const int32_t i = x - span.columnBegin;
        if (tap.second != tap.first) {
            span.scratch.offsets[i] = tap.first;
            span.scratch.weights[i] = static_cast<uint16_t>(tap.weight);
        } else if (tap.first == span.textureLeft) {
            span.scratch.offsets[i] = tap.first;
            span.scratch.weights[i] = 0;
        } else {
            span.scratch.offsets[i] = tap.first - 1;
            span.scratch.weights[i] = kWeightOne;
        }
    }
}

// Blends two resampled rows by the row weight into the back buffer where the alpha test passes.
template <bool kTinted>
void BlendRows(const uint16_t* const* upper, const uint16_t* const* lower, uint16_t weight,
               int32_t count, const AlphaPassTable& passes, const Shader<kTinted>& shade,
               uint16_t* out) {
    const uint16_t other = static_cast<uint16_t>(kWeightOne - weight);
    const int16_t low0 = passes.coverageLow[0];
    const int16_t high0 = passes.coverageHigh[0];
    const int16_t low1 = passes.coverageLow[1];
    const int16_t high1 = passes.coverageHigh[1];
    for (int32_t i = 0; i < count; ++i) {
        const uint16_t red = Mix(upper[kRed][i], lower[kRed][i], weight, other);
        const uint16_t green = Mix(upper[kGreen][i], lower[kGreen][i], weight, other);
        const uint16_t blue = Mix(upper[kBlue][i], lower[kBlue][i], weight, other);
        const int16_t coverage =
            static_cast<int16_t>(upper[kCoverage][i] * other + lower[kCoverage][i] * weight);
        const bool pass =
            (coverage >= low0 && coverage <= high0) | (coverage >= low1 && coverage <= high1);
        out[i] = Keep(out[i], shade(red, green, blue), static_cast<uint16_t>(-pass));
    }
}

template <bool kTinted>
void DrawBilinear(const SpriteSpan& span, BackBuffer& target) {
    const Shader<kTinted> shade(span.colour);
    const int32_t count = span.columnEnd - span.columnBegin;
    PairColumns(span);
    // The two resampled rows kept, by texture row; neighbouring back-buffer rows share them.
    int32_t held[2] = {-1, -1};
    auto slotOf = [&held](int32_t row) { return held[0] == row ? 0 : (held[1] == row ? 1 : -1); };
    auto resample = [&](int32_t row, int slot) {
        ResampleRow(span, span.texture->Row(row), span.scratch.rows[slot]);
        held[slot] = row;
    };
    for (int32_t y = span.rowBegin; y < span.rowEnd; ++y) {
        const SampleTap& row = span.rows[y];
        int upper = slotOf(row.first);
        if (upper < 0) {
            upper = slotOf(row.second) == 0 ? 1 : 0;
            resample(row.first, upper);
        }
        int lower = slotOf(row.second);
        if (lower < 0) {
            lower = 1 - upper;
            resample(row.second, lower);
        }
        BlendRows(span.scratch.rows[upper], span.scratch.rows[lower],
                  static_cast<uint16_t>(row.weight), count, *span.alphaPasses, shade,
                  target.Row(y) + span.columnBegin);
    }
}

SampleTap SampleAt(int32_t position, double origin, double inverseScale, int32_t first,
                   int32_t last, bool bilinear) {
    // The texel coordinate of the pixel centre, kept within the source so that the cast is safe.
    double texel = first + (position + 0.5 - origin) * inverseScale;
    texel = std::clamp(texel, static_cast<double>(first), static_cast<double>(last));
    if (!bilinear) {
        const int32_t index = std::min(static_cast<int32_t>(texel), last - 1);
        return SampleTap{index, index, 0};
    }
    // Between the two texel centres around the sample point; between is at least -0.5, so the
    // truncation of between + 1 is its floor + 1. A weight that rounds up to a whole texel moves
    // on to the next pair.
    const double between = texel - 0.5;
    int32_t index = static_cast<int32_t>(between + 1.0) - 1;
    uint32_t weight = static_cast<uint32_t>((between - index) * kWeightOne + 0.5);
    index += static_cast<int32_t>(weight >> kWeightBits);
    weight &= kWeightOne - 1;
    return SampleTap{std::clamp(index, first, last - 1), std::clamp(index + 1, first, last - 1),
                     weight};
}

}  // namespace

__attribute__((target_clones("avx2", "default"))) void SampleAxis(int32_t begin, int32_t end,
                                                                  double origin, double scale,
                                                                  int32_t first, int32_t last,
                                                                  bool bilinear, SampleTap* taps) {
    const double inverseScale = 1.0 / scale;
    for (int32_t position = begin; position < end; ++position) {
        taps[position] = SampleAt(position, origin, inverseScale, first, last, bilinear);
    }
}

PIXEL_LOOP_CLONES void RasterizeSprite(const SpriteSpan& span, BackBuffer& target) {
    const bool tinted = (span.colour & 0x00FFFFFF) != 0x00FFFFFF;
    if (span.bilinear) {
        tinted ? DrawBilinear<true>(span, target) : DrawBilinear<false>(span, target);
    } else {
        tinted ? DrawNearest<true>(span, target) : DrawNearest<false>(span, target);
    }
}

}  // namespace platform

}  // namespace varn
