#include "engine/AudioSystem.h"

#include <gtest/gtest.h>

#include "AudioFixture.h"

namespace varn {

namespace {

// The sound card's wrappers: the system, the effect channel, the music and the MP3 track.
using AudioSystemTest = AudioFixture;
using SoundTest = AudioFixture;
using MusicTest = AudioFixture;

TEST_F(AudioSystemTest, WithoutAWindowOrDeviceEveryAudioOperationFails) {
    EXPECT_EQ(audio.Init(nullptr, 22050), 0u);
    EXPECT_TRUE(log().empty());
    card().deviceAvailable = false;
    EXPECT_EQ(StartAudio(), 0u);
    EXPECT_EQ(audio.SetMasterVolume(100) + sound.Init(&audio) + music.Init(&audio) +
                  track.Create(&audio) + sound.Play("Data\\Vibrate.wav", 5, 1) +
                  music.Load("Data\\Music.mid") + track.RenderFile(L"Data\\Bedlam.mp3"),
              0u);
}

TEST_F(AudioSystemTest, MissingFilesPlayNothing) {
    StartAll();
    ASSERT_EQ(track.Create(&audio), 1u);
    sound.Play("Data\\Vibrate.wav", 5, 0);
    EXPECT_EQ(sound.Play("Data\\Missing.wav", 5, 1) + sound.Play(nullptr, 5, 1), 0u);
    EXPECT_FALSE(card().effectPlaying);
    music.Load("Data\\Music.mid");
    EXPECT_EQ(music.Load("Data\\Missing.mid") + music.Load(nullptr), 0u);
    EXPECT_EQ(music.Play(40, 0), 0u);
    EXPECT_EQ(track.RenderFile(L"Data\\Missing.mp3") + track.RenderFile(nullptr), 0u);
    EXPECT_EQ(track.Run() + track.PutVolume(-700) + track.PutCurrentPosition(0.0), 0u);
}

// Each 0..100 scale folds by the remainder of 101 into hundredths of a decibel of its own.
TEST_F(AudioSystemTest, VolumeFormulas) {
    const int32_t cases[][5] = {
        // volume, master, effect, music, kept
        {0, -9000, -10000, -9600, 0},   {1, -8900, -9900, -3168, 1},
        {5, -8500, -9500, -3040, 5},    {40, -5000, -6000, -1920, 40},
        {60, -3000, -4000, -1280, 60},  {84, -600, -1600, -512, 84},
        {90, 0, -1000, -320, 90},       {100, 1000, 0, 0, 100},
        {101, -9000, -10000, -3200, 0}, {150, -4100, -5100, -1632, 49},
        {-5, -9500, -10500, -3360, -5}, {-150, -13900, -14900, -4768, -49},
    };
    StartAll();
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(audio.SetMasterVolume(c[0]) + sound.SetVolume(c[0]) + music.SetVolume(c[0]), 3u);
        EXPECT_EQ(
            (std::vector<int32_t>{card().masterVolume, card().effectVolume, card().musicVolume}),
            (std::vector<int32_t>{c[1], c[2], c[3]}));
        EXPECT_EQ((std::vector<int32_t>{audio.masterVolume, sound.volume, music.volume}),
                  std::vector<int32_t>(3, c[4]));
    }
}

TEST_F(SoundTest, ASecondEffectCutsTheFirstOffAndRepeatsReachTheDevice) {
    StartAll();
    sound.Play("Data\\Vibrate.wav", 100, 0);
    log().clear();
    EXPECT_EQ(sound.Play("Data\\Key.wav", 90, 3), 1u);
    EXPECT_EQ(log(),
              (std::vector<std::string>{"audio.StopEffect()", "audio.UnloadEffect()",
                                        "audio.LoadEffect(Data\\Key.wav)",
                                        "audio.SetEffectVolume(-1000)", "audio.PlayEffect(3)"}));
    EXPECT_TRUE(card().effectPlaying);
    sound.Release();
    EXPECT_FALSE(card().effectPlaying);
    EXPECT_EQ(sound.Play("Data\\Key.wav", 90, 1), 0u);
}

TEST_F(MusicTest, OnlyAMidNameMustHoldAStandardMidiFileAndLoadingUnloadsTheTuneBefore) {
    for (const char* name : {"Data/Wave.mid", "Data/Wave.midi", "Data/Wave.MID"}) {
        Write(name, sound_files::ToneWav(50, 0));
    }
    StartAll();
    EXPECT_EQ(music.Load("Data\\Wave.mid") + music.Load("Data\\Wave.midi"), 0u);
    EXPECT_EQ(music.Play(40, 0), 0u);
    // The name test is case-sensitive.
    EXPECT_EQ(music.Load("Data\\Wave.MID"), 1u);
    EXPECT_EQ(music.Play(40, 1), 1u);
    log().clear();
    EXPECT_EQ(music.Load("Data\\Music.mid"), 1u);
    EXPECT_EQ(log(), (std::vector<std::string>{"audio.StopMusic()", "audio.UnloadMusic()",
                                               "audio.LoadMusic(Data\\Music.mid)",
                                               "audio.SetMusicStandardMidi()"}));
}

}  // namespace

}  // namespace varn
