#include "app/GameApp.h"
#include "battle/BattleScreen.h"
#include "battle/BattleStateSteps.h"
#include "battle/BattleWorld.h"
#include "battle/scenarios/VictoryConsequences.h"
#include "engine/Owned.h"
#include "engine/StepTimer.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int32_t kScrollRate = 500;

constexpr int32_t kWalkRates[] = {150, 200, 320};

// The screen, made on the first frame from the world and the scenario. False when the battle
// has no scenario: nothing to fight, nothing paid or written, and the map is asked back.
bool EnterBattle(GameApp& app) {
    if (app.battleScreen) {
        return true;
    }
    if (!HasBattleScenario(app.world->battleId)) {
        app.SwitchState(MapStateThunk, kPhaseWriteBack);
        return false;
    }
    app.battleScreen = CreateBattleScreen(*app.world, app.device);
    return true;
}

// The track, the timers and the swing speed; the fresh moves of a new turn; the sounds asked
// for in the last frame.
void PrepareBattleFrame(GameApp& app, BattleScreen& b) {
    GameState& world = *app.world;
    if (world.musicOn != 0) {
        app.UpkeepTrack();
    }
    for (size_t timer : {kScrollTimer, kWalkTimer}) {
        if (!app.stepTimers[timer]) {
            app.StartStepTimer(timer);
        }
    }
    static constexpr int32_t kSwingPeriods[] = {200, 100, 50};
    b.animStepMs = kSwingPeriods[SpeedIndex(world.battleSwingSpeed)];
    if (app.battleFlag != 0 && !ComputerActs(b)) {
        app.battleFlag = 0;
        b.GiveFreshMoves();
    }
    if (world.soundsOn == 0) {
        return;
    }
    if (b.pickSoundPending != 0) {
        app.sound.SetVolume(100);
        app.sound.Play("Data\\Pick.wav", 100, 1);
        b.pickSoundPending = 0;
    }
    if (b.smashSoundState == kSmashNow) {
        app.sound.SetVolume(100);
        app.sound.Play("Data\\Smash.wav", 80, 1);
        b.smashSoundState = kSmashPlayed;
    }
}

// This frame's steps, the player's command, the allies' and the enemies' phases with their
// camera, the animations and the end test.
void RunTurnLoop(GameApp& app, BattleScreen& b) {
    StepTimer& scroll = *app.stepTimers[kScrollTimer];
    StepTimer& walk = *app.stepTimers[kWalkTimer];
    const auto frameMs = static_cast<int32_t>(app.frameMs);
    scroll.steps = scroll.StepsAveraged(kScrollRate, frameMs);
    walk.steps = walk.StepsAveraged(kWalkRates[SpeedIndex(app.world->battleMoveSpeed)], frameMs);
    b.RunPlayerTurn(walk.steps);
    b.RunAllyPhase(walk.steps);
    b.RunEnemyPhase(walk.steps);
    b.Animate(platform::TimeGetTime());
    if (b.battleOver == 0) {
        b.CheckBattleEnd();
    }
}

// The victory's music, pay and consequences, once.
void PayVictory(GameApp& app, BattleScreen& b) {
    if (b.won != kWonNow) {
        return;
    }
    if (app.world->musicOn != 0) {
        app.music.Stop();
        app.music.Load("Data\\Music3.mid");
        app.music.SetVolume(70);
        app.music.Play(40, 1);
        // The track stays marked as playing, so the upkeep leaves it silent until the map.
        app.backgroundTrack.Stop();
    }
    b.GrantVictoryRewards(app.world->gold);
    b.won = kWonPaid;
    ApplyVictoryConsequences(b, *app.world, app.endOfGame);
}

// The last turn run out, a defeat or a retreat: the enemy's losses and the route for the map.
void SettleDefeat(GameApp& app, BattleScreen& b) {
    GameState& world = *app.world;
    if (b.won == kNotWon && b.turn == b.lastTurn && b.allyPhase == kComputerIdle) {
        b.lost = 1;
        b.enemyPhase = kComputerIdle;
        b.battleOver = 1;
    }
    if (b.lost == 0 && b.retreatChosen == 0) {
        return;
    }
    if (b.lossPending != 0) {
        b.lossPending = 0;
        b.ComputeEnemyLosses();
        world.battleId = static_cast<uint8_t>(b.battleId);
        world.CarryA(b.battleId) = b.carriedWounds;
        world.CarryB(b.battleId) = b.carriedDown;
        app.battleResult[0] = 1;
        app.battleResult[1] = b.commanderIsPlayer;
        app.battleResult[2] = b.commanderHero;
    }
    if (world.routePending == kRoutePending) {
        world.SetRoute(static_cast<uint8_t>(b.battleId), b.commanderIsPlayer, b.commanderHero);
        app.battleToMap = 1;
    }
}

// The write-back leave: the snapshot for the question, everything for the map, which also
// frees the screen.
void LeaveBattle(GameApp& app) {
    if (app.Leaving() != Leave::WriteBack || !app.battleScreen) {
        return;
    }
    GameState& world = *app.world;
    const bool finalLeave = app.stateHandler == MapStateThunk;
    WriteBattleBack(*app.battleScreen, world, finalLeave);
    if (finalLeave) {
        world.commanderIsPlayer = 0;
        world.commanderHero = 0;
        FreeOwned(app.battleScreen);
        world.restartMusicOnMap = 1;
        world.resumeBattle = 0;
        app.optionsFromBattle = 0;
    }
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

void GameApp::RunBattleState() {
    OpenFrame();
    if (!EnterBattle(*this)) {
        CloseFrame(FrameRateRow::None);
        return;
    }
    BattleScreen& b = *battleScreen;
    PrepareBattleFrame(*this, b);
    const bool leave = RunBattleInput(*this);
    RunTurnLoop(*this, b);
    PayVictory(*this, b);
    b.UpdateStrikeMarks();
    b.Draw();
    SettleDefeat(*this, b);
    if (leave) {
        SwitchState(MapStateThunk, kPhaseWriteBack);
    }
    b.ResetHover();
    rightClicked = 0;
    CloseFrame(FrameRateRow::None, [&] { LeaveBattle(*this); });
}

}  // namespace varn
