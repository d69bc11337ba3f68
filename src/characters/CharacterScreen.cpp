#include "characters/CharacterScreen.h"

#include "characters/ArmySlots.h"
#include "characters/PaperDollArt.h"
#include "engine/HitTest.h"
#include "engine/InputDevice.h"
#include "items/ItemArt.h"
#include "platform/PixelFormat.h"

namespace varn {

namespace {

constexpr int32_t kScreenTextHeight = 16;

bool Inside(const ButtonRect& rect, int32_t x, int32_t y) {
    return PointInRect(rect.x, rect.y, rect.w, rect.h, x, y) != 0;
}

bool FreshPress(const InputDevice& mouse) {
    return mouse.ButtonPressed(0) != 0 || mouse.ButtonPressed(1) != 0;
}

}  // namespace

CharacterScreen::CharacterScreen(std::span<const ButtonRect> buttonTable) : buttons(buttonTable) {}

CharacterScreen::~CharacterScreen() = default;

void CharacterScreen::Init(GraphicsDevice* device) {
    itemIcons = std::make_unique<SpriteSet>();
    itemIcons->Init(device, kItemIconSlotCount);
    itemIcons->SetAlphaTest(1);
    dollSets_.Init(device);
    dollLayers = dollSets_.layers;
    sprites.Init(device, kCharacterSlotCount);
    sprites.SetAlphaTest(1);
    LoadPictures(sprites, kCharacterPictures);
    units.Init(device, kArmyUnitSlotCount);
    units.SetAlphaTest(1);
    LoadPictures(units, kArmyFigurePictures);
    font.Create(device, "Arial", kScreenTextHeight, 0, 0, 0, 0);
    font.Begin();
    CreateSlotLabelFont(slotLabels, device);
    Reset();
}

void CharacterScreen::Free() {
    DeleteSpriteSet(itemIcons);
    dollSets_.Free();
    dollLayers = dollSets_.layers;
    sprites.Free();
    units.Free();
    font.End();
    font.Release();
    slotLabels.End();
    slotLabels.Release();
}

void CharacterScreen::Reset() {
    dollReload.flags.fill(0);
    description = ItemDescription{};
    shownItem = 0;
    layoutDirty = 0;
    sumsDirty = 0;
    drag.Cancel();
    selectedArmy = -1;
    draggedArmy = -1;
    question = CharacterQuestion::None;
    buttons.Reset();
    questionButtons.Reset();
}

ItemHolder CharacterScreen::Holder() {
    return {&items, &owned, &itemCell, &dollReload, &ItemCatalogue::ItemCellPositions};
}

void CharacterScreen::HandleMouse(InputDevice& mouse, int32_t x, int32_t y) {
    if (!hasCharacter || question != CharacterQuestion::None) {
        return;
    }
    if (drag.Dragging()) {
        HandleItemDrag(mouse, x, y);
        return;
    }
    if (draggedArmy >= 0) {
        HandleArmyDrag(mouse, x, y);
        return;
    }
    const ItemHolder holder = Holder();
    if (drag.PickUp({&holder, 1}, mouse, x, y)) {
        shownItem = drag.item;
        layoutDirty = 1;
        return;
    }
    const int armySlot = ArmySlotAt(kCharacterArmies, x, y);
    if (FreshPress(mouse) && HasArmy(army, armySlot)) {
        mouse.SetLatch(0, 1);
        mouse.SetLatch(1, 1);
        selectedArmy = armySlot;
        draggedArmy = armySlot;
        return;
    }
    const ItemCellRef pointed = ItemCellAt({&holder, 1}, x, y);
    shownItem = pointed.IsNone() ? 0 : items[static_cast<size_t>(pointed.cell)];
}

void CharacterScreen::HandleItemDrag(InputDevice& mouse, int32_t x, int32_t y) {
    const ItemHolder holder = Holder();
    drag.Follow(x, y);
    shownItem = drag.item;
    switch (drag.TakeRelease({&holder, 1}, itemKinds, mouse, x, y)) {
        case ItemDragDrop::Release::Moved:
        case ItemDragDrop::Release::Refused:
            layoutDirty = 1;
            break;
        case ItemDragDrop::Release::Outside:
            if (Inside(kThrowAwayTarget, x, y)) {
                question = CharacterQuestion::ThrowAway;
            } else {
                drag.Cancel();
                layoutDirty = 1;
            }
            break;
        case ItemDragDrop::Release::None:
            break;
    }
}

void CharacterScreen::HandleArmyDrag(const InputDevice& mouse, int32_t x, int32_t y) {
    if (MouseButtonDown(mouse)) {
        return;
    }
    if (Inside(kDisbandTarget, x, y)) {
        question = CharacterQuestion::Disband;
    } else {
        draggedArmy = -1;
    }
}

void CharacterScreen::Answer(bool yes) {
    if (question == CharacterQuestion::ThrowAway) {
        if (yes) {
            const ItemHolder holder = Holder();
            DiscardItem({&holder, 1}, drag.from);
            shownItem = 0;
        }
        drag.Cancel();
        layoutDirty = 1;
    } else if (question == CharacterQuestion::Disband) {
        if (yes) {
            ClearArmySlot(army, draggedArmy);
            selectedArmy = -1;
        }
        draggedArmy = -1;
    }
    question = CharacterQuestion::None;
    questionButtons.Reset();
}

}  // namespace varn
