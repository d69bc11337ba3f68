#include "frontend/CreditsScreen.h"

#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

struct CreditLine {
    const char* text;
    uint32_t colour;
};

constexpr CreditLine kCredits[] = {
    {"Design and programming", kTitleColour},     {"the Varn team", kTextGrey},
    {"Pictures, music and sounds", kTitleColour}, {"the Varn team", kTextGrey},
    {"Thank you for playing.", kTextGrey},
};

constexpr int32_t kTitleX = 144;
constexpr int32_t kTitleY = 24;
constexpr int32_t kLinesX = 250;
constexpr int32_t kLinesY = 170;
constexpr int32_t kLineHeight = 44;

}  // namespace

void CreditsScreen::Init(GraphicsDevice* device) {
    art.Init(device, kCreditsPictures);
}

void CreditsScreen::Free() {
    art.Free();
}

void CreditsScreen::Draw() {
    art.sprites.Draw(kCreditsTitleSlot, 0, kTitleX, kTitleY, 0xFFFFFFFF, 1.0f, 1.0f);
    int32_t y = kLinesY;
    for (const CreditLine& line : kCredits) {
        art.Text(line.text, kLinesX, y, line.colour);
        y += kLineHeight;
    }
    DrawButton(art.sprites, kCreditsBackSlot, buttons, kCreditsBack, kLargeButtonScales);
}

}  // namespace varn
