#include "frontend/SaveSlotScreen.h"

#include <string>

#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

constexpr int32_t kTitleX = 200;
constexpr int32_t kTitleY = 60;
// Columns from the slot's left edge, all within the box at the plain look's scale (0.8: its
// middle 560 pixels); the name is cut where the day's column begins.
constexpr int32_t kNumberLeft = 90;
constexpr int32_t kNameLeft = 190;
constexpr int32_t kNameWidth = 310;
constexpr int32_t kDayLeft = 510;
constexpr int32_t kSlotTextTop = 20;

// The texts of a slot's box: its number, what it holds (the player's name, or "empty" or
// "damaged") and the day of a saved game.
struct SlotTexts {
    std::string number;
    std::string holds;
    std::string day;
};

SlotTexts SlotTextsOf(int slot, const SlotSummary& summary) {
    SlotTexts texts{"Slot " + std::to_string(slot), "empty", ""};
    switch (summary.verdict) {
        case SlotVerdict::Saved:
            texts.holds = summary.playerName;
            texts.day = "Day " + std::to_string(summary.day);
            break;
        case SlotVerdict::Damaged:
            texts.holds = "damaged";
            break;
        case SlotVerdict::Empty:
            break;
    }
    return texts;
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
        const SlotTexts texts = SlotTextsOf(slot, slots[static_cast<size_t>(slot - 1)]);
        const int32_t top = rect.y + kSlotTextTop;
        art.Text(texts.number.c_str(), rect.x + kNumberLeft, top, kTextGrey);
        art.font.DrawText(texts.holds.c_str(), rect.x + kNameLeft, top, kNameWidth, kSlotHeight,
                          kTextGrey, 0);
        art.Text(texts.day.c_str(), rect.x + kDayLeft, top, kTextGrey);
    }
    DrawButton(art.sprites, kSlotConfirmSlot, buttons, kSlotConfirm, kLargeButtonScales);
    DrawButton(art.sprites, kSlotBackSlot, buttons, kSlotBack, kLargeButtonScales);
}

}  // namespace varn
