#include <cstdio>

#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "engine/Settings.h"

namespace varn {

bool GameApp::OpenFrame() {
    return OpenFrame([] {});
}

void GameApp::CloseFrame(FrameRateRow frameRateRow) {
    CloseFrame(frameRateRow, [] {});
}

void GameApp::SwitchState(StateThunk next, uint8_t phase, bool restartStateClock) {
    stateHandler = next;
    if (restartStateClock) {
        stateTimerRestart = 1;
    }
    statePhase = phase;
    switchedThisFrame = true;
}

Leave GameApp::Leaving() const {
    if (!switchedThisFrame) {
        return Leave::Stay;
    }
    switch (statePhase) {
        case kPhaseRunning:
        case kPhaseKeepScreen:
            return Leave::KeepScreen;
        case kPhaseWriteBack:
            return Leave::WriteBack;
        default:
            return Leave::Free;
    }
}

bool GameApp::LeavingFrees() const {
    const Leave leave = Leaving();
    return leave == Leave::Free || leave == Leave::WriteBack;
}

void GameApp::PollKeyboard() {
    keyboard.SetAcquired(1);
    keyboard.Update();
}

bool GameApp::KeyOnce(uint8_t key) {
    if (keyboard.KeyPressed(key) == 0) {
        return false;
    }
    keyboard.SetLatch(key, 1);
    return true;
}

bool GameApp::BackKeyOnce() {
    return KeyOnce(kKeyEscape) || KeyOnce(kKeyBack);
}

uint8_t GameApp::PollButtons(ButtonBar& buttons, bool pressesTaken) {
    return buttons.Poll(mouseCursor.x, mouseCursor.y, mouseCursor.mouse, pressesTaken);
}

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
    statePhase = kPhaseRunning;
    frameTimingOn = 0;
    stateTimerRestart = 1;
    stateSeconds = 0;
}

void GameApp::StartScene() {
    mouseCursor.Update();
    device.BeginScene();
    device.Clear(0);
}

void GameApp::UpdateStateSeconds() {
    if (stateTimerRestart == 1) {
        stateStartMs = platform::TimeGetTime();
        stateTimerRestart = 0;
    }
    stateSeconds = (platform::TimeGetTime() - stateStartMs) / 1000;
}

void GameApp::ShowFrameRate(FrameRateRow row) {
    if (row == FrameRateRow::None || settings == nullptr || settings->values[0] == 0) {
        return;
    }
    constexpr uint32_t kFrameRateColour = 0xFFF582F5;
    const int y = row == FrameRateRow::Top ? 6 : 560;
    char text[32];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(fps));
    font.DrawText(text, 20, y, 400, 100, kFrameRateColour, 0);
    font.DrawText("Frames per second", 50, y, 400, 100, kFrameRateColour, 0);
}

void GameApp::FinishScene() {
    mouseCursor.Draw();
    device.EndScene();
    device.Present();
}

}  // namespace varn
