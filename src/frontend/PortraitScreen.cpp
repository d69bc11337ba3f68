#include "frontend/PortraitScreen.h"

#include <algorithm>

#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

// The portraits stand 10 pixels inside their buttons, so that the chosen frame shows round them.
constexpr int32_t kPortraitInset = 10;

}  // namespace

void PortraitScreen::Init(GraphicsDevice* device) {
    art.Init(device, kPortraitPictures);
}

void PortraitScreen::Free() {
    art.Free();
}

void PortraitScreen::Animate(uint8_t glow, uint8_t slide) {
    glowSteps += glow;
    slideOffset = std::max(0, slideOffset - slide);
}

void PortraitScreen::Draw() {
    art.Text("Choose your portrait", 300, 70, kTitleColour);
    const ButtonRect& chosen = *buttons.Find(chosenPortrait);
    const int32_t chosenShift = chosenPortrait == kPortraitFirst ? -slideOffset : slideOffset;
    const auto glowFrame = static_cast<int32_t>(glowSteps / kStepsPerGlowFrame % kChosenFrameCount);
    art.sprites.Draw(kPortraitChosenSlot, glowFrame, chosen.x + chosenShift, chosen.y, 0xFFFFFFFF,
                     1.0f, 1.0f);
    const ButtonRect& first = *buttons.Find(kPortraitFirst);
    const ButtonRect& second = *buttons.Find(kPortraitSecond);
    art.sprites.Draw(kPortraitFirstSlot, 0, first.x + kPortraitInset - slideOffset,
                     first.y + kPortraitInset, 0xFFFFFFFF, 1.0f, 1.0f);
    art.sprites.Draw(kPortraitSecondSlot, 0, second.x + kPortraitInset + slideOffset,
                     second.y + kPortraitInset, 0xFFFFFFFF, 1.0f, 1.0f);
    DrawButton(art.sprites, kPortraitConfirmSlot, buttons, kPortraitConfirm, kLargeButtonScales);
    DrawButton(art.sprites, kPortraitBackSlot, buttons, kPortraitBack, kLargeButtonScales);
}

}  // namespace varn
