#include "platform/Device2D.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Backend.h"
#include "platform/PixelFormat.h"
#include "platform/SpriteRaster.h"

namespace varn {

namespace platform {

namespace {

constexpr int kMaxBackBufferSide = 8192;
// Weights, and two resampled rows of four channels.
constexpr size_t kScratchRows = 1 + 2 * 4;
// A remembered picture may be this many times the back buffer's side: a backdrop that overhangs
// the screen is kept whole.
constexpr int32_t kRememberedSides = 2;
// A bilinear sample's coverage by opaque texels runs to 32 x 32.
constexpr int16_t kFullCoverage = 1024;

uint8_t BilinearAlpha(int32_t coverage) {
    return static_cast<uint8_t>((coverage * 255 + kFullCoverage / 2) / kFullCoverage);
}

bool RendererDraws(uint32_t format) {
    return format == kFormatR5G6B5 || format == kFormatX1R5G5B5;
}

bool Compare(uint32_t alpha, uint32_t reference, CompareFunction function) {
    switch (function) {
        case CompareFunction::Never:
            return false;
        case CompareFunction::Less:
            return alpha < reference;
        case CompareFunction::Equal:
            return alpha == reference;
        case CompareFunction::LessEqual:
            return alpha <= reference;
        case CompareFunction::Greater:
            return alpha > reference;
        case CompareFunction::NotEqual:
            return alpha != reference;
        case CompareFunction::GreaterEqual:
            return alpha >= reference;
        case CompareFunction::Always:
            return true;
    }
    // A function outside the list passes everything, as with the test switched off.
    return true;
}

// First and last-plus-one back-buffer pixels whose centres lie in [start, end), within 0..limit.
void CoveredPixels(double start, double end, int32_t limit, int32_t& begin, int32_t& stop) {
    const double lowest = -1.0;
    const double highest = static_cast<double>(limit) + 1.0;
    begin = static_cast<int32_t>(std::ceil(std::clamp(start - 0.5, lowest, highest)));
    stop = static_cast<int32_t>(std::ceil(std::clamp(end - 0.5, lowest, highest)));
    begin = std::clamp(begin, 0, limit);
    stop = std::clamp(stop, begin, limit);
}

}  // namespace

bool Adapter2D::CheckDeviceType(uint32_t format, bool hardware) const {
    // The renderer draws every frame; the hardware type also needs the display to show it.
    return RendererDraws(format) &&
           (!hardware || Current().SupportsBackBufferFormat(format, false));
}

Device2D::Device2D() {
    UpdateAlphaPass();
}

bool Device2D::Create(int width, int height, uint32_t backBufferFormat) {
    if (!RendererDraws(backBufferFormat) || width < 1 || height < 1 || width > kMaxBackBufferSide ||
        height > kMaxBackBufferSide) {
        return false;
    }
    states_ = RenderStates();
    UpdateAlphaPass();
    inScene_ = false;
    format_ = backBufferFormat;
    backBuffer_.Resize(width, height);
    const size_t columns = static_cast<size_t>(width) * kRememberedSides;
    columnTaps_.assign(columns, SampleTap());
    rowTaps_.assign(static_cast<size_t>(height) * kRememberedSides, SampleTap());
    pairScratch_.assign(columns, 0);
    offsetScratch_.assign(columns, 0);
    scratch_.assign(columns * kScratchRows, 0);
    scaledPictures_.Clear();
    return true;
}

void Device2D::SetAlphaTestEnable(bool on) {
    states_.alphaTestEnable = on;
    UpdateAlphaPass();
}

void Device2D::SetAlphaReference(uint32_t reference) {
    states_.alphaReference = reference;
    UpdateAlphaPass();
}

void Device2D::SetAlphaFunction(CompareFunction function) {
    states_.alphaFunction = function;
    UpdateAlphaPass();
}

void Device2D::UpdateAlphaPass() {
    AlphaPassTable table;
    for (uint32_t alpha = 0; alpha < 256; ++alpha) {
        table.passes[alpha] = !states_.alphaTestEnable ||
                              Compare(alpha, states_.alphaReference, states_.alphaFunction);
    }
    // Every comparison passes one range of alphas, or two (not equal); the alpha of a coverage
    // grows with it, so each range of alphas is a range of coverages.
    int ranges = 0;
    for (int16_t coverage = 0; coverage <= kFullCoverage; ++coverage) {
        const bool passes = table.passes[BilinearAlpha(coverage)];
        if (passes && (coverage == 0 || !table.passes[BilinearAlpha(coverage - 1)])) {
            table.coverageLow[ranges] = coverage;
            ++ranges;
        }
        if (passes) {
            table.coverageHigh[ranges - 1] = coverage;
        }
    }
    alphaPasses_ = table;
}

bool Device2D::BeginScene() {
    if (inScene_) {
        return false;
    }
    inScene_ = true;
    return true;
}

bool Device2D::EndScene() {
    if (!inScene_) {
        return false;
    }
    inScene_ = false;
    return true;
}

void Device2D::Clear(uint32_t argb) {
    if (backBuffer_.width <= 0 || backBuffer_.height <= 0) {
        return;
    }
    const uint16_t colour = ToR5G6B5(argb);
    // Black, the usual clear, and every colour of two equal bytes is a byte fill.
    if ((colour >> 8) == (colour & 0xFF)) {
        std::memset(backBuffer_.pixels.data(), colour & 0xFF,
                    backBuffer_.pixels.size() * sizeof(uint16_t));
        return;
    }
    // The first row pixel by pixel, then copied down whole: block copies stay cheap under the
    // sanitizers, which check a pixel loop store by store.
    uint16_t* first = backBuffer_.Row(0);
    std::fill_n(first, backBuffer_.width, colour);
    const size_t rowBytes = static_cast<size_t>(backBuffer_.width) * sizeof(uint16_t);
    for (int y = 1; y < backBuffer_.height; ++y) {
        std::memcpy(backBuffer_.Row(y), first, rowBytes);
    }
}

bool Device2D::Present() {
    return created() && Current().Present(backBuffer_);
}

bool Device2D::DrawSprite(const TextureImage& texture, const SourceRect& source, float x, float y,
                          float scaleX, float scaleY, uint32_t colour) {
    if (texture.width <= 0 || texture.height <= 0 ||
        texture.pixels.size() !=
            static_cast<size_t>(texture.width) * static_cast<size_t>(texture.height)) {
        return false;
    }
    if (!created() || !(scaleX > 0.0f) || !(scaleY > 0.0f) || !std::isfinite(x) ||
        !std::isfinite(y) || !std::isfinite(scaleX) || !std::isfinite(scaleY)) {
        return true;
    }
    // Only the part of the rectangle inside the texture is drawn, where it would have been.
    const int32_t left = std::max(source.left, 0);
    const int32_t top = std::max(source.top, 0);
    const int32_t right = std::min(source.right, texture.width);
    const int32_t bottom = std::min(source.bottom, texture.height);
    if (left >= right || top >= bottom) {
        return true;
    }
    SpriteSpan span;
    span.texture = &texture;
    span.textureLeft = left;
    span.textureRight = right;
    span.colour = colour;
    span.alphaPasses = &alphaPasses_;
    // Stretching picks the filter as a device does: the minifying one when either axis shrinks.
    const TextureFilter filter =
        std::min(scaleX, scaleY) < 1.0f ? states_.minFilter : states_.magFilter;
    span.bilinear = (scaleX != 1.0f || scaleY != 1.0f) && filter == TextureFilter::Linear;
    Placement place;
    place.originX = x + (static_cast<double>(left) - source.left) * scaleX;
    place.originY = y + (static_cast<double>(top) - source.top) * scaleY;
    place.endX = place.originX + static_cast<double>(right - left) * scaleX;
    place.endY = place.originY + static_cast<double>(bottom - top) * scaleY;
    place.scaleX = scaleX;
    place.scaleY = scaleY;
    place.texels = SourceRect{left, top, right, bottom};
    if (span.bilinear && DrawRemembered(span, place)) {
        return true;
    }
    CoveredPixels(place.originX, place.endX, backBuffer_.width, span.columnBegin, span.columnEnd);
    CoveredPixels(place.originY, place.endY, backBuffer_.height, span.rowBegin, span.rowEnd);
    if (span.columnBegin == span.columnEnd || span.rowBegin == span.rowEnd) {
        return true;
    }
    Rasterize(span, place, backBuffer_);
    return true;
}

void Device2D::Rasterize(SpriteSpan& span, const Placement& place, BackBuffer& target) {
    SampleAxis(span.columnBegin, span.columnEnd, place.originX, place.scaleX, place.texels.left,
               place.texels.right, span.bilinear, columnTaps_.data());
    SampleAxis(span.rowBegin, span.rowEnd, place.originY, place.scaleY, place.texels.top,
               place.texels.bottom, span.bilinear, rowTaps_.data());
    span.columns = columnTaps_.data();
    span.rows = rowTaps_.data();
    const size_t width = columnTaps_.size();
    span.scratch.pairs = pairScratch_.data();
    span.scratch.offsets = offsetScratch_.data();
    uint16_t* scratch = scratch_.data();
    span.scratch.weights = scratch;
    for (auto& channels : span.scratch.rows) {
        for (uint16_t*& channel : channels) {
            scratch += width;
            channel = scratch;
        }
    }
    RasterizeSprite(span, target);
}

// A bilinear draw is a function of its texels, scales and the fraction of a pixel its corner
// lies off the grid: drawn again, or whole pixels away, it is the same picture. The picture of
// the draw on its own, unclipped, with the corner moved by whole pixels to the first pixel it
// covers, samples the very same texel positions, so it is exact. Draws that shrink a picture to
// under a quarter are left to the resampler: checking their texels would cost more than drawing.
bool Device2D::DrawRemembered(SpriteSpan& span, const Placement& place) {
    constexpr double kFarAway = 1 << 24;
    if (!(std::abs(place.originX) < kFarAway && std::abs(place.endX) < kFarAway &&
          std::abs(place.originY) < kFarAway && std::abs(place.endY) < kFarAway)) {
        return false;
    }
    const int32_t column = static_cast<int32_t>(std::ceil(place.originX - 0.5));
    const int32_t row = static_cast<int32_t>(std::ceil(place.originY - 0.5));
    ScaledDrawKey key;
    key.texture = span.texture;
    key.textureSerial = span.texture->serial;
    key.left = place.texels.left;
    key.top = place.texels.top;
    key.right = place.texels.right;
    key.bottom = place.texels.bottom;
    key.scaleX = place.scaleX;
    key.scaleY = place.scaleY;
    key.offsetX = place.originX - column;
    key.offsetY = place.originY - row;
    key.width = static_cast<int32_t>(std::ceil(place.endX - 0.5)) - column;
    key.height = static_cast<int32_t>(std::ceil(place.endY - 0.5)) - row;
    key.colour = span.colour;
    std::copy(std::begin(alphaPasses_.coverageLow), std::end(alphaPasses_.coverageLow),
              key.coverage);
    std::copy(std::begin(alphaPasses_.coverageHigh), std::end(alphaPasses_.coverageHigh),
              key.coverage + 2);
    const int64_t texels = int64_t{key.right - key.left} * (key.bottom - key.top);
    if (key.width <= 0 || key.height <= 0 || key.width > kRememberedSides * backBuffer_.width ||
        key.height > kRememberedSides * backBuffer_.height ||
        int64_t{key.width} * key.height * 4 < texels) {
        return false;
    }
    bool worthStoring = false;
    const ScaledPicture* picture = scaledPictures_.Find(key, worthStoring);
    if (picture == nullptr) {
        if (!worthStoring) {
            return false;
        }
        Placement alone = place;
        alone.originX = key.offsetX;
        alone.originY = key.offsetY;
        span.columnBegin = 0;
        span.columnEnd = key.width;
        span.rowBegin = 0;
        span.rowEnd = key.height;
        for (BackBuffer* over : {&pictureOverBlack_, &pictureOverWhite_}) {
            over->Resize(key.width, key.height);
            if (over == &pictureOverWhite_) {
                std::fill(over->pixels.begin(), over->pixels.end(), 0xFFFF);
            }
            Rasterize(span, alone, *over);
        }
        picture = &scaledPictures_.Store(key, pictureOverBlack_, pictureOverWhite_);
    }
    CopyKeptPixels(*picture, column, row, backBuffer_);
    return true;
}

}  // namespace platform

}  // namespace varn
