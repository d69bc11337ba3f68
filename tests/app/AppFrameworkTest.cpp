#include "app/AppFramework.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/HeadlessBackend.h"

namespace varn {

namespace {

// A framework whose frames are scripted: it counts the calls and quits after a set number.
class ScriptedApp : public AppFramework {
  public:
    uint32_t Init() override {
        ++inits;
        return initResult;
    }
    uint32_t Cleanup() override {
        ++cleanups;
        return 1;
    }
    uint32_t Frame() override {
        ++frames;
        if (onFrame) {
            onFrame(frames);
        }
        return frames >= framesBeforeQuit ? 0 : 1;
    }

    uint32_t initResult = 1;
    int framesBeforeQuit = 1;
    int inits = 0;
    int cleanups = 0;
    int frames = 0;
    std::function<void(int)> onFrame;
};

class AppFrameworkTest : public testing::Test {
  protected:
    void SetUp() override { backend().Reset(); }
    platform::HeadlessBackend& backend() { return *platform::Headless(); }
};

}  // namespace

TEST_F(AppFrameworkTest, AFrameThatQuitsAtOnceIsFollowedByCleanup) {
    ScriptedApp app;
    app.width = 600;
    app.height = 480;
    EXPECT_EQ(app.Run(), 1u);
    EXPECT_EQ(app.frames, 1);
    EXPECT_EQ(app.cleanups, 1);
    // A popup window's client area is the window: the resize leaves it at the asked size.
    platform::Rect client = backend().ClientRect();
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 480);
    EXPECT_NE(app.GetHWnd(), nullptr);
}

TEST_F(AppFrameworkTest, ClosingTheWindowEndsTheLoopWithoutAnotherFrame) {
    ScriptedApp app;
    app.framesBeforeQuit = 1000;
    app.onFrame = [this](int frame) {
        if (frame == 3) {
            backend().messages.push_back(platform::Message::Destroy);
        }
    };
    EXPECT_EQ(app.Run(), 1u);
    EXPECT_EQ(app.frames, 3);
    EXPECT_EQ(app.cleanups, 1);
}

TEST_F(AppFrameworkTest, WaitingMessagesComeBeforeAnyFrame) {
    ScriptedApp app;
    for (int i = 0; i < 50; ++i) {
        backend().messages.push_back(platform::Message::Other);
    }
    app.onFrame = [this](int) { EXPECT_TRUE(backend().messages.empty()); };
    app.Run();
    EXPECT_EQ(app.frames, 1);
}

TEST_F(AppFrameworkTest, AFailedInitRunsNoFrameButStillCleansUp) {
    ScriptedApp app;
    app.initResult = 0;
    EXPECT_EQ(app.Run(), 0u);
    EXPECT_EQ(app.frames, 0);
    EXPECT_EQ(app.cleanups, 1);
}

TEST_F(AppFrameworkTest, NoWindowMeansNoInitAndNoCleanup) {
    backend().canCreateWindow = false;
    ScriptedApp app;
    EXPECT_EQ(app.Run(), 0u);
    EXPECT_EQ(app.inits, 0);
    EXPECT_EQ(app.cleanups, 0);
}

}  // namespace varn
