#include <algorithm>
#include <iterator>

#include "app/GameApp.h"
#include "engine/StepTimer.h"
#include "world/GameState.h"

namespace varn {

void GameApp::StartFreshWorld() {
    ReleaseMapView();
    FreeMapAndBattleScreens();
    world.reset();
    world = std::make_unique<GameState>();
    RunNewGameSetUp(*world);
    ResetHandOverBytes();
}

void GameApp::ResetHandOverBytes() {
    std::fill(std::begin(endOfGame), std::end(endOfGame), uint8_t{0});
    saveAndQuit = 0;
    saveQuitFromMap = 0;
    saveQuitFromBattle = 0;
    optionsFromMap = 0;
    optionsFromBattle = 0;
    healPending = 0;
    std::fill(std::begin(battleResult), std::end(battleResult), uint8_t{0});
    battleToMap = 0;
    battleFlag = 0;
    renameDone = 0;
    renameArmy = 0;
    renameHero = 0;
    renameArmySlot = 0;
    renameOwner = 0;
    renameReturn = 0;
    armyNameChanged = 0;
    currentHero = 0;
    loadedHero = kNoLoadedHero;
}

void GameApp::StartStepTimer(size_t index) {
    stepTimers[index] = std::make_unique<StepTimer>();
    stepTimers[index]->seed = static_cast<float>(world->timerSpeed);
}

uint8_t GameApp::TakeTimerSteps(size_t index, int32_t rate) {
    if (!stepTimers[index]) {
        StartStepTimer(index);
    }
    StepTimer& timer = *stepTimers[index];
    timer.steps = frameTimingOn != 0 ? timer.StepsAveraged(rate, static_cast<int32_t>(frameMs)) : 0;
    return timer.steps;
}

}  // namespace varn
