#pragma once

#include <memory>

#include "platform/Backend.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace varn {

namespace platform {

// The backend for play: an SDL window filling the screen that shows the back buffer scaled
// with its aspect kept, the keyboard and mouse through SDL, sound through SDL_mixer.
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
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* frameTexture_ = nullptr;
    std::unique_ptr<AudioDevice> audio_;
    bool videoStarted_ = false;
    bool quitPosted_ = false;
    bool foreground_ = true;
    int32_t wheel_ = 0;
};

}  // namespace platform

}  // namespace varn
