#include "app/GameApp.h"
#include "characters/CharacterScreen.h"
#include "characters/CharacterSteps.h"
#include "characters/RenameReturns.h"
#include "engine/Owned.h"
#include "map/ControlPanel.h"
#include "world/GameState.h"

namespace varn {

namespace {

void ShowPlayer(GameApp& app) {
    GameState& world = *app.world;
    YouScreen& screen = *app.youScreen;
    screen.name = world.playerName;
    screen.portraitFrame = world.playerPortrait;
    screen.bodyVariant = world.playerPortrait;
    screen.descriptionHidden = app.controlPanel->shown == 0;
    CopyCharacterIn(screen, world.playerItems, world.playerArmy, world.playerStats);
}

}  // namespace

void GameApp::RunYouState() {
    OpenFrame([&] {
        renameDone = 0;
        armyNameChanged = 0;
    });
    CreateCharacterArt(*this);
    if (CreateScreen(youScreen, device)) {
        ShowPlayer(*this);
    }
    PollKeyboard();
    switch (PollCharacterScreen(*this, *youScreen)) {
        case kCharacterExit:
            SwitchState(MapStateThunk, kPhaseWriteBack);
            break;
        case kCharacterName:
            RenameArmy(*this, *youScreen, kPlayerCharacter, kRenameToYou, kPhaseWriteBack);
            break;
        default:
            break;
    }
    UpdateCharacterItems(*youScreen, world->playerStats);
    DrawCharacterScreen(*this, *youScreen);
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            WriteCharacterBack(*youScreen, world->playerItems, world->playerArmy);
            FreeOwned(youScreen);
        }
    });
}

}  // namespace varn
