#include "frontend/NameEntryScreen.h"

#include "frontend/FrontEndDrawing.h"

namespace varn {

void NameEntryScreen::Init(GraphicsDevice* device) {
    art.Init(device, kNameEntryPictures);
}

void NameEntryScreen::Free() {
    art.Free();
}

void NameEntryScreen::Draw() {
    art.Text("Type your name and press Enter", 250, 200, kTitleColour);
    DrawButton(art.sprites, kNameConfirmSlot, buttons, kNameConfirm, kLargeButtonScales);
    DrawButton(art.sprites, kNameBackSlot, buttons, kNameBack, kLargeButtonScales);
}

}  // namespace varn
