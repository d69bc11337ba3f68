#include "engine/ButtonBar.h"

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

void ButtonBar::Hover(int32_t x, int32_t y) {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const bool inside = Holds(buttons_[i], x, y);
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
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (Holds(buttons_[i], x, y)) {
            pressedId = buttons_[i].id;
            looks_[i] = kButtonPressed;
            held = 1;
            return 1;
        }
    }
    return 0;
}

uint8_t ButtonBar::TakeAction(InputDevice& mouse) {
    uint8_t action = 0;
    if (pressedId != 0 && (hoverId != pressedId || IsMouseIdle(mouse) != 0)) {
        action = pressedId;
        pressedId = 0;
        held = 0;
    }
    // A frame with no fresh press ends a press that was never acted on.
    if (!FreshPress(mouse)) {
        pressedId = 0;
        held = 0;
    }
    return action;
}

void ButtonBar::Reset() {
    hoverId = 0;
    pressedId = 0;
    held = 0;
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
