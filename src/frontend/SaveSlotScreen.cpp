#include "frontend/SaveSlotScreen.h"

#include <cstdio>

#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

constexpr int32_t kTitleX = 200;
constexpr int32_t kTitleY = 60;
constexpr int32_t kSlotTextLeft = 60;
constexpr int32_t kSlotStateLeft = 230;
constexpr int32_t kSlotTextTop = 20;

}  // namespace

void SaveSlotScreen::Init(GraphicsDevice* device) {
    art.Init(device, kSaveSlotPictures);
}

void SaveSlotScreen::Free() {
    art.Free();
}

void SaveSlotScreen::Show(const char* newTitle, const std::array<uint8_t, kSaveSlotCount>& empty,
                          uint8_t chosen) {
    title = newTitle;
    slotEmpty = empty;
    chosenSlot = chosen;
}

void SaveSlotScreen::Draw() {
    art.Text(title, kTitleX, kTitleY, kTitleColour);
    for (int slot = kSlotButtonFirst; slot <= kSlotButtonLast; ++slot) {
        const auto id = static_cast<uint8_t>(slot);
        const ButtonRect& rect = *buttons.Find(id);
        if (slot == chosenSlot) {
            DrawButtonFrame(art.sprites, kSlotPictureSlot, rect, kChosenSlotFrame, 1.0f);
        } else {
            DrawButton(art.sprites, kSlotPictureSlot, buttons, id, kLargeButtonScales);
        }
        char label[16];
        std::snprintf(label, sizeof label, "Slot %d", slot);
        art.Text(label, rect.x + kSlotTextLeft, rect.y + kSlotTextTop, kTextColour);
        const bool empty = slotEmpty[static_cast<size_t>(slot - 1)] != 0;
        art.Text(empty ? "empty" : "saved game", rect.x + kSlotStateLeft, rect.y + kSlotTextTop,
                 kTextColour);
    }
    DrawButton(art.sprites, kSlotConfirmSlot, buttons, kSlotConfirm, kLargeButtonScales);
    DrawButton(art.sprites, kSlotBackSlot, buttons, kSlotBack, kLargeButtonScales);
}

}  // namespace varn
