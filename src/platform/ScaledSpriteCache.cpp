#include "platform/ScaledSpriteCache.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace varn {

namespace platform {

namespace {

size_t Mix(size_t seed, size_t value) {
    return seed ^ (value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2));
}

constexpr uint32_t kRunsCopiedOneByOne = 2;

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
           picture.runs.size() * sizeof(KeptRun) + picture.firstRun.size() * sizeof(uint32_t);
}

}  // namespace

size_t ScaledSpriteCache::KeyHash::operator()(const ScaledDrawKey& key) const {
    size_t seed = std::hash<const void*>()(key.texture);
    seed = Mix(seed, static_cast<size_t>(key.textureSerial));
    for (int32_t value : {key.left, key.top, key.right, key.bottom, key.width, key.height}) {
        seed = Mix(seed, static_cast<size_t>(value));
    }
    seed = Mix(seed, std::hash<float>()(key.scaleX));
    seed = Mix(seed, std::hash<float>()(key.scaleY));
    seed = Mix(seed, std::hash<double>()(key.offsetX));
    seed = Mix(seed, std::hash<double>()(key.offsetY));
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
    for (int32_t y = 0; y < key.height; ++y) {
        picture.firstRun.push_back(static_cast<uint32_t>(picture.runs.size()));
        const uint16_t* black = overBlack.Row(y);
        const uint16_t* white = overWhite.Row(y);
        for (int32_t x = 0; x < key.width;) {
            if (black[x] != white[x]) {
                ++x;
                continue;
            }
            KeptRun run{x, x};
            while (run.end < key.width && black[run.end] == white[run.end]) {
                ++run.end;
            }
            picture.runs.push_back(run);
            x = run.end;
        }
    }
    picture.firstRun.push_back(static_cast<uint32_t>(picture.runs.size()));
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
    const KeptRun* runs = picture.runs.data();
    for (int32_t row = top; row < bottom; ++row) {
        const size_t rowStart = static_cast<size_t>(row) * static_cast<size_t>(picture.width);
        const uint16_t* from = picture.pixels.data() + rowStart;
        uint16_t* to = target.Row(y + row);
        const uint32_t first = picture.firstRun[static_cast<size_t>(row)];
        const uint32_t last = picture.firstRun[static_cast<size_t>(row) + 1];
        // A row of many short runs (a keyed outline, a sprite's speckled edge) costs less as one
        // masked pass than as a copy per run.
        if (last - first > kRunsCopiedOneByOne) {
            const int32_t begin = std::max(runs[first].begin, left);
            const int32_t end = std::min(runs[last - 1].end, right);
            if (begin < end) {
                CopyMasked(from + begin, picture.kept.data() + rowStart + begin, end - begin,
                           to + (x + begin));
            }
            continue;
        }
        for (uint32_t i = first; i < last; ++i) {
            const int32_t begin = std::max(runs[i].begin, left);
            const int32_t end = std::min(runs[i].end, right);
            if (begin < end) {
                std::memcpy(to + (x + begin), from + begin,
                            static_cast<size_t>(end - begin) * sizeof(uint16_t));
            }
        }
    }
}

}  // namespace platform

}  // namespace varn
