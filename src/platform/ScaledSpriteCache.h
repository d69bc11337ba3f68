#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/BackBuffer.h"
#include "platform/TextureImage.h"

namespace varn {

namespace platform {

// What decides the pixels of a bilinear draw, all but where it lands: the texels, the scales, the
// fraction of a pixel its corner sits off the pixel grid, its size in pixels, the colour and the
// alpha test's coverage ranges. Draws of equal keys at whole pixels apart are the same picture:
// the ground's tiles, a box drawn every frame.
struct ScaledDrawKey {
    const TextureImage* texture = nullptr;
    uint64_t textureSerial = 0;  // the texture's, when it has one
    int32_t left = 0;            // the texels read, right and bottom exclusive
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    float scaleX = 1;
    float scaleY = 1;
    double offsetX = 0;  // the corner less the draw's first pixel column and row
    double offsetY = 0;
    int32_t width = 0;  // pixels covered, unclipped
    int32_t height = 0;
    uint32_t colour = 0;
    int16_t coverage[4] = {};

    bool operator==(const ScaledDrawKey&) const = default;
};

// Where a row's kept pixels lie: columns begin .. end - 1 hold them all, and when whole, every
// pixel between is kept.
struct KeptSpan {
    int32_t begin = 0;
    int32_t end = 0;
    bool whole = false;
};

// The picture of a key drawn on its own: each pixel as the draw leaves it, which of them the alpha
// test let through (0xFFFF, else 0) and where those lie, row by row.
struct ScaledPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint16_t> pixels;
    std::vector<uint16_t> kept;
    std::vector<KeptSpan> rows;
    // The texels it was made from, to notice a changed texture; empty for a texture with a
    // serial, which does not change.
    std::vector<uint16_t> texels;
    uint64_t lastUse = 0;
};

// Keeps the pictures of bilinear draws seen more than once, so that a repeated draw is a masked
// copy instead of a resampling. A texture without a serial has its texels compared on every use,
// so one changed, or freed and another made in its place, is never shown from an old picture.
class ScaledSpriteCache {
  public:
    // The most bytes of pictures kept; the least recently used go first.
    static constexpr size_t kByteLimit = size_t{16} << 20;
    // Keys seen once are forgotten in a heap this large: a zoom or a slide makes new keys every
    // frame.
    static constexpr size_t kSeenLimit = 4096;

    // The picture for key when there is one; when there is none, false the first time a key is
    // seen and true after, when the caller should make it with Store.
    const ScaledPicture* Find(const ScaledDrawKey& key, bool& worthStoring);
    // Keeps the picture made by drawing the key twice on its own, over 0 and over 0xFFFF.
    const ScaledPicture& Store(const ScaledDrawKey& key, const BackBuffer& overBlack,
                               const BackBuffer& overWhite);
    void Clear();

  private:
    struct KeyHash {
        size_t operator()(const ScaledDrawKey& key) const;
    };

    static bool SameTexels(const ScaledDrawKey& key, const std::vector<uint16_t>& texels);
    static void CopyTexels(const ScaledDrawKey& key, std::vector<uint16_t>& texels);
    void MakeRoom(size_t bytes);

    std::unordered_map<ScaledDrawKey, ScaledPicture, KeyHash> pictures_;
    std::unordered_set<ScaledDrawKey, KeyHash> seenOnce_;
    size_t bytes_ = 0;
    uint64_t uses_ = 0;
};

// Copies the kept pixels of picture that fall inside target, with its corner at column x and row y.
void CopyKeptPixels(const ScaledPicture& picture, int32_t x, int32_t y, BackBuffer& target);

}  // namespace platform

}  // namespace varn
