#include "platform/SdlAudio.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <thread>
#include <vector>

#include "support/SoundFiles.h"
#include "support/TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Polls until the condition holds or the time is up; the mixer plays in real time.
bool WaitFor(const std::function<bool()>& condition, milliseconds limit = milliseconds(3000)) {
    Clock::time_point deadline = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(milliseconds(5));
    }
    return true;
}

class SdlAudioTest : public testing::Test {
  protected:
    void SetUp() override {
        // A driver that plays in real time into nothing, so the tests need no sound card.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        Put("Data/Tone.wav", sound_files::ToneWav(22050, 250, 440.0));
        Put("Data/Long.wav", sound_files::ToneWav(22050, 2000, 330.0));
        Put("Data/Tune.mid", sound_files::MidiTune());
        Put("Data/Wave.mid", sound_files::ToneWav(22050, 100, 550.0));
        std::vector<uint8_t> truncated = sound_files::ToneWav(22050, 100, 440.0);
        truncated.resize(20);
        Put("Data/Broken.wav", truncated);
        Put("Data/Broken.mid", truncated);
        Put("Data/Broken.mp3", truncated);
    }

    void TearDown() override {
        audio.Close();
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
    }

    void Put(const char* name, const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(sound_files::Write(folder.path() / name, bytes));
    }

    // The game's MP3 track, encoded from the 250 ms tone.
    bool MakeMp3() {
        return sound_files::EncodeMp3(folder.path() / "Data/Tone.wav",
                                      folder.path() / "Data/Bedlam.mp3");
    }

    bool TrackEnded() {
        int32_t code = 0;
        return audio.TakeTrackEvent(code) && code == 1;
    }

    TempWorkingDir folder;
    platform::SdlAudio audio;
};

TEST(MixerVolumeTest, HundredthsOfADecibelBecomeGain) {
    EXPECT_EQ(platform::MixerVolume(0), 128);
    EXPECT_EQ(platform::MixerVolume(-600), 64);
    EXPECT_EQ(platform::MixerVolume(-2000), 13);
    EXPECT_EQ(platform::MixerVolume(-10000), 0);
    EXPECT_EQ(platform::MixerVolume(1000), 128);
    EXPECT_EQ(platform::MixerVolume(INT_MAX), 128);
    EXPECT_EQ(platform::MixerVolume(2.0 * INT_MIN), 0);
}

TEST_F(SdlAudioTest, OpensAtTheGameRateAndClosesTwiceSafely) {
    ASSERT_TRUE(audio.Open(22050));
    int frequency = 0;
    uint16_t format = 0;
    int channels = 0;
    ASSERT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
    EXPECT_EQ(frequency, 22050);
    audio.Close();
    EXPECT_FALSE(audio.IsOpen());
    audio.Close();
    EXPECT_FALSE(audio.Open(0));
}

