#include "app/GameApp.h"

#include <cstdio>
#include <cwchar>
#include <iterator>

#include "battle/BattleScreen.h"
#include "characters/CharacterScreen.h"
#include "characters/NameScreen.h"
#include "characters/PaperDollArt.h"
#include "characters/WealthScreen.h"
#include "engine/DataBlob.h"
#include "engine/GameAssets.h"
#include "engine/Owned.h"
#include "engine/ScreenSize.h"
#include "engine/Settings.h"
#include "engine/StepTimer.h"
#include "exchange/ArmyExchangeScreen.h"
#include "exchange/MeetingScreen.h"
#include "frontend/CreditsScreen.h"
#include "frontend/HallOfFameScreen.h"
#include "frontend/InformationScreen.h"
#include "frontend/MainMenuScreen.h"
#include "frontend/NameEntryScreen.h"
#include "frontend/NameLetters.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PortraitScreen.h"
#include "frontend/QuestLogScreen.h"
#include "frontend/SaveFiles.h"
#include "frontend/SaveQuitDialog.h"
#include "frontend/SaveSlotScreen.h"
#include "frontend/StoryScreen.h"
#include "houses/HouseScreen.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapView.h"
#include "platform/PixelFormat.h"
#include "world/GameState.h"

namespace varn {

GameApp::GameApp() {
    std::snprintf(caption, sizeof caption, "%s", "VarnCaption");
    x = 0;
    y = 0;
    width = 600;
    height = 480;
}

GameApp::~GameApp() = default;

uint32_t GameApp::Init() {
    // Without a display nothing can be shown: refuse to start rather than run blind.
    if (device.CreateD3D() == 0 ||
        device.CreateDevice(GetHWnd(), kScreenWidth, kScreenHeight, 16) == 0) {
        return 0;
    }
    input.Create(GetHWnd());
    keyboard.Init(&input, 1, 1);
    mouseCursor.mouse.Init(&input, 2, 0);
    ShowMouseCursor(false);
    mouseCursor.Init(&device);
    font.Create(&device, "Arial", 16, 0, 0, 0, 0);
    font.Begin();

    audio.Init(GetHWnd(), kAudioSampleRate);
    audio.SetMasterVolume(kFullMasterVolume);
    sound.Init(&audio);
    sound.Play(kStartUpSound, kStartUpSoundVolume, 1);
    music.Init(&audio);
    RestartMenuMusic(kMenuTuneStartVolume);

    fps = 0;
    stateHandler = MainMenuStateThunk;

    backgroundTrack.Create(&audio);
    wchar_t trackName[260];
    AnsiToWide(trackName, kBackgroundTrackFile, static_cast<int>(std::size(trackName)));
    backgroundTrack.RenderFile(trackName);
    backgroundTrack.PutVolume(kTrackOpenVolume);
    mp3State = 0;

    if (!settings) {
        settings = std::make_unique<Settings>();
        settings->Load();
    }
    RemoveLeftoverSaveTemporaries();
    if (!world) {
        world = std::make_unique<GameState>();
        RunNewGameSetUp(*world);
    }
    return 1;
}

uint32_t GameApp::Cleanup() {
    font.End();
    font.Release();
    keyboard.Release();
    mouseCursor.mouse.Release();
    input.Release();
    sound.Release();
    music.Unload();
    audio.Release();
    device.Release();
    backgroundTrack.Release();

    // The save-slot screen is left to its own states, which always release it on leaving.
    FreeOwned(paperDollArt);
    FreeOwned(battleScreen);
    FreeOwned(probeBlob);
    FreeOwned(creditsScreen);
    FreeOwned(hallOfFameScreen);
    FreeOwned(heroScreen);
    world.reset();
    FreeOwned(infoScreen);
    FreeOwned(loadBlob);
    FreeOwned(mainMenuScreen);
    for (std::unique_ptr<StepTimer>& timer : stepTimers) {
        timer.reset();
    }
    FreeOwned(storyScreen);
    FreeOwned(nameEntryScreen);
    FreeOwned(nameScreen);
    FreeOwned(nameLetters);
    FreeOwned(optionsScreen);
    FreeOwned(portraitScreen);
    FreeOwned(questLogScreen);
    FreeOwned(saveQuitDialog);
    FreeOwned(mapScreen);
    FreeOwned(mapView);
    FreeOwned(controlPanel);
    FreeHouseScreen(villageScreen);
    FreeHouseScreen(townScreen);
    FreeHouseScreen(castleScreen);
    FreeHouseScreen(palaceScreen);
    FreeHouseScreen(templeScreen);
    FreeHouseScreen(towerScreen);
    settings.reset();
    FreeOwned(saveBlob);
    FreeOwned(armyExchangeScreen);
    FreeOwned(meetingScreen);
    FreeOwned(wealthScreen);
    FreeOwned(youScreen);
    return 1;
}

uint32_t GameApp::Frame() {
    switchedThisFrame = false;
    stateHandler(this);
    return quit == 0 ? 1 : 0;
}

int32_t AnsiToWide(wchar_t* dst, const char* src, int dstChars) {
    if (dst == nullptr || src == nullptr || dstChars < 1) {
        return kConvertInvalidArgument;
    }
    // Game file names are single-byte text: each byte becomes one wide character.
    int i = 0;
    for (; i < dstChars && src[i] != '\0'; ++i) {
        dst[i] = static_cast<wchar_t>(static_cast<unsigned char>(src[i]));
    }
    bool fits = i < dstChars;
    if (fits) {
        dst[i] = L'\0';
    }
    dst[dstChars - 1] = L'\0';
    return fits ? kConvertOk : kConvertFailed;
}

}  // namespace varn
