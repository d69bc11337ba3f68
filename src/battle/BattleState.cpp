#include <algorithm>

#include "app/GameApp.h"
#include "battle/BattleScreen.h"
#include "battle/BattleSideButtons.h"
#include "battle/BattleWorld.h"
#include "battle/scenarios/VictoryConsequences.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "engine/StepTimer.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int32_t kScrollRate = 500;
constexpr uint8_t kLeftButton = 0;
constexpr uint8_t kRightButton = 1;

int32_t WalkRate(uint8_t battleMoveSpeed) {
    return battleMoveSpeed == 1 ? 150 : battleMoveSpeed == 3 ? 320 : 200;
}

bool ButtonsUp(const InputDevice& mouse) {
    constexpr uint8_t kDown = 0x80;
    return (mouse.mouseState.buttons[kLeftButton] & kDown) == 0 &&
           (mouse.mouseState.buttons[kRightButton] & kDown) == 0;
}

bool FreshPress(const InputDevice& mouse) {
    return mouse.ButtonPressed(kLeftButton) != 0 || mouse.ButtonPressed(kRightButton) != 0;
}

bool ComputerActs(const BattleScreen& b) {
    return b.enemyPhase != 0 || b.allyPhase != 0;
}

// No unit of the player's sent off or walking.
bool PlayerUnitsIdle(const BattleScreen& b) {
    return b.commanderOrder <= 1 && b.armyGo == 0 && b.armyWalking == 0;
}

// Neither a unit of the player's sent off nor a computer phase under way.
bool PlayerIdle(const BattleScreen& b) {
    return PlayerUnitsIdle(b) && !ComputerActs(b);
}

}  // namespace

// The battle is suspended for the question: its leave step writes the snapshot, and its screen
// stays for a No; a save made now comes back into this battle when loaded.
void GameApp::AskSaveAndQuitInBattle() {
    saveQuitFromBattle = 1;
    saveQuitFromMap = 0;
    world->resumeBattle = 1;
    world->inBattle = 0;
    world->quitFromBattle = 1;
    SwitchState(SaveQuitStateThunk, kPhaseWriteBack);
}

// A side button's action: the retreat question and its Yes at the press, the others once the
// press is let go of or the pointer slides off.
void GameApp::ActOnSideButton(uint8_t action) {
    BattleScreen& b = *battleScreen;
    const bool phasesIdle = !ComputerActs(b);
    switch (action) {
        case kSideRetreat:
            b.retreatAsked = 1;
            break;
        case kSideRetreatYes:
            b.retreatConfirmed = 1;
            b.retreatChosen = 1;
            break;
        case kSideEndTurn:
            if (PlayerIdle(b)) {
                battleFlag = 1;
                b.EndPlayerTurn();
            }
            break;
        case kSideRetreatNo:
            if (phasesIdle) {
                b.retreatAsked = 0;
            }
            break;
        case kSideGrid:
            b.gridOn = b.gridOn != 0 ? 0 : 1;
            break;
        case kSideQuit:
            if (phasesIdle && b.SideButtonAvailable(kSideQuit)) {
                AskSaveAndQuitInBattle();
            }
            break;
        case kSideOptions:
            if (phasesIdle) {
                // The battle waits as it is: no leave step, the screen kept.
                optionsFromMap = 0;
                optionsFromBattle = 1;
                SwitchState(OptionsStateThunk, kPhaseKeepScreen);
            }
            break;
        default:
            break;
    }
    // The acted button is drawn normal at once; an answer to the question clears the retreat
    // button's look instead and leaves its own to the next hover.
    const bool answer = action == kSideRetreatYes || action == kSideRetreatNo;
    if (action != 0 && action != kSideRetreat) {
        b.sideButtons.SetLook(answer ? uint8_t{kSideRetreat} : action, kButtonNormal);
    }
}

