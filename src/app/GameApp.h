#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/AppFramework.h"
#include "app/StateThunks.h"
#include "app/StepTimerSlots.h"
#include "engine/AudioSystem.h"
#include "engine/BackgroundTrack.h"
#include "engine/ButtonBar.h"
#include "engine/Font.h"
#include "engine/GraphicsDevice.h"
#include "engine/InputDevice.h"
#include "engine/InputSystem.h"
#include "engine/MouseCursor.h"
#include "engine/Music.h"
#include "engine/Sound.h"

namespace varn {

class ArmyExchangeScreen;
class BattleScreen;
class CastleScreen;
class CreditsScreen;
class ControlPanel;
class DataBlob;
class GameState;
class HallOfFameScreen;
class HeroScreen;
class InformationScreen;
class ItemExchangeScreen;
class MainMenuScreen;
class MapScreen;
class MapView;
class MeetingScreen;
class NameEntryScreen;
class NameScreen;
class NameLetters;
class OptionsScreen;
class PalaceScreen;
class PaperDollArt;
class PortraitScreen;
class QuestLogScreen;
class SaveQuitDialog;
class SaveSlotScreen;
class Settings;
class StepTimer;
class StoryScreen;
class TempleScreen;
class TowerScreen;
class TownScreen;
class VillageScreen;
class WealthScreen;
class YouScreen;

// Values of GameApp::statePhase a switch stores. What each asks of the leaving state is
// GameApp::Leaving's answer (the table in docs/architecture.md); any value but kPhaseRunning
// gives the next state its entry block.
enum StatePhase : uint8_t {
    kPhaseRunning = 0,         // as a switch: the screen stays, the next state has no entry block
    kPhaseSwitch = 1,          // the leaving state frees its screen
    kPhaseWriteBack = 2,       // the leaving state writes back and frees its screen
    kPhaseKeepScreen = 3,      // the leaving state neither writes back nor frees its screen
    kPhaseNewGame = 5,         // no switch: the main menu's new-game press, taken in the same frame
    kPhaseAfterSaveQuit = 13,  // frees; the main menu's entry makes a fresh world
};

// How the current state leaves at the end of this frame.
enum class Leave : uint8_t {
    Stay,        // no switch this frame
    KeepScreen,  // kPhaseRunning, kPhaseKeepScreen: the screen stays for the way back
    Free,        // kPhaseSwitch, kPhaseAfterSaveQuit: the leave work runs, the screen goes
    WriteBack,   // kPhaseWriteBack: likewise, for a state that writes back only on this value
};

// GameApp::currentHero when no hero is shown, and GameApp::loadedHero when the heroes screen
// holds none.
inline constexpr uint8_t kNoCurrentHero = 100;
inline constexpr uint8_t kNoLoadedHero = 200;

// Where a state shows the frame rate when the settings ask for it.
enum class FrameRateRow : uint8_t { None, Top, Bottom };

// The one application object: owns the engine, every screen, the world record and the state
// machine, and the bytes that states hand to each other.
class GameApp : public AppFramework {
  public:
    GameApp();
    ~GameApp() override;

    uint32_t Init() override;
    uint32_t Cleanup() override;
    uint32_t Frame() override;

    // The frame every drawing state runs, in two halves around its own work: OpenFrame before
    // its screen, keys and buttons; CloseFrame after its drawing. entryWork runs on the state's
    // first frame, right after the common entry block; leaveWork runs where a state writes its
    // screen back and frees it. OpenFrame returns true on the state's first frame.
    template <typename EntryWork>
    bool OpenFrame(EntryWork&& entryWork);
    bool OpenFrame();
    template <typename LeaveWork>
    void CloseFrame(FrameRateRow frameRateRow, LeaveWork&& leaveWork);
    void CloseFrame(FrameRateRow frameRateRow);

    // Stores the next state. Phase 0 keeps the screen and gives the next state no entry block.
    void SwitchState(StateThunk next, uint8_t phase, bool restartStateClock = true);
    // The one leave test: whether the current state switched in this frame and how it leaves.
    Leave Leaving() const;
    // True when this frame's switch takes the state's screen away (Free or WriteBack): the
    // state writes its edits back and frees what it owns.
    bool LeavingFrees() const;
    // The one entry test: a state's first frame after a switch that gave it an entry block.
    bool Entering() const { return statePhase != kPhaseRunning; }

