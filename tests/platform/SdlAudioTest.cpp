#include "platform/SdlAudio.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <functional>
#include <thread>
#include <utility>

#include "support/SoundFiles.h"
#include "support/TempDir.h"

namespace varn {

namespace {

using namespace std::chrono_literals;
using platform::SdlAudio;

// Polls until the condition holds or the time is up; the mixer plays in real time. The default
// limit only keeps a broken mixer from hanging the suite: a busy machine may be slow.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 20000ms) {
    for (auto waited = 0ms; !condition(); waited += 5ms) {
        if (waited >= limit) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// An open device on SDL's dummy driver, which plays in real time into nothing.
class SdlAudioTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sound_files::Write("Data/Tone.wav", sound_files::ToneWav(250, 0)));
        ASSERT_TRUE(sound_files::Write("Data/Long.wav", sound_files::ToneWav(2000, 1)));
        ASSERT_TRUE(sound_files::Write("Data/Tune.mid", sound_files::MidiTune()));
        ASSERT_TRUE(sound_files::Write("Data/Broken.wav", {'R', 'I', 'F', 'F', 1, 0, 0, 0}));
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(audio.Open(22050));
    }

    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }

    bool TrackEnds(std::chrono::milliseconds limit = 20000ms) {
        int32_t code = 0;
        return WaitFor([&] { return audio.TakeTrackEvent(code) && code == 1; }, limit);
    }

    TempWorkingDir folder;
    SdlAudio audio;
};

TEST(MixerVolumeTest, HundredthsOfADecibelBecomeGain) {
    const std::pair<double, int> levels[] = {{0, 128},    {-600, 64},     {-2000, 13},
                                             {-10000, 0}, {INT_MAX, 128}, {2.0 * INT_MIN, 0}};
    for (auto [hundredthsDb, volume] : levels) {
        EXPECT_EQ(volume, platform::MixerVolume(hundredthsDb)) << hundredthsDb;
    }
}

TEST_F(SdlAudioTest, EffectMidiAndMp3SoundTogetherAtTheirOwnVolumesOnTheOnlyOpenDevice) {
    EXPECT_FALSE(SdlAudio().Open(22050));
    ASSERT_TRUE(sound_files::EncodeMp3("Data/Tone.wav", "Data/Tone.mp3"));
    // Everything is loaded before the effect starts: loading the soundfont on a busy machine can
    // take longer than the effect lasts.
    ASSERT_TRUE(audio.LoadEffect("DATA\\tone.WAV") && audio.LoadMusic("data//Tune.mid") &&
                audio.SetMusicStandardMidi() && audio.OpenTrack("Data\\Tone.mp3"));
    ASSERT_TRUE(audio.PlayEffect(3) && audio.PlayMusic(0) && audio.RunTrack());
    // Paused while they are looked at, so that a busy machine cannot end the short sounds first.
    Mix_Pause(-1);
    Mix_PauseMusic();
    // The master volume scales the effect and the music but not the track.
    ASSERT_TRUE(audio.SetMasterVolume(1000) && audio.SetEffectVolume(-1600) &&
                audio.SetMusicVolume(-1920) && audio.SetTrackVolume(-700));
    EXPECT_EQ(64, Mix_Volume(SdlAudio::kEffectChannel, -1));
    EXPECT_EQ(44, Mix_VolumeMusic(-1));
    EXPECT_EQ(57, Mix_Volume(SdlAudio::kTrackChannel, -1));
    EXPECT_EQ(1, Mix_Playing(SdlAudio::kTrackChannel));
    EXPECT_EQ(1, Mix_Playing(SdlAudio::kEffectChannel));
    EXPECT_EQ(1, Mix_PlayingMusic());
    Mix_Resume(-1);
    Mix_ResumeMusic();
    EXPECT_TRUE(TrackEnds());
    EXPECT_TRUE(WaitFor([] { return Mix_Playing(SdlAudio::kEffectChannel) == 0; }));
}

// Bytes the mixer fed through the effect channel during one play of the effect. The mixer drops
// a channel's effects when its play ends, so one is registered for each play.
std::atomic<long> effectBytes{0};

long BytesOfOnePlay(SdlAudio& audio, int repeats) {
    effectBytes = 0;
    const auto count = [](int, void*, int len, void*) { effectBytes += len; };
    if (Mix_RegisterEffect(SdlAudio::kEffectChannel, count, nullptr, nullptr) == 0 ||
        !audio.PlayEffect(repeats) ||
        !WaitFor([] { return Mix_Playing(SdlAudio::kEffectChannel) == 0; })) {
        return -1;
    }
    return effectBytes;
}

TEST_F(SdlAudioTest, AnEffectAskedForThreeTimesIsHeardThreeTimesOver) {
    ASSERT_TRUE(audio.LoadEffect("Data\\Tone.wav"));
    const long once = BytesOfOnePlay(audio, 1);
    ASSERT_GT(once, 0);
    EXPECT_EQ(BytesOfOnePlay(audio, 3), 3 * once);
}

TEST_F(SdlAudioTest, OnlyTheTrackRunningOutRaisesItsEventOnce) {
    ASSERT_TRUE(audio.OpenTrack("Data\\Long.wav") && audio.RunTrack() && audio.StopTrack());
    EXPECT_FALSE(TrackEnds(300ms));
    ASSERT_TRUE(audio.RunTrack() && audio.SetTrackPosition(1.5));
    EXPECT_TRUE(TrackEnds(1500ms));  // half a second was left
    EXPECT_FALSE(TrackEnds(0ms));
    // Set back after its end, it plays again.
    ASSERT_TRUE(audio.SetTrackPosition(1.9) && audio.RunTrack());
    EXPECT_TRUE(TrackEnds(1000ms));
}

TEST_F(SdlAudioTest, MissingBrokenOrNonMidiFilesAreRefused) {
    ASSERT_TRUE(audio.LoadMusic("Data\\Tone.wav"));
    EXPECT_FALSE(audio.SetMusicStandardMidi());
    for (const char* name :
         {"Data\\Missing.wav", "Data\\Broken.wav", "", static_cast<const char*>(nullptr)}) {
        EXPECT_FALSE(audio.LoadEffect(name) || audio.PlayEffect(1)) << name;
        EXPECT_FALSE(audio.LoadMusic(name) || audio.PlayMusic(1)) << name;
        EXPECT_FALSE(audio.OpenTrack(name) || audio.RunTrack()) << name;
    }
}

}  // namespace

}  // namespace varn
