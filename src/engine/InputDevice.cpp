#include "engine/InputDevice.h"

#include <algorithm>

#include "engine/InputSystem.h"

namespace varn {

namespace {

// Reading may report lost input again right after a successful re-acquisition; give up after
// this many tries rather than spin for the rest of the frame.
constexpr int kReacquireAttempts = 4;

// Key codes and latch numbers index 256-entry arrays; any code folds into them, negative ones
// included.
size_t Fold(int32_t code) {
    return static_cast<uint32_t>(code) & 0xFFu;
}

// The summed movement wraps instead of overflowing when the mouse keeps going one way.
int32_t AddWrapping(int32_t total, int32_t movement) {
    return static_cast<int32_t>(static_cast<uint32_t>(total) + static_cast<uint32_t>(movement));
}

}  // namespace

InputDevice::InputDevice() {
    ClearState();
}

InputDevice::~InputDevice() {
    Release();
}

int InputDevice::Init(InputSystem* inputSystem, int32_t deviceKind, int32_t absoluteCursor) {
    Release();
    system = inputSystem;
    if (system == nullptr || system->GetDirectInput() == nullptr) {
        return 0;
    }
    if (deviceKind != kKindKeyboard && deviceKind != kKindMouse) {
        return 0;
    }
    if (deviceKind == kKindMouse && absoluteCursor != 0) {
        return 0;
    }
    device = system->GetDirectInput();
    absolute = absoluteCursor;
    if (!Acquire()) {
        return 0;
    }
    kind = static_cast<int16_t>(deviceKind);
    ClearState();
    return 1;
}

int InputDevice::Release() {
    device = nullptr;
    kind = kKindNone;
    ClearState();
    return 1;
}

int InputDevice::ClearState() {
    std::fill(std::begin(state), std::end(state), 0);
    mouseState = platform::MouseState();
    std::fill(std::begin(latch), std::end(latch), 0);
    cursorX = 0;
    cursorY = 0;
    return 1;
}

bool InputDevice::Acquire() const {
    // Devices are bound to the foreground: they can be had only while the window is in front.
    return device->IsForeground();
}

bool InputDevice::ReadState() {
    // Read into a copy so that a failed read leaves the last state whole.
    if (kind == kKindKeyboard) {
        uint8_t keys[256];
        if (!device->ReadKeyboard(keys)) {
            return false;
        }
        std::copy(std::begin(keys), std::end(keys), std::begin(state));
        return true;
    }
    platform::MouseState mouse;
    if (!device->ReadMouse(mouse)) {
        return false;
    }
    mouseState = mouse;
    return true;
}

void InputDevice::ReleaseLatches() {
    if (kind == kKindKeyboard) {
        for (size_t code = 0; code < 256; ++code) {
            if (state[code] < kDown) {
                latch[code] = 0;
            }
        }
        return;
    }
    for (int button = 0; button < kMouseButtons; ++button) {
        if (mouseState.buttons[button] == 0) {
            latch[button] = 0;
        }
    }
}

int InputDevice::Update() {
    if (device == nullptr || (kind != kKindKeyboard && kind != kKindMouse)) {
        return 0;
    }
    for (int attempt = 1; !ReadState(); ++attempt) {
        if (attempt == kReacquireAttempts || !Acquire()) {
            return 0;
        }
    }
    if (kind == kKindMouse) {
        cursorX = AddWrapping(cursorX, mouseState.dx);
        cursorY = AddWrapping(cursorY, mouseState.dy);
    }
    ReleaseLatches();
    return 1;
}

int InputDevice::SetAcquired(int32_t on) {
    if (device == nullptr) {
        return 0;
    }
    // The backend holds a device exactly while the window is in front, so taking it and giving it
    // up need no call: the next read finds out which it is.
    (void)on;
    return 1;
}

int InputDevice::SetLatch(int32_t code, int32_t value) {
    latch[Fold(code)] = value;
    return 1;
}

int InputDevice::KeyPressed(int32_t code) const {
    const size_t index = Fold(code);
    return (state[index] & kDown) != 0 && latch[index] == 0 ? 1 : 0;
}

int InputDevice::ButtonPressed(int32_t button) const {
    if (kind != kKindMouse || button < 0 || button >= kMouseButtons) {
        return 0;
    }
    return (mouseState.buttons[button] & kDown) != 0 && latch[button] == 0 ? 1 : 0;
}

int32_t InputDevice::GetDeltaX() const {
    return kind == kKindMouse ? mouseState.dx : 0;
}

int32_t InputDevice::GetDeltaY() const {
    return kind == kKindMouse ? mouseState.dy : 0;
}

int IsMouseIdle(InputDevice& mouse) {
    if (mouse.ButtonPressed(0) != 0 || mouse.ButtonPressed(1) != 0) {
        return 0;
    }
    mouse.SetLatch(0, 1);
    mouse.SetLatch(1, 1);
    return 1;
}

}  // namespace varn
