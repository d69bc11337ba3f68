#include <cstdio>

#include "app/GameApp.h"

namespace varn {

void GameApp::BeginFrameTiming() {
    if (frameTimingOn != 0) {
        frameStart = platform::TimeGetTime();
    }
}

void GameApp::CountFps() {
    if (fpsMs <= 1000) {
        fpsMs += frameMs;
        fpsFrames += 1;
    }
    if (fpsMs > 1000) {
        fps = fpsFrames;
        fpsMs = 0;
        fpsFrames = 0;
    }
}

void GameApp::EndFrameTiming() {
    if (frameTimingOn != 0) {
        frameMs = platform::TimeGetTime() - frameStart;
    } else {
        frameTimingOn = 1;
    }
}

void GameApp::EnterState() {
    statePhase = 0;
    frameTimingOn = 0;
    stateTimerRestart = 1;
    stateSeconds = 0;
}

void GameApp::UpdateStateSeconds() {
    if (stateTimerRestart == 1) {
        stateStartMs = platform::TimeGetTime();
        stateTimerRestart = 0;
    }
    stateSeconds = (platform::TimeGetTime() - stateStartMs) / 1000;
}

void GameApp::DrawFrameRate(int y) {
    constexpr uint32_t kFrameRateColour = 0xFFF582F5;
    char text[32];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(fps));
    font.DrawText(text, 20, y, 400, 100, kFrameRateColour, 0);
    font.DrawText("Frames per second", 50, y, 400, 100, kFrameRateColour, 0);
}

}  // namespace varn
