#include "characters/NameScreen.h"

#include "engine/ScreenSize.h"
#include "frontend/FrontEndDrawing.h"
#include "platform/PixelFormat.h"

namespace varn {

namespace {

// Either title is about 420 pixels wide: this centres it over the name.
constexpr int32_t kTitleX = 190;

}  // namespace

void NameScreen::Init(GraphicsDevice* device) {
    art.Init(device, kNameEntryPictures);
    background.Load(device, kNameScreenTextures[0].file, kNameScreenTextures[0].colourKey,
                    platform::kFormatA1R5G5B5);
    letters.Init(device);
}

void NameScreen::Free() {
    art.Free();
    background.Release();
    letters.Free();
}

void NameScreen::Draw(bool hero) {
    if (background.width > 0 && background.height > 0) {
        background.Draw(0, 0, 0, 0, 0, 0, static_cast<float>(kScreenWidth) / background.width,
                        static_cast<float>(kScreenHeight) / background.height, 0xFFFFFFFF);
    }
    art.Text(hero ? "Type the hero's new name and press Enter"
                  : "Type the army's new name and press Enter",
             kTitleX, 200, kTitleColour);
    letters.Draw(kNameCentreX, kNameTop, true);
    DrawButton(art.sprites, kNameConfirmSlot, buttons, kNameConfirm, kLargeButtonScales);
    DrawButton(art.sprites, kNameBackSlot, buttons, kNameBack, kLargeButtonScales);
}

}  // namespace varn
