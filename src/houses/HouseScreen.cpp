#include "houses/HouseScreen.h"

#include "app/GlyphText.h"
#include "engine/Colours.h"
#include "houses/HousePictures.h"

namespace varn {

namespace {

constexpr int32_t kNameCentreX = 296;
constexpr int32_t kNameY = 110;
constexpr int32_t kGlyphStep = 12;
constexpr float kGlyphScaleX = 0.75f;
constexpr float kGlyphScaleY = 0.9f;

}  // namespace

HouseScreen::HouseScreen(HouseKind kind) : kind_(kind) {
    buttons.available = [this](uint8_t id) { return ButtonOffered(id); };
}

HouseScreen::~HouseScreen() = default;

uint8_t& HouseScreen::Quest(int quest) {
    if (quest < 1 || quest > kQuestCount) {
        discardedQuest_ = 0;
        return discardedQuest_;
    }
    return questState[static_cast<size_t>(quest - 1)];
}

uint8_t HouseScreen::Quest(int quest) const {
    if (quest < 1 || quest > kQuestCount) {
        return 0;
    }
    return questState[static_cast<size_t>(quest - 1)];
}

void HouseScreen::FreeSprites() {
    DeleteSpriteSet(mainSprites);
    DeleteSpriteSet(houseArt);
    DeleteSpriteSet(portraitSprites);
    DeleteSpriteSet(armyIcons);
    DeleteSpriteSet(armyFigures);
    if (font) {
        font->End();
        font->Release();
        font.reset();
    }
    DeleteSpriteSet(capitalLetters);
    DeleteSpriteSet(smallLetters);
    DeleteSpriteSet(itemArt);
}

void HouseScreen::Sprite(SpriteSet* set, int32_t slot, int32_t frame, int32_t x, int32_t y,
                         float scaleX, float scaleY) const {
    if (set == nullptr || !set->IsLoaded(slot)) {
        return;
    }
    set->Draw(slot, frame, x, y, kUntinted, scaleX, scaleY);
    if (drawLog != nullptr) {
        drawLog->push_back({set, slot, frame, x, y, scaleX, scaleY, {}});
    }
}

void HouseScreen::DrawBox(int32_t x, int32_t y, float scaleX, float scaleY) const {
    Sprite(mainSprites.get(), kBoxSlot, 0, x, y, scaleX, scaleY);
}

void HouseScreen::DrawText(const char* text, int32_t x, int32_t y, int32_t width, int32_t height,
                           uint32_t colour) const {
    if (!font) {
        return;
    }
    font->DrawText(text, x, y, width, height, colour, 0);
    if (drawLog != nullptr) {
        drawLog->push_back({nullptr, 0, 0, x, y, 1.0f, 1.0f, text});
    }
}

void HouseScreen::DrawGlyphName(const GlyphString& name, uint8_t lastIndex, bool withDigits) const {
    GlyphTextTrace trace(name);
    for (int j = 0; j < kGlyphStringLength; ++j) {
        const GlyphCode code = name[static_cast<size_t>(j)];
        const int32_t x = kNameCentreX + kGlyphStep * j - (kGlyphStep / 2) * lastIndex;
        const auto glyph = [&](SpriteSet* set, int32_t slot, int32_t frame) {
            Sprite(set, slot, frame, x, kNameY, kGlyphScaleX, kGlyphScaleY);
            if (set != nullptr) {
                trace.Add(*set, slot, frame, x, kNameY, kGlyphScaleX, kGlyphScaleY);
            }
        };
        // A damaged name may hold codes no sheet has; they draw nothing.
        if (code == kGlyphCursor || !IsValidGlyph(code)) {
            continue;
        }
        if (code < kGlyphCapitalA) {
            glyph(smallLetters.get(), 0, code);
            continue;
        }
        glyph(capitalLetters.get(), 0, code - kGlyphCapitalA);
        if (withDigits && code >= kGlyphDigitZero) {
            glyph(mainSprites.get(), kNameDigitSlot, code - kGlyphDigitZero);
        }
    }
}

}  // namespace varn
