#include "platform/HeadlessBackend.h"

#include <algorithm>
#include <string>

#include "platform/PixelFormat.h"

namespace varn {

namespace platform {

bool HeadlessBackend::CreateMainWindow(const char* caption, int x, int y, int width, int height) {
    Trace(std::string("window.Create(") + (caption ? caption : "") + ")");
    if (!canCreateWindow) {
        return false;
    }
    hasWindow_ = true;
    window_ = Rect{x, y, x + width, y + height};
    return true;
}

Rect HeadlessBackend::ClientRect() const {
    // A popup window has no frame: the client area is the whole window.
    return Rect{0, 0, window_.right - window_.left, window_.bottom - window_.top};
}

void HeadlessBackend::MoveMainWindow(int x, int y, int width, int height) {
    window_ = Rect{x, y, x + width, y + height};
}

void HeadlessBackend::ShowSystemCursor(bool show) {
    Trace(show ? "window.ShowCursor(1)" : "window.ShowCursor(0)");
    cursorShown = show;
}

Message HeadlessBackend::PeekMessage() {
    if (quitPosted_) {
        quitPosted_ = false;
        return Message::Quit;
    }
    if (messages.empty()) {
        return Message::None;
    }
    Message message = messages.front();
    messages.pop_front();
    return message;
}

void HeadlessBackend::PostQuitMessage() {
    quitPosted_ = true;
}

bool HeadlessBackend::SupportsBackBufferFormat(uint32_t format, bool windowed) {
    (void)windowed;
    if (supportedFormats.empty()) {
        return format == kFormatR5G6B5 || format == kFormatX1R5G5B5;
    }
    return std::find(supportedFormats.begin(), supportedFormats.end(), format) !=
           supportedFormats.end();
}

bool HeadlessBackend::OpenDisplay(int width, int height, bool windowed) {
    Trace("display.Open(" + std::to_string(width) + "x" + std::to_string(height) +
          (windowed ? ", windowed)" : ", full screen)"));
    displayOpen_ = canOpenDisplay;
    return displayOpen_;
}

void HeadlessBackend::CloseDisplay() {
    displayOpen_ = false;
}

bool HeadlessBackend::Present(const BackBuffer& frame) {
    if (!displayOpen_) {
        return false;
    }
    presented = frame;
    presentedTexts.swap(drawingTexts);
    drawingTexts.clear();
    ++presentCount;
    now += presentAdvanceMs;
    return true;
}

bool HeadlessBackend::ReadKeyboard(uint8_t (&out)[256]) {
    if (!foreground) {
        return false;
    }
    std::copy(std::begin(keys), std::end(keys), std::begin(out));
    return true;
}

bool HeadlessBackend::ReadMouse(MouseState& state) {
    if (!foreground) {
        return false;
    }
    state = mouse;
    mouse.dx = 0;
    mouse.dy = 0;
    mouse.dz = 0;
    return true;
}

void HeadlessBackend::Reset() {
    audio.Close();
    audio = HeadlessAudio();
    now = 0;
    presentAdvanceMs = 0;
    foreground = true;
    canCreateWindow = true;
    canOpenDisplay = true;
    cursorShown = true;
    supportedFormats.clear();
    std::fill(std::begin(keys), std::end(keys), 0);
    mouse = MouseState();
    messages.clear();
    log.clear();
    filesAsked.clear();
    recordDraws = false;
    draws.clear();
    presented = BackBuffer();
    recordTexts = false;
    drawingTexts.clear();
    presentedTexts.clear();
    presentCount = 0;
    hasWindow_ = false;
    displayOpen_ = false;
    quitPosted_ = false;
    window_ = Rect();
}

}  // namespace platform

}  // namespace varn
