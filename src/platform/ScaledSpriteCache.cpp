#include "platform/ScaledSpriteCache.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace varn {

namespace platform {

namespace {

size_t Mix(size_t seed, size_t value) {
    return seed ^ (value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2));
}

__attribute__((target_clones("avx2", "default"))) void CopyMasked(const uint16_t* from,
                                                                  const uint16_t* mask,
                                                                  int32_t count, uint16_t* to) {
    for (int32_t i = 0; i < count; ++i) {
        to[i] = static_cast<uint16_t>((from[i] & mask[i]) | (to[i] & ~mask[i]));
    }
}

size_t PictureBytes(const ScaledPicture& picture) {
    return (picture.pixels.size() + picture.kept.size() + picture.texels.size()) *
               sizeof(uint16_t) +
           picture.rows.size() * sizeof(KeptSpan);
}

}  // namespace

size_t ScaledSpriteCache::KeyHash::operator()(const ScaledDrawKey& key) const {
    // Adding zero makes -0 into +0, which compare equal.
    size_t seed = Mix(reinterpret_cast<uintptr_t>(key.texture), key.textureSerial);
    for (int32_t value : {key.left, key.top, key.right, key.bottom, key.width, key.height}) {
        seed = Mix(seed, static_cast<uint32_t>(value));
    }
    seed = Mix(seed, std::bit_cast<uint32_t>(key.scaleX + 0.0f));
    seed = Mix(seed, std::bit_cast<uint32_t>(key.scaleY + 0.0f));
    seed = Mix(seed, std::bit_cast<uint64_t>(key.offsetX + 0.0));
    seed = Mix(seed, std::bit_cast<uint64_t>(key.offsetY + 0.0));
    return Mix(seed, key.colour);
}

bool ScaledSpriteCache::SameTexels(const ScaledDrawKey& key, const std::vector<uint16_t>& texels) {
    const size_t width = static_cast<size_t>(key.right - key.left);
    const uint16_t* stored = texels.data();
    for (int32_t y = key.top; y < key.bottom; ++y, stored += width) {
        if (std::memcmp(key.texture->Row(y) + key.left, stored, width * sizeof(uint16_t)) != 0) {
            return false;
        }
    }
    return true;
}

void ScaledSpriteCache::CopyTexels(const ScaledDrawKey& key, std::vector<uint16_t>& texels) {
    texels.clear();
    for (int32_t y = key.top; y < key.bottom; ++y) {
        const uint16_t* row = key.texture->Row(y);
        texels.insert(texels.end(), row + key.left, row + key.right);
    }
}

const ScaledPicture* ScaledSpriteCache::Find(const ScaledDrawKey& key, bool& worthStoring) {
    worthStoring = false;
    auto found = pictures_.find(key);
    if (found != pictures_.end()) {
        if (key.textureSerial != 0 || SameTexels(key, found->second.texels)) {
            found->second.lastUse = ++uses_;
            return &found->second;
        }
        bytes_ -= PictureBytes(found->second);
        pictures_.erase(found);
        worthStoring = true;  // a texture drawn in the same place again
        return nullptr;
    }
    if (seenOnce_.size() >= kSeenLimit) {
        seenOnce_.clear();
    }
    worthStoring = !seenOnce_.insert(key).second;
    return nullptr;
}

const ScaledPicture& ScaledSpriteCache::Store(const ScaledDrawKey& key, const BackBuffer& overBlack,
                                              const BackBuffer& overWhite) {
    ScaledPicture picture;
    picture.width = key.width;
    picture.height = key.height;
    picture.pixels = overBlack.pixels;
    // A pixel the draw wrote holds its colour over either background.
    picture.kept.resize(picture.pixels.size());
    for (size_t i = 0; i < picture.kept.size(); ++i) {
        picture.kept[i] = overBlack.pixels[i] == overWhite.pixels[i] ? 0xFFFF : 0;
    }
    picture.rows.resize(static_cast<size_t>(key.height));
    for (int32_t y = 0; y < key.height; ++y) {
        const uint16_t* kept = picture.kept.data() + static_cast<size_t>(y) * key.width;
        KeptSpan& span = picture.rows[static_cast<size_t>(y)];
        span.begin = static_cast<int32_t>(std::find(kept, kept + key.width, 0xFFFF) - kept);
        span.end = key.width;
        while (span.end > span.begin && kept[span.end - 1] == 0) {
            --span.end;
        }
        span.whole = std::find(kept + span.begin, kept + span.end, 0) == kept + span.end;
    }
    if (key.textureSerial == 0) {
        CopyTexels(key, picture.texels);
    }
    picture.lastUse = ++uses_;
    seenOnce_.erase(key);
    MakeRoom(PictureBytes(picture));
    bytes_ += PictureBytes(picture);
    return pictures_.insert_or_assign(key, std::move(picture)).first->second;
}

void ScaledSpriteCache::MakeRoom(size_t bytes) {
    while (!pictures_.empty() && bytes_ + bytes > kByteLimit) {
        auto oldest = std::min_element(
            pictures_.begin(), pictures_.end(),
            [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; });
        bytes_ -= PictureBytes(oldest->second);
        pictures_.erase(oldest);
    }
}

void ScaledSpriteCache::Clear() {
    pictures_.clear();
    seenOnce_.clear();
    bytes_ = 0;
}

void CopyKeptPixels(const ScaledPicture& picture, int32_t x, int32_t y, BackBuffer& target) {
    // The picture's own columns and rows that land inside the target.
    const int32_t left = std::max(-x, 0);
    const int32_t right = std::min(picture.width, target.width - x);
    const int32_t top = std::max(-y, 0);
    const int32_t bottom = std::min(picture.height, target.height - y);
    for (int32_t row = top; row < bottom; ++row) {
        const KeptSpan& span = picture.rows[static_cast<size_t>(row)];
        const int32_t begin = std::max(span.begin, left);
        const int32_t end = std::min(span.end, right);
        if (begin >= end) {
            continue;
        }
        const size_t from = static_cast<size_t>(row) * static_cast<size_t>(picture.width) +
                            static_cast<size_t>(begin);
        uint16_t* to = target.Row(y + row) + (x + begin);
        // A row with gaps (a keyed outline, a sprite's speckled edge) costs less as one masked
        // pass than as a copy per run.
        if (span.whole) {
            std::memcpy(to, picture.pixels.data() + from,
                        static_cast<size_t>(end - begin) * sizeof(uint16_t));
        } else {
            CopyMasked(picture.pixels.data() + from, picture.kept.data() + from, end - begin, to);
        }
    }
}

}  // namespace platform

}  // namespace varn
