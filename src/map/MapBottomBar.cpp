#include "app/ArmyPicture.h"
#include "map/MapScreen.h"

namespace varn {

// The bar along the bottom of the map while a character is selected: its portrait, moves left
// and armies, and six command buttons.

namespace {

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
    {kMapWalkIconSlot, 406, 544, 1.1f, 1.0f, kMapMoveLabelSlot, 1.0f, 1.0f},
    {kMapTradeSlot, 473, 541, 1.1f, 1.1f, kMapTradeLabelSlot, 1.0f, 1.0f},
    {kMapAttackIconSlot, 543, 541, 1.1f, 1.1f, kMapAttackLabelSlot, 1.0f, 1.0f},
    {kMapLookIconSlot, 612, 541, 1.1f, 1.1f, kMapLookLabelSlot, 1.0f, 1.0f},
    {kMapCentreIconSlot, 681, 541, 1.1f, 1.1f, kMapCentreLabelSlot, 1.0f, 1.1f},
    {kMapNextIconSlot, 750, 541, 1.1f, 1.1f, kMapNextLabelSlot, 1.0f, 1.0f},
};

}  // namespace

void MapScreen::DrawHeroPanel() {
    const bool heroShown = playerSelected == 0 && heroSelected >= 1 && heroSelected <= kHeroCount;
    if (playerSelected == 0 && !heroShown) {
        return;
    }
    DrawSprite(kMapBarBackSlot, 0, 100, 530, 4.7f, 1.8f);
    if (heroShown) {
        DrawSprite(kMapHeroPortraitSlot, heroSelected - 1, 0, 530, 0.9f, 0.9f);
    } else {
        DrawSprite(kMapPlayerPortraitSlot, portraitVariant == 0 ? 1 : 0, 0, 530, 0.9f, 0.9f);
    }
    DrawSprite(kMapMovesBackSlot, 0, 58, 530, 1.3125f, 1.8f);
    const uint8_t moves = heroShown ? heroMoves[heroSelected - 1] : playerMoves;
    DrawSprite(kMapDigitSlot, moves, 70, 550, 0.6f, 0.8f);

    const auto& armies = panelArmies[heroShown ? heroSelected : 0];
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        const uint8_t present = armies[slot];
        const uint8_t position = armies[kArmySlotCount + slot];
        const uint8_t unitType = armies[2 * kArmySlotCount + slot];
        if (present != 0) {
            DrawPicture(ArmyPicture(unitSprites.get(), unitFigures.get(), unitType,
                                    103 + 48 * position, 540, 0.7f));
        }
    }
    for (const ButtonRect& button : kBarButtons) {
        const uint8_t state = barButtons.Look(button.id);
        const BarButtonArt& art = kBarButtonArt[button.id - 1];
        DrawSprite(kMapBarButtonSlot, state, button.x, 530, 1.0f, 0.9f);
        if (state == kButtonNormal) {
            DrawSprite(art.iconSlot, 0, art.iconX, art.iconY, art.iconScaleX, art.iconScaleY);
        } else {
            DrawSprite(art.labelSlot, 0, button.x, 540, art.labelScaleX, art.labelScaleY);
        }
    }
}

}  // namespace varn
