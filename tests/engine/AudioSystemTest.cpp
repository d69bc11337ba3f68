#include "engine/AudioSystem.h"

#include <gtest/gtest.h>

#include "AudioFixture.h"

namespace {

using AudioSystemTest = AudioFixture;

TEST_F(AudioSystemTest, InitOpensTheDeviceAtTheRateAndRaisesTheMasterVolume) {
    EXPECT_EQ(StartAudio(), 1u);
    EXPECT_TRUE(card().IsOpen());
    EXPECT_EQ(audio.window, window);
    EXPECT_NE(audio.GetPerformance(), nullptr);
    EXPECT_NE(audio.GetLoader(), nullptr);
    EXPECT_EQ(audio.masterVolume, 100);
    EXPECT_EQ(card().masterVolume, 1000);
    ASSERT_EQ(log().size(), 2u);
    EXPECT_EQ(log()[0], "audio.Open(22050)");
    EXPECT_EQ(log()[1], "audio.SetMasterVolume(1000)");
}

TEST_F(AudioSystemTest, NullWindowFailsWithoutTouchingTheDevice) {
    EXPECT_EQ(audio.Init(nullptr, 22050), 0u);
    EXPECT_EQ(audio.GetPerformance(), nullptr);
    EXPECT_FALSE(card().IsOpen());
    EXPECT_TRUE(log().empty());
    EXPECT_EQ(audio.SetMasterVolume(50), 0u);
}

TEST_F(AudioSystemTest, NoDeviceLeavesTheGameSilent) {
    card().deviceAvailable = false;
    EXPECT_EQ(StartAudio(), 0u);
    EXPECT_EQ(audio.GetPerformance(), nullptr);
    EXPECT_EQ(audio.SetMasterVolume(100), 0u);
    EXPECT_EQ(audio.masterVolume, 0);
}

TEST_F(AudioSystemTest, ReleaseClosesTheDeviceAndIsHarmlessTwice) {
    StartAudio();
    EXPECT_EQ(audio.Release(), 1u);
    EXPECT_FALSE(card().IsOpen());
    EXPECT_EQ(audio.GetPerformance(), nullptr);
    EXPECT_EQ(audio.GetLoader(), nullptr);
    EXPECT_EQ(audio.Release(), 1u);
    EXPECT_EQ(audio.SetMasterVolume(100), 0u);
}

TEST_F(AudioSystemTest, InitAgainStartsFromAClosedDevice) {
    StartAudio();
    log().clear();
    EXPECT_EQ(StartAudio(), 1u);
    ASSERT_GE(log().size(), 2u);
    EXPECT_EQ(log()[0], "audio.Close()");
    EXPECT_EQ(log()[1], "audio.Open(22050)");
}

struct MasterCase {
    int32_t volume;
    int32_t hundredthsDb;
    int32_t kept;
};

class MasterVolumeTest : public AudioFixture, public testing::WithParamInterface<MasterCase> {};

TEST_P(MasterVolumeTest, FoldsByTheRemainderAndGivesOneDecibelASteps) {
    StartAudio();
    EXPECT_EQ(audio.SetMasterVolume(GetParam().volume), 1u);
    EXPECT_EQ(card().masterVolume, GetParam().hundredthsDb);
    EXPECT_EQ(audio.masterVolume, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Volumes, MasterVolumeTest,
                         testing::Values(MasterCase{0, -9000, 0}, MasterCase{1, -8900, 1},
                                         MasterCase{5, -8500, 5}, MasterCase{40, -5000, 40},
                                         MasterCase{60, -3000, 60}, MasterCase{84, -600, 84},
                                         MasterCase{90, 0, 90}, MasterCase{100, 1000, 100},
                                         MasterCase{101, -9000, 0}, MasterCase{150, -4100, 49},
                                         MasterCase{-5, -9500, -5}, MasterCase{-150, -13900, -49}));

}  // namespace
