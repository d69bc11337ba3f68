#include "platform/Letterbox.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace varn {

namespace {

struct Desktop {
    int width;
    int height;
    platform::PictureRect picture;
};

// The 800 x 600 frame on the desktops players have, and a few odd ones.
constexpr Desktop kDesktops[] = {
    {800, 600, {0, 0, 800, 600}},       {1024, 768, {0, 0, 1024, 768}},
    {1920, 1080, {240, 0, 1440, 1080}}, {1366, 768, {171, 0, 1024, 768}},
    {1280, 1024, {0, 32, 1280, 960}},   {2560, 1080, {560, 0, 1440, 1080}},
    {3840, 2160, {480, 0, 2880, 2160}}, {600, 800, {0, 175, 600, 450}},
    {801, 600, {0, 0, 800, 600}},       {640, 481, {0, 0, 640, 480}},
};

TEST(LetterboxTest, PictureIsTheLargestCentredRectangleOfTheFramesShape) {
    for (const Desktop& desktop : kDesktops) {
        SCOPED_TRACE(testing::Message() << desktop.width << " x " << desktop.height);
        const platform::PictureRect picture =
            platform::LetterboxRect(800, 600, desktop.width, desktop.height);
        EXPECT_EQ(picture, desktop.picture);
    }
}

TEST(LetterboxTest, NoPictureWithoutAnArea) {
    EXPECT_EQ(platform::LetterboxRect(800, 600, 0, 768), platform::PictureRect{});
    EXPECT_EQ(platform::LetterboxRect(800, 600, 1024, -1), platform::PictureRect{});
    EXPECT_EQ(platform::LetterboxRect(0, 600, 1024, 768), platform::PictureRect{});
}

TEST(LetterboxTest, PointerSweepAcrossThePictureCrossesTheFrame) {
    for (const Desktop& desktop : kDesktops) {
        SCOPED_TRACE(testing::Message() << desktop.width << " x " << desktop.height);
        platform::PointerMotionScale scale;
        scale.Fit(800, 600, desktop.picture);

        // One pixel at a time: every fraction is kept.
        int32_t x = 0;
        for (int step = 0; step < desktop.picture.width; ++step) {
            int32_t dx = 1;
            int32_t dy = 0;
            scale.Scale(dx, dy);
            EXPECT_EQ(dy, 0);
            x += dx;
        }
        EXPECT_EQ(x, 800);

        // And back in one move, down in one move.
        int32_t dx = -desktop.picture.width;
        int32_t dy = desktop.picture.height;
        scale.Scale(dx, dy);
        EXPECT_EQ(x + dx, 0);
        EXPECT_EQ(dy, 600);
    }
}

TEST(LetterboxTest, PointerJitterDoesNotDrift) {
    platform::PointerMotionScale scale;
    scale.Fit(800, 600, platform::PictureRect{240, 0, 1440, 1080});
    int32_t x = 0;
    int32_t y = 0;
    for (int i = 0; i < 1000; ++i) {
        int32_t dx = i % 2 == 0 ? 3 : -3;
        int32_t dy = i % 2 == 0 ? -1 : 1;
        scale.Scale(dx, dy);
        x += dx;
        y += dy;
        EXPECT_LE(std::abs(x), 2);
        EXPECT_LE(std::abs(y), 1);
    }
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

TEST(LetterboxTest, PointerIsUnscaledUntilFittedOrWithoutAPicture) {
    platform::PointerMotionScale scale;
    int32_t dx = 7;
    int32_t dy = -5;
    scale.Scale(dx, dy);
    EXPECT_EQ(dx, 7);
    EXPECT_EQ(dy, -5);

    scale.Fit(800, 600, platform::PictureRect{});
    scale.Scale(dx, dy);
    EXPECT_EQ(dx, 7);
    EXPECT_EQ(dy, -5);
}

TEST(LetterboxTest, RefittingToANewPictureDropsTheCarriedFraction) {
    platform::PointerMotionScale scale;
    scale.Fit(800, 600, platform::PictureRect{240, 0, 1440, 1080});
    int32_t dx = 1;  // 0.56 of a frame pixel, carried
    int32_t dy = 0;
    scale.Scale(dx, dy);
    EXPECT_EQ(dx, 0);

    scale.Fit(800, 600, platform::PictureRect{240, 0, 1440, 1080});  // same: carry kept
    dx = 1;
    scale.Scale(dx, dy);
    EXPECT_EQ(dx, 1);

    scale.Fit(800, 600, platform::PictureRect{0, 0, 1024, 768});
    dx = 1;  // 0.78: nothing carried from before, so still under one pixel
    scale.Scale(dx, dy);
    EXPECT_EQ(dx, 0);
}

}  // namespace

}  // namespace varn