void GameApp::RunBattleState() {
    OpenFrame();
    if (!battleScreen) {
        if (!HasBattleScenario(world->battleId)) {
            // No scenario: nothing to fight, nothing paid or written.
            SwitchState(MapStateThunk, kPhaseWriteBack);
            CloseFrame(FrameRateRow::None);
            return;
        }
        battleScreen = CreateBattleScreen(*world, device);
    }
    BattleScreen& b = *battleScreen;
    InputDevice& mouse = mouseCursor.mouse;

    if (world->musicOn != 0) {
        UpkeepTrack();
    }
    for (size_t timer : {kScrollTimer, kWalkTimer}) {
        if (!stepTimers[timer]) {
            StartStepTimer(timer);
        }
    }
    static constexpr int32_t kSwingPeriods[] = {200, 100, 50};
    if (world->battleSwingSpeed >= 1 && world->battleSwingSpeed <= 3) {
        b.animStepMs = kSwingPeriods[world->battleSwingSpeed - 1];
    }

    if (battleFlag != 0 && !ComputerActs(b)) {
        battleFlag = 0;
        b.GiveFreshMoves();
    }
    if (world->soundsOn != 0) {
        if (b.pickSoundPending != 0) {
            sound.SetVolume(100);
            sound.Play("Data\\Pick.wav", 100, 1);
            b.pickSoundPending = 0;
        }
        if (b.smashSoundState == 1) {
            sound.SetVolume(100);
            sound.Play("Data\\Smash.wav", 80, 1);
            b.smashSoundState = 2;
        }
    }

    PollKeyboard();
    // Not while a unit of the player's moves, nor once the battle is decided.
    if (PlayerIdle(b) && b.SideButtonAvailable(kSideQuit) && BackKeyOnce()) {
        AskSaveAndQuitInBattle();
    }
    PollKeyboard();
    if (frameTimingOn != 0) {
        const uint8_t step = stepTimers[kScrollTimer]->steps;
        if (keyboard.KeyPressed(kKeyRight) != 0 || keyboard.KeyPressed(kKeyNumpad6) != 0) {
            b.cameraX =
                b.cameraX < kCameraMaxX ? std::min(b.cameraX + step, kCameraMaxX) : b.cameraX;
        }
        if (keyboard.KeyPressed(kKeyLeft) != 0 || keyboard.KeyPressed(kKeyNumpad4) != 0) {
            b.cameraX = b.cameraX > kCameraMin ? std::max(b.cameraX - step, kCameraMin) : b.cameraX;
        }
        if (keyboard.KeyPressed(kKeyUp) != 0 || keyboard.KeyPressed(kKeyNumpad8) != 0) {
            b.cameraY = b.cameraY > kCameraMin ? std::max(b.cameraY - step, kCameraMin) : b.cameraY;
        }
        if (keyboard.KeyPressed(kKeyDown) != 0 || keyboard.KeyPressed(kKeyNumpad2) != 0) {
            b.cameraY =
                b.cameraY < kCameraMaxY ? std::min(b.cameraY + step, kCameraMaxY) : b.cameraY;
        }
    }
    b.ScrollCamera(mouseCursor, stepTimers[kScrollTimer]->steps);

    bool leave = false;
    if (mouse.ButtonPressed(kRightButton) != 0) {
        // Taken once, so the same click cannot also answer the result box below.
        rightClicked = 1;
        mouse.SetLatch(kRightButton, 1);
    }
    if (KeyOnce(kKeyReturn) || rightClicked != 0) {
        if (b.won == 3) {
            leave = true;
        } else if (b.won == 2) {
            b.won = 3;
        }
        b.GiveGoOrder();
        b.retreatAsked = 0;
        leave = leave || b.retreatConfirmed != 0 || b.lost != 0;
        b.showTurnInfo = 0;
    }

    if (b.mouseFree != 0) {
        if (b.won != 0) {
            b.HoverDialogGrid(mouseCursor.x, mouseCursor.y);
        }
        b.HoverUnitPanel(mouseCursor.x, mouseCursor.y);
        if (rightClicked == 0 && b.sideButtons.At(mouseCursor.x, mouseCursor.y) == 0 &&
            b.retreatConfirmed == 0) {
            b.ClickCell(mouseCursor.x, mouseCursor.y, mouse);
        }
        const uint8_t action = PollButtons(b.sideButtons, !ComputerActs(b));
        if (b.sideButtons.justPressed == kSideEndTurn && PlayerUnitsIdle(b)) {
            b.PressEndTurn();
        }
        ActOnSideButton(action);
    }

    if (b.clickArmed != 0 && FreshPress(mouse)) {
        b.clickArmed = 0;
        if (b.won == 3) {
            leave = true;
        } else if (b.won != 0) {
            b.won = 3;
        }
        b.retreatAsked = 0;
        if (b.retreatConfirmed == 2) {
            leave = true;
        } else if (b.retreatConfirmed == 1) {
            b.retreatConfirmed = 2;
        }
        leave = leave || b.lost != 0;
        b.showTurnInfo = 0;
    }

    if (b.mouseFree == 0 && IsMouseIdle(mouse) != 0) {
        b.mouseFree = 1;
    }
    if (ButtonsUp(mouse) && (b.won >= 2 || b.retreatAsked != 0 || b.retreatConfirmed != 0 ||
                             b.lost != 0 || b.showTurnInfo != 0)) {
        b.clickArmed = 1;
    }

    stepTimers[kScrollTimer]->steps =
        stepTimers[kScrollTimer]->StepsAveraged(kScrollRate, static_cast<int32_t>(frameMs));
    stepTimers[kWalkTimer]->steps = stepTimers[kWalkTimer]->StepsAveraged(
        WalkRate(world->battleMoveSpeed), static_cast<int32_t>(frameMs));
    const uint8_t moveSteps = stepTimers[kWalkTimer]->steps;
    b.RunPlayerTurn(moveSteps);
    b.RunAllyPhase(moveSteps);
    b.RunEnemyPhase(moveSteps);

    b.Animate(platform::TimeGetTime());
    if (b.battleOver == 0) {
        b.CheckBattleEnd();
    }
    if (b.won == 1) {
        if (world->musicOn != 0) {
            music.Stop();
            music.Load("Data\\Music3.mid");
            music.SetVolume(70);
            music.Play(40, 1);
            // The track stays marked as playing, so the upkeep leaves it silent until the map.
            backgroundTrack.Stop();
        }
        b.GrantVictoryRewards(world->gold);
        b.won = 2;
        ApplyVictoryConsequences(b, *world, endOfGame);
    }

    b.UpdateStrikeMarks();
    b.Draw();

    if (b.won == 0 && b.turn == b.lastTurn && b.allyPhase == 0) {
        b.lost = 1;
        b.enemyPhase = 0;
        b.battleOver = 1;
    }
    if (b.lost != 0 || b.retreatChosen != 0) {
        if (b.lossPending != 0) {
            b.lossPending = 0;
            b.ComputeEnemyLosses();
            world->battleId = static_cast<uint8_t>(b.battleId);
            world->CarryA(b.battleId) = b.carriedWounds;
            world->CarryB(b.battleId) = b.carriedDown;
            battleResult[0] = 1;
            battleResult[1] = b.commanderIsPlayer;
            battleResult[2] = b.commanderHero;
        }
        if (world->routePending == 1) {
            world->SetRoute(static_cast<uint8_t>(b.battleId), b.commanderIsPlayer, b.commanderHero);
            battleToMap = 1;
        }
    }
    if (leave) {
        SwitchState(MapStateThunk, kPhaseWriteBack);
    }

    b.ResetHover();
    rightClicked = 0;
    CloseFrame(FrameRateRow::None, [&] {
        if (Leaving() != Leave::WriteBack || !battleScreen) {
            return;
        }
        const bool finalLeave = stateHandler == MapStateThunk;
        WriteBattleBack(*battleScreen, *world, finalLeave);
        if (finalLeave) {
            world->commanderIsPlayer = 0;
            world->commanderHero = 0;
            FreeOwned(battleScreen);
            world->restartMusicOnMap = 1;
            world->resumeBattle = 0;
            optionsFromBattle = 0;
        }
    });
}

}  // namespace varn
