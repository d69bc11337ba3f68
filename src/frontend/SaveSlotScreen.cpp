#include "frontend/SaveSlotScreen.h"

#include <cstdio>
#include <string>

#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

constexpr int32_t kTitleX = 200;
constexpr int32_t kTitleY = 60;
constexpr int32_t kSlotTextLeft = 60;
constexpr int32_t kSlotStateLeft = 230;
constexpr int32_t kSlotTextTop = 20;

std::string SlotText(const SlotSummary& summary) {
    switch (summary.verdict) {
        case SlotVerdict::Saved:
            return summary.playerName + ", day " + std::to_string(summary.day);
        case SlotVerdict::Damaged:
            return "damaged";
        case SlotVerdict::Empty:
            break;
    }
    return "empty";
}

}  // namespace

void SaveSlotScreen::Init(GraphicsDevice* device) {
    art.Init(device, kSaveSlotPictures);
}

void SaveSlotScreen::Free() {
    art.Free();
}

void SaveSlotScreen::Show(const char* newTitle, const SlotSummaries& summaries, uint8_t chosen) {
    title = newTitle;
    slots = summaries;
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
        art.Text(label, rect.x + kSlotTextLeft, rect.y + kSlotTextTop, kTextGrey);
        art.Text(SlotText(slots[static_cast<size_t>(slot - 1)]).c_str(), rect.x + kSlotStateLeft,
                 rect.y + kSlotTextTop, kTextGrey);
    }
    DrawButton(art.sprites, kSlotConfirmSlot, buttons, kSlotConfirm, kLargeButtonScales);
    DrawButton(art.sprites, kSlotBackSlot, buttons, kSlotBack, kLargeButtonScales);
}

}  // namespace varn
