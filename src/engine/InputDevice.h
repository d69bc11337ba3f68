#pragma once

#include <cstdint>

#include "platform/Backend.h"

namespace varn {

class InputSystem;

// The bit of a key's or mouse button's state byte that is set while it is held down.
inline constexpr uint8_t kDown = 0x80;

// One input device, the keyboard or the mouse, polled once per frame, with one latch per key or
// button: a key counts as pressed while it is down and its latch is clear; the code that acts on
// it sets the latch, and the next update clears the latch once the key is seen up.
// Results are 1 for success and 0 for failure.
class InputDevice {
  public:
    static constexpr int16_t kKindNone = 0;
    static constexpr int16_t kKindKeyboard = 1;
    static constexpr int16_t kKindMouse = 2;
    static constexpr int kMouseButtons = 4;

    InputDevice();
    ~InputDevice();
    InputDevice(const InputDevice&) = delete;
    InputDevice& operator=(const InputDevice&) = delete;

    // Makes, binds and acquires the device. A device whose first acquisition fails (the window is
    // not in front) stays kind 0 and never reads. There is no game controller on this platform,
    // so kind 3 fails, and so does a mouse asked to follow the system cursor (absolute 1): the
    // game hides that cursor and keeps its own.
    int Init(InputSystem* inputSystem, int32_t deviceKind, int32_t absoluteCursor);
    int Release();
    int ClearState();
    // Reads the device; on failure the previous state and latches stay.
    int Update();
    int SetAcquired(int32_t on);
    int SetLatch(int32_t code, int32_t value);
    int KeyPressed(int32_t code) const;
    // Mouse buttons 0..3; any other number is never pressed.
    int ButtonPressed(int32_t button) const;
    // The mouse's movement at the last read; 0 for the keyboard.
    int32_t GetDeltaX() const;
    int32_t GetDeltaY() const;

    InputSystem* system = nullptr;
    int16_t kind = kKindNone;
    // The backend the device reads through; not owned. Null until made.
    platform::Backend* device = nullptr;
    int32_t absolute = 1;
    // The keyboard: one byte per key code, bit 7 set while down.
    uint8_t state[256];
    // The mouse: movement since the previous read and four buttons, bit 7 set while down.
    platform::MouseState mouseState;
    int32_t latch[256];
    int32_t cursorX = 0;
    int32_t cursorY = 0;

  private:
    bool Acquire() const;
    bool ReadState();
    void ReleaseLatches();
};

// 0, changing nothing, while a mouse button has a press nobody has used; otherwise latches both
// buttons and returns 1, so no press counts again in this frame.
int IsMouseIdle(InputDevice& mouse);

}  // namespace varn
