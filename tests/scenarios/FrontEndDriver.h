#pragma once

#include <span>
#include <string_view>

#include "engine/ButtonBar.h"
#include "engine/KeyCodes.h"
#include "frontend/NameLetters.h"
#include "support/HeadlessGame.h"

namespace varn {

// Plays the front end as a player would: keys pressed and released, the pointer moved onto a
// button and clicked. Each press takes the frame it is seen in and the frame it is let go in.
class FrontEndDriver {
  public:
    explicit FrontEndDriver(HeadlessGame& game) : game_(game) {}

    void Frame() { game_.RunFrames(1); }

    void PressKey(uint8_t key) {
        Backend().SetKey(key, true);
        Frame();
        Backend().SetKey(key, false);
        Frame();
    }

    // Types English text; capitals with the left shift held.
    void Type(std::string_view text) {
        for (char c : text) {
            const bool capital = c >= 'A' && c <= 'Z';
            const char key = capital ? static_cast<char>(c - 'A' + 'a') : c;
            for (const TypingKey& typing : kTypingKeys) {
                if (typing.character == key) {
                    Backend().SetKey(kKeyLeftShift, capital);
                    PressKey(typing.key);
                    Backend().SetKey(kKeyLeftShift, false);
                }
            }
        }
    }

    // Moves the pointer to the middle of the button in one frame, presses the left button in the
    // next and lets it go in a third, in which the press is acted on.
    void Click(std::span<const ButtonRect> buttons, uint8_t id) {
        for (const ButtonRect& button : buttons) {
            if (button.id == id) {
                PointAt(button.x + button.w / 2, button.y + button.h / 2);
                Frame();
                Backend().SetButton(0, true);
                Frame();
                Backend().SetButton(0, false);
                Frame();
            }
        }
    }

    void PointAt(int32_t x, int32_t y) {
        Backend().MoveMouse(x - game_.app.mouseCursor.x, y - game_.app.mouseCursor.y);
    }

    static platform::HeadlessBackend& Backend() { return HeadlessGame::backend(); }

  private:
    HeadlessGame& game_;
};

}  // namespace varn
