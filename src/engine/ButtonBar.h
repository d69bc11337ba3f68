#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>

namespace varn {

class InputDevice;

// A button's look, which is also the frame drawn from its picture.
enum ButtonLook : uint8_t { kButtonNormal = 0, kButtonHovered = 1, kButtonPressed = 2 };

// One button of a screen: its id (0 names no button), its hit rectangle in screen pixels, the
// look it keeps while pressed and whether the press itself is its action.
struct ButtonRect {
    uint8_t id;
    int16_t x;
    int16_t y;
    int16_t w;
    int16_t h;
    uint8_t heldLook = kButtonPressed;
    bool actsOnPress = false;
};

// The scales a hovering screen draws its buttons at, by look.
struct ButtonScales {
    float normal;
    float hovered;
    float pressed;
    constexpr float For(uint8_t look) const {
        return look == kButtonPressed ? pressed : look == kButtonHovered ? hovered : normal;
    }
};
inline constexpr ButtonScales kSmallButtonScales{0.6f, 0.8f, 1.05f};
inline constexpr ButtonScales kLargeButtonScales{0.8f, 0.95f, 1.1f};

// The buttons of one screen, given as a table, with the press-and-release rule every screen
// follows: a press of either mouse button over a button marks it pressed; the action comes once
// both buttons are up again, or at once when the pointer has slid off the pressed button; the
// acted button keeps its look until the next hover. Nothing uses the press up, so it is seen again
// in every frame it stays down over the button: a button that acts on press acts in each of those
// frames (its action must bear repeating), and not at the release. Buttons are tested in table
// order; the first hit wins. A button the screen says is not available neither hovers, nor presses,
// nor acts.
class ButtonBar {
  public:
    static constexpr int kMaxButtons = 24;

    explicit ButtonBar(std::span<const ButtonRect> buttons);

    // The whole rule for one frame: hover, a fresh press when presses are taken, and the id to
    // act on this frame, or 0.
    uint8_t Poll(int32_t x, int32_t y, InputDevice& mouse, bool pressesTaken = true);

    // The steps of Poll, for the screens that run them apart.
    // The button under the pointer becomes hovered; the others normal. While a press is held the
    // looks stay as they are.
    void Hover(int32_t x, int32_t y);
    // A fresh press of button 0 or 1 over a button presses it: 1, else 0 and nothing changes.
    int Click(int32_t x, int32_t y, const InputDevice& mouse);
    // The id to act on this frame, or 0. Call once a frame after Click.
    uint8_t TakeAction(InputDevice& mouse);

    void ResetHover() { hoverId = 0; }
    // Back to no press, no hover, every button normal (a screen shown anew).
    void Reset();

    uint8_t Look(uint8_t id) const;
    void SetLook(uint8_t id, uint8_t look);
    const ButtonRect* Find(uint8_t id) const;
    // The available button a press at x, y would take (the first in table order), or 0.
    uint8_t At(int32_t x, int32_t y) const;
    std::span<const ButtonRect> Buttons() const { return buttons_; }
    bool Available(uint8_t id) const { return !available || available(id); }

    // Whether a button is on the screen this frame; empty when every button always is.
    std::function<bool(uint8_t id)> available;

    uint8_t hoverId = 0;
    uint8_t pressedId = 0;
    // The button a press is seen on in this frame's Poll (held ones too), 0 for none.
    uint8_t justPressed = 0;
    uint8_t held = 0;

  private:
    int IndexOf(uint8_t id) const;
    void EndPress();

    std::span<const ButtonRect> buttons_;
    std::array<uint8_t, kMaxButtons> looks_{};
    uint8_t pressAction_ = 0;
};

}  // namespace varn
