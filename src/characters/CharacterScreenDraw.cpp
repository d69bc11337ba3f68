#include <cstdio>

#include "app/GlyphText.h"
#include "characters/CharacterScreen.h"
#include "characters/ItemDrawing.h"
#include "characters/PaperDollArt.h"
#include "engine/Colours.h"
#include "engine/ScreenSize.h"
#include "items/ItemArt.h"

namespace varn {

namespace {

// The control panel's pictures the character screens draw with.
constexpr int32_t kPanelBackSlot = 12;
constexpr int32_t kPanelFrameSlot = 17;

// Level and experience stand one row up from the heroes' Previous button below them.
constexpr int32_t kSecondColumnX = 250;

void DrawButtonLook(SpriteSet& sprites, int32_t slot, const ButtonBar& bar, uint8_t id) {
    const ButtonRect* rect = bar.Find(id);
    if (rect != nullptr) {
        sprites.Draw(slot, bar.Look(id), rect->x, rect->y, kUntinted, 1.0f, 1.0f);
    }
}

void DrawTarget(SpriteSet& sprites, int32_t slot, const ButtonRect& target) {
    sprites.Draw(slot, 0, target.x, target.y, kUntinted, 1.0f, 1.0f);
}

}  // namespace

void CharacterScreen::Draw(PaperDollArt& dollArt, SpriteSet& panelSprites) {
    for (int32_t y = 0; y < kScreenHeight; y += kBackTile) {
        for (int32_t x = 0; x < kScreenWidth; x += kBackTile) {
            panelSprites.Draw(kPanelBackSlot, 0, x, y, kUntinted, 1.0f, 1.0f);
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
    const ItemScreenArt itemArt = ItemArt(panelSprites);
    DrawCellsAndItems(itemArt, ItemCatalogue::ItemCellPositions, items, iconX, iconY, drag.item);
    if (!descriptionHidden) {
        DrawItemDescription(itemArt, description, shownItem, kCharacterDescription);
    }
    DrawArmyPanel({&units, &font}, army, kCharacterArmies, selectedArmy);
    DrawTarget(sprites, kThrowAwaySlot, kThrowAwayTarget);
    DrawTarget(sprites, kDisbandSlot, kDisbandTarget);
    if (drag.Dragging()) {
        DrawItemIcon(itemArt, drag.item, drag.iconX, drag.iconY);
    }
    if (question != CharacterQuestion::None) {
        DrawQuestion(panelSprites);
    }
}

void CharacterScreen::DrawCharacter(SpriteSet& panelSprites) {
    panelSprites.Draw(kPanelFrameSlot, 0, 8, 8, kUntinted, 0.75f, 0.75f);
    sprites.Draw(isHero ? kHeroPortraitSlot : kPlayerPortraitSlot, portraitFrame, 24, 24, kUntinted,
                 1.0f, 1.0f);
    DrawCentredGlyphs(sprites, kCharacterLettersSlot, name, 260, 12, kLetterSpacing, 1.0f);
    char text[64];
    std::snprintf(text, sizeof text, "Health %d / %d", stats.health, stats.maxHealth);
    font.DrawText(text, 116, 56, 0, 0, kTextGrey, 0);
    std::snprintf(text, sizeof text, "Attack %d", stats.attack);
    font.DrawText(text, 116, 80, 0, 0, kTextGrey, 0);
    std::snprintf(text, sizeof text, "Defence %d", stats.defence);
    font.DrawText(text, 116, 104, 0, 0, kTextGrey, 0);
    std::snprintf(text, sizeof text, "Level %d", stats.level);
    font.DrawText(text, kSecondColumnX, 56, 0, 0, kTextGrey, 0);
    std::snprintf(text, sizeof text, "Experience %d", stats.experience);
    font.DrawText(text, kSecondColumnX, 80, 0, 0, kTextGrey, 0);
    font.DrawText("Armies", 40, 160, 0, 0, kTitleColour, 0);
    font.DrawText("Bag", 656, 290, 0, 0, kTitleColour, 0);
}

ItemScreenArt CharacterScreen::ItemArt(SpriteSet& panelSprites) {
    return {&panelSprites,   &sprites,       kCharacterLettersSlot,
            itemIcons.get(), &itemIconSlots, &slotLabels};
}

void CharacterScreen::DrawQuestion(SpriteSet& panelSprites) {
    panelSprites.Draw(kPanelCellSlot, 0, kQuestionBox.x, kQuestionBox.y, kUntinted,
                      static_cast<float>(kQuestionBox.w) / kItemIconSize,
                      static_cast<float>(kQuestionBox.h) / kItemIconSize);
    const char* asked =
        question == CharacterQuestion::ThrowAway ? "Throw this item away?" : "Disband this army?";
    font.DrawText(asked, 300, 256, 0, 0, kTitleColour, 0);
    DrawButtonLook(sprites, kYesSlot, questionButtons, kQuestionYes);
    DrawButtonLook(sprites, kNoSlot, questionButtons, kQuestionNo);
}

}  // namespace varn
