#include <cstdio>

#include "characters/CharacterScreen.h"
#include "characters/GlyphText.h"
#include "characters/PaperDollArt.h"
#include "engine/ScreenSize.h"
#include "items/ItemArt.h"

namespace varn {

namespace {

// The control panel's pictures the character screens draw with.
constexpr int32_t kPanelDigitSlot = 10;
constexpr int32_t kPanelBackSlot = 12;
constexpr int32_t kPanelCellSlot = 16;
constexpr int32_t kPanelFrameSlot = 17;
constexpr int32_t kPanelBoxSlot = 18;

constexpr uint32_t kOpaque = 0xFFFFFFFF;
constexpr uint32_t kTextColour = 0xFFE6E6E6;
constexpr uint32_t kTitleColour = 0xFF82E682;
constexpr int32_t kBackTile = 256;
constexpr int32_t kLetterSpacing = 14;
constexpr float kLabelScale = 0.8f;
constexpr int32_t kLabelSpacing = 13;
constexpr float kDigitScale = 0.5f;

void DrawButtonLook(SpriteSet& sprites, int32_t slot, const ButtonBar& bar, uint8_t id) {
    const ButtonRect* rect = bar.Find(id);
    if (rect != nullptr) {
        sprites.Draw(slot, bar.Look(id), rect->x, rect->y, kOpaque, 1.0f, 1.0f);
    }
}

void DrawTarget(SpriteSet& sprites, int32_t slot, const ButtonRect& target) {
    sprites.Draw(slot, 0, target.x, target.y, kOpaque, 1.0f, 1.0f);
}

}  // namespace

void CharacterScreen::Draw(PaperDollArt& dollArt, SpriteSet& panelSprites) {
    for (int32_t y = 0; y < kScreenHeight; y += kBackTile) {
        for (int32_t x = 0; x < kScreenWidth; x += kBackTile) {
            panelSprites.Draw(kPanelBackSlot, 0, x, y, kOpaque, 1.0f, 1.0f);
        }
    }
    DrawButtonLook(sprites, kExitSlot, buttons, kCharacterExit);
    DrawButtonLook(sprites, kNameSlot, buttons, kCharacterName);
    DrawButtonLook(sprites, kPreviousSlot, buttons, kCharacterPrevious);
    DrawButtonLook(sprites, kNextSlot, buttons, kCharacterNext);
    if (!hasCharacter) {
        font.DrawText("No hero has joined you yet.", 300, 280, 0, 0, kTitleColour, 0);
        return;
    }
    DrawCharacter(panelSprites);
    DrawPaperDoll(dollArt, dollLayers, EquipmentOf(items), bodyVariant, kDollX, kDollY);
    DrawItems(panelSprites);
    if (!descriptionHidden) {
        DrawDescription(panelSprites);
    }
    DrawArmyPanel({&units, &sprites, kCharacterLettersSlot, &font}, army, kCharacterArmies,
                  selectedArmy);
    DrawTarget(sprites, kThrowAwaySlot, kThrowAwayTarget);
    DrawTarget(sprites, kDisbandSlot, kDisbandTarget);
    if (drag.Dragging()) {
        itemIcons->Draw(itemIconSlots[static_cast<size_t>(drag.item - 1)], 0, drag.iconX,
                        drag.iconY, kOpaque, 1.0f, 1.0f);
    }
    if (question != CharacterQuestion::None) {
        DrawQuestion(panelSprites);
    }
}

void CharacterScreen::DrawCharacter(SpriteSet& panelSprites) {
    panelSprites.Draw(kPanelFrameSlot, 0, 8, 8, kOpaque, 0.75f, 0.75f);
    sprites.Draw(isHero ? kHeroPortraitSlot : kPlayerPortraitSlot, portraitFrame, 24, 24, kOpaque,
                 1.0f, 1.0f);
    DrawCentredGlyphs(sprites, kCharacterLettersSlot, name, 260, 12, kLetterSpacing, 1.0f);
    char text[64];
    std::snprintf(text, sizeof text, "Health %d / %d", stats.health, stats.maxHealth);
    font.DrawText(text, 116, 56, 0, 0, kTextColour, 0);
    std::snprintf(text, sizeof text, "Attack %d", stats.attack);
    font.DrawText(text, 116, 80, 0, 0, kTextColour, 0);
    std::snprintf(text, sizeof text, "Defence %d", stats.defence);
    font.DrawText(text, 116, 104, 0, 0, kTextColour, 0);
    std::snprintf(text, sizeof text, "Level %d", stats.level);
    font.DrawText(text, 250, 80, 0, 0, kTextColour, 0);
    std::snprintf(text, sizeof text, "Experience %d", stats.experience);
    font.DrawText(text, 250, 104, 0, 0, kTextColour, 0);
    font.DrawText("Armies", 40, 160, 0, 0, kTitleColour, 0);
    font.DrawText("Bag", 656, 290, 0, 0, kTitleColour, 0);
}

void CharacterScreen::DrawItems(SpriteSet& panelSprites) {
    for (const CellPosition& at : ItemCatalogue::ItemCellPositions) {
        panelSprites.Draw(kPanelCellSlot, 0, at.x, at.y, kOpaque, 1.0f, 1.0f);
    }
    for (const ItemId id : items) {
        if (id == kNoItem || (drag.Dragging() && id == drag.item)) {
            continue;
        }
        const auto entry = static_cast<size_t>(id - 1);
        itemIcons->Draw(itemIconSlots[entry], 0, iconX[entry], iconY[entry], kOpaque, 1.0f, 1.0f);
    }
}

void CharacterScreen::DrawDescription(SpriteSet& panelSprites) {
    panelSprites.Draw(kPanelBoxSlot, 0, 544, 24, kOpaque, 2.0f, 2.0f);
    if (shownItem == 0 || description.itemId == 0) {
        return;
    }
    const int32_t x = kDescriptionX;
    const int32_t y = kDescriptionY;
    DrawGlyphRow(sprites, kCharacterLettersSlot, description.line1, x - 7 * description.line1Last,
                 y, kLetterSpacing, 1.0f);
    DrawGlyphRow(sprites, kCharacterLettersSlot, description.line2,
                 x + 5 - 7 * description.line2Last, y + 31, kLetterSpacing, 1.0f);
    itemIcons->Draw(itemIconSlots[static_cast<size_t>(description.itemId - 1)], 0, x - 32, y + 70,
                    kOpaque, 1.0f, 1.0f);
    DrawGlyphRow(sprites, kCharacterLettersSlot, description.statLabel, x - 39, y + 145,
                 kLabelSpacing, kLabelScale);
    if (description.statLabel[0] == kGlyphBlank && description.statLabel[1] == kGlyphBlank) {
        return;
    }
    const int bonus = description.bonus;
    panelSprites.Draw(kPanelDigitSlot, bonus % 10, x - 60, y + 140, kOpaque, kDigitScale,
                      kDigitScale);
    if (bonus >= 10) {
        panelSprites.Draw(kPanelDigitSlot, bonus / 10 % 10, x - 76, y + 140, kOpaque, kDigitScale,
                          kDigitScale);
    }
    if (bonus >= 100) {
        panelSprites.Draw(kPanelDigitSlot, bonus / 100 % 10, x - 92, y + 140, kOpaque, kDigitScale,
                          kDigitScale);
    }
}

void CharacterScreen::DrawQuestion(SpriteSet& panelSprites) {
    panelSprites.Draw(kPanelFrameSlot, 0, 272, 228, kOpaque, 2.0f, 1.0f);
    const char* asked =
        question == CharacterQuestion::ThrowAway ? "Throw this item away?" : "Disband this army?";
    font.DrawText(asked, 300, 256, 0, 0, kTitleColour, 0);
    DrawButtonLook(sprites, kYesSlot, questionButtons, kQuestionYes);
    DrawButtonLook(sprites, kNoSlot, questionButtons, kQuestionNo);
}

}  // namespace varn
