#include "app/GameApp.h"
#include "characters/NameScreen.h"
#include "characters/RenameReturns.h"
#include "engine/Owned.h"
#include "frontend/NameTyping.h"
#include "world/GameState.h"

namespace varn {

namespace {

// Army slots are numbered 1..6 and owners are CharacterIds; a hand-over outside them names no
// army, and the name goes nowhere.
ArmyRecord* RenamedArmy(GameApp& app) {
    GameState& world = *app.world;
    if (app.renameArmySlot < 1 || app.renameArmySlot > kArmySlotCount) {
        return nullptr;
    }
    if (app.renameOwner == kPlayerCharacter) {
        return &world.playerArmy;
    }
    if (IsHeroCharacter(app.renameOwner)) {
        return &world.heroArmies[HeroIndexOfCharacter(app.renameOwner)];
    }
    return nullptr;
}

void WriteNewName(GameApp& app, const GlyphString& name) {
    GameState& world = *app.world;
    if (app.renameArmy != 0) {
        if (ArmyRecord* army = RenamedArmy(app)) {
            world.armyNameHandOver = name;
            army->name[static_cast<size_t>(app.renameArmySlot - 1)] = name;
            app.armyNameChanged = 1;
        }
    } else if (app.renameHero != 0) {
        if (app.currentHero < kHeroCount) {
            world.nameEditBuffer = name;
            world.heroNames.SetName(app.currentHero, name);
        }
    }
}

const GlyphString& NameToEdit(const GameApp& app) {
    static const GlyphString kNoName{};
    if (app.renameArmy != 0) {
        return app.world->armyNameHandOver;
    }
    return app.renameHero != 0 ? app.world->nameEditBuffer : kNoName;
}

}  // namespace

void GameApp::RunRenameState() {
    OpenFrame();
    if (CreateScreen(nameScreen, device)) {
        nameScreen->letters.Start(NameToEdit(*this));
    }
    PollKeyboard();
    const NameTyping typed = TypeName(*this, nameScreen->letters);
    bool back = typed.back;
    bool confirm = typed.confirm;
    switch (PollButtons(nameScreen->buttons)) {
        case kNameConfirm:
            confirm = true;
            break;
        case kNameBack:
            back = true;
            break;
        default:
            break;
    }
    if (back) {
        SwitchState(RenameReturnState(renameReturn), kPhaseSwitch);
    } else if (confirm && !nameScreen->letters.IsBlank()) {
        WriteNewName(*this, nameScreen->letters.Name());
        SwitchState(RenameReturnState(renameReturn), kPhaseSwitch);
    }
    nameScreen->Draw(renameArmy == 0 && renameHero != 0);
    nameScreen->buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            FreeOwned(nameScreen);
            renameDone = 1;
            renameReturn = 0;
            renameArmy = 0;
            renameHero = 0;
        }
    });
}

}  // namespace varn
