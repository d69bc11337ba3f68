#include <algorithm>

#include "app/GameApp.h"
#include "battle/BattleSideButtons.h"
#include "battle/BattleStateSteps.h"
#include "engine/KeyCodes.h"
#include "engine/StepTimer.h"

namespace varn {

namespace {

constexpr uint8_t kLeftButton = 0;
constexpr uint8_t kRightButton = 1;

bool ButtonsUp(const InputDevice& mouse) {
    return (mouse.mouseState.buttons[kLeftButton] & kDown) == 0 &&
           (mouse.mouseState.buttons[kRightButton] & kDown) == 0;
}

bool FreshPress(const InputDevice& mouse) {
    return mouse.ButtonPressed(kLeftButton) != 0 || mouse.ButtonPressed(kRightButton) != 0;
}

// A side button's action: the retreat question and its Yes at the press, the others once the
// press is let go of or the pointer slides off.
void ActOnSideButton(GameApp& app, uint8_t action) {
    BattleScreen& b = *app.battleScreen;
    const bool phasesIdle = !ComputerActs(b);
    switch (action) {
        case kSideRetreat:
            b.retreatAsked = 1;
            break;
        case kSideRetreatYes:
            b.retreatConfirmed = kRetreatConfirmed;
            b.retreatChosen = 1;
            break;
        case kSideEndTurn:
            if (PlayerIdle(b)) {
                app.battleFlag = 1;
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
                app.AskSaveAndQuitInBattle();
            }
            break;
        case kSideOptions:
            if (phasesIdle) {
                // The battle waits as it is: no leave step, the screen kept.
                app.optionsFromMap = 0;
                app.optionsFromBattle = 1;
                app.SwitchState(OptionsStateThunk, kPhaseKeepScreen);
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

// Escape or Backspace ask the save-and-quit question; the arrows and the pointer at the edges
// move the camera.
void RunBattleKeys(GameApp& app, BattleScreen& b) {
    app.PollKeyboard();
    // Not while a unit of the player's moves, nor once the battle is decided.
    if (PlayerIdle(b) && b.SideButtonAvailable(kSideQuit) && app.BackKeyOnce()) {
        app.AskSaveAndQuitInBattle();
    }
    app.PollKeyboard();
    const InputDevice& keys = app.keyboard;
    if (app.frameTimingOn != 0) {
        const uint8_t step = app.stepTimers[kScrollTimer]->steps;
        if (keys.KeyPressed(kKeyRight) != 0 || keys.KeyPressed(kKeyNumpad6) != 0) {
            b.cameraX =
                b.cameraX < kCameraMaxX ? std::min(b.cameraX + step, kCameraMaxX) : b.cameraX;
        }
        if (keys.KeyPressed(kKeyLeft) != 0 || keys.KeyPressed(kKeyNumpad4) != 0) {
            b.cameraX = b.cameraX > kCameraMin ? std::max(b.cameraX - step, kCameraMin) : b.cameraX;
        }
        if (keys.KeyPressed(kKeyUp) != 0 || keys.KeyPressed(kKeyNumpad8) != 0) {
            b.cameraY = b.cameraY > kCameraMin ? std::max(b.cameraY - step, kCameraMin) : b.cameraY;
        }
        if (keys.KeyPressed(kKeyDown) != 0 || keys.KeyPressed(kKeyNumpad2) != 0) {
            b.cameraY =
                b.cameraY < kCameraMaxY ? std::min(b.cameraY + step, kCameraMaxY) : b.cameraY;
        }
    }
    b.ScrollCamera(app.mouseCursor, app.stepTimers[kScrollTimer]->steps);
}

// Enter or a right click: the go order, the result box and the retreat question in turn. True
// when the player leaves for the map.
bool Confirm(GameApp& app, BattleScreen& b) {
    InputDevice& mouse = app.mouseCursor.mouse;
    if (mouse.ButtonPressed(kRightButton) != 0) {
        // Taken once, so the same click cannot also answer the result box below.
        app.rightClicked = 1;
        mouse.SetLatch(kRightButton, 1);
    }
    if (!app.KeyOnce(kKeyReturn) && app.rightClicked == 0) {
        return false;
    }
    bool leave = b.won == kWonFieldHidden;
    if (b.won == kWonPaid) {
        b.won = kWonFieldHidden;
    }
    b.GiveGoOrder();
    b.retreatAsked = 0;
    b.showTurnInfo = 0;
    return leave || b.retreatConfirmed != kRetreatOpen || b.lost != 0;
}

// The pointer on the result, the unit panel, the field and the side buttons.
void RunBattleMouse(GameApp& app, BattleScreen& b) {
    const int32_t x = app.mouseCursor.x;
    const int32_t y = app.mouseCursor.y;
    if (b.won != kNotWon) {
        b.HoverDialogGrid(x, y);
    }
    b.HoverUnitPanel(x, y);
    if (app.rightClicked == 0 && b.sideButtons.At(x, y) == 0 &&
        b.retreatConfirmed == kRetreatOpen) {
        b.ClickCell(x, y, app.mouseCursor.mouse);
    }
    const uint8_t action = app.PollButtons(b.sideButtons, !ComputerActs(b));
    if (b.sideButtons.justPressed == kSideEndTurn && PlayerUnitsIdle(b)) {
        b.PressEndTurn();
    }
    ActOnSideButton(app, action);
}

// A click while a box waits for one closes it: the result, the retreat question, a confirmed
// retreat, a defeat, the turn banner. True when the player leaves for the map.
bool TakeBoxClick(const InputDevice& mouse, BattleScreen& b) {
    if (b.clickArmed == 0 || !FreshPress(mouse)) {
        return false;
    }
    b.clickArmed = 0;
    bool leave = b.won == kWonFieldHidden;
    if (b.won != kNotWon) {
        b.won = kWonFieldHidden;
    }
    b.retreatAsked = 0;
    leave = leave || b.retreatConfirmed == kRetreatLeaving;
    if (b.retreatConfirmed == kRetreatConfirmed) {
        b.retreatConfirmed = kRetreatLeaving;
    }
    b.showTurnInfo = 0;
    return leave || b.lost != 0;
}

}  // namespace

bool RunBattleInput(GameApp& app) {
    BattleScreen& b = *app.battleScreen;
    InputDevice& mouse = app.mouseCursor.mouse;
    RunBattleKeys(app, b);
    bool leave = Confirm(app, b);
    if (b.mouseFree != 0) {
        RunBattleMouse(app, b);
    }
    leave = TakeBoxClick(mouse, b) || leave;
    if (b.mouseFree == 0 && IsMouseIdle(mouse) != 0) {
        b.mouseFree = 1;
    }
    if (ButtonsUp(mouse) &&
        (b.won >= kWonPaid || b.retreatAsked != 0 || b.retreatConfirmed != kRetreatOpen ||
         b.lost != 0 || b.showTurnInfo != 0)) {
        b.clickArmed = 1;
    }
    return leave;
}

}  // namespace varn
