#include "app/GameApp.h"
#include "characters/CharacterScreen.h"
#include "characters/CharacterSteps.h"
#include "characters/RenameReturns.h"
#include "engine/Owned.h"
#include "map/ControlPanel.h"
#include "world/GameState.h"

namespace varn {

namespace {

bool Joined(const GameState& world, int hero) {
    return hero >= 0 && hero < kHeroCount && world.heroJoined[static_cast<size_t>(hero)] != 0;
}

// The joined hero step places away from hero (+1 next, -1 previous), going round; the hero
// itself when it is the only one.
uint8_t JoinedHeroAfter(const GameState& world, int hero, int step) {
    for (int k = 1; k <= kHeroCount; ++k) {
        const int candidate = ((hero + step * k) % kHeroCount + kHeroCount) % kHeroCount;
        if (Joined(world, candidate)) {
            return static_cast<uint8_t>(candidate);
        }
    }
    return kNoCurrentHero;
}

// A hero that has not joined is never shown: the first joined one is, or none.
uint8_t ShownHero(const GameState& world, uint8_t hero) {
    return Joined(world, hero) ? hero : JoinedHeroAfter(world, -1, 1);
}

void ShowHero(GameApp& app) {
    GameState& world = *app.world;
    HeroScreen& screen = *app.heroScreen;
    screen.descriptionHidden = app.controlPanel->shown == 0;
    const uint8_t hero = app.currentHero;
    screen.hasCharacter = hero < kHeroCount;
    if (!screen.hasCharacter) {
        screen.Reset();
        app.loadedHero = kNoLoadedHero;
        return;
    }
    screen.name = world.heroNames.Name(hero);
    screen.portraitFrame = hero;
    screen.bodyVariant = world.heroBodyVariant[hero];
    CopyCharacterIn(screen, world.heroItems[hero], world.heroArmies[hero], world.heroStats[hero]);
    app.loadedHero = hero;
}

void WriteHeroBack(GameApp& app) {
    const uint8_t hero = app.loadedHero;
    if (hero < kHeroCount) {
        WriteCharacterBack(*app.heroScreen, app.world->heroItems[hero],
                           app.world->heroArmies[hero]);
    }
}

void PageHeroes(GameApp& app, int step) {
    const uint8_t next = JoinedHeroAfter(*app.world, app.currentHero, step);
    if (next == kNoCurrentHero || next == app.currentHero) {
        return;
    }
    WriteHeroBack(app);
    app.currentHero = next;
    ShowHero(app);
}

void RenameHero(GameApp& app) {
    app.world->nameEditBuffer = app.world->heroNames.Name(app.currentHero);
    app.renameHero = 1;
    app.renameArmy = 0;
    app.renameReturn = kRenameToHeroes;
    app.SwitchState(RenameStateThunk, kPhaseSwitch);
}

}  // namespace

void GameApp::RunHeroesState() {
    OpenFrame([&] {
        renameDone = 0;
        armyNameChanged = 0;
        currentHero = ShownHero(*world, currentHero);
    });
    CreateCharacterArt(*this);
    if (CreateScreen(heroScreen, device)) {
        ShowHero(*this);
    }
    PollKeyboard();
    HeroScreen& screen = *heroScreen;
    switch (PollCharacterScreen(*this, screen)) {
        case kCharacterExit:
            SwitchState(MapStateThunk, kPhaseWriteBack);
            break;
        case kCharacterName:
            if (!screen.hasCharacter) {
                break;
            }
            if (screen.selectedArmy >= 0) {
                RenameArmy(*this, screen, CharacterOfHeroIndex(currentHero), kRenameToHeroes,
                           kPhaseSwitch);
            } else {
                RenameHero(*this);
            }
            break;
        case kCharacterPrevious:
            PageHeroes(*this, -1);
            break;
        case kCharacterNext:
            PageHeroes(*this, 1);
            break;
        default:
            break;
    }
    if (screen.hasCharacter) {
        UpdateCharacterItems(screen, world->heroStats[currentHero]);
    }
    DrawCharacterScreen(*this, screen);
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            WriteHeroBack(*this);
            FreeOwned(heroScreen);
            loadedHero = kNoLoadedHero;
        }
    });
}

}  // namespace varn
