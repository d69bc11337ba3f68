#include "platform/SdlBackend.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/FirstFrameStamp.h"
#include "platform/KeyTable.h"
#include "platform/PixelFormat.h"
#include "platform/SdlAudio.h"
#include "platform/WindowManager.h"

namespace varn {

namespace platform {

SdlBackend::SdlBackend() {
    // A measured run is ended by a signal and must still write its report: SDL turns the signal
    // into a closing of the window.
    if (presentReport_.empty()) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    }
    SDL_InitSubSystem(SDL_INIT_TIMER | SDL_INIT_EVENTS);
}

SdlBackend::~SdlBackend() {
    if (audio_) {
        audio_->Close();
        audio_.reset();
    }
    CloseDisplay();
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }
    SDL_Quit();
    if (!presentReport_.empty()) {
        if (std::FILE* file = std::fopen(presentReport_.c_str(), "w")) {
            std::fputs(presentTimes_.Report().c_str(), file);
            std::fclose(file);
        }
    }
}

uint32_t SdlBackend::Milliseconds() {
    return SDL_GetTicks();
}

bool SdlBackend::CreateMainWindow(const char* caption, int x, int y, int width, int height) {
    if (!videoStarted_) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            return false;
        }
        videoStarted_ = true;
    }
    // A borderless window, like a popup: outer and client size are the same.
    window_ = SDL_CreateWindow(caption != nullptr ? caption : "", x, y, width, height,
                               SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
    return window_ != nullptr;
}

Rect SdlBackend::WindowRect() const {
    if (window_ == nullptr) {
        return Rect();
    }
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_GetWindowSize(window_, &w, &h);
    return Rect{x, y, x + w, y + h};
}

Rect SdlBackend::ClientRect() const {
    if (window_ == nullptr) {
        return Rect();
    }
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    return Rect{0, 0, w, h};
}

void SdlBackend::MoveMainWindow(int x, int y, int width, int height) {
    if (window_ == nullptr || presenter_) {
        return;  // once the display fills the screen the window keeps its size
    }
    SDL_SetWindowPosition(window_, x, y);
    SDL_SetWindowSize(window_, width, height);
}

void SdlBackend::ShowSystemCursor(bool show) {
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
    // The game draws its own pointer from relative movement.
    SDL_SetRelativeMouseMode(show ? SDL_FALSE : SDL_TRUE);
    // Movement made before the switch is not the player's first move.
    SDL_GetRelativeMouseState(nullptr, nullptr);
}

Message SdlBackend::PeekMessage() {
    if (quitPosted_) {
        quitPosted_ = false;
        return Message::Quit;
    }
    SDL_Event event;
    if (SDL_PollEvent(&event) == 0) {
        return Message::None;
    }
    switch (event.type) {
        case SDL_QUIT:
            return Message::Destroy;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                return Message::Destroy;
            }
            if (presenter_ && (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                               event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                               event.window.event == SDL_WINDOWEVENT_RESTORED)) {
                presenter_->Forget();  // the window's picture is gone or stale
            } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                foreground_ = false;
            } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                foreground_ = true;
            }
            return Message::Other;
        case SDL_MOUSEWHEEL:
            wheel_ += event.wheel.y;
            return Message::Other;
        default:
            return Message::Other;
    }
}

void SdlBackend::PostQuitMessage() {
    quitPosted_ = true;
}

bool SdlBackend::SupportsBackBufferFormat(uint32_t format, bool windowed) {
    (void)windowed;
    return format == kFormatR5G6B5 || format == kFormatX1R5G5B5;
}

