#include "engine/ButtonBar.h"

#include <utility>

#include "engine/HitTest.h"
#include "engine/InputDevice.h"

namespace varn {

namespace {

bool Holds(const ButtonRect& button, int32_t x, int32_t y) {
    return PointInRect(button.x, button.y, button.w, button.h, x, y) != 0;
}

bool FreshPress(const InputDevice& mouse) {
    return mouse.ButtonPressed(0) != 0 || mouse.ButtonPressed(1) != 0;
}

}  // namespace

ButtonBar::ButtonBar(std::span<const ButtonRect> buttons)
    : buttons_(buttons.first(buttons.size() < kMaxButtons ? buttons.size() : kMaxButtons)) {}

uint8_t ButtonBar::Poll(int32_t x, int32_t y, InputDevice& mouse, bool pressesTaken) {
    Hover(x, y);
    justPressed = pressesTaken && Click(x, y, mouse) != 0 ? pressedId : 0;
    return TakeAction(mouse);
}

void ButtonBar::Hover(int32_t x, int32_t y) {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const bool inside = Available(buttons_[i].id) && Holds(buttons_[i], x, y);
        if (inside) {
            hoverId = buttons_[i].id;
        }
        if (held == 0) {
            looks_[i] = inside ? kButtonHovered : kButtonNormal;
        }
    }
}

int ButtonBar::Click(int32_t x, int32_t y, const InputDevice& mouse) {
    if (!FreshPress(mouse)) {
        return 0;
    }
    const uint8_t id = At(x, y);
    if (id == 0) {
        return 0;
    }
    const ButtonRect& button = *Find(id);
    pressAction_ = button.actsOnPress ? id : 0;
    pressedId = id;
    SetLook(id, button.heldLook);
    held = 1;
    return 1;
}

uint8_t ButtonBar::At(int32_t x, int32_t y) const {
    for (const ButtonRect& button : buttons_) {
        if (Available(button.id) && Holds(button, x, y)) {
            return button.id;
        }
    }
    return 0;
}

uint8_t ButtonBar::TakeAction(InputDevice& mouse) {
    if (pressedId != 0 && !Available(pressedId)) {
        // Gone from the screen while held: its press comes to nothing more.
        SetLook(pressedId, kButtonNormal);
        EndPress();
    }
    uint8_t action = std::exchange(pressAction_, 0);
    if (action == 0 && pressedId != 0 && (hoverId != pressedId || IsMouseIdle(mouse) != 0)) {
        const ButtonRect* button = Find(pressedId);
        action = button != nullptr && button->actsOnPress ? 0 : pressedId;
        EndPress();
    }
    // A frame with no fresh press ends a press that was never acted on.
    if (!FreshPress(mouse)) {
        EndPress();
    }
    return action;
}

void ButtonBar::EndPress() {
    pressedId = 0;
    held = 0;
}

void ButtonBar::Reset() {
    hoverId = 0;
    EndPress();
    justPressed = 0;
    pressAction_ = 0;
    looks_.fill(kButtonNormal);
}

uint8_t ButtonBar::Look(uint8_t id) const {
    const int index = IndexOf(id);
    return index < 0 ? uint8_t{kButtonNormal} : looks_[static_cast<size_t>(index)];
}

void ButtonBar::SetLook(uint8_t id, uint8_t look) {
    const int index = IndexOf(id);
    if (index >= 0) {
        looks_[static_cast<size_t>(index)] = look;
    }
}

const ButtonRect* ButtonBar::Find(uint8_t id) const {
    const int index = IndexOf(id);
    return index < 0 ? nullptr : &buttons_[static_cast<size_t>(index)];
}

int ButtonBar::IndexOf(uint8_t id) const {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace varn