TEST_F(SdlAudioTest, EffectMidiAndMp3SoundTogether) {
    if (!MakeMp3()) {
        GTEST_SKIP() << "lame is not installed: no MP3 to play";
    }
    ASSERT_TRUE(audio.Open(22050));
    ASSERT_TRUE(audio.LoadEffect("Data\\Long.wav"));
    ASSERT_TRUE(audio.PlayEffect(0));
    ASSERT_TRUE(audio.LoadMusic("Data\\Tune.mid"));
    EXPECT_TRUE(audio.SetMusicStandardMidi());
    ASSERT_TRUE(audio.PlayMusic(0));
    ASSERT_TRUE(audio.OpenTrack("Data\\Bedlam.mp3"));
    ASSERT_TRUE(audio.RunTrack());
    EXPECT_EQ(Mix_Playing(platform::SdlAudio::kEffectChannel), 1);
    EXPECT_EQ(Mix_Playing(platform::SdlAudio::kTrackChannel), 1);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_TRUE(WaitFor([&] { return TrackEnded(); }));
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(SdlAudioTest, ANewEffectReplacesAnEndlessOne) {
    ASSERT_TRUE(audio.Open(22050));
    audio.LoadEffect("Data\\Long.wav");
    ASSERT_TRUE(audio.PlayEffect(0));
    ASSERT_TRUE(audio.LoadEffect("Data\\Tone.wav"));
    ASSERT_TRUE(audio.PlayEffect(1));
    EXPECT_TRUE(WaitFor([] { return Mix_Playing(platform::SdlAudio::kEffectChannel) == 0; }));
}

TEST_F(SdlAudioTest, AnEffectIsHeardAsOftenAsRepeatsSays) {
    ASSERT_TRUE(audio.Open(22050));
    audio.LoadEffect("Data\\Tone.wav");
    Clock::time_point start = Clock::now();
    ASSERT_TRUE(audio.PlayEffect(3));
    // Once would be over after 250 ms; three times lasts 750 ms.
    std::this_thread::sleep_until(start + milliseconds(500));
    EXPECT_EQ(Mix_Playing(platform::SdlAudio::kEffectChannel), 1);
    EXPECT_TRUE(WaitFor([] { return Mix_Playing(platform::SdlAudio::kEffectChannel) == 0; }));
}

TEST_F(SdlAudioTest, TrackEndIsOneEventAndRewindPlaysItAgain) {
    ASSERT_TRUE(audio.Open(22050));
    ASSERT_TRUE(audio.OpenTrack("Data\\Tone.wav"));
    ASSERT_TRUE(audio.RunTrack());
    ASSERT_TRUE(WaitFor([&] { return TrackEnded(); }));
    EXPECT_FALSE(TrackEnded());
    EXPECT_EQ(Mix_Playing(platform::SdlAudio::kTrackChannel), 0);
    ASSERT_TRUE(audio.SetTrackPosition(0.0));
    ASSERT_TRUE(audio.RunTrack());
    EXPECT_EQ(Mix_Playing(platform::SdlAudio::kTrackChannel), 1);
    EXPECT_TRUE(WaitFor([&] { return TrackEnded(); }));
}

TEST_F(SdlAudioTest, StopHoldsThePlaceWithoutAnEvent) {
    ASSERT_TRUE(audio.Open(22050));
    ASSERT_TRUE(audio.OpenTrack("Data\\Tone.wav"));
    ASSERT_TRUE(audio.RunTrack());
    ASSERT_TRUE(audio.StopTrack());
    EXPECT_EQ(Mix_Paused(platform::SdlAudio::kTrackChannel), 1);
    std::this_thread::sleep_for(milliseconds(400));
    EXPECT_FALSE(TrackEnded());
    ASSERT_TRUE(audio.RunTrack());
    EXPECT_EQ(Mix_Paused(platform::SdlAudio::kTrackChannel), 0);
    EXPECT_TRUE(WaitFor([&] { return TrackEnded(); }));
}

TEST_F(SdlAudioTest, SeekingWhileRunningGoesOnPlayingWithoutAnEvent) {
    ASSERT_TRUE(audio.Open(22050));
    ASSERT_TRUE(audio.OpenTrack("Data\\Long.wav"));
    ASSERT_TRUE(audio.RunTrack());
    ASSERT_TRUE(audio.SetTrackPosition(1.5));
    EXPECT_FALSE(TrackEnded());
    EXPECT_EQ(Mix_Playing(platform::SdlAudio::kTrackChannel), 1);
    // Half a second is left of the two.
    EXPECT_TRUE(WaitFor([&] { return TrackEnded(); }, milliseconds(1500)));
}

TEST_F(SdlAudioTest, RunningAtTheEndCompletesAtOnce) {
    ASSERT_TRUE(audio.Open(22050));
    ASSERT_TRUE(audio.OpenTrack("Data\\Tone.wav"));
    ASSERT_TRUE(audio.SetTrackPosition(1000.0));
    ASSERT_TRUE(audio.RunTrack());
    EXPECT_TRUE(TrackEnded());
    EXPECT_EQ(Mix_Playing(platform::SdlAudio::kTrackChannel), 0);
}

TEST_F(SdlAudioTest, MasterScalesEffectAndMusicButNotTheTrack) {
    ASSERT_TRUE(audio.Open(22050));
    ASSERT_TRUE(audio.OpenTrack("Data\\Tone.wav"));
    ASSERT_TRUE(audio.SetMasterVolume(1000));
    ASSERT_TRUE(audio.SetEffectVolume(-1600));
    ASSERT_TRUE(audio.SetMusicVolume(-1920));
    ASSERT_TRUE(audio.SetTrackVolume(-700));
    EXPECT_EQ(Mix_Volume(platform::SdlAudio::kEffectChannel, -1), 64);
    EXPECT_EQ(Mix_VolumeMusic(-1), 44);
    EXPECT_EQ(Mix_Volume(platform::SdlAudio::kTrackChannel, -1), 57);
    ASSERT_TRUE(audio.SetMasterVolume(-9000));
    EXPECT_EQ(Mix_Volume(platform::SdlAudio::kEffectChannel, -1), 0);
}

TEST_F(SdlAudioTest, StandardMidiIsKnownByContentNotName) {
    ASSERT_TRUE(audio.Open(22050));
    ASSERT_TRUE(audio.LoadMusic("Data\\Tune.mid"));
    EXPECT_TRUE(audio.SetMusicStandardMidi());
    ASSERT_TRUE(audio.LoadMusic("Data\\Wave.mid"));
    EXPECT_FALSE(audio.SetMusicStandardMidi());
    audio.UnloadMusic();
    EXPECT_FALSE(audio.SetMusicStandardMidi());
}

TEST_F(SdlAudioTest, MissingAndBrokenFilesAreRefused) {
    ASSERT_TRUE(audio.Open(22050));
    for (const char* name :
         std::initializer_list<const char*>{"Data\\Missing.wav", "Data\\Broken.wav", "", nullptr}) {
        EXPECT_FALSE(audio.LoadEffect(name));
        EXPECT_FALSE(audio.PlayEffect(1));
    }
    for (const char* name :
         std::initializer_list<const char*>{"Data\\Missing.mid", "Data\\Broken.mid", nullptr}) {
        EXPECT_FALSE(audio.LoadMusic(name));
        EXPECT_FALSE(audio.PlayMusic(1));
        EXPECT_FALSE(audio.StopMusic());
    }
    for (const char* name :
         std::initializer_list<const char*>{"Data\\Missing.mp3", "Data\\Broken.mp3", nullptr}) {
        EXPECT_FALSE(audio.OpenTrack(name));
        EXPECT_FALSE(audio.RunTrack());
        EXPECT_FALSE(audio.SetTrackVolume(-500));
    }
}

TEST_F(SdlAudioTest, GamePathsAreFoundWhateverTheirCase) {
    ASSERT_TRUE(audio.Open(22050));
    EXPECT_TRUE(audio.LoadEffect("DATA\\tone.WAV"));
    EXPECT_TRUE(audio.LoadMusic("data//Tune.mid"));
}

TEST_F(SdlAudioTest, WithoutAUsableDriverEverythingFailsCleanly) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(audio.Open(22050));
    EXPECT_FALSE(audio.IsOpen());
    EXPECT_FALSE(audio.SetMasterVolume(0));
    EXPECT_FALSE(audio.LoadEffect("Data\\Tone.wav"));
    EXPECT_FALSE(audio.PlayEffect(1));
    EXPECT_FALSE(audio.SetEffectVolume(0));
    EXPECT_FALSE(audio.LoadMusic("Data\\Tune.mid"));
    EXPECT_FALSE(audio.SetMusicVolume(0));
    EXPECT_FALSE(audio.OpenTrack("Data\\Tone.wav"));
    EXPECT_FALSE(audio.RunTrack());
    EXPECT_FALSE(audio.SetTrackPosition(0.0));
    EXPECT_FALSE(TrackEnded());
    audio.StopEffect();
    audio.CloseTrack();
    audio.Close();
}

