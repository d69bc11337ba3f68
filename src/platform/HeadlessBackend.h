#pragma once

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/HeadlessAudio.h"

namespace varn {

namespace platform {

// The backend of tests and benchmarks: no window and no sound card. The test moves the clock,
// sets the keys and the mouse, queues window messages and reads back what was presented and
// every traced platform call.
class HeadlessBackend : public Backend {
  public:
    uint32_t Milliseconds() override { return now; }

    bool CreateMainWindow(const char* caption, int x, int y, int width, int height) override;
    bool HasWindow() const override { return hasWindow_; }
    Rect WindowRect() const override { return window_; }
    Rect ClientRect() const override;
    void MoveMainWindow(int x, int y, int width, int height) override;
    void ShowSystemCursor(bool show) override;
    Message PeekMessage() override;
    void PostQuitMessage() override;

    bool SupportsBackBufferFormat(uint32_t format, bool windowed) override;
    bool OpenDisplay(int width, int height, bool windowed) override;
    void CloseDisplay() override;
    bool Present(const BackBuffer& frame) override;

    bool IsForeground() const override { return foreground; }
    bool ReadKeyboard(uint8_t (&keys)[256]) override;
    bool ReadMouse(MouseState& state) override;

    AudioDevice& Audio() override { return audio; }

    void Trace(std::string_view line) override { log.emplace_back(line); }
    void TraceFile(std::string_view gamePath) override { filesAsked.emplace_back(gamePath); }
    void TraceDraw(const SpriteDrawRecord& draw) override {
        if (recordDraws) {
            draws.push_back(draw);
        }
    }

    bool TracesText() const override { return recordTexts; }
    void TraceText(const TextDrawRecord& text) override {
        drawingTexts.push_back({std::string(text.text), text.drawn, text.requested, text.colour,
                                std::vector<uint16_t>(text.ground.begin(), text.ground.end())});
    }

    // Back to a fresh machine: clock 0, nothing pressed, no window, empty log.
    void Reset();

    // Test controls.
    uint32_t now = 0;
    uint32_t presentAdvanceMs =
        0;  // each Present moves the clock on, as waiting for the display would
    bool foreground = true;
    bool canCreateWindow = true;
    bool canOpenDisplay = true;
    bool cursorShown = true;
    std::vector<uint32_t> supportedFormats;  // empty: R5G6B5 and X1R5G5B5
    uint8_t keys[256] = {};
    MouseState mouse;  // movement is used up by the read that returns it
    std::deque<Message> messages;
    HeadlessAudio audio;

    // What the game did.
    std::vector<std::string> log;
    std::vector<std::string> filesAsked;  // game paths, as the game named them
    bool recordDraws = false;             // off by default: a long run draws millions of sprites
    std::vector<SpriteDrawRecord> draws;
    BackBuffer presented;
    // The texts drawn since the last present, and those of the presented frame.
    struct DrawnText {
        std::string text;
        Rect drawn;
        Rect requested;
        uint32_t colour = 0;
        std::vector<uint16_t> ground;  // the box's pixels before the text, inside the frame
    };
    bool recordTexts = false;
    std::vector<DrawnText> drawingTexts;
    std::vector<DrawnText> presentedTexts;
    int presentCount = 0;

    void SetKey(uint8_t code, bool down) { keys[code] = down ? 0x80 : 0; }
    void SetButton(int button, bool down) { mouse.buttons[button & 3] = down ? 0x80 : 0; }
    void MoveMouse(int32_t dx, int32_t dy) {
        mouse.dx += dx;
        mouse.dy += dy;
    }

  private:
    bool hasWindow_ = false;
    bool displayOpen_ = false;
    bool quitPosted_ = false;
    Rect window_;
};

}  // namespace platform

}  // namespace varn
