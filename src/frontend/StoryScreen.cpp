#include "frontend/StoryScreen.h"

#include <algorithm>
#include <string>

#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

constexpr std::string_view kOpeningLines[] = {
    "The old king is dead, and the kingdom is torn apart.",
    "Bandits hold the roads; armies gather beyond the border.",
    "Win the villages and towns to your side, raise an army,",
    "and hold the kingdom together until the invaders give up.",
};
constexpr std::string_view kSurrenderLines[] = {
    "An invader has reached the heart of the kingdom.",
    "The council surrenders, and your banner is lowered.",
};
constexpr std::string_view kPeaceLines[] = {
    "A hundred and fifty days have passed.",
    "The invaders offer peace, and the weary kingdom accepts.",
};
constexpr std::string_view kVictoryLines[] = {
    "The last battle is won and the invaders flee.",
    "The kingdom is whole again, and it will remember your name.",
};

constexpr int32_t kPictureX = 200;
constexpr int32_t kPictureY = 30;
constexpr int32_t kLinesX = 90;
constexpr int32_t kLinesY = 360;
constexpr int32_t kLineHeight = 30;
// The lines rise into a window that ends above the Next button at its largest, so that no line
// passes under it.
constexpr int32_t kLinesBottom = 505;
constexpr int32_t kLinesWidth = 620;

}  // namespace

uint8_t StoryPage(uint8_t storyMode) {
    return storyMode >= kStorySurrender && storyMode <= kStoryVictory ? storyMode
                                                                      : uint8_t{kStoryOpening};
}

std::span<const std::string_view> StoryLines(uint8_t page) {
    switch (page) {
        case kStorySurrender:
            return kSurrenderLines;
        case kStoryPeace:
            return kPeaceLines;
        case kStoryVictory:
            return kVictoryLines;
        default:
            return kOpeningLines;
    }
}

void StoryScreen::Init(GraphicsDevice* device) {
    art.Init(device, kStoryPictures);
}

void StoryScreen::Free() {
    art.Free();
}

void StoryScreen::Animate(uint8_t riseSteps) {
    rise = std::max(0, rise - riseSteps);
}

void StoryScreen::Draw() {
    art.sprites.Draw(page, 0, kPictureX, kPictureY, 0xFFFFFFFF, 1.0f, 1.0f);
    int32_t y = kLinesY + rise;
    for (std::string_view line : StoryLines(page)) {
        if (y < kLinesBottom) {
            art.font.DrawText(std::string(line).c_str(), kLinesX, y, kLinesWidth, kLinesBottom - y,
                              kTextGrey, 0);
        }
        y += kLineHeight;
    }
    DrawButton(art.sprites, kStoryNextSlot, buttons, kStoryNext, kLargeButtonScales);
}

}  // namespace varn
