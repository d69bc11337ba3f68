#include "frontend/OptionsScreen.h"

#include "frontend/FrontEndDrawing.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr const char* kRowLabels[kOptionRowCount] = {
    "Music", "Sounds", "Map movement", "Battle movement", "Battle swing",
};

constexpr int32_t kTitleX = 360;
constexpr int32_t kTitleY = 40;
constexpr int32_t kLabelX = 80;
// Labels sit this far below the top of their row's buttons, level with the pictures' middle.
constexpr int32_t kLabelDrop = 12;

}  // namespace

void OptionsScreen::Init(GraphicsDevice* device) {
    art.Init(device, kOptionsPictures);
}

void OptionsScreen::Free() {
    art.Free();
}

void OptionsScreen::Show(const GameState& world) {
    values = {world.musicOn, world.soundsOn, world.mapSpeed, world.battleMoveSpeed,
              world.battleSwingSpeed};
}

void OptionsScreen::WriteBack(GameState& world) const {
    world.musicOn = values[kOptionMusic];
    world.soundsOn = values[kOptionSounds];
    world.mapSpeed = values[kOptionMapSpeed];
    world.battleMoveSpeed = values[kOptionBattleMoveSpeed];
    world.battleSwingSpeed = values[kOptionBattleSwingSpeed];
}

bool OptionsScreen::Choose(uint8_t button) {
    for (const OptionChoice& choice : kOptionChoices) {
        if (choice.button == button) {
            const bool changed = values[choice.row] != choice.value;
            values[choice.row] = choice.value;
            return changed;
        }
    }
    return false;
}

void OptionsScreen::Draw() {
    art.Text("Options", kTitleX, kTitleY, kTitleColour);
    for (const OptionChoice& choice : kOptionChoices) {
        const ButtonRect* rect = buttons.Find(choice.button);
        if (rect == nullptr) {
            continue;
        }
        if (values[choice.row] == choice.value) {
            DrawButtonFrame(art.sprites, kOptionMarkSlot, *rect, 0, 1.0f);
        }
        DrawButton(art.sprites, choice.slot, buttons, choice.button, kLargeButtonScales);
    }
    for (int row = 0; row < kOptionRowCount; ++row) {
        art.Text(kRowLabels[row], kLabelX, OptionRowY(row) + kLabelDrop, kTextGrey);
    }
    DrawButton(art.sprites, kOptionsBackSlot, buttons, kOptionsBack, kLargeButtonScales);
}

}  // namespace varn
