#include "app/GameApp.h"
#include "engine/GameAssets.h"

namespace varn {

void GameApp::DrainTrackEvents() {
    while (backgroundTrack.GetEvent(&mediaEventCode, &mediaEventParam1, &mediaEventParam2, 0) ==
           1) {
        if (mediaEventCode == BackgroundTrack::kEventComplete) {
            mp3State = 0;
        }
        backgroundTrack.FreeEventParams(mediaEventCode, mediaEventParam1, mediaEventParam2);
    }
}

void GameApp::RestartTrack() {
    if (mp3State != 0) {
        return;
    }
    music.Stop();
    backgroundTrack.PutCurrentPosition(0.0);
    backgroundTrack.PutVolume(kTrackRestartVolume);
    backgroundTrack.Run();
    mp3State = 2;
}

void GameApp::UpkeepTrack() {
    DrainTrackEvents();
    RestartTrack();
}

void GameApp::StopTrack() {
    if (mp3State != 0) {
        mp3State = 0;
        backgroundTrack.Stop();
    }
}

void GameApp::RewindTrack() {
    backgroundTrack.PutCurrentPosition(0.0);
}

void GameApp::RestartMenuMusic(int volume) {
    audio.SetMasterVolume(kFullMasterVolume);
    music.Load(kMenuTune);
    music.SetVolume(kMenuTuneVolume);
    music.Play(volume, 0);
}

}  // namespace varn
