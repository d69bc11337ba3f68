#include "frontend/MainMenuScreen.h"

#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

constexpr int32_t kTitleX = 144;
constexpr int32_t kTitleY = 24;
constexpr int32_t kNoticeX = 40;
constexpr int32_t kNoticeY = 564;

}  // namespace

void MainMenuScreen::Init(GraphicsDevice* device) {
    art.Init(device, kMainMenuPictures);
}

void MainMenuScreen::Free() {
    art.Free();
}

void MainMenuScreen::Draw(const std::string& notice) {
    art.sprites.Draw(kMenuTitleSlot, 0, kTitleX, kTitleY, 0xFFFFFFFF, 1.0f, 1.0f);
    for (const ButtonRect& button : kMainMenuButtons) {
        DrawButton(art.sprites, button.id, buttons, button.id, kLargeButtonScales);
    }
    if (!notice.empty()) {
        art.Text(notice.c_str(), kNoticeX, kNoticeY, kTextGrey);
    }
}

}  // namespace varn
