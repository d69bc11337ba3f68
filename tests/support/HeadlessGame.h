#pragma once

#include <functional>

#include "app/GameApp.h"
#include "platform/HeadlessBackend.h"
#include "support/GameData.h"

namespace varn {

// Sees the input around every frame the helpers run: a recording of the game.
class FrameInputWatch {
  public:
    virtual ~FrameInputWatch() = default;
    virtual void BeforeFrame() = 0;
    virtual void AfterFrame() = 0;
};

// A GameApp brought up on the headless backend over the placeholder data, frames run by hand.
class HeadlessGame {
  public:
    HeadlessGame() {
        backend().Reset();
        backend().recordTexts = true;
        backend().CreateMainWindow(app.caption, app.x, app.y, app.width, app.height);
        app.hWnd = &backend();
        app.Init();
    }
    ~HeadlessGame() { app.Cleanup(); }

    static platform::HeadlessBackend& backend() { return *platform::Headless(); }

    void RunFrames(int count) {
        for (int i = 0; i < count; ++i) {
            if (inputWatch != nullptr) {
                inputWatch->BeforeFrame();
            }
            app.Frame();
            if (inputWatch != nullptr) {
                inputWatch->AfterFrame();
            }
            if (afterFrame) {
                afterFrame();
            }
        }
    }

    // Called after every frame the helpers run, when set.
    std::function<void()> afterFrame;
    // Called, when set, with a box shown that the player reads before putting it away.
    std::function<void()> readingBox;
    FrameInputWatch* inputWatch = nullptr;

    GameDataDir data;  // first: the app loads from it
    GameApp app;
};

}  // namespace varn
