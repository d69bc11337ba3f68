#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/AudioSystem.h"
#include "platform/HeadlessBackend.h"
#include "support/SoundFiles.h"
#include "support/TempDir.h"

// The headless sound card with a working folder holding the game's sound files.
class AudioFixture : public testing::Test {
  protected:
    void SetUp() override {
        platform::Headless()->Reset();
        ASSERT_TRUE(sound_files::Write(folder.path() / "Data/Vibrate.wav",
                                       sound_files::ToneWav(22050, 100, 440.0)));
        ASSERT_TRUE(sound_files::Write(folder.path() / "Data/Key.wav",
                                       sound_files::ToneWav(22050, 100, 660.0)));
        ASSERT_TRUE(sound_files::Write(folder.path() / "Data/Music.mid", sound_files::MidiTune()));
        ASSERT_TRUE(
            sound_files::Write(folder.path() / "Data/Bedlam.mp3", {0xFF, 0xFB, 0x90, 0x00}));
    }

    platform::HeadlessAudio& card() { return platform::Headless()->audio; }
    std::vector<std::string>& log() { return platform::Headless()->log; }

    // The audio system as the game starts it; 1 when the device opened.
    uint32_t StartAudio() { return audio.Init(window, 22050); }

    int windowStandIn = 0;
    void* window = &windowStandIn;
    TempWorkingDir folder;
    AudioSystem audio;
};
