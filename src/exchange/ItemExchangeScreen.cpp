#include "exchange/ItemExchangeScreen.h"

#include <cstdio>

#include "app/GlyphText.h"
#include "characters/ItemDrawing.h"
#include "engine/InputDevice.h"
#include "items/ItemArt.h"
#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

namespace {

constexpr int32_t kTextHeight = 16;
constexpr int32_t kLettersSlot = 1;
constexpr std::array<int32_t, 2> kNameCentreX = {150, 650};
constexpr int32_t kNameY = 4;
constexpr std::array<int32_t, 2> kStatsX = {12, 696};
constexpr int32_t kStatsY = 40;
constexpr int32_t kStatLine = 18;

void CopySide(const CharacterItemRecord& record, CharacterItems& items,
              std::array<uint8_t, kItemTableSize>& owned) {
    items = record.items;
    owned = record.owned;
}

void WriteSide(const CharacterItems& items, const std::array<uint8_t, kItemTableSize>& owned,
               const std::array<uint8_t, kItemTableSize>& itemCell, CharacterItemRecord& record) {
    record.items = items;
    record.owned = owned;
    for (size_t entry = 0; entry < owned.size(); ++entry) {
        if (owned[entry] != 0) {
            record.itemCell[entry] = itemCell[entry];
        }
    }
}

}  // namespace

void ItemExchangeScreen::Init(GraphicsDevice* device) {
    itemIcons = std::make_unique<SpriteSet>();
    itemIcons->Init(device, kItemIconSlotCount);
    itemIcons->SetAlphaTest(1);
    for (DollLayerSets& doll : dollSets_) {
        doll.Init(device);
    }
    firstDoll = dollSets_[0].layers;
    secondDoll = dollSets_[1].layers;
    InitPictureSet(sprites, device, kItemTradePictures);
    font.Create(device, "Arial", kTextHeight, 0, 0, 0, 0);
    font.Begin();
    CreateSlotLabelFont(slotLabels, device);
    firstDollReload.RequestAll();
    secondDollReload.RequestAll();
}

void ItemExchangeScreen::ReleaseTextures() {
    DeleteSpriteSet(itemIcons);
    for (DollLayerSets& doll : dollSets_) {
        doll.Free();
    }
    firstDoll = dollSets_[0].layers;
    secondDoll = dollSets_[1].layers;
    sprites.Free();
}

void ItemExchangeScreen::Free() {
    ReleaseTextures();
    font.End();
    font.Release();
    slotLabels.End();
    slotLabels.Release();
}

bool ItemExchangeScreen::CopyIn(const GameState& world, CharacterId first, CharacterId second) {
    if (!IsMeetingPair(world, first, second)) {
        return false;
    }
    const CharacterItemRecord* firstRecord = ItemsOf(world, first);
    const CharacterItemRecord* secondRecord = ItemsOf(world, second);
    firstCharacter = first;
    secondCharacter = second;
    CopySide(*firstRecord, firstItems, firstOwned);
    CopySide(*secondRecord, secondItems, secondOwned);
    LayOut();
    MarkNeededIcons();
    ItemCatalogue::LoadEquipmentArt(firstDoll, EquipmentOf(firstItems), firstDollReload);
    ItemCatalogue::LoadEquipmentArt(secondDoll, EquipmentOf(secondItems), secondDollReload);
    cards[0].CopyFrom(world, first);
    cards[1].CopyFrom(world, second);
    for (size_t side = 0; side < cards.size(); ++side) {
        nameLast[side] = LastGlyphIndex(cards[side].name);
    }
    ItemCatalogue::BuildKindTable(itemKinds, itemIconSlots, *itemIcons, iconNeeded);
    return true;
}

void ItemExchangeScreen::WriteBack(GameState& world) const {
    CharacterItemRecord* firstRecord = ItemsOf(world, firstCharacter);
    CharacterItemRecord* secondRecord = ItemsOf(world, secondCharacter);
    if (firstRecord == nullptr || secondRecord == nullptr) {
        return;
    }
    WriteSide(firstItems, firstOwned, itemCell, *firstRecord);
    WriteSide(secondItems, secondOwned, itemCell, *secondRecord);
}

