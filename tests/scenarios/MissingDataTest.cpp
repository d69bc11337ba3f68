#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/GameApp.h"
#include "app/MissingData.h"
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
    testing::internal::CaptureStderr();
    ASSERT_EQ(app.Init(), 1u);
    // One line says what is missing and where the game looked.
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("no Art folder and no Data folder in " + empty.path().string()),
              std::string::npos)
        << said;
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

// Whatever is missing is named on its own; with everything there nothing is said.
TEST(MissingData, TheReportNamesWhatIsMissing) {
    TempWorkingDir dir;
    std::filesystem::create_directory("art");  // found whatever its case
    EXPECT_EQ(MissingDataReport(true, "Arial"), "varn: no Data folder in " + dir.path().string() +
                                                    " (pictures and sounds stay blank)");
    std::filesystem::create_directory("Data");
    EXPECT_EQ(MissingDataReport(true, "Arial"), "");
    EXPECT_EQ(MissingDataReport(false, "Arial"),
              "varn: no font found for \"Arial\" or a stand-in through fontconfig (text stays "
              "blank)");
}

}  // namespace varn
