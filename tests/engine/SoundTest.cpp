#include "engine/Sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AudioFixture.h"

namespace {

class SoundTest : public AudioFixture {
  protected:
    Sound sound;
};

TEST_F(SoundTest, InitNeedsAnOpenDevice) {
    EXPECT_EQ(sound.Init(nullptr), 0u);
    EXPECT_EQ(sound.Init(&audio), 0u);  // not started
    card().deviceAvailable = false;
    StartAudio();
    EXPECT_EQ(sound.Init(&audio), 0u);
    EXPECT_EQ(sound.audioPath, nullptr);
}

TEST_F(SoundTest, PlayLoadsSetsTheVolumeThenPlays) {
    StartAudio();
    ASSERT_EQ(sound.Init(&audio), 1u);
    log().clear();
    EXPECT_EQ(sound.Play("Data\\Vibrate.wav", 5, 1), 1u);
    std::vector<std::string> expected = {"audio.LoadEffect(Data\\Vibrate.wav)",
                                         "audio.SetEffectVolume(-9500)", "audio.PlayEffect(1)"};
    EXPECT_EQ(log(), expected);
    EXPECT_TRUE(card().effectPlaying);
    EXPECT_EQ(sound.segment, "Data\\Vibrate.wav");
    EXPECT_EQ(sound.volume, 5);
    EXPECT_EQ(sound.repeats, 1);
}

TEST_F(SoundTest, ASecondEffectCutsTheFirstOff) {
    StartAudio();
    sound.Init(&audio);
    sound.Play("Data\\Vibrate.wav", 100, 0);
    log().clear();
    EXPECT_EQ(sound.Play("Data\\Key.wav", 90, 1), 1u);
    ASSERT_GE(log().size(), 3u);
    EXPECT_EQ(log()[0], "audio.StopEffect()");
    EXPECT_EQ(log()[1], "audio.UnloadEffect()");
    EXPECT_EQ(log()[2], "audio.LoadEffect(Data\\Key.wav)");
    EXPECT_EQ(card().effect, "Data\\Key.wav");
    EXPECT_TRUE(card().effectPlaying);
}

TEST_F(SoundTest, RepeatsReachTheDeviceAsTimesHeard) {
    StartAudio();
    sound.Init(&audio);
    for (int repeats : {1, 3, 0}) {
        log().clear();
        sound.Play("Data\\Key.wav", 90, repeats);
        EXPECT_EQ(log().back(), "audio.PlayEffect(" + std::to_string(repeats) + ")");
    }
}

TEST_F(SoundTest, AMissingFilePlaysNothing) {
    StartAudio();
    sound.Init(&audio);
    sound.Play("Data\\Vibrate.wav", 5, 0);
    EXPECT_EQ(sound.Play("Data\\Missing.wav", 5, 1), 0u);
    EXPECT_TRUE(sound.segment.empty());
    EXPECT_FALSE(card().effectPlaying);
    EXPECT_EQ(sound.Play(nullptr, 5, 1), 0u);
}

TEST_F(SoundTest, WithoutAChannelEverythingFails) {
    EXPECT_EQ(sound.Play("Data\\Vibrate.wav", 5, 1), 0u);
    EXPECT_EQ(sound.SetVolume(50), 0u);
    EXPECT_EQ(sound.volume, 0);
    EXPECT_TRUE(log().empty());
}

TEST_F(SoundTest, ReleaseStopsTheEffectAndDropsTheChannel) {
    StartAudio();
    sound.Init(&audio);
    sound.Play("Data\\Vibrate.wav", 5, 0);
    EXPECT_EQ(sound.Release(), 1u);
    EXPECT_FALSE(card().effectPlaying);
    EXPECT_TRUE(card().effect.empty());
    EXPECT_EQ(sound.audioPath, nullptr);
    EXPECT_EQ(sound.Play("Data\\Vibrate.wav", 5, 1), 0u);
}

struct EffectCase {
    int32_t volume;
    int32_t hundredthsDb;
    int32_t kept;
};

class EffectVolumeTest : public SoundTest, public testing::WithParamInterface<EffectCase> {};

TEST_P(EffectVolumeTest, OneDecibelAStepBelowFullVolume) {
    StartAudio();
    sound.Init(&audio);
    EXPECT_EQ(sound.SetVolume(GetParam().volume), 1u);
    EXPECT_EQ(card().effectVolume, GetParam().hundredthsDb);
    EXPECT_EQ(sound.volume, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Volumes, EffectVolumeTest,
                         testing::Values(EffectCase{0, -10000, 0}, EffectCase{1, -9900, 1},
                                         EffectCase{5, -9500, 5}, EffectCase{40, -6000, 40},
                                         EffectCase{60, -4000, 60}, EffectCase{84, -1600, 84},
                                         EffectCase{90, -1000, 90}, EffectCase{100, 0, 100},
                                         EffectCase{101, -10000, 0}, EffectCase{150, -5100, 49},
                                         EffectCase{-5, -10500, -5}));

}  // namespace
