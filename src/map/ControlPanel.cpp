#include "map/ControlPanel.h"

#include "engine/Colours.h"
#include "engine/InputDevice.h"
#include "platform/Backend.h"

namespace varn {

namespace {

constexpr uint32_t kFirePeriodMs = 200;
constexpr uint8_t kFireFrames = 8;

enum PanelSlot : int32_t {
    kLargeButtonSlot = 0,
    kQuitSlot = 1,
    kHideSlot = 3,
    kEndDaySlot = 4,
    kShowSlot = 5,
    kWordsSlot = 6,
    kPicturesSlot = 7,
    kPortraitSlot = 8,
    kFireSlot = 9,
    kOptionsButtonSlot = 13,
    kOptionsWordSlot = 14,
    kOptionsPictureSlot = 15,
};

// Frames of the words picture.
enum PanelWord : int32_t {
    kWordYou = 0,
    kWordOpen = 1,
    kWordHeroes = 2,
    kWordWealth = 5,
    kWordList = 6,
    kWordQuests = 7,
};

constexpr float kLargeButtonScaleX = 2.0f;
constexpr float kLargeButtonScaleY = 1.09375f;

}  // namespace

void ControlPanel::Init(GraphicsDevice* device) {
    sprites = std::make_unique<SpriteSet>();
    sprites->Init(device, kPanelSlotCount);
    sprites->SetAlphaTest(1);
    LoadPictures(*sprites, kPanelPictures);
}

void ControlPanel::Free() {
    DeleteSpriteSet(sprites);
}

void ControlPanel::Hover(int32_t mouseX, int32_t mouseY) {
    buttons.Hover(mouseX, mouseY);
    if (shown == 0 && buttons.hoverId != kHideShowButton) {
        buttons.hoverId = 0;
    }
}

int ControlPanel::Click(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    if (buttons.Click(mouseX, mouseY, mouse) == 0) {
        return 0;
    }
    if (shown == 0 && buttons.pressedId != kHideShowButton) {
        buttons.SetLook(buttons.pressedId, kButtonNormal);
        buttons.pressedId = 0;
        buttons.held = 0;
        buttons.hoverId = 0;
        return 0;
    }
    return 1;
}

uint8_t ControlPanel::TakeAction(InputDevice& mouse) {
    return buttons.TakeAction(mouse);
}

void ControlPanel::HoverShowHide(int32_t mouseX, int32_t mouseY) {
    showHideButton.Hover(mouseX, mouseY);
}

int ControlPanel::ClickShowHide(int32_t mouseX, int32_t mouseY, const InputDevice& mouse) {
    return showHideButton.Click(mouseX, mouseY, mouse);
}

uint8_t ControlPanel::TakeShowHideAction(InputDevice& mouse) {
    return showHideButton.TakeAction(mouse);
}

void ControlPanel::DrawShowHide() {
    if (!sprites) {
        return;
    }
    const ButtonRect& button = kScreenHideShowButtons[0];
    sprites->Draw(shown == 0 ? kShowSlot : kHideSlot, showHideButton.Look(kScreenHideShowButton),
                  button.x, button.y, kUntinted, 1.0f, 1.0f);
}

void ControlPanel::Animate() {
    const uint32_t now = platform::TimeGetTime();
    if (animState == 1) {
        animStart = now;
        animState = 2;
    }
    if (animState == 2 && now > animStart + kFirePeriodMs) {
        animState = 1;
        fireFrame = static_cast<uint8_t>((fireFrame + 1) % kFireFrames);
    }
}

void ControlPanel::Draw() {
    if (!sprites) {
        return;
    }
    SpriteSet& set = *sprites;
    const auto draw = [&set](int32_t slot, int32_t frame, int32_t x, int32_t y, float scaleX,
                             float scaleY) {
        set.Draw(slot, frame, x, y, kUntinted, scaleX, scaleY);
    };
    if (shown == 0) {
        draw(kShowSlot, hideShowState(), 726, 12, 1.0f, 1.0f);
        return;
    }
    draw(kHideSlot, hideShowState(), 726, 12, 1.0f, 1.0f);
    draw(kQuitSlot, quitState(), 650, 12, 1.0f, 1.0f);
    draw(kLargeButtonSlot, youState(), 659, 100, kLargeButtonScaleX, kLargeButtonScaleY);
    draw(kLargeButtonSlot, heroesState(), 659, 170, kLargeButtonScaleX, kLargeButtonScaleY);
    draw(kLargeButtonSlot, wealthState(), 659, 240, kLargeButtonScaleX, kLargeButtonScaleY);
    draw(kLargeButtonSlot, questLogState(), 659, 310, kLargeButtonScaleX, kLargeButtonScaleY);
    draw(kEndDaySlot, endDayState(), 678, 440, 1.5f, 1.3f);

    // An idle large button shows its picture, a hovered or pressed one its words.
    if (youState() == kButtonNormal) {
        draw(kPortraitSlot, portrait, 691, 109, 1.0f, 1.0f);
    } else {
        draw(kWordsSlot, kWordYou, 685, 115, 1.2f, 1.2f);
    }
    if (heroesState() == kButtonNormal) {
        draw(kPicturesSlot, 0, 688, 186, 1.1f, 1.1f);
    } else {
        draw(kWordsSlot, kWordOpen, 685, 174, 1.2f, 1.2f);
        draw(kWordsSlot, kWordHeroes, 683, 195, 1.1f, 1.2f);
        draw(kWordsSlot, kWordList, 747, 196, 1.2f, 1.2f);
    }
    if (wealthState() == kButtonNormal) {
        draw(kPicturesSlot, 1, 688, 255, 1.1f, 1.1f);
    } else {
        draw(kWordsSlot, kWordOpen, 685, 244, 1.2f, 1.2f);
        draw(kWordsSlot, kWordWealth, 684, 269, 1.2f, 1.17f);
    }
    if (questLogState() == kButtonNormal) {
        draw(kFireSlot, fireFrame, 708, 325, 1.0f, 1.0f);
    } else {
        draw(kWordsSlot, kWordOpen, 685, 314, 1.2f, 1.2f);
        draw(kWordsSlot, kWordQuests, 684, 335, 1.2f, 1.17f);
    }
    if (optionsState() == kButtonNormal) {
        draw(kOptionsButtonSlot, 0, 678, 390, 1.5f, 1.15f);
        draw(kOptionsPictureSlot, 0, 686, 392, 1.3f, 1.15f);
    } else {
        draw(kOptionsButtonSlot, optionsState(), 678, 390, 1.5f, 1.15f);
        draw(kOptionsWordSlot, 0, 680, 394, 0.9f, 1.0f);
    }
}

}  // namespace varn