    // Keyboard tests with the pressed-once rule: a press that counts sets its latch.
    void PollKeyboard();
    bool KeyOnce(uint8_t key);
    bool BackKeyOnce();  // Escape or Backspace
    // A screen's buttons against the pointer: hover, press (unless the state takes no presses
    // now), and the id to act on this frame.
    uint8_t PollButtons(ButtonBar& buttons, bool pressesTaken = true);

    // The steps of the frame, for the states whose order differs from the common one.
    void BeginFrameTiming();
    void CountFps();
    void EndFrameTiming();
    void EnterState();
    void StartScene();
    void UpdateStateSeconds();
    void ShowFrameRate(FrameRateRow row);
    void FinishScene();

#define VARN_DECLARE_RUN(Name) void Run##Name##State();
    VARN_STATES(VARN_DECLARE_RUN)
#undef VARN_DECLARE_RUN

    // The background MP3 track, as the map, battle, options, load and menu states use it.
    void DrainTrackEvents();
    void RestartTrack();
    void UpkeepTrack();
    void StopTrack();
    void RewindTrack();
    void RestartMenuMusic(int volume);

    // A fresh world with new-game values, the map and the hand-over bytes of the old game gone.
    void StartFreshWorld();
    // The bytes states hand each other, back to their start values: a fresh or loaded world
    // carries nothing over from the game before it (the Day box's flag is the map's own).
    void ResetHandOverBytes();
    // A new step timer in stepTimers[index], seeded from the world as every animation's timer.
    void StartStepTimer(size_t index);
    // This frame's steps of stepTimers[index] (averaging), stored in the timer; 0 on a state's
    // first frame, which measures no frame length. A missing timer is started first.
    uint8_t TakeTimerSteps(size_t index, int32_t rate);

    // Where the front end hands over to the map and takes the map's objects back
    // (map/MapHandOver.cpp).
    void EnterMap();
    void ReturnFromSaveQuit();
    void ReturnFromOptions();
    void ShowPortraitOnPanel();
    void PrepareMapAfterLoad();
    void FreeMapAndBattleScreens();
    void ReleaseMapView();

    // The map's battles, whoever starts them: the hand-over into the world and the switch
    // (MapBattle.cpp).
    void StartBattleFromMap(uint8_t battleId, uint8_t commanderIsPlayer, uint8_t commanderHero,
                            bool enemyAttacks);
    // The save-and-quit question opened from the battle (BattleState.cpp).
    void AskSaveAndQuitInBattle();

    // Engine objects, constructed in this order and destroyed in reverse.
    Font font;
    GraphicsDevice device;
    InputSystem input;
    InputDevice keyboard;
    AudioSystem audio;
    Sound sound;
    Music music;

    std::unique_ptr<DataBlob> saveBlob;
    std::unique_ptr<DataBlob> loadBlob;
    std::unique_ptr<DataBlob> probeBlob;
    std::unique_ptr<CreditsScreen> creditsScreen;
    std::unique_ptr<GameState> world;
    std::unique_ptr<InformationScreen> infoScreen;
    std::unique_ptr<HallOfFameScreen> hallOfFameScreen;
    std::unique_ptr<SaveSlotScreen> saveSlotScreen;
    std::unique_ptr<MainMenuScreen> mainMenuScreen;
    std::unique_ptr<BattleScreen> battleScreen;

    MouseCursor mouseCursor;

    // Indexed by the slots of StepTimerSlots.h.
    std::array<std::unique_ptr<StepTimer>, kStepTimerCount> stepTimers;
    std::unique_ptr<StoryScreen> storyScreen;
    std::unique_ptr<NameEntryScreen> nameEntryScreen;
    std::unique_ptr<NameLetters> nameLetters;
    std::unique_ptr<OptionsScreen> optionsScreen;
    std::unique_ptr<PortraitScreen> portraitScreen;
    std::unique_ptr<QuestLogScreen> questLogScreen;
    std::unique_ptr<SaveQuitDialog> saveQuitDialog;
    std::unique_ptr<Settings> settings;

    // The kingdom map: the panel and the view live from their first use to the end of a game;
    // the map screen from the map's entry to its leave step.
    std::unique_ptr<ControlPanel> controlPanel;
    std::unique_ptr<MapView> mapView;
    std::unique_ptr<MapScreen> mapScreen;

