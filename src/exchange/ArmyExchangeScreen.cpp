#include "exchange/ArmyExchangeScreen.h"

#include "app/ArmyPicture.h"
#include "app/GlyphText.h"
#include "characters/ArmySlots.h"
#include "engine/InputDevice.h"
#include "items/ItemBonuses.h"
#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

namespace {

constexpr int32_t kTextHeight = 16;
constexpr int32_t kNameY = 24;
constexpr std::array<int32_t, 2> kNameCentreX = {128, 672};
constexpr std::array<int32_t, 2> kDollX = {0, 544};
constexpr int32_t kDollY = 96;
constexpr int32_t kFigureHalf = 24;
// Room between the boxes of the two columns.
constexpr int32_t kSlotGap = 4;

}  // namespace

ArmySlotRef ArmyTradeSlotAt(int32_t x, int32_t y) {
    for (int side = 0; side < 2; ++side) {
        const int slot = ArmySlotAt(kArmyTradeColumns[static_cast<size_t>(side)], x, y);
        if (slot >= 0) {
            return {side, slot};
        }
    }
    return {};
}

void ArmyExchangeScreen::Init(GraphicsDevice* device) {
    InitPictureSet(panel, device, kArmyTradePictures);
    InitPictureSet(letters, device, kNameLetterPictures);
    InitPictureSet(units, device, kArmyFigurePictures);
    for (DollLayerSets& doll : dollSets_) {
        doll.Init(device);
    }
    firstDoll = dollSets_[0].layers;
    secondDoll = dollSets_[1].layers;
    firstDollReload.RequestAll();
    secondDollReload.RequestAll();
    font.Create(device, "Arial", kTextHeight, 0, 0, 0, 0);
    font.Begin();
}

void ArmyExchangeScreen::ReleaseTextures() {
    panel.Free();
    letters.Free();
    units.Free();
    for (DollLayerSets& doll : dollSets_) {
        doll.Free();
    }
    firstDoll = dollSets_[0].layers;
    secondDoll = dollSets_[1].layers;
}

void ArmyExchangeScreen::Free() {
    ReleaseTextures();
    font.End();
    font.Release();
}

bool ArmyExchangeScreen::CopyIn(const GameState& world, CharacterId first, CharacterId second) {
    if (!IsMeetingPair(world, first, second)) {
        return false;
    }
    const CharacterItemRecord* firstRecord = ItemsOf(world, first);
    const CharacterItemRecord* secondRecord = ItemsOf(world, second);
    cards[0].CopyFrom(world, first);
    cards[1].CopyFrom(world, second);
    firstItems = firstRecord->items;
    secondItems = secondRecord->items;
    dragged = {};
    return true;
}

void ArmyExchangeScreen::WriteBack(GameState& world) const {
    for (const CharacterCard& card : cards) {
        if (ArmyRecord* record = ArmyOf(world, card.id)) {
            *record = card.armies;
        }
    }
}

void ArmyExchangeScreen::HandleDrag(int32_t x, int32_t y, InputDevice& mouse) {
    if (!dragged.IsSlot()) {
        const ArmySlotRef under = ArmyTradeSlotAt(x, y);
        if (mouse.ButtonPressed(0) != 0 && under.IsSlot() &&
            HasArmy(cards[static_cast<size_t>(under.side)].armies, under.slot)) {
            mouse.SetLatch(0, 1);
            dragged = under;
        }
        return;
    }
    if ((mouse.mouseState.buttons[0] & kDown) != 0) {
        return;
    }
    const ArmySlotRef target = ArmyTradeSlotAt(x, y);
    if (target.IsSlot()) {
        MoveArmy(cards[static_cast<size_t>(dragged.side)].armies, dragged.slot,
                 cards[static_cast<size_t>(target.side)].armies, target.slot);
    }
    dragged = {};
}

void ArmyExchangeScreen::Draw(PaperDollArt& dollArt, int32_t pointerX, int32_t pointerY) {
    const std::array<const CharacterItems*, 2> items = {&firstItems, &secondItems};
    const std::array<const PaperDollLayers*, 2> dolls = {&firstDoll, &secondDoll};
    for (size_t side = 0; side < 2; ++side) {
        const CharacterCard& card = cards[side];
        DrawCentredGlyphs(letters, 0, card.name, kNameCentreX[side], kNameY, kNameLetterSpacing,
                          1.0f);
        DrawPaperDoll(dollArt, *dolls[side], EquipmentOf(*items[side]), card.bodyVariant,
                      kDollX[side], kDollY);
        const ArmyPanelLayout& column = kArmyTradeColumns[side];
        for (int slot = 0; slot < kArmySlotCount; ++slot) {
            DrawBox(panel, kSlotBoxSlot, column.x + slot * column.stepX,
                    column.y + slot * column.stepY, kArmyCellWidth - kSlotGap, kArmyCellHeight);
        }
        const int lifted = dragged.side == static_cast<int>(side) ? dragged.slot : -1;
        DrawArmyPanel({&units, &font}, card.armies, column, lifted);
    }
    DrawExchangeButton(panel, 1, buttons, kArmyTradeLeaveButton);
    if (dragged.IsSlot()) {
        const ArmyRecord& armies = cards[static_cast<size_t>(dragged.side)].armies;
        DrawPicture(ArmyPicture(nullptr, &units, armies.unitType[static_cast<size_t>(dragged.slot)],
                                pointerX - kFigureHalf, pointerY - kFigureHalf, kFigureScale));
    }
}

}  // namespace varn
