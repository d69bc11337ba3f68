#include "frontend/SaveQuitDialog.h"

#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

constexpr int32_t kBoxX = 160;
constexpr int32_t kBoxY = 180;

}  // namespace

void SaveQuitDialog::Init(GraphicsDevice* device) {
    art.Init(device, kSaveQuitPictures);
}

void SaveQuitDialog::Free() {
    art.Free();
}

void SaveQuitDialog::Draw(const std::string& notice) {
    art.sprites.Draw(kSaveQuitBoxSlot, 0, kBoxX, kBoxY, 0xFFFFFFFF, 1.0f, 1.0f);
    art.Text("Save the game and quit to the menu?", kBoxX + 70, kBoxY - 70, kTitleColour);
    if (!notice.empty()) {
        art.Text(notice.c_str(), kBoxX + 70, kBoxY - 40, kTextGrey);
    }
    DrawButton(art.sprites, kSaveQuitYesSlot, buttons, kSaveQuitYes, kLargeButtonScales);
    DrawButton(art.sprites, kSaveQuitNoSlot, buttons, kSaveQuitNo, kLargeButtonScales);
}

}  // namespace varn