    // The screen of a visit to a house, from the visit's first frame to its leave step.
    std::unique_ptr<VillageScreen> villageScreen;
    std::unique_ptr<TownScreen> townScreen;
    std::unique_ptr<CastleScreen> castleScreen;
    std::unique_ptr<PalaceScreen> palaceScreen;
    std::unique_ptr<TempleScreen> templeScreen;
    std::unique_ptr<TowerScreen> towerScreen;
    // The character screens and the rename; the paper-doll art lives from its first use to the
    // end of the run.
    std::unique_ptr<PaperDollArt> paperDollArt;
    std::unique_ptr<HeroScreen> heroScreen;
    std::unique_ptr<YouScreen> youScreen;
    std::unique_ptr<WealthScreen> wealthScreen;
    std::unique_ptr<NameScreen> nameScreen;

    // The meeting of two of the player's characters, kept while either exchange is open.
    std::unique_ptr<ItemExchangeScreen> itemExchangeScreen;
    std::unique_ptr<ArmyExchangeScreen> armyExchangeScreen;
    std::unique_ptr<MeetingScreen> meetingScreen;

    // The background MP3 and the last event it reported.
    BackgroundTrack backgroundTrack;
    uint8_t mp3State = 0;  // 0 not playing or finished, 2 playing
    int32_t mediaEventCode = 0;
    int32_t mediaEventParam1 = 0;
    int32_t mediaEventParam2 = 0;

    StateThunk stateHandler = nullptr;
    // Set by SwitchState, cleared as each frame begins.
    bool switchedThisFrame = false;
    uint8_t rightClicked = 0;
    uint8_t endOfGame[3] = {0, 0, 0};
    uint8_t saveAndQuit = 0;
    uint8_t saveQuitFromBattle = 0;
    uint8_t saveQuitFromMap = 0;
    uint8_t optionsFromBattle = 0;
    uint8_t optionsFromMap = 0;
    uint8_t invasionArmy = 0;
    uint8_t invasionPlace = 0;
    uint8_t renameDone = 0;
    uint8_t battleToMap = 0;
    uint8_t healPending = 0;
    uint8_t restartMenuMusic = 0;
    uint8_t statePhase = 0;
    int32_t fps = 0;
    uint8_t currentHero = 0;
    uint8_t loadedHero = kNoLoadedHero;
    uint8_t mapEntered = 0;
    uint8_t mapDrawFlag = 1;
    uint8_t battleResult[3] = {0, 0, 0};
    uint8_t renameArmy = 0;
    uint8_t renameHero = 0;
    uint8_t renameArmySlot = 0;
    uint8_t renameOwner = 0;
    uint8_t renameReturn = 0;
    uint8_t armyNameChanged = 0;
    int32_t fpsFrames = 0;
    uint32_t frameStart = 0;
    uint32_t fpsMs = 0;
    uint32_t frameMs = 0;
    uint8_t frameTimingOn = 0;
    uint8_t stateTimerRestart = 1;
    uint32_t stateSeconds = 0;
    uint32_t stateStartMs = 0;
    int32_t battleFlag = 0;

    // The map's scroll position as a save writes it and a load restores it, until the map view
    // holds it.
    int32_t mapScrollX = 0;
    int32_t mapScrollY = 0;
    // The slot the load screen read into loadBlob, for the load step's message.
    uint8_t loadSlot = 0;
    // One line for the player about a load or save that failed; the main menu shows it until
    // the player leaves the menu.
    std::string notice;

    uint8_t quit = 0;
};

template <typename EntryWork>
bool GameApp::OpenFrame(EntryWork&& entryWork) {
    const bool entering = Entering();
    if (entering) {
        EnterState();
        entryWork();
    }
    BeginFrameTiming();
    CountFps();
    StartScene();
    return entering;
}

template <typename LeaveWork>
void GameApp::CloseFrame(FrameRateRow frameRateRow, LeaveWork&& leaveWork) {
    ShowFrameRate(frameRateRow);
    UpdateStateSeconds();
    leaveWork();
    FinishScene();
    EndFrameTiming();
}

// Result codes of AnsiToWide.
constexpr int32_t kConvertOk = 0;
constexpr int32_t kConvertFailed = static_cast<int32_t>(0x80004005);
constexpr int32_t kConvertInvalidArgument = static_cast<int32_t>(0x80070057);

// A narrow file name widened for the audio layer; the result is always terminated.
int32_t AnsiToWide(wchar_t* dst, const char* src, int dstChars);

}  // namespace varn
