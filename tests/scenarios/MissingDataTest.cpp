#include <gtest/gtest.h>

#include <algorithm>

#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "platform/HeadlessBackend.h"
#include "support/TempDir.h"

namespace varn {

// A working folder with no game data at all: the game starts, runs silent and dark, and quits.
TEST(MissingData, TheGameRunsWithoutAnyPictureOrSound) {
    TempWorkingDir empty;
    platform::HeadlessBackend& backend = *platform::Headless();
    backend.Reset();
    GameApp app;
    backend.CreateMainWindow(app.caption, 0, 0, 600, 480);
    app.hWnd = &backend;
    ASSERT_EQ(app.Init(), 1u);
    EXPECT_FALSE(backend.audio.musicPlaying);
    EXPECT_TRUE(backend.audio.track.empty());

    backend.MoveMouse(30, -20);
    for (int frame = 0; frame < 3; ++frame) {
        app.Frame();
    }
    EXPECT_EQ(backend.presentCount, 3);
    // No pointer picture: nothing but the cleared screen, while the position is still tracked.
    const std::vector<uint16_t>& pixels = backend.presented.pixels;
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](uint16_t p) { return p == 0; }));
    EXPECT_EQ(app.mouseCursor.x, 430);
    EXPECT_EQ(app.mouseCursor.y, 380);

    backend.SetKey(kKeyEscape, true);
    app.Frame();
    EXPECT_EQ(app.quit, 1);
    app.Cleanup();
}

}  // namespace varn