bool SdlBackend::OpenDisplay(int width, int height, bool windowed) {
    if (window_ == nullptr || width <= 0 || height <= 0) {
        return false;
    }
    CloseDisplay();
    if (!windowed) {
        // Cover the desktop first: without a window manager the full-screen request alone
        // leaves the window at its old size.
        SDL_DisplayMode desktop;
        if (SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(window_), &desktop) == 0) {
            SDL_SetWindowPosition(window_, 0, 0);
            SDL_SetWindowSize(window_, desktop.w, desktop.h);
        }
        if (HasWindowManager(window_)) {
            SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
        }
    }
    // The window's surface in plain memory, not a renderer's texture behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_GetWindowSurface(window_) == nullptr) {
        return false;
    }
    SDL_DisplayMode mode;
    const int displayIndex = SDL_GetWindowDisplayIndex(window_);
    pacer_.SetRefreshRate(SDL_GetCurrentDisplayMode(displayIndex, &mode) == 0 ? mode.refresh_rate
                                                                              : 0);
    presenter_ = std::make_unique<SurfacePresenter>();
    return true;
}

void SdlBackend::CloseDisplay() {
    presenter_.reset();
    pointerMotion_ = PointerMotionScale();
}

bool SdlBackend::Present(const BackBuffer& frame) {
    if (!presenter_) {
        return false;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface == nullptr || !presenter_->Draw(frame, surface)) {
        return false;
    }
    const Clock::time_point drawn = Clock::now();
    pointerMotion_.Fit(frame.width, frame.height, presenter_->Picture());
    pacer_.WaitForFrame();
    const Clock::time_point due = Clock::now();
    if (!PushChanges()) {
        return false;
    }
    if (!presentReport_.empty()) {
        presentTimes_.Add(drawn - start, (drawn - start) + (Clock::now() - due),
                          !presenter_->Changed().empty());
    }
    StampFirstFrame();
    return true;
}

// An unchanged frame pushes nothing: the window keeps showing it.
bool SdlBackend::PushChanges() {
    const std::vector<PictureRect>& changed = presenter_->Changed();
    if (changed.empty()) {
        return true;
    }
    std::vector<SDL_Rect> rects;
    rects.reserve(changed.size());
    for (const PictureRect& rect : changed) {
        rects.push_back(SDL_Rect{rect.x, rect.y, rect.width, rect.height});
    }
    return SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size())) == 0;
}

bool SdlBackend::IsForeground() const {
    return window_ != nullptr && foreground_;
}

bool SdlBackend::ReadKeyboard(uint8_t (&keys)[256]) {
    if (!IsForeground()) {
        return false;
    }
    SDL_PumpEvents();
    int count = 0;
    const Uint8* pressed = SDL_GetKeyboardState(&count);
    std::fill(std::begin(keys), std::end(keys), 0);
    for (int scancode = 0; scancode < count; ++scancode) {
        if (pressed[scancode] != 0) {
            uint8_t code = KeyCodeFromScancode(scancode);
            if (code != 0) {
                keys[code] = 0x80;
            }
        }
    }
    return true;
}

bool SdlBackend::ReadMouse(MouseState& state) {
    if (!IsForeground()) {
        return false;
    }
    SDL_PumpEvents();
    int dx = 0;
    int dy = 0;
    Uint32 buttons = SDL_GetRelativeMouseState(&dx, &dy);
    // Movement over the picture, in frame pixels.
    pointerMotion_.Scale(dx, dy);
    state.dx = dx;
    state.dy = dy;
    state.dz = wheel_ * 120;  // one notch of the wheel is 120 units
    wheel_ = 0;
    // Button 0 is the left, 1 the right, 2 the middle, 3 the first extra button.
    state.buttons[0] = (buttons & SDL_BUTTON_LMASK) ? 0x80 : 0;
    state.buttons[1] = (buttons & SDL_BUTTON_RMASK) ? 0x80 : 0;
    state.buttons[2] = (buttons & SDL_BUTTON_MMASK) ? 0x80 : 0;
    state.buttons[3] = (buttons & SDL_BUTTON_X1MASK) ? 0x80 : 0;
    return true;
}

AudioDevice& SdlBackend::Audio() {
    if (!audio_) {
        audio_ = std::make_unique<SdlAudio>();
    }
    return *audio_;
}

}  // namespace platform

}  // namespace varn
