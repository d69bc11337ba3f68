#include "checks/WorldInvariants.h"

#include <algorithm>
#include <iterator>

#include "app/GameApp.h"
#include "app/StateList.h"
#include "characters/RenameReturns.h"
#include "map/MapView.h"
#include "world/GameState.h"
#include "world/SaveRanges.h"

namespace varn {

namespace {

#define VARN_STATE_ENTRY(Name) Name##StateThunk,
constexpr StateThunk kStates[] = {VARN_STATES(VARN_STATE_ENTRY)};
#undef VARN_STATE_ENTRY

constexpr uint8_t kPhases[] = {kPhaseRunning,    kPhaseSwitch,  kPhaseWriteBack,
                               kPhaseKeepScreen, kPhaseNewGame, kPhaseAfterSaveQuit};

struct ByteCheck {
    const char* name;
    uint8_t value;
    bool fits;
};

bool HeroOrNone(uint8_t hero, uint8_t none) {
    return hero < kHeroCount || hero == none;
}

void CheckHandOverBytes(const GameApp& app, std::vector<std::string>& violations) {
    const ByteCheck checks[] = {
        {"statePhase", app.statePhase,
         std::ranges::find(kPhases, app.statePhase) != std::end(kPhases)},
        {"currentHero", app.currentHero, HeroOrNone(app.currentHero, kNoCurrentHero)},
        {"loadedHero", app.loadedHero, HeroOrNone(app.loadedHero, kNoLoadedHero)},
        {"renameOwner", app.renameOwner, SlotFits(app.renameOwner, SlotCheck::Character)},
        {"renameArmySlot", app.renameArmySlot, app.renameArmySlot <= kArmySlotCount},
        {"renameReturn", app.renameReturn, app.renameReturn <= kRenameToTower},
        {"renameArmy", app.renameArmy, SlotFits(app.renameArmy, SlotCheck::Flag)},
        {"renameHero", app.renameHero, SlotFits(app.renameHero, SlotCheck::Flag)},
        {"renameDone", app.renameDone, SlotFits(app.renameDone, SlotCheck::Flag)},
        {"armyNameChanged", app.armyNameChanged, SlotFits(app.armyNameChanged, SlotCheck::Flag)},
        {"saveAndQuit", app.saveAndQuit, SlotFits(app.saveAndQuit, SlotCheck::Flag)},
        {"saveQuitFromMap", app.saveQuitFromMap, SlotFits(app.saveQuitFromMap, SlotCheck::Flag)},
        {"saveQuitFromBattle", app.saveQuitFromBattle,
         SlotFits(app.saveQuitFromBattle, SlotCheck::Flag)},
        {"optionsFromMap", app.optionsFromMap, SlotFits(app.optionsFromMap, SlotCheck::Flag)},
        {"optionsFromBattle", app.optionsFromBattle,
         SlotFits(app.optionsFromBattle, SlotCheck::Flag)},
        {"healPending", app.healPending, SlotFits(app.healPending, SlotCheck::Flag)},
        {"battleToMap", app.battleToMap, SlotFits(app.battleToMap, SlotCheck::Flag)},
        {"invasionArmy", app.invasionArmy, SlotFits(app.invasionArmy, SlotCheck::MovingArmy)},
        {"invasionPlace", app.invasionPlace, app.invasionPlace < kQuestCount},
        {"endOfGame[0]", app.endOfGame[0], SlotFits(app.endOfGame[0], SlotCheck::Flag)},
        {"endOfGame[1]", app.endOfGame[1], SlotFits(app.endOfGame[1], SlotCheck::Flag)},
        {"endOfGame[2]", app.endOfGame[2], SlotFits(app.endOfGame[2], SlotCheck::Flag)},
        {"battleResult[0]", app.battleResult[0], SlotFits(app.battleResult[0], SlotCheck::Flag)},
        {"battleResult[1]", app.battleResult[1], SlotFits(app.battleResult[1], SlotCheck::Flag)},
        {"battleResult[2]", app.battleResult[2],
         SlotFits(app.battleResult[2], SlotCheck::HeroNumber)},
    };
    for (const ByteCheck& check : checks) {
        if (!check.fits) {
            violations.push_back(std::string(check.name) + " holds " + std::to_string(check.value) +
                                 ", outside its range");
        }
    }
}

}  // namespace

std::vector<std::string> WorldInvariantViolations(const GameApp& app, SaveRoundTrip roundTrip) {
    std::vector<std::string> violations;
    if (std::ranges::find(kStates, app.stateHandler) == std::end(kStates)) {
        violations.push_back("the current state is none of the state list");
    }
    CheckHandOverBytes(app, violations);
    if (!app.world) {
        violations.push_back("no world record");
        return violations;
    }
    if (roundTrip == SaveRoundTrip::Skip) {
        AddPartyViolations(*app.world, violations);
        return violations;
    }
    // What a save from here would write beside the record: the view's scroll while it lives.
    const int32_t scrollX = app.mapView ? app.mapView->scrollX : app.mapScrollX;
    const int32_t scrollY = app.mapView ? app.mapView->scrollY : app.mapScrollY;
    AddRecordViolations(*app.world, scrollX, scrollY, violations);
    return violations;
}

}  // namespace varn
