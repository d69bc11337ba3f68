#include "exchange/ArmyExchangeScreen.h"

#include <cstdio>

#include "engine/HitTest.h"
#include "engine/InputDevice.h"
#include "exchange/ArmyMoves.h"
#include "exchange/ExchangeDrawing.h"
#include "exchange/ExchangePictures.h"
#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

namespace {

constexpr int32_t kTextHeight = 20;
constexpr int32_t kNameY = 28;
constexpr int32_t kNameCentreX[2] = {136, 664};
constexpr float kFigureScale = 0.75f;
constexpr int32_t kFigureSize = 48;
constexpr int32_t kMenOffsetX = 56;
constexpr int32_t kMenOffsetY = 22;
constexpr uint8_t kButtonDown = 0x80;

int32_t SlotTop(int slot) {
    return kArmyColumnTop + kArmySlotPitch * slot;
}

}  // namespace

ArmySlotRef ArmySlotAt(int32_t x, int32_t y) {
    for (int side = 0; side < 2; ++side) {
        for (int slot = 0; slot < kArmySlotCount; ++slot) {
            if (PointInRect(kArmyColumnX[side], SlotTop(slot), kArmySlotWidth, kArmySlotHeight, x,
                            y) != 0) {
                return {side, slot};
            }
        }
    }
    return {};
}

void ArmyExchangeScreen::Init(GraphicsDevice* device) {
    InitPictureSet(panel, device, kArmyTradePictures);
    InitPictureSet(letters, device, kNameLetterPictures);
    InitPictureSet(units, device, kArmyFigurePictures);
    font.Create(device, "Arial", kTextHeight, 0, 0, 0, 0);
    font.Begin();
}

void ArmyExchangeScreen::ReleaseTextures() {
    panel.Free();
    letters.Free();
    units.Free();
}

void ArmyExchangeScreen::Free() {
    ReleaseTextures();
    font.End();
    font.Release();
}

void ArmyExchangeScreen::CopyIn(const GameState& world, CharacterId first, CharacterId second) {
    characters = {first, second};
    for (size_t side = 0; side < 2; ++side) {
        names[side] = NameOf(world, characters[side]);
        const ArmyRecord* record = ArmyOf(world, characters[side]);
        armies[side] = record != nullptr ? *record : ArmyRecord{};
    }
    dragged = {};
}

void ArmyExchangeScreen::WriteBack(GameState& world) const {
    for (size_t side = 0; side < 2; ++side) {
        if (ArmyRecord* record = ArmyOf(world, characters[side])) {
            *record = armies[side];
        }
    }
}

void ArmyExchangeScreen::HandleDrag(int32_t x, int32_t y, InputDevice& mouse) {
    if (!dragged.IsSlot()) {
        const ArmySlotRef under = ArmySlotAt(x, y);
        if (mouse.ButtonPressed(0) != 0 && under.IsSlot() &&
            HoldsArmy(armies[under.side], under.slot)) {
            mouse.SetLatch(0, 1);
            dragged = under;
        }
        return;
    }
    if ((mouse.mouseState.buttons[0] & kButtonDown) != 0) {
        return;
    }
    const ArmySlotRef target = ArmySlotAt(x, y);
    if (target.IsSlot()) {
        MoveArmy(armies[dragged.side], dragged.slot, armies[target.side], target.slot);
    }
    dragged = {};
}

void ArmyExchangeScreen::DrawSlot(int side, int slot) {
    const int32_t x = kArmyColumnX[side];
    const int32_t y = SlotTop(slot);
    DrawBox(panel, kSlotBoxSlot, x, y, kArmySlotWidth, kArmySlotHeight);
    const bool lifted = dragged.side == side && dragged.slot == slot;
    const ArmyRecord& record = armies[static_cast<size_t>(side)];
    if (lifted || !HoldsArmy(record, slot)) {
        return;
    }
    DrawUnitFigure(units, record.unitType[slot], x + 4, y + 8, kFigureScale);
    char men[16];
    std::snprintf(men, sizeof men, "%d men", static_cast<int>(record.alive[slot]));
    font.DrawText(men, x + kMenOffsetX, y + kMenOffsetY, 0, 0, kExchangeTextColour, 0);
}

void ArmyExchangeScreen::Draw(int32_t pointerX, int32_t pointerY) {
    for (int side = 0; side < 2; ++side) {
        const GlyphString& name = names[static_cast<size_t>(side)];
        DrawGlyphNameCentred(letters, name, kNameCentreX[side], kNameY);
        for (int slot = 0; slot < kArmySlotCount; ++slot) {
            DrawSlot(side, slot);
        }
    }
    DrawExchangeButton(panel, 1, buttons, kArmyTradeLeaveButton);
    if (dragged.IsSlot()) {
        const ArmyRecord& record = armies[static_cast<size_t>(dragged.side)];
        DrawUnitFigure(units, record.unitType[dragged.slot], pointerX - kFigureSize / 2,
                       pointerY - kFigureSize / 2, kFigureScale);
    }
}

}  // namespace varn