TEST_F(SdlAudioTest, OnlyOneDeviceHoldsTheMixer) {
    ASSERT_TRUE(audio.Open(22050));
    platform::SdlAudio second;
    EXPECT_FALSE(second.Open(22050));
    audio.Close();
    EXPECT_TRUE(second.Open(22050));
}

// The loudest sample the disk driver wrote while a 250 ms tone played at the given level.
int LoudestSampleWritten(platform::SdlAudio& audio, const std::filesystem::path& output,
                         int32_t effectHundredthsDb) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    if (!audio.Open(22050) || !audio.LoadEffect("Data\\Tone.wav") ||
        !audio.SetEffectVolume(effectHundredthsDb) || !audio.PlayEffect(1)) {
        return -1;
    }
    WaitFor([] { return Mix_Playing(platform::SdlAudio::kEffectChannel) == 0; });
    audio.Close();
    FILE* file = std::fopen(output.c_str(), "rb");
    if (file == nullptr) {
        return -1;
    }
    int loudest = 0;
    int16_t sample = 0;
    while (std::fread(&sample, sizeof sample, 1, file) == 1) {
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    std::fclose(file);
    return loudest;
}

TEST_F(SdlAudioTest, EffectVolumeReachesTheOutput) {
    EXPECT_GT(LoudestSampleWritten(audio, folder.path() / "loud.raw", 0), 8000);
    EXPECT_EQ(LoudestSampleWritten(audio, folder.path() / "silent.raw", -10000), 0);
}

}  // namespace
