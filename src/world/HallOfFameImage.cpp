#include "world/HallOfFameImage.h"

#include <algorithm>

#include "world/ImageSlots.h"

namespace varn {

namespace {

constexpr uint32_t kHighPart = 10000;
constexpr uint32_t kMiddlePart = 100;
// The middle and low parts are two decimal digits each; the high part only has to keep the
// whole score within 32 bits.
constexpr uint32_t kLowPartLimit = 100;

struct HallOfFamePlaces {
    std::array<uint8_t, kHallOfFamePlaces> used;
    std::array<int32_t, kHallOfFamePlaces> score;
    std::array<GlyphString, kHallOfFamePlaces> name;
};

constexpr size_t kScoresOffset = 0;
constexpr size_t kFlagsOffset = kScoresOffset + kHallOfFamePlaces * 3 * kImageSlotSize;
constexpr size_t kNamesOffset = kFlagsOffset + kHallOfFamePlaces * kImageSlotSize;
static_assert(kNamesOffset + kHallOfFamePlaces * kGlyphStringLength * kImageSlotSize <=
              kHallOfFameImageSize);

size_t ScoreOffset(int place, int part) {
    return kScoresOffset + (static_cast<size_t>(place) * 3 + part) * kImageSlotSize;
}

size_t NameOffset(int place, int glyph) {
    return kNamesOffset +
           (static_cast<size_t>(place) * kGlyphStringLength + glyph) * kImageSlotSize;
}

bool ReadScore(std::span<const uint8_t> image, int place, int32_t& score) {
    const uint32_t high = ReadImageSlot(image, ScoreOffset(place, 0));
    const uint32_t middle = ReadImageSlot(image, ScoreOffset(place, 1));
    const uint32_t low = ReadImageSlot(image, ScoreOffset(place, 2));
    if (middle >= kLowPartLimit || low >= kLowPartLimit) {
        return false;
    }
    const uint64_t whole = uint64_t{high} * kHighPart + middle * kMiddlePart + low;
    if (whole > UINT32_MAX) {
        return false;
    }
    score = static_cast<int32_t>(static_cast<uint32_t>(whole));
    return true;
}

bool ReadPlaces(std::span<const uint8_t> image, HallOfFamePlaces& places) {
    for (int place = 0; place < kHallOfFamePlaces; ++place) {
        if (!ReadScore(image, place, places.score[place])) {
            return false;
        }
        const uint32_t used = ReadImageSlot(image, kFlagsOffset + place * kImageSlotSize);
        if (used > 1) {
            return false;
        }
        places.used[place] = static_cast<uint8_t>(used);
        for (int glyph = 0; glyph < kGlyphStringLength; ++glyph) {
            const uint32_t code = ReadImageSlot(image, NameOffset(place, glyph));
            if (code > kGlyphLast) {
                return false;
            }
            places.name[place][glyph] = static_cast<GlyphCode>(code);
        }
    }
    return true;
}

}  // namespace

void WriteHallOfFameImage(const GameState& state, std::span<uint8_t, kHallOfFameImageSize> image) {
    std::fill(image.begin(), image.end(), uint8_t{0});
    for (int place = 0; place < kHallOfFamePlaces; ++place) {
        // Scores count as unsigned everywhere in the hall of fame.
        const auto score = static_cast<uint32_t>(state.hofScore[place]);
        WriteImageSlot(image, ScoreOffset(place, 0), score / kHighPart);
        WriteImageSlot(image, ScoreOffset(place, 1), score / kMiddlePart % kLowPartLimit);
        WriteImageSlot(image, ScoreOffset(place, 2), score % kLowPartLimit);
        WriteImageSlot(image, kFlagsOffset + place * kImageSlotSize, state.hofUsed[place]);
        for (int glyph = 0; glyph < kGlyphStringLength; ++glyph) {
            WriteImageSlot(image, NameOffset(place, glyph), state.hofName[place][glyph]);
        }
    }
}

bool ReadHallOfFameImage(std::span<const uint8_t> image, GameState& state) {
    if (image.size() != kHallOfFameImageSize) {
        return false;
    }
    HallOfFamePlaces places{};
    if (!ReadPlaces(image, places)) {
        return false;
    }
    state.hofUsed = places.used;
    state.hofScore = places.score;
    state.hofName = places.name;
    return true;
}

}  // namespace varn
