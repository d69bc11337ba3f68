#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/BackBuffer.h"

namespace varn {

namespace platform {

class AudioDevice;
class HeadlessBackend;
struct TextureImage;

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// What a pass of the message pump took from the queue.
enum class Message {
    None,     // the queue is empty: time for a frame
    Destroy,  // the window was closed
    Quit,     // the quit message posted in answer to Destroy
    Other,    // anything else; nothing to do
};

// The mouse as one read gives it: movement since the last read and four buttons (bit 7 = down).
struct MouseState {
    int32_t dx = 0;
    int32_t dy = 0;
    int32_t dz = 0;
    uint8_t buttons[4] = {0, 0, 0, 0};
};

// One sprite draw as it reached the device: the texture, the source rectangle's top-left corner,
// the screen position and the scales.
struct SpriteDrawRecord {
    const TextureImage* texture = nullptr;
    int32_t sourceLeft = 0;
    int32_t sourceTop = 0;
    float x = 0;
    float y = 0;
    float scaleX = 1;
    float scaleY = 1;
};

// One text as it reached the back buffer: its characters, the box its pixels take before any
// clipping, the rectangle the screen asked it to keep to, its colour (ARGB), and its ground: the
// pixels under the box as they were before the text was drawn (the part of the box inside the
// buffer, row by row), for the text's own ink is no ground to read it on.
struct TextDrawRecord {
    std::string_view text;
    Rect drawn;
    Rect requested;
    uint32_t colour = 0;
    std::span<const uint16_t> ground;
};

// The buffer's pixels inside box, row by row.
inline std::vector<uint16_t> PixelsUnder(const BackBuffer& buffer, const Rect& box) {
    std::vector<uint16_t> pixels;
    const int32_t left = std::max(box.left, 0);
    const int32_t right = std::min(box.right, buffer.width);
    for (int32_t y = std::max(box.top, 0); y < std::min(box.bottom, buffer.height); ++y) {
        if (left < right) {
            pixels.insert(pixels.end(), buffer.Row(y) + left, buffer.Row(y) + right);
        }
    }
    return pixels;
}

// Everything the game needs of the machine: window and messages, clock, display, input, audio.
// Two implementations: SDL for play, headless for tests and benchmarks.
class Backend {
  public:
    virtual ~Backend() = default;

    // The millisecond clock: 32 bits, wrapping.
    virtual uint32_t Milliseconds() = 0;

    virtual bool CreateMainWindow(const char* caption, int x, int y, int width, int height) = 0;
    virtual bool HasWindow() const = 0;
    virtual Rect WindowRect() const = 0;
    virtual Rect ClientRect() const = 0;
    virtual void MoveMainWindow(int x, int y, int width, int height) = 0;
    virtual void ShowSystemCursor(bool show) = 0;
    virtual Message PeekMessage() = 0;
    virtual void PostQuitMessage() = 0;

    // The display that shows the back buffer; format is a PixelFormat code.
    virtual bool SupportsBackBufferFormat(uint32_t format, bool windowed) = 0;
    virtual bool OpenDisplay(int width, int height, bool windowed) = 0;
    virtual void CloseDisplay() = 0;
    virtual bool Present(const BackBuffer& frame) = 0;

    // Reads fail while the window is not in front.
    virtual bool IsForeground() const = 0;
    virtual bool ReadKeyboard(uint8_t (&keys)[256]) = 0;
    virtual bool ReadMouse(MouseState& state) = 0;

    virtual AudioDevice& Audio() = 0;

    // A record of platform calls and of the files asked for; only the headless backend keeps it.
    virtual void Trace(std::string_view) {}
    virtual void TraceFile(std::string_view) {}
    virtual void TraceDraw(const SpriteDrawRecord&) {}
    // Whether drawn texts are kept: a text's record is made only when they are.
    virtual bool TracesText() const { return false; }
    virtual void TraceText(const TextDrawRecord&) {}
};

Backend& Current();
void UseHeadlessBackend();
void UseSdlBackend();
// The headless backend, for tests and benchmarks; null while another backend is current.
HeadlessBackend* Headless();

// Shorthands for the current backend.
inline uint32_t TimeGetTime() {
    return Current().Milliseconds();
}
inline void Trace(std::string_view line) {
    Current().Trace(line);
}

}  // namespace platform

}  // namespace varn
