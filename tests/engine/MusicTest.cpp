#include "engine/Music.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AudioFixture.h"

namespace {

class MusicTest : public AudioFixture {
  protected:
    void SetUp() override {
        AudioFixture::SetUp();
        // A wave file under MIDI names, and a real tune under a name the test does not catch.
        std::vector<uint8_t> wave = sound_files::ToneWav(22050, 50, 440.0);
        ASSERT_TRUE(sound_files::Write(folder.path() / "Data/Wave.mid", wave));
        ASSERT_TRUE(sound_files::Write(folder.path() / "Data/Wave.midi", wave));
        ASSERT_TRUE(sound_files::Write(folder.path() / "Data/Wave.MID", wave));
        ASSERT_TRUE(sound_files::Write(folder.path() / "Data/Tune.seq", sound_files::MidiTune()));
    }

    bool Logged(const std::string& line) {
        return std::find(log().begin(), log().end(), line) != log().end();
    }

    Music music;
};

TEST_F(MusicTest, StartUpSequencePlaysTheTuneForEverAtForty) {
    StartAudio();
    ASSERT_EQ(music.Init(&audio), 1u);
    ASSERT_EQ(music.Load("Data\\Music.mid"), 1u);
    EXPECT_EQ(music.SetVolume(90), 1u);
    EXPECT_EQ(card().musicVolume, -320);
    log().clear();
    EXPECT_EQ(music.Play(40, 0), 1u);
    // Play sets its own volume: 90 set before does not survive.
    std::vector<std::string> expected = {"audio.StopMusic()", "audio.SetMusicVolume(-1920)",
                                         "audio.PlayMusic(0)"};
    EXPECT_EQ(log(), expected);
    EXPECT_EQ(music.volume, 40);
    EXPECT_TRUE(card().musicPlaying);
}

TEST_F(MusicTest, AMidNameMustHoldAStandardMidiFile) {
    StartAudio();
    music.Init(&audio);
    log().clear();
    EXPECT_EQ(music.Load("Data\\Music.mid"), 1u);
    EXPECT_TRUE(Logged("audio.SetMusicStandardMidi()"));
    EXPECT_EQ(music.Load("Data\\Wave.mid"), 0u);
    EXPECT_EQ(music.Load("Data\\Wave.midi"), 0u);
    EXPECT_TRUE(music.segment.empty());
    EXPECT_EQ(music.Play(40, 0), 0u);
}

TEST_F(MusicTest, OtherNamesSkipTheMidiCheckCaseSensitively) {
    StartAudio();
    music.Init(&audio);
    log().clear();
    EXPECT_EQ(music.Load("Data\\Wave.MID"), 1u);
    EXPECT_EQ(music.Load("Data\\Tune.seq"), 1u);
    EXPECT_FALSE(Logged("audio.SetMusicStandardMidi()"));
    EXPECT_EQ(music.Play(40, 1), 1u);
}

TEST_F(MusicTest, AFailedLoadLeavesNothingToPlay) {
    StartAudio();
    music.Init(&audio);
    music.Load("Data\\Music.mid");
    EXPECT_EQ(music.Load("Data\\Missing.mid"), 0u);
    EXPECT_TRUE(music.segment.empty());
    EXPECT_TRUE(card().music.empty());
    EXPECT_EQ(music.Play(40, 0), 0u);
    EXPECT_EQ(music.Stop(), 0u);
    EXPECT_EQ(music.Load(nullptr), 0u);
}

TEST_F(MusicTest, LoadingAgainStopsAndUnloadsThePrevious) {
    StartAudio();
    music.Init(&audio);
    music.Load("Data\\Music.mid");
    music.Play(40, 0);
    log().clear();
    music.Load("Data\\Tune.seq");
    ASSERT_GE(log().size(), 3u);
    EXPECT_EQ(log()[0], "audio.StopMusic()");
    EXPECT_EQ(log()[1], "audio.UnloadMusic()");
    EXPECT_EQ(log()[2], "audio.LoadMusic(Data\\Tune.seq)");
    EXPECT_FALSE(card().musicPlaying);
}

TEST_F(MusicTest, StopLeavesTheTuneLoaded) {
    StartAudio();
    music.Init(&audio);
    music.Load("Data\\Music.mid");
    music.Play(40, 0);
    EXPECT_EQ(music.Stop(), 1u);
    EXPECT_FALSE(card().musicPlaying);
    EXPECT_EQ(card().music, "Data\\Music.mid");
    EXPECT_EQ(music.Play(60, 0), 1u);
    EXPECT_EQ(card().musicVolume, -1280);
}

TEST_F(MusicTest, WithoutADeviceEverythingFails) {
    card().deviceAvailable = false;
    StartAudio();
    EXPECT_EQ(music.Init(&audio), 0u);
    EXPECT_EQ(music.Load("Data\\Music.mid"), 0u);
    EXPECT_EQ(music.SetVolume(90), 0u);
    EXPECT_EQ(music.Play(40, 0), 0u);
    EXPECT_EQ(music.Stop(), 0u);
    EXPECT_EQ(music.Unload(), 1u);
}

TEST_F(MusicTest, UnloadAfterTheAudioSystemWentAwayIsHarmless) {
    StartAudio();
    music.Init(&audio);
    music.Load("Data\\Music.mid");
    audio.Release();
    EXPECT_EQ(music.Unload(), 1u);
    EXPECT_TRUE(music.segment.empty());
}

struct MusicCase {
    int32_t volume;
    int32_t hundredthsDb;
    int32_t kept;
};

class MusicVolumeTest : public MusicTest, public testing::WithParamInterface<MusicCase> {};

TEST_P(MusicVolumeTest, ThirtyTwoHundredthsAStepAndZeroIsSilence) {
    StartAudio();
    music.Init(&audio);
    EXPECT_EQ(music.SetVolume(GetParam().volume), 1u);
    EXPECT_EQ(card().musicVolume, GetParam().hundredthsDb);
    EXPECT_EQ(music.volume, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Volumes, MusicVolumeTest,
                         testing::Values(MusicCase{0, -9600, 0}, MusicCase{1, -3168, 1},
                                         MusicCase{5, -3040, 5}, MusicCase{40, -1920, 40},
                                         MusicCase{60, -1280, 60}, MusicCase{84, -512, 84},
                                         MusicCase{90, -320, 90}, MusicCase{100, 0, 100},
                                         MusicCase{101, -3200, 0}, MusicCase{150, -1632, 49},
                                         MusicCase{-5, -3360, -5}));

}  // namespace
