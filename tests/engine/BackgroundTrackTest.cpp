#include "engine/BackgroundTrack.h"

#include <gtest/gtest.h>

#include <chrono>

#include "AudioFixture.h"

namespace {

class BackgroundTrackTest : public AudioFixture {
  protected:
    // The track as the game builds it at start-up: opened, at -500, not running.
    void Build() {
        StartAudio();
        ASSERT_EQ(track.Create(&audio), 1u);
        ASSERT_EQ(track.RenderFile(L"Data\\Bedlam.mp3"), 1u);
        ASSERT_EQ(track.PutVolume(-500), 1u);
    }

    uint32_t TakeEvent() { return track.GetEvent(&code, &param1, &param2, 0); }

    BackgroundTrack track;
    int32_t code = -1;
    int32_t param1 = -1;
    int32_t param2 = -1;
};

TEST_F(BackgroundTrackTest, BuiltTrackIsLoadedButSilent) {
    Build();
    EXPECT_EQ(card().track, "Data\\Bedlam.mp3");
    EXPECT_EQ(card().trackVolume, -500);
    EXPECT_FALSE(card().trackRunning);
    EXPECT_EQ(TakeEvent(), 0u);
}

TEST_F(BackgroundTrackTest, RestartRewindsSetsTheVolumeAndRuns) {
    Build();
    card().trackPosition = 42.0;
    EXPECT_EQ(track.PutCurrentPosition(0.0), 1u);
    EXPECT_EQ(track.PutVolume(-700), 1u);
    EXPECT_EQ(track.Run(), 1u);
    EXPECT_EQ(card().trackPosition, 0.0);
    EXPECT_EQ(card().trackVolume, -700);
    EXPECT_TRUE(card().trackRunning);
    EXPECT_EQ(track.Stop(), 1u);
    EXPECT_FALSE(card().trackRunning);
}

TEST_F(BackgroundTrackTest, TheEndOfTheTrackIsOneCompletionEvent) {
    Build();
    track.Run();
    card().FinishTrack();
    EXPECT_EQ(TakeEvent(), 1u);
    EXPECT_EQ(code, BackgroundTrack::kEventComplete);
    EXPECT_EQ(param1, 0);
    EXPECT_EQ(param2, 0);
    EXPECT_EQ(track.FreeEventParams(code, param1, param2), 1u);
    EXPECT_EQ(TakeEvent(), 0u);
}

TEST_F(BackgroundTrackTest, ATimeOutWaitsForAnEventThenGivesUp) {
    Build();
    track.Run();
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(track.GetEvent(&code, &param1, &param2, 30), 0u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
    card().FinishTrack();
    EXPECT_EQ(track.GetEvent(&code, &param1, &param2, -1), 1u);
    EXPECT_EQ(code, BackgroundTrack::kEventComplete);
}

TEST_F(BackgroundTrackTest, NullOutValuesTakeNothing) {
    Build();
    card().FinishTrack();
    EXPECT_EQ(track.GetEvent(nullptr, &param1, &param2, 0), 0u);
    EXPECT_EQ(track.GetEvent(&code, nullptr, &param2, 0), 0u);
    EXPECT_EQ(track.GetEvent(&code, &param1, nullptr, 0), 0u);
    EXPECT_EQ(TakeEvent(), 1u);
}

TEST_F(BackgroundTrackTest, AMissingFileLeavesEveryCallFailing) {
    StartAudio();
    track.Create(&audio);
    EXPECT_EQ(track.RenderFile(L"Data\\Missing.mp3"), 0u);
    EXPECT_EQ(track.RenderFile(nullptr), 0u);
    EXPECT_EQ(track.Run(), 0u);
    EXPECT_EQ(track.Stop(), 0u);
    EXPECT_EQ(track.PutCurrentPosition(0.0), 0u);
    EXPECT_EQ(track.PutVolume(-700), 0u);
    EXPECT_EQ(TakeEvent(), 0u);
}

TEST_F(BackgroundTrackTest, WithoutADeviceNothingIsBuilt) {
    card().deviceAvailable = false;
    StartAudio();
    EXPECT_EQ(track.Create(&audio), 0u);
    EXPECT_EQ(track.Create(nullptr), 0u);
    EXPECT_EQ(track.RenderFile(L"Data\\Bedlam.mp3"), 0u);
    EXPECT_EQ(track.Run(), 0u);
    EXPECT_EQ(TakeEvent(), 0u);
}

TEST_F(BackgroundTrackTest, ReleaseClosesTheTrackAndIsHarmlessTwice) {
    Build();
    track.Run();
    EXPECT_EQ(track.Release(), 1u);
    EXPECT_TRUE(card().track.empty());
    EXPECT_FALSE(card().trackRunning);
    EXPECT_EQ(track.Release(), 1u);
    EXPECT_EQ(track.Run(), 0u);
}

TEST_F(BackgroundTrackTest, ReleaseAfterTheAudioSystemWentAwayIsHarmless) {
    Build();
    audio.Release();
    EXPECT_EQ(track.Release(), 1u);
    EXPECT_EQ(track.device, nullptr);
}

}  // namespace
