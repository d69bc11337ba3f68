#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/AudioSystem.h"
#include "engine/BackgroundTrack.h"
#include "engine/Music.h"
#include "engine/Sound.h"
#include "platform/HeadlessBackend.h"
#include "support/SoundFiles.h"
#include "support/TempDir.h"

namespace varn {

// The headless sound card with a working folder holding the game's sound files.
class AudioFixture : public testing::Test {
  protected:
    void SetUp() override {
        platform::Headless()->Reset();
        Write("Data/Vibrate.wav", sound_files::ToneWav(100, 0));
        Write("Data/Key.wav", sound_files::ToneWav(100, 1));
        Write("Data/Music.mid", sound_files::MidiTune());
        Write("Data/Bedlam.mp3", {0xFF, 0xFB, 0x90, 0x00});
    }

    void Write(const char* name, const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(sound_files::Write(folder.path() / name, bytes));
    }
    platform::HeadlessAudio& card() { return platform::Headless()->audio; }
    std::vector<std::string>& log() { return platform::Headless()->log; }
    // The audio system as the game starts it, the fixture standing in for the window.
    uint32_t StartAudio() { return audio.Init(this, 22050); }
    // The system, the effect channel and the music set up, with an empty log.
    void StartAll() {
        ASSERT_EQ(StartAudio(), 1u);
        ASSERT_EQ(sound.Init(&audio), 1u);
        ASSERT_EQ(music.Init(&audio), 1u);
        log().clear();
    }

    TempWorkingDir folder;
    AudioSystem audio;
    Sound sound;
    Music music;
    BackgroundTrack track;
};

}  // namespace varn
