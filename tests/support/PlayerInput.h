#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "engine/ButtonBar.h"
#include "engine/KeyCodes.h"
#include "frontend/NameLetters.h"
#include "support/HeadlessGame.h"

namespace varn {

// The hands of the test player: keys pressed and let go, text typed, the pointer moved by
// relative steps as a mouse moves it, clicks and drags, each taking the frames a person's input
// takes; and a clock that moves on by a fixed step at every presented frame.
class PlayerInput {
  public:
    static constexpr uint32_t kFrameMs = 16;

    explicit PlayerInput(HeadlessGame& game) : app(game.app), game_(game) {
        Backend().presentAdvanceMs = kFrameMs;
    }

    static platform::HeadlessBackend& Backend() { return HeadlessGame::backend(); }

    void Frame() { game_.RunFrames(1); }
    void Frames(int count) { game_.RunFrames(count); }

    // The clock's step per frame: a larger one plays the same game in fewer frames.
    void SetClockStep(uint32_t ms) { Backend().presentAdvanceMs = ms; }

    bool In(StateThunk state) const { return app.stateHandler == state; }

    // The frame shown holds a box the player reads before putting it away.
    void Read() {
        if (game_.readingBox) {
            game_.readingBox();
        }
    }

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

    // Moves the pointer onto (x, y) by the steps from where it is drawn.
    void PointAt(int32_t x, int32_t y) {
        Backend().MoveMouse(x - app.mouseCursor.x, y - app.mouseCursor.y);
    }

    // The pointer onto the spot in one frame, the left button pressed in the next and let go in
    // a third, in which the press is acted on.
    void ClickAt(int32_t x, int32_t y) {
        PointAt(x, y);
        Frame();
        Backend().SetButton(0, true);
        Frame();
        Backend().SetButton(0, false);
        Frame();
    }

    void Click(const ButtonRect& button) {
        ClickAt(button.x + button.w / 2, button.y + button.h / 2);
    }

    // The button of the id in a screen's table; nothing when the table has none.
    void Click(std::span<const ButtonRect> buttons, uint8_t id) {
        for (const ButtonRect& button : buttons) {
            if (button.id == id) {
                Click(button);
            }
        }
    }

    // Presses over (fromX, fromY), moves to (toX, toY) with the button held and lets go there.
    void Drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
        PointAt(fromX, fromY);
        Frame();
        Backend().SetButton(0, true);
        Frame();
        PointAt(toX, toY);
        Frame();
        Backend().SetButton(0, false);
        Frame();
    }

    // Frames until the test holds; false when it does not within the limit.
    bool RunUntil(const std::function<bool()>& done, int limit = 1500) {
        for (int i = 0; i < limit; ++i) {
            if (done()) {
                return true;
            }
            Frame();
        }
        return done();
    }

    GameApp& app;

  private:
    HeadlessGame& game_;
};

}  // namespace varn
