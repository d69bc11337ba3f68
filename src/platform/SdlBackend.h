#pragma once

#include <memory>
#include <string>

#include "platform/Backend.h"
#include "platform/FramePacer.h"
#include "platform/Letterbox.h"
#include "platform/PresentTimes.h"
#include "platform/SurfacePresenter.h"

struct SDL_Window;

namespace varn {

namespace platform {

// The backend for play: an SDL window filling the screen that shows the back buffer scaled
// with its aspect kept, at most once per refresh of the display, the keyboard and mouse through
// SDL, sound through SDL_mixer.
//
// The frame goes to the window's own surface, not through an SDL renderer: measured on a machine
// without a GPU, a renderer brings a software OpenGL rasteriser with a thread per core, several
// times the memory and start-up time, and a conversion of every frame anyway.
class SdlBackend : public Backend {
  public:
    SdlBackend();
    ~SdlBackend() override;

    uint32_t Milliseconds() override;

    bool CreateMainWindow(const char* caption, int x, int y, int width, int height) override;
    bool HasWindow() const override { return window_ != nullptr; }
    Rect WindowRect() const override;
    Rect ClientRect() const override;
    void MoveMainWindow(int x, int y, int width, int height) override;
    void ShowSystemCursor(bool show) override;
    Message PeekMessage() override;
    void PostQuitMessage() override;

    bool SupportsBackBufferFormat(uint32_t format, bool windowed) override;
    bool OpenDisplay(int width, int height, bool windowed) override;
    void CloseDisplay() override;
    bool Present(const BackBuffer& frame) override;

    bool IsForeground() const override;
    bool ReadKeyboard(uint8_t (&keys)[256]) override;
    bool ReadMouse(MouseState& state) override;

    AudioDevice& Audio() override;

  private:
    bool PushChanges();

    SDL_Window* window_ = nullptr;
    std::unique_ptr<SurfacePresenter> presenter_;  // set while the display is open
    SteadyPacingClock pacingClock_;
    FramePacer pacer_{pacingClock_};
    PointerMotionScale pointerMotion_;
    std::unique_ptr<AudioDevice> audio_;
    bool videoStarted_ = false;
    bool quitPosted_ = false;
    bool foreground_ = true;
    int32_t wheel_ = 0;
    std::string presentReport_ = PresentTimes::RequestedReport();  // empty: not measured
    PresentTimes presentTimes_;
};

}  // namespace platform

}  // namespace varn