void ItemExchangeScreen::MarkNeededIcons() {
    for (size_t entry = 0; entry < iconNeeded.size(); ++entry) {
        iconNeeded[entry] = firstOwned[entry] != 0 || secondOwned[entry] != 0 ? 1 : 0;
    }
}

void ItemExchangeScreen::LayOut() {
    ItemCatalogue::LayoutBagItems(firstItems, iconX, iconY, itemCell, kFirstSideCells);
    ItemCatalogue::LayoutBagItems(secondItems, iconX, iconY, itemCell, kSecondSideCells);
}

std::array<ItemHolder, 2> ItemExchangeScreen::Holders() {
    return {{{&firstItems, &firstOwned, &itemCell, &firstDollReload, &kFirstSideCells},
             {&secondItems, &secondOwned, &itemCell, &secondDollReload, &kSecondSideCells}}};
}

bool ItemExchangeScreen::HandleMouse(InputDevice& mouse, int32_t x, int32_t y) {
    const std::array<ItemHolder, 2> holders = Holders();
    const bool dragging = drag.Dragging();
    if (dragging) {
        drag.Follow(x, y);
        switch (drag.TakeRelease(holders, itemKinds, mouse, x, y)) {
            case ItemDragDrop::Release::Moved:
                LayOut();
                break;
            case ItemDragDrop::Release::Outside:
                drag.Cancel();
                break;
            default:
                break;
        }
    } else {
        drag.PickUp(holders, mouse, x, y);
    }
    if (drag.Dragging()) {
        shownItem = drag.item;
    } else {
        const ItemCellRef under = ItemCellAt(holders, x, y);
        shownItem = under.IsNone() ? kNoItem
                                   : (*holders[static_cast<size_t>(under.holder)]
                                           .items)[static_cast<size_t>(under.cell)];
    }
    return dragging || drag.Dragging();
}

void ItemExchangeScreen::ShowStats(const GameState& world) {
    const std::array<CharacterId, 2> characters = {firstCharacter, secondCharacter};
    for (size_t side = 0; side < cards.size(); ++side) {
        if (const CharacterStats* stats = StatsOf(world, characters[side])) {
            cards[side].stats = *stats;
        }
    }
}

void ItemExchangeScreen::Draw(PaperDollArt& dollArt, SpriteSet& panelSprites) {
    const ItemScreenArt art{&panelSprites,   &sprites,       kLettersSlot,
                            itemIcons.get(), &itemIconSlots, &slotLabels};
    const std::array<const CharacterItems*, 2> items = {&firstItems, &secondItems};
    const std::array<const PaperDollLayers*, 2> dolls = {&firstDoll, &secondDoll};
    const std::array<const CellPositionTable*, 2> cells = {&kFirstSideCells, &kSecondSideCells};
    char line[64];
    for (size_t side = 0; side < cards.size(); ++side) {
        const CharacterCard& card = cards[side];
        DrawPaperDoll(dollArt, *dolls[side], EquipmentOf(*items[side]), card.bodyVariant,
                      kExchangeDollX[side], kExchangeDollY, kExchangeDollScale);
        DrawGlyphRow(sprites, kLettersSlot, card.name,
                     kNameCentreX[side] - kNameLetterSpacing * nameLast[side] / 2 - 8, kNameY,
                     kNameLetterSpacing, 1.0f);
        std::snprintf(line, sizeof line, "Health %d / %d", card.stats.health, card.stats.maxHealth);
        font.DrawText(line, kStatsX[side], kStatsY, 0, 0, kTextGrey, 0);
        std::snprintf(line, sizeof line, "Attack %d", card.stats.attack);
        font.DrawText(line, kStatsX[side], kStatsY + kStatLine, 0, 0, kTextGrey, 0);
        std::snprintf(line, sizeof line, "Defence %d", card.stats.defence);
        font.DrawText(line, kStatsX[side], kStatsY + 2 * kStatLine, 0, 0, kTextGrey, 0);
        DrawCellsAndItems(art, *cells[side], *items[side], iconX, iconY, drag.item);
    }
    DrawItemDescription(art, description, shownItem, kExchangeDescription);
    DrawExchangeButton(sprites, 0, buttons, kItemTradeLeaveButton);
    if (drag.Dragging()) {
        DrawItemIcon(art, drag.item, drag.iconX, drag.iconY);
    }
}

}  // namespace varn
