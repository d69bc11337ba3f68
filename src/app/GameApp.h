#pragma once

#include <cstdint>

#include "app/AppFramework.h"
#include "app/StateThunks.h"
#include "engine/AudioSystem.h"
#include "engine/BackgroundTrack.h"
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
class ControlPanel;
class CreditsScreen;
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
class NameLetters;
class NameScreen;
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

// The one application object: owns the engine, every screen, the world record and the state
// machine, and the bytes that states hand to each other.
class GameApp : public AppFramework {
  public:
    GameApp();
    ~GameApp() override = default;

    uint32_t Init() override;
    uint32_t Cleanup() override;
    uint32_t Frame() override;

    // Frame skeleton shared by every state.
    void BeginFrameTiming();
    void CountFps();
    void EndFrameTiming();
    void EnterState();
    void UpdateStateSeconds();
    void DrawFrameRate(int y);

    // The background MP3 track, as the map, battle, options, load and menu states use it.
    void DrainTrackEvents();
    void RestartTrack();
    void UpkeepTrack();
    void StopTrack();
    void RewindTrack();
    void RestartMenuMusic(int volume);

    // State functions.
    void RunMainMenuState();

    // Engine objects, constructed in this order and destroyed in reverse.
    Font font;
    GraphicsDevice device;
    InputSystem input;
    InputDevice keyboard;
    AudioSystem audio;
    Sound sound;
    Music music;

    PaperDollArt* paperDollArt = nullptr;
    ControlPanel* controlPanel = nullptr;
    CastleScreen* castleScreen = nullptr;
    CreditsScreen* creditsScreen = nullptr;
    DataBlob* saveBlob = nullptr;
    DataBlob* loadBlob = nullptr;
    DataBlob* probeBlob = nullptr;
    BattleScreen* battleScreen = nullptr;
    HallOfFameScreen* hallOfFameScreen = nullptr;
    HeroScreen* heroScreen = nullptr;
    GameState* world = nullptr;
    InformationScreen* infoScreen = nullptr;
    SaveSlotScreen* saveSlotScreen = nullptr;
    MapView* mapView = nullptr;
    MainMenuScreen* mainMenuScreen = nullptr;

    MouseCursor mouseCursor;

    StepTimer* stepTimers[7] = {};
    StoryScreen* storyScreen = nullptr;
    NameEntryScreen* nameEntryScreen = nullptr;
    NameScreen* nameScreen = nullptr;
    NameLetters* nameLetters = nullptr;
    MapScreen* mapScreen = nullptr;
    OptionsScreen* optionsScreen = nullptr;
    PalaceScreen* palaceScreen = nullptr;
    PortraitScreen* portraitScreen = nullptr;
    QuestLogScreen* questLogScreen = nullptr;
    SaveQuitDialog* saveQuitDialog = nullptr;
    Settings* settings = nullptr;
    TempleScreen* templeScreen = nullptr;
    TowerScreen* towerScreen = nullptr;
    TownScreen* townScreen = nullptr;
    ItemExchangeScreen* itemExchangeScreen = nullptr;
    ArmyExchangeScreen* armyExchangeScreen = nullptr;
    MeetingScreen* meetingScreen = nullptr;
    VillageScreen* villageScreen = nullptr;
    WealthScreen* wealthScreen = nullptr;
    YouScreen* youScreen = nullptr;

    // The background MP3: one object in place of the filter graph and its four interfaces.
    BackgroundTrack backgroundTrack;
    uint8_t mp3State = 0;  // 0 not playing or finished, 2 playing
    int32_t mediaEventCode = 0;
    int32_t mediaEventParam1 = 0;
    int32_t mediaEventParam2 = 0;

    StateThunk stateHandler = nullptr;
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
    uint8_t loadedHero = 200;
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
    uint8_t quit = 0;
};

// Result codes of AnsiToWide.
constexpr int32_t kConvertOk = 0;
constexpr int32_t kConvertFailed = static_cast<int32_t>(0x80004005);
constexpr int32_t kConvertInvalidArgument = static_cast<int32_t>(0x80070057);

// A narrow file name widened for the audio layer; the result is always terminated.
int32_t AnsiToWide(wchar_t* dst, const char* src, int dstChars);
int32_t AnsiToWideChecked(wchar_t* dst, const char* src, int dstChars);

}  // namespace varn
