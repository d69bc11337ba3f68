#include <algorithm>
#include <array>

#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "engine/StepTimer.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "world/GameState.h"
#include "world/MapCells.h"

namespace varn {

// The player's hand on the map, in frame order: keys and scrolling, Enter and the right click,
// the mouse on the map, the panel and the bottom bar, the releases that close boxes, the step
// timers, the path, the walk and what the walker finds on arrival.

namespace {

constexpr uint8_t kNoMessage = 3;
constexpr int32_t kScrollRate = 600;
constexpr int32_t kWalkRates[] = {100, 140, 210};

bool ButtonDown(const InputDevice& mouse, int button) {
    return (mouse.mouseState.buttons[button] & kDown) != 0;
}

bool FreshPress(const InputDevice& mouse) {
    return mouse.ButtonPressed(0) != 0 || mouse.ButtonPressed(1) != 0;
}

bool NoWalkUnderWay(const MapScreen& screen) {
    return screen.walkState < kWalkOrdered && screen.heroWalkStart == 0 && screen.walkingHero == 0;
}

bool AnySelected(const MapScreen& screen) {
    return screen.playerSelected != 0 || screen.heroSelected != 0;
}

// When "message 3" (not needed yet) shows for a quest object whose quest is not accepted.
enum class NotYet : uint8_t {
    Never,
    Offered,
    OfferedOrLocked,
    OfferedOrLockedIf9,
    OfferedOrLockedIf7
};

struct QuestObject {
    MapObjectCode code;
    int quest;
    uint8_t message;
    NotYet notYet;
};

constexpr QuestObject kQuestObjects[] = {
    {1000, 1, 1, NotYet::Never},
    {1001, 7, 2, NotYet::Offered},
    {1002, 8, 4, NotYet::Offered},
    {1003, 9, 5, NotYet::Offered},
    {1004, 10, 6, NotYet::OfferedOrLockedIf9},
    {1005, 18, 7, NotYet::OfferedOrLockedIf7},
    {1006, 19, 8, NotYet::Never},
    {1007, 20, 9, NotYet::Never},
    {1008, 21, 10, NotYet::OfferedOrLocked},
    {1009, 22, 11, NotYet::OfferedOrLocked},
    {1010, 25, 12, NotYet::OfferedOrLocked},
    {1011, 30, 13, NotYet::OfferedOrLocked},
    {1012, 43, 14, NotYet::OfferedOrLocked},
    {1013, 46, 15, NotYet::OfferedOrLocked},
    {1014, 37, 16, NotYet::OfferedOrLocked},
    {1015, 38, 17, NotYet::OfferedOrLocked},
    {1016, 51, 18, NotYet::OfferedOrLocked},
    {1017, 59, 19, NotYet::OfferedOrLocked},
    {1018, 63, 20, NotYet::OfferedOrLocked},
    {1019, 40, 21, NotYet::OfferedOrLocked},
    {1020, 61, 22, NotYet::OfferedOrLocked},
    {1021, 72, 23, NotYet::OfferedOrLocked},
    {1022, 52, 24, NotYet::OfferedOrLocked},
    {1023, 74, 25, NotYet::OfferedOrLocked},
    {1024, 67, 26, NotYet::OfferedOrLocked},
    {1025, 55, 27, NotYet::Never},
    {1026, 64, 28, NotYet::OfferedOrLocked},
    {1027, 68, 29, NotYet::OfferedOrLocked},
    {1028, 89, 31, NotYet::OfferedOrLocked},
    {1029, 88, 30, NotYet::OfferedOrLocked},
};

bool NotYetNeeded(const QuestObject& object, const GameState& world) {
    const uint8_t state = world.Quest(object.quest);
    const bool locked = state == 0;
    switch (object.notYet) {
        case NotYet::Never:
            return false;
        case NotYet::Offered:
            return state == kQuestOffered;
        case NotYet::OfferedOrLocked:
            return state == kQuestOffered || locked;
        case NotYet::OfferedOrLockedIf9:
            return state == kQuestOffered || (locked && world.Quest(9) != 0);
        case NotYet::OfferedOrLockedIf7:
            return state == kQuestOffered || (locked && world.Quest(7) != 0);
    }
    return false;
}

// A fixed place whose quest asks only to reach it.
struct ScoutedPlace {
    uint8_t place;
    int quest;
    uint8_t message;
    int neededTrigger;  // -1 none
};

constexpr ScoutedPlace kScoutedPlaces[] = {{1, 15, 101, -1}, {2, 24, 102, -1}, {5, 26, 103, 12}};

void OpenSaveQuit(GameApp& app) {
    app.SwitchState(SaveQuitStateThunk, kPhaseSwitch);
    app.saveQuitFromMap = 1;
    app.saveQuitFromBattle = 0;
    app.world->quitFromBattle = 1;
}

void ScrollByKeys(GameApp& app) {
    if (app.frameTimingOn == 0) {
        return;
    }
    MapView& view = *app.mapView;
    const uint8_t steps = app.stepTimers[kScrollTimer]->steps;
    const InputDevice& keys = app.keyboard;
    if (keys.KeyPressed(kKeyRight) != 0 || keys.KeyPressed(kKeyNumpad6) != 0) {
        view.ScrollRight(steps);
    }
    if (keys.KeyPressed(kKeyLeft) != 0 || keys.KeyPressed(kKeyNumpad4) != 0) {
        view.ScrollLeft(steps);
    }
    if (keys.KeyPressed(kKeyUp) != 0 || keys.KeyPressed(kKeyNumpad8) != 0) {
        view.ScrollUp(steps);
    }
    if (keys.KeyPressed(kKeyDown) != 0 || keys.KeyPressed(kKeyNumpad2) != 0) {
        view.ScrollDown(steps);
    }
    view.EdgeScroll(app.mouseCursor, steps);
}

void CloseFameBox(MapScreen& screen) {
    screen.fameBoxShown = 0;
    screen.fameRewardShown.fill(0);
}

void SelectHero(MapScreen& screen, uint8_t heroNumber) {
    screen.playerSelected = 0;
    screen.heroSelected = heroNumber;
    screen.selectedHeroIndex = static_cast<HeroIndex>(heroNumber - 1);
    screen.selectedCharacter = CharacterOfHeroIndex(screen.selectedHeroIndex);
}

// The hero who joined for fame is shown once the player has seen the box.
void FocusOnJoinedHero(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    const uint8_t hero = screen.focusHero;
    if (hero < 1 || hero > kHeroCount) {
        return;
    }
    SelectHero(screen, hero);
    CentreView(*app.mapView, screen.heroX[hero - 1], screen.heroY[hero - 1], 570, 440);
    screen.focusHero = 0;
}

void ClearDrawnPath(MapScreen& screen) {
    screen.pointPending.fill(0);
    screen.pathX.fill(0);
    screen.pathY.fill(0);
    screen.pathCount = 0;
}

// The end-of-day press, and hiding the panel, let go of everyone.
void DropSelection(MapScreen& screen) {
    ClearDrawnPath(screen);
    screen.playerSelected = 0;
    screen.heroSelected = 0;
    screen.walkState = kWalkNone;
    screen.heroPathReady = 0;
    screen.heroWalkStart = 0;
    screen.showCaption = 0;
    screen.bagFull = 0;
    if (screen.foundBox == kFoundBoxShown) {
        screen.foundBox = kFoundBoxNone;
        screen.storeFound = 1;
        screen.foundBoxRelease = 0;
    }
}

void ClickOwnCell(GameApp& app, CharacterId character) {
    MapScreen& screen = *app.mapScreen;
    MapView& view = *app.mapView;
    const bool player = character == kPlayerCharacter;
    const int hero = character - 2;
    view.cellClicked = 1;
    view.clickedCell = player ? screen.playerCell : screen.heroCell[hero];
    view.clickedX = player ? screen.walkX : screen.heroX[hero];
    view.clickedY = player ? screen.walkY : screen.heroY[hero];
    screen.ClickCell(view.clickedCell, view.cellClicked, view.clickedX, view.clickedY);
}

void CentreOnSelection(GameApp& app) {
    const MapScreen& screen = *app.mapScreen;
    if (screen.playerSelected != 0) {
        CentreView(*app.mapView, screen.walkX, screen.walkY, 400, 300);
    } else if (screen.heroSelected >= 1 && screen.heroSelected <= kHeroCount) {
        const int hero = screen.heroSelected - 1;
        CentreView(*app.mapView, screen.heroX[hero], screen.heroY[hero], 400, 300);
    }
}

// The next of the player's characters: the player, then each joined hero, then the player again.
void SelectNextCharacter(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    const CharacterId current =
        screen.playerSelected != 0
            ? kPlayerCharacter
            : CharacterOfHeroIndex(static_cast<HeroIndex>(screen.heroSelected - 1));
    ClickOwnCell(app, current);
    CharacterId next = kPlayerCharacter;
    const int firstHero = current == kPlayerCharacter ? 0 : current - 1;
    for (int hero = firstHero; hero < kHeroCount && next == kPlayerCharacter; ++hero) {
        if (screen.heroOnMap[hero] != 0) {
            next = CharacterOfHeroIndex(static_cast<HeroIndex>(hero));
        }
    }
    if (current != kPlayerCharacter) {
        screen.heroPathReady = static_cast<uint8_t>(current - 1);
    }
    screen.selectedCharacter = next;
    if (next == kPlayerCharacter) {
        screen.playerSelected = 1;
        screen.heroSelected = 0;
    } else {
        SelectHero(screen, static_cast<uint8_t>(next - 1));
    }
    CentreOnSelection(app);
    ClickOwnCell(app, next);
}

void ActOnBarButton(GameApp& app, uint8_t button) {
    MapScreen& screen = *app.mapScreen;
    const bool tradeOff = screen.tradeMode == kTradeOff || screen.tradeMode == kTradeLongPath;
    switch (button) {
        case kBarMove:
            if (!tradeOff) {
                screen.tradeMode = kTradeOff;
                break;
            }
            if (screen.walkState == kWalkDrawn) {
                screen.walkState = kWalkOrdered;
            }
            if (screen.heroPathReady != 0) {
                screen.heroWalkStart = screen.heroPathReady;
                screen.heroPathReady = 0;
            }
            break;
        case kBarTrade:
            if (screen.tradeMode == kTradeArmed) {
                screen.tradeMode = kTradeOff;
            } else if (tradeOff) {
                screen.tradeMode = kTradeArmed;
            }
            screen.lookMode = kLookOff;
            break;
        case kBarAttack:
            screen.attackCommand = 1;
            break;
        case kBarLook:
            screen.lookMode = kLookArmed;
            screen.tradeMode = kTradeOff;
            screen.attackCommand = 0;
            break;
        case kBarCentre:
            CentreOnSelection(app);
            break;
        case kBarNext:
            SelectNextCharacter(app);
            break;
        default:
            break;
    }
}

// Nothing on the map takes a command while a result is shown, a walk is under way or the enemy
// moves.
bool CommandsTaken(const MapScreen& screen) {
    return screen.outcomeShown == 0 && NoWalkUnderWay(screen) &&
           screen.enemyPhase == kEnemyPhaseOff;
}

void TakePanelAction(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    ControlPanel& panel = *app.controlPanel;
    switch (panel.TakeAction(app.mouseCursor.mouse)) {
        case kEndDayButton:
            EndDay(app);
            break;
        case kHideShowButton:
            if (panel.shown == 0) {
                panel.shown = 1;
                screen.showCaption = 0;
            } else {
                panel.shown = 0;
                panel.justHidden = 1;
                DropSelection(screen);
            }
            break;
        case kQuitButton:
            OpenSaveQuit(app);
            break;
        case kQuestLogButton:
            app.SwitchState(QuestLogStateThunk, kPhaseSwitch);
            break;
        case kOptionsButton:
            app.optionsFromMap = 1;
            app.optionsFromBattle = 0;
            app.SwitchState(OptionsStateThunk, kPhaseSwitch);
            break;
        case kYouButton:
            app.SwitchState(YouStateThunk, kPhaseSwitch);
            break;
        case kHeroesButton:
            app.SwitchState(HeroesStateThunk, kPhaseSwitch);
            break;
        case kWealthButton:
            app.SwitchState(WealthStateThunk, kPhaseSwitch);
            break;
        default:
            break;
    }
}

void ClickRegions(GameApp& app) {
    using ClickRegionFn = int (MapView::*)(int32_t, int32_t, const InputDevice&);
    static constexpr std::array<ClickRegionFn, 9> kRegions = {
        &MapView::ClickRegion1, &MapView::ClickRegion2, &MapView::ClickRegion3,
        &MapView::ClickRegion4, &MapView::ClickRegion5, &MapView::ClickRegion6,
        &MapView::ClickRegion7, &MapView::ClickRegion8, &MapView::ClickRegion9,
    };
    MapView& view = *app.mapView;
    for (size_t region = 0; region < kRegions.size(); ++region) {
        if (MapRegionInView(MapRegionNumber(static_cast<int>(region + 1)), view.scrollX,
                            view.scrollY)) {
            (view.*kRegions[region])(app.mouseCursor.x, app.mouseCursor.y, app.mouseCursor.mouse);
        }
    }
}

void HandleMousePress(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    ControlPanel& panel = *app.controlPanel;
    const InputDevice& mouse = app.mouseCursor.mouse;
    if (!FreshPress(mouse)) {
        return;
    }
    screen.lookClick = 1;
    if (screen.foundBox == kFoundBoxShown) {
        screen.foundBoxRelease = 1;
    }
    if (screen.bagFull != 0) {
        screen.bagFullRelease = 1;
    }
    if (screen.showCaption != 0) {
        if (screen.captionRelease == kReleaseNone) {
            screen.captionRelease = kReleasePressed;
        } else if (screen.captionRelease == kReleaseArmed) {
            screen.captionRelease = kReleaseClosing;
        }
    }
    if (screen.cantTradeRelease == kReleaseArmed) {
        screen.cantTradeRelease = kReleaseClosing;
        screen.tradeFailed = 0;
    }
    if (screen.tradeFailed != 0) {
        screen.cantTradeRelease = kReleasePressed;
    }
    if (!CommandsTaken(screen)) {
        return;
    }
    if (panel.Click(app.mouseCursor.x, app.mouseCursor.y, mouse) != 0 &&
        panel.buttons.pressedId == kEndDayButton && panel.shown != 0) {
        DropSelection(screen);
    }
}

// Each latch asks whether the mouse is idle only while it waits: the question latches both
// buttons, which would swallow a press in the next frame.
void TakeReleases(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    InputDevice& mouse = app.mouseCursor.mouse;
    auto released = [&mouse](bool waiting) { return waiting && IsMouseIdle(mouse) != 0; };
    if (released(screen.foundBoxRelease != 0)) {
        screen.foundBoxRelease = 0;
        screen.foundBox = kFoundBoxNone;
        screen.storeFound = 1;
    }
    if (released(screen.bagFullRelease != 0)) {
        screen.bagFullRelease = 0;
        screen.bagFull = 0;
    }
    if (released(screen.captionRelease == kReleaseClosing)) {
        screen.captionRelease = kReleaseNone;
        screen.showCaption = 0;
        screen.lookMode = kLookClosing;
    } else if (released(screen.captionRelease == kReleasePressed)) {
        screen.captionRelease = kReleaseArmed;
    }
    if (released(screen.cantTradeRelease == kReleasePressed)) {
        screen.cantTradeRelease = kReleaseArmed;
    } else if (released(screen.cantTradeRelease == kReleaseClosing)) {
        screen.cantTradeRelease = kReleaseNone;
    }
    if (released(app.mapView->clickHold != 0)) {
        app.mapView->clickHold = 0;
    }
}

// What the walker found on the cell it arrived on, besides the treasure itself.
void Arrive(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    GameState& world = *app.world;
    screen.CollectPile(world.gold);
    screen.returnedObject = 0;
    for (const QuestObject& object : kQuestObjects) {
        if (screen.cellSavedCode != object.code) {
            continue;
        }
        const uint8_t state = world.Quest(object.quest);
        if (state >= kQuestAccepted && state <= kQuestInProgress) {
            screen.foundBox = kFoundBoxLoading;
            screen.returnedObject = object.message;
        } else if (NotYetNeeded(object, world)) {
            screen.foundBox = kFoundBoxLoading;
            screen.returnedObject = kNoMessage;
        }
    }
    for (const ScoutedPlace& place : kScoutedPlaces) {
        const uint8_t state = world.Quest(place.quest);
        const bool open = place.neededTrigger < 0 || world.Trigger(place.neededTrigger) != 0;
        if (screen.siteEntered == place.place && open && state >= kQuestAccepted &&
            state <= kQuestRewardReady) {
            screen.returnedObject = place.message;
            screen.foundBox = kFoundBoxLoading;
            world.Quest(place.quest) = kQuestGoalMet;
            screen.siteEntered = 0;
        }
    }
}

void DrawPathAndWalk(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    MapView& view = *app.mapView;
    const int32_t cell =
        MapCellAt(app.mouseCursor.x + view.scrollX, app.mouseCursor.y + view.scrollY);
    if (cell == kNoMapCell || !MapCellCorner(cell, screen.cursorCellX, screen.cursorCellY)) {
        screen.cursorCellX = screen.cursorCellY = kOffMapX;
    }
    if (screen.lookMode == kLookOff && view.cellClicked != 0 && NoWalkUnderWay(screen)) {
        screen.ClickCell(view.clickedCell, view.cellClicked, view.clickedX, view.clickedY);
        view.cellClicked = 0;
        screen.PickCell();
        screen.pickRequest = 0;
    }
    if (screen.lookMode == kLookClosing) {
        screen.lookMode = kLookOff;
        view.cellClicked = 0;
        screen.hoverId = 0;
    }
    if (screen.checkBlocked != 0) {
        screen.UpdateWalkTarget();
    }
    if (screen.meetingRequest != 0) {
        screen.meetingRequest = 0;
        StartMeetingFromMap(app);
    }
    screen.WalkPath(app.stepTimers[kWalkTimer]->steps);
    if (screen.arrived != 0) {
        Arrive(app);
    }
}

}  // namespace

void CentreView(MapView& view, int32_t x, int32_t y, int32_t offsetX, int32_t offsetY) {
    // Wide: the position may be any the world holds.
    view.scrollX = static_cast<int32_t>(
        std::clamp<int64_t>(int64_t{x} - offsetX, kMapScrollMinX, kCentreMaxX));
    view.scrollY = static_cast<int32_t>(
        std::clamp<int64_t>(int64_t{y} - offsetY, kMapScrollMinY, kCentreMaxY));
}

void ConfirmOnMap(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (screen.walkState == kWalkDrawn && screen.showCaption == 0) {
        screen.walkState = kWalkOrdered;
    }
    if (screen.heroPathReady != 0 && screen.showCaption == 0) {
        screen.heroWalkStart = screen.heroPathReady;
        screen.heroPathReady = 0;
    }
    if (screen.armyTarget != 0) {
        screen.arrived = 1;
    }
    if (screen.foundBox == kFoundBoxShown) {
        screen.foundBox = kFoundBoxNone;
        screen.storeFound = 1;
        screen.foundBoxRelease = 0;
    }
    if (screen.bagFull != 0) {
        screen.bagFull = 0;
        screen.bagFullRelease = 0;
    }
    if (screen.showCaption != 0) {
        screen.showCaption = 0;
        screen.lookMode = kLookClosing;
        screen.hoverId = 0;
        screen.captionRelease = kReleaseNone;
    }
    if (screen.enemyPhase == kEnemyPhaseOff) {
        app.mapDrawFlag = 0;
        FocusOnJoinedHero(app);
    }
    if (screen.eventId == 0 && screen.outcomeShown == 0 && screen.fameBoxShown != 0) {
        CloseFameBox(screen);
    }
    if (screen.eventId != 0) {
        screen.eventId = 0;
        app.mapDrawFlag = 1;
    }
    if (screen.outcomeShown != 0) {
        screen.outcomeShown = 0;
        screen.eventId = 0;
        app.mapDrawFlag = 1;
        screen.enemyPhase = kEnemyPhaseOff;
    }
    screen.tradeFailed = 0;
}

void RunMapInput(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    ControlPanel& panel = *app.controlPanel;
    InputDevice& mouse = app.mouseCursor.mouse;
    const int32_t mouseX = app.mouseCursor.x;
    const int32_t mouseY = app.mouseCursor.y;

    app.PollKeyboard();
    if (NoWalkUnderWay(screen) && screen.enemyPhase == kEnemyPhaseOff &&
        (app.KeyOnce(kKeyBack) || app.KeyOnce(kKeyEscape))) {
        OpenSaveQuit(app);
    }
    app.PollKeyboard();
    ScrollByKeys(app);
    if (app.KeyOnce(kKeyReturn)) {
        ConfirmOnMap(app);
    }
    if (app.KeyOnce(kKeyI) && AnySelected(screen)) {
        screen.lookMode = kLookArmed;
    }
    if (screen.attackCommand != 0) {
        if (screen.armyTarget != 0) {
            screen.arrived = 1;
        }
        if (screen.walkState == kWalkDrawn && screen.playerAttack != 0) {
            screen.walkState = kWalkOrdered;
        }
        if (screen.heroPathReady != 0 && screen.playerAttack != 0) {
            screen.heroWalkStart = screen.heroPathReady;
            screen.heroPathReady = 0;
        }
    }

    panel.Hover(mouseX, mouseY);
    if (screen.enemyPhase == kEnemyPhaseOff && panel.shown != 0 && NoWalkUnderWay(screen) &&
        screen.heroSelected == 0 && panel.buttons.hoverId == kYouButton) {
        screen.playerSelected = 1;
        screen.selectedCharacter = kPlayerCharacter;
    }
    if (FreshPress(mouse) && screen.boxClickArmed != 0) {
        screen.boxClickArmed = 0;
        if (app.mapDrawFlag == 1) {
            app.mapDrawFlag = 0;
            screen.boxClickTaken = 1;
            if (screen.eventId == 0 && screen.outcomeShown == 0 && screen.fameBoxShown != 0) {
                CloseFameBox(screen);
            }
            FocusOnJoinedHero(app);
        }
    }
    if (mouse.ButtonPressed(1) != 0) {
        app.rightClicked = 1;
        ConfirmOnMap(app);
    }
    if (screen.clicksAllowed != 0 && app.rightClicked == 0 && app.mapView->clickHold == 0 &&
        panel.buttons.hoverId == 0 && screen.barButtons.At(mouseX, mouseY) == 0 &&
        screen.boxClickTaken == 0) {
        ClickRegions(app);
    }
    HandleMousePress(app);
    if (panel.shown == 0 && panel.buttons.pressedId != kHideShowButton) {
        panel.buttons.held = 0;
        panel.buttons.pressedId = 0;
        panel.buttons.hoverId = 0;
    }
    TakeReleases(app);
    ActOnBarButton(app, app.PollButtons(screen.barButtons, CommandsTaken(screen)));
    TakePanelAction(app);
    if (!ButtonDown(mouse, 0) && !ButtonDown(mouse, 1)) {
        screen.clicksAllowed = 1;
        panel.buttons.held = 0;
        panel.buttons.pressedId = 0;
        screen.boxClickArmed = app.mapDrawFlag != 0 ? 1 : screen.boxClickArmed;
        screen.boxClickTaken = 0;
    }

    app.TakeTimerSteps(kScrollTimer, kScrollRate);
    app.TakeTimerSteps(kWalkTimer, kWalkRates[SpeedIndex(app.world->mapSpeed)]);
    DrawPathAndWalk(app);
}

}  // namespace varn
