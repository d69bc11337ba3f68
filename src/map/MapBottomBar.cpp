#include "map/MapScreen.h"

namespace varn {

// The bar along the bottom of the map while a character is selected: its portrait, moves left
// and armies, and six command buttons.

namespace {

constexpr int kBarBackSlot = 22;
constexpr int kPlayerPortraitSlot = 20;
constexpr int kHeroPortraitSlot = 21;
constexpr int kMovesBackSlot = 31;
constexpr int kMovesDigitSlot = 8;
constexpr int kBarButtonSlot = 19;

struct BarButtonArt {
    int iconSlot;
    int32_t iconX;
    int32_t iconY;
    float iconScaleX;
    float iconScaleY;
    int labelSlot;
    float labelScaleX;
    float labelScaleY;
};

// By button id - 1; each label stands at the button's x, y 540.
constexpr BarButtonArt kBarButtonArt[kBarButtonCount] = {
    {11, 406, 544, 1.1f, 1.0f, 15, 1.0f, 1.0f}, {26, 473, 541, 1.1f, 1.1f, 16, 1.0f, 1.0f},
    {13, 543, 541, 1.1f, 1.1f, 17, 1.0f, 1.0f}, {14, 612, 541, 1.1f, 1.1f, 18, 1.0f, 1.0f},
    {27, 681, 541, 1.1f, 1.1f, 28, 1.0f, 1.1f}, {29, 750, 541, 1.1f, 1.1f, 30, 1.0f, 1.0f},
};

}  // namespace

void MapScreen::DrawHeroPanel() {
    const bool heroShown = playerSelected == 0 && heroSelected >= 1 && heroSelected <= kHeroCount;
    if (playerSelected == 0 && !heroShown) {
        return;
    }
    DrawSprite(kBarBackSlot, 0, 100, 530, 4.7f, 1.8f);
    if (heroShown) {
        DrawSprite(kHeroPortraitSlot, heroSelected - 1, 0, 530, 0.9f, 0.9f);
    } else {
        DrawSprite(kPlayerPortraitSlot, portraitVariant == 0 ? 1 : 0, 0, 530, 0.9f, 0.9f);
    }
    DrawSprite(kMovesBackSlot, 0, 58, 530, 1.3125f, 1.8f);
    const uint8_t moves = heroShown ? heroMoves[heroSelected - 1] : playerMoves;
    DrawSprite(kMovesDigitSlot, moves, 70, 550, 0.6f, 0.8f);

    const auto& armies = panelArmies[heroShown ? heroSelected : 0];
    if (unitSprites) {
        for (int slot = 0; slot < kArmySlotCount; ++slot) {
            const uint8_t present = armies[slot];
            const uint8_t position = armies[kArmySlotCount + slot];
            const uint8_t unitType = armies[2 * kArmySlotCount + slot];
            if (present != 0) {
                unitSprites->Draw(unitType, 0, 103 + 48 * position, 540, 0xFFFFFFFF, 0.7f, 0.7f);
            }
        }
    }
    for (const ButtonRect& button : kBarButtons) {
        const uint8_t state = barButtons.Look(button.id);
        const BarButtonArt& art = kBarButtonArt[button.id - 1];
        DrawSprite(kBarButtonSlot, state, button.x, 530, 1.0f, 0.9f);
        if (state == kButtonNormal) {
            DrawSprite(art.iconSlot, 0, art.iconX, art.iconY, art.iconScaleX, art.iconScaleY);
        } else {
            DrawSprite(art.labelSlot, 0, button.x, 540, art.labelScaleX, art.labelScaleY);
        }
    }
}

}  // namespace varn
