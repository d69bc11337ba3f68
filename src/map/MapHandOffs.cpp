#include <algorithm>
#include <iterator>

#include "app/GameApp.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "world/GameState.h"

namespace varn {

// What the map does with an arrival after the enemy phase: trades and meetings, the player's
// battles, the found things put into the bag, captions, and the houses the walker reached.

namespace {

// The fixed places' enemies: the place's enemy byte must be set, and for three of them the
// place's quest must not be under way (locked or solved).
struct PlaceBattle {
    uint8_t place;
    int enemyTrigger;  // -1 none
    int quest;         // 0 none
    uint8_t army;
};

constexpr PlaceBattle kPlaceBattles[] = {
    {1, 17, 15, 71}, {2, 15, 24, 68}, {3, 11, 0, 66}, {4, 16, 0, 67},
    {5, 12, 26, 65}, {6, -1, 0, 72},  {7, 13, 0, 69}, {8, 14, 0, 70},
};
// A cell of place 6 that belongs to place 7's enemy while it stands there.
constexpr MapObjectCode kPlaceSevenCellInPlaceSix = 411;
constexpr int kPlaceSevenTrigger = 13;
constexpr uint8_t kPlaceSevenArmy = 69;

// The quest of the quest object a code names, or 0.
int QuestOfObject(MapObjectCode code) {
    constexpr int kObjectQuests[] = {1,  7,  8,  9,  10, 18, 19, 20, 21, 22, 25, 30, 43, 46, 37,
                                     38, 51, 59, 63, 40, 61, 72, 52, 74, 67, 55, 64, 68, 89, 88};
    const MapObjectCode index = code - kCodeFirstQuestObject;
    return index >= 0 && index < static_cast<MapObjectCode>(std::size(kObjectQuests))
               ? kObjectQuests[index]
               : 0;
}

uint8_t MovesOf(const MapScreen& screen, CharacterId character) {
    if (character == kPlayerCharacter) {
        return screen.playerMoves;
    }
    const int hero = character - 2;
    return hero >= 0 && hero < kHeroCount ? screen.heroMoves[hero] : 0;
}

void FindPlaceBattle(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    const GameState& world = *app.world;
    const bool placeSevenCell = screen.cellSavedCode == kPlaceSevenCellInPlaceSix;
    if (placeSevenCell && world.Trigger(kPlaceSevenTrigger) == 0) {
        screen.siteEntered = 0;
    }
    if (screen.siteEntered == 0) {
        return;
    }
    for (const PlaceBattle& battle : kPlaceBattles) {
        const bool enemyThere = battle.enemyTrigger < 0 || world.Trigger(battle.enemyTrigger) != 0;
        const uint8_t quest = battle.quest == 0 ? 0 : world.Quest(battle.quest);
        if (screen.siteEntered == battle.place && enemyThere &&
            (quest == 0 || quest == kQuestSolved)) {
            screen.attackArmy = battle.army;
            screen.battleStart = 1;
        }
    }
    if (placeSevenCell) {
        screen.attackArmy = kPlaceSevenArmy;
        screen.battleStart = 1;
    }
}

void StartPlayersBattle(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (screen.battleStart == 0) {
        return;
    }
    screen.siteEntered = 0;
    screen.battleStart = 0;
    const CharacterId commander = screen.selectedCharacter;
    screen.commanderIsPlayer = commander == kPlayerCharacter ? 1 : 0;
    screen.commanderHero = commander > kPlayerCharacter ? static_cast<uint8_t>(commander - 1) : 0;
    screen.walkingHero = 0;
    screen.playerAttack = 1;
    screen.battleNumber = static_cast<uint8_t>(screen.attackArmy + 1);
    app.StartBattleFromMap(screen.battleNumber, screen.commanderIsPlayer, screen.commanderHero,
                           false);
}

void StoreFoundThings(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (screen.storeFound == 0) {
        return;
    }
    screen.storeFound = 0;
    screen.StoreFoundItems();
    screen.foundGoldShown = 0;
    screen.foundGem = 0;
    screen.foundArtifact = 0;
    screen.foundItem = 0;
    const int quest = QuestOfObject(screen.cellSavedCode);
    uint8_t& state = app.world->Quest(quest);
    if (quest != 0 && state >= kQuestAccepted && state <= kQuestInProgress) {
        state = kQuestGoalMet;
    }
}

void Identify(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    MapView& view = *app.mapView;
    const bool nobodySelected = screen.playerSelected == 0 && screen.heroSelected == 0;
    const bool clickOnNobody = screen.lookClick != 0 && nobodySelected && view.clickHold != 0;
    const bool lookAtCell = screen.lookMode == kLookArmed && view.cellClicked != 0;
    if (screen.clicksAllowed == 0 || (!clickOnNobody && !lookAtCell)) {
        return;
    }
    screen.lookMode = clickOnNobody ? 0 : kLookShown;
    view.cellClicked = 0;
    screen.lookClick = 0;
    screen.IdentifyObjectAt(view.clickedCell);
    if (screen.showCaption != 0) {
        screen.captionRelease = kReleasePressed;
    }
}

// The map screen counts an owned item's cell from 1, the record from 0.
void WriteBagBack(const MapScreen& screen, CharacterItemRecord& record) {
    record.owned = screen.walkerOwned;
    for (size_t item = 0; item < record.itemCell.size(); ++item) {
        const uint8_t cell = screen.walkerItemCell[item];
        record.itemCell[item] =
            static_cast<uint8_t>(screen.walkerOwned[item] != 0 && cell > 0 ? cell - 1 : cell);
    }
    std::copy(screen.walkerBag.begin(), screen.walkerBag.end(), record.items.begin());
}

void WriteBagsBack(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (screen.bagCopy == kBagCopyWriteBack) {
        WriteBagBack(screen, app.world->playerItems);
        screen.bagCopy = kBagCopyNone;
    }
    if (screen.bagOwnerHero >= 1 && screen.bagOwnerHero <= kHeroCount) {
        WriteBagBack(screen, app.world->heroItems[screen.bagOwnerHero - 1]);
    }
    screen.bagOwnerHero = 0;
}

void EnterHouses(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    GameState& world = *app.world;
    // A walker who reached a house enters it, unless an attack or a trade is under way; of
    // several houses reached in one frame the later in this order wins.
    const bool free = screen.playerAttack == 0 && screen.tradeMode != kTradeChosen &&
                      screen.tradeMode != kTradeMeeting;
    auto enter = [&](uint8_t reached, StateThunk house) {
        if (!free || reached == 0) {
            return false;
        }
        world.houseVisitor =
            screen.playerArrived != 0 ? kPlayerCharacter : CharacterOfHeroIndex(screen.arrivedHero);
        app.SwitchState(house, kPhaseSwitch);
        return true;
    };
    if (enter(screen.townEntered, TownStateThunk)) {
        world.townNumber = screen.townNumber;
    }
    if (enter(screen.villageEntered, VillageStateThunk)) {
        world.villageNumber = screen.villageNumber;
        world.villageOrTowerEntered = 1;
    }
    enter(screen.palaceEntered, PalaceStateThunk);
    enter(screen.templeEntered, TempleStateThunk);
    enter(screen.castleEntered, CastleStateThunk);
    if (enter(screen.towerEntered, TowerStateThunk)) {
        world.villageOrTowerEntered = 1;
    }
    if (app.LeavingFrees()) {
        screen.showCaption = 0;
    }
    // A reached house is not reached again a frame later.
    screen.townEntered = 0;
    screen.villageEntered = 0;
    screen.palaceEntered = 0;
    screen.templeEntered = 0;
    screen.castleEntered = 0;
    screen.towerEntered = 0;
}

}  // namespace

void StartMeetingFromMap(GameApp& app) {
    app.SwitchState(MeetingStateThunk, kPhaseSwitch);
}

void RefuseMeetingWithoutMoves(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (app.stateHandler != MeetingStateThunk || app.Leaving() != Leave::Free) {
        return;
    }
    // A character with no moves left cannot trade; the box says so until Enter or a click.
    if (MovesOf(screen, screen.meetFirst) == 0 || MovesOf(screen, screen.meetSecond) == 0) {
        screen.tradeFailed = 1;
        app.SwitchState(MapStateThunk, kPhaseRunning, false);
        screen.tradeMode = kTradeOff;
    }
}

void RunMapHandOffs(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (screen.arrived != 0 && screen.tradeMode == kTradeArmed) {
        screen.tradeMode = kTradeOff;
    } else if (screen.arrived != 0 && screen.tradeMode == kTradeChosen) {
        screen.tradeMode = kTradeReached;
    }
    if (screen.arrived != 0) {
        screen.arrived = 0;
        if (screen.playerAttack != 0) {
            screen.playerAttack = 0;
            screen.battleStart = 1;
        }
    }
    if (screen.tradeMode == kTradeReached) {
        screen.tradeMode = kTradeMeeting;
        StartMeetingFromMap(app);
    }
    FindPlaceBattle(app);
    StartPlayersBattle(app);
    StoreFoundThings(app);
    Identify(app);
    if (screen.walkState >= kWalkOrdered || screen.walkingHero != 0) {
        screen.showCaption = 0;
        screen.hoverId = 0;
    }
    WriteBagsBack(app);
    EnterHouses(app);
    // A press's request to identify lasts only for the frame of the press.
    screen.lookClick = 0;
}

void HoldCaptionAfterAnimations(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    ControlPanel& panel = *app.controlPanel;
    const uint8_t pressed = panel.buttons.pressedId;
    if (pressed == kEndDayButton || pressed == kHideShowButton || panel.justHidden != 0) {
        screen.showCaption = 0;
        if (screen.foundBox == kFoundBoxShown) {
            screen.foundBox = kFoundBoxNone;
            screen.storeFound = 1;
        }
        panel.justHidden = 0;
    }
    if (app.mapEntered != 0) {
        screen.showCaption = 0;
        const platform::MouseState& mouse = app.mouseCursor.mouse.mouseState;
        if ((mouse.buttons[0] & kDown) == 0 && (mouse.buttons[1] & kDown) == 0) {
            app.mapEntered = 0;
        }
    }
    if (screen.boxClickTaken != 0 || (pressed != 0 && panel.shown != 0)) {
        screen.showCaption = 0;
    }
}

}  // namespace varn
