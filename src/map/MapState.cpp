#include <algorithm>
#include <iterator>

#include "app/GameApp.h"
#include "characters/PaperDollArt.h"
#include "engine/Owned.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr char kKeySound[] = "Data\\Key.wav";
constexpr int kKeySoundVolume = 90;
constexpr char kCoinSound[] = "Data\\Coin.wav";
constexpr int kCoinSoundVolume = 84;

// The found chest's key first: the one effect channel keeps the later coin.
void PlayMapSounds(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (app.world->soundsOn == 0) {
        return;
    }
    if (screen.chestSound == 1) {
        app.sound.Play(kKeySound, kKeySoundVolume, 1);
        screen.chestSound = 0;
    }
    if (screen.coinSound == 1) {
        app.sound.Play(kCoinSound, kCoinSoundVolume, 1);
        screen.coinSound = 0;
    }
}

// The map screen counts an owned item's cell from 1, the record from 0.
void CopyBag(const CharacterItemRecord& record, MapScreen& screen) {
    screen.walkerOwned = record.owned;
    for (size_t item = 0; item < record.itemCell.size(); ++item) {
        screen.walkerItemCell[item] =
            static_cast<uint8_t>(record.itemCell[item] + (record.owned[item] != 0 ? 1 : 0));
    }
    std::copy_n(record.items.begin(), kBagCellCount, screen.walkerBag.begin());
}

// The walker's bag, asked for by a new path, comes in at the start of the next frame.
void LoadRequestedBag(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (screen.bagCopy == kBagCopyLoad) {
        screen.bagCopy = kBagCopyNone;
        CopyBag(app.world->playerItems, screen);
    }
    if (screen.bagCopyHero >= 1 && screen.bagCopyHero <= kHeroCount) {
        CopyBag(app.world->heroItems[screen.bagCopyHero - 1], screen);
        screen.bagCopyHero = 0;
    }
}

bool GameHasEnded(const GameApp& app) {
    return std::any_of(std::begin(app.endOfGame), std::end(app.endOfGame),
                       [](uint8_t cause) { return cause != 0; });
}

void LeaveForTheEndOfTheGame(GameApp& app) {
    if (GameHasEnded(app)) {
        app.SwitchState(SaveGameStateThunk, kPhaseSwitch);
    }
}

}  // namespace

// The map's frame runs the common steps in its own order: the background track is kept up
// before anything else, the panel exists before the entry block (which drops its pending press),
// the map draws its own pointer, and the leave step stands between two end-of-game tests.
void GameApp::RunMapState() {
    if (world->musicOn != 0) {
        UpkeepTrack();
    }
    if (CreateScreen(controlPanel, device)) {
        controlPanel->portrait = world->playerPortrait;
    }
    CreateScreen(paperDollArt, device);
    if (Entering()) {
        controlPanel->buttons.pressedId = 0;
        EnterState();
        mapEntered = 1;
    }
    BeginFrameTiming();
    CountFps();
    StartScene();

    CreateMapObjects(*this);
    PlayMapSounds(*this);
    if (mapScreen->foundBox == kFoundBoxLoading) {
        mapScreen->foundBox = kFoundBoxShown;
        mapScreen->LoadFoundItemArt(&device);
    }
    LoadRequestedBag(*this);

    RunMapInput(*this);
    RunEnemyPhase(*this);
    RunMapHandOffs(*this);

    mapScreen->Animate();
    mapView->Animate();
    controlPanel->Animate();
    HoldCaptionAfterAnimations(*this);
    RunRecovery(*this);
    RefuseMeetingWithoutMoves(*this);

    DrawMap(*this);
    mapScreen->barButtons.ResetHover();
    controlPanel->ResetHover();
    // A right click confirms once: held down, it is not taken again in the next frames.
    if (rightClicked != 0) {
        mouseCursor.mouse.SetLatch(1, 1);
    }
    rightClicked = 0;

    UpdateStateSeconds();
    if (mapView->clickedCell == 0) {
        mapView->clickedCell = 1;
    }
    DrawMapPointer(*this);
    LeaveForTheEndOfTheGame(*this);
    if (LeavingFrees()) {
        LeaveMap(*this);
    }
    LeaveForTheEndOfTheGame(*this);
    device.EndScene();
    device.Present();
    EndFrameTiming();
}

}  // namespace varn
