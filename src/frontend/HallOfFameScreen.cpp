#include "frontend/HallOfFameScreen.h"

#include <algorithm>
#include <cstdio>

#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

constexpr int32_t kFirstPlaceY = 150;
constexpr int32_t kPlaceSpacing = 70;
constexpr int32_t kPlaceNumberX = 150;
constexpr int32_t kNameCentreX = 400;
constexpr int32_t kScoreX = 600;
// Texts sit lower than the letters so that both share a baseline.
constexpr int32_t kTextDrop = 5;

}  // namespace

void HallOfFameScreen::Init(GraphicsDevice* device) {
    art.Init(device, kHallOfFamePictures);
}

void HallOfFameScreen::Free() {
    art.Free();
}

void HallOfFameScreen::Show(const GameState& world) {
    used = world.hofUsed;
    score = world.hofScore;
    name = world.hofName;
}

bool HallOfFameScreen::IsEmpty() const {
    return std::all_of(used.begin(), used.end(), [](uint8_t place) { return place == 0; });
}

void HallOfFameScreen::Draw() {
    art.Text("Hall of fame", 340, 70, kTitleColour);
    // Five numbered rows with nothing in them would read as a fault: an empty hall says so.
    const int places = IsEmpty() ? 0 : kHallOfFamePlaces;
    if (places == 0) {
        art.Text(kNoScoreLine, kPlaceNumberX, kFirstPlaceY + kTextDrop, kTextGrey);
    }
    for (int place = 0; place < places; ++place) {
        const int32_t y = kFirstPlaceY + kPlaceSpacing * place;
        char text[16];
        std::snprintf(text, sizeof text, "%d.", place + 1);
        art.Text(text, kPlaceNumberX, y + kTextDrop, kTextGrey);
        if (used[static_cast<size_t>(place)] == 0) {
            continue;
        }
        DrawGlyphName(art.sprites, kHallLettersSlot, name[static_cast<size_t>(place)], kNameCentreX,
                      y);
        // Scores count as unsigned in the hall of fame.
        std::snprintf(text, sizeof text, "%lu",
                      static_cast<unsigned long>(static_cast<uint32_t>(score[place])));
        art.Text(text, kScoreX, y + kTextDrop, kTextGrey);
    }
    DrawButton(art.sprites, kHallBackSlot, buttons, kHallBack, kLargeButtonScales);
}

}  // namespace varn
