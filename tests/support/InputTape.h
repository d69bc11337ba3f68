#pragma once

#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include <vector>

#include "frontend/StoryScreen.h"
#include "support/HeadlessGame.h"
#include "world/SaveImage.h"

namespace varn {

// The input of a played game, frame by frame, as text: one line per frame with input, each
// change a word (k28+ / k28- a key down or up, b0+ / b0- a mouse button, m5,-3 a pointer move,
// s100 the clock's step per frame, c250 the clock moved on between frames), and "=N" for N
// frames in a row with no input at all.
inline constexpr std::string_view kTapeHeader = "varn-input 1";

// The world record as the game's save image.
inline std::vector<uint8_t> SaveImageOf(const GameState& world) {
    std::vector<uint8_t> image(kSaveImageSize);
    WriteSaveImage(world, std::span<uint8_t, kSaveImageSize>(image.data(), kSaveImageSize));
    return image;
}

// Writes down what the backend is given before every frame of a game, and keeps the world the
// game ends in: the ended game's record as it went into the hall of fame (the closing story
// shows it before a fresh world takes its place), or the world as it stands.
class GameRecorder : public FrameInputWatch {
  public:
    explicit GameRecorder(HeadlessGame& game) : game_(game) {
        const platform::HeadlessBackend& backend = HeadlessGame::backend();
        keys_.fill(0);
        buttons_.fill(0);
        step_ = 0;
        now_ = backend.now;
        game_.inputWatch = this;
    }
    ~GameRecorder() override {
        if (game_.inputWatch == this) {
            game_.inputWatch = nullptr;
        }
    }
    GameRecorder(const GameRecorder&) = delete;
    GameRecorder& operator=(const GameRecorder&) = delete;

    void BeforeFrame() override {
        platform::HeadlessBackend& backend = HeadlessGame::backend();
        std::ostringstream line;
        for (int key = 0; key < 256; ++key) {
            const uint8_t down = backend.keys[key] != 0 ? 1 : 0;
            if (down != keys_[static_cast<size_t>(key)]) {
                line << " k" << key << (down != 0 ? '+' : '-');
                keys_[static_cast<size_t>(key)] = down;
            }
        }
        for (int button = 0; button < 4; ++button) {
            const uint8_t down = backend.mouse.buttons[button] != 0 ? 1 : 0;
            if (down != buttons_[static_cast<size_t>(button)]) {
                line << " b" << button << (down != 0 ? '+' : '-');
                buttons_[static_cast<size_t>(button)] = down;
            }
        }
        const int32_t dx = backend.mouse.dx - leftDx_;
        const int32_t dy = backend.mouse.dy - leftDy_;
        if (dx != 0 || dy != 0) {
            line << " m" << dx << ',' << dy;
        }
        if (backend.presentAdvanceMs != step_) {
            step_ = backend.presentAdvanceMs;
            line << " s" << step_;
        }
        if (backend.now != now_) {
            line << " c" << backend.now - now_;
        }
        Add(line.str());
    }

    void AfterFrame() override {
        const platform::HeadlessBackend& backend = HeadlessGame::backend();
        leftDx_ = backend.mouse.dx;
        leftDy_ = backend.mouse.dy;
        now_ = backend.now;
        const GameApp& app = game_.app;
        if (app.stateHandler == StoryStateThunk && app.world->storyMode > kStoryOpening) {
            endedWorld_ = SaveImageOf(*app.world);
        }
    }

    std::vector<uint8_t> World() const {
        return endedWorld_.empty() ? SaveImageOf(*game_.app.world) : endedWorld_;
    }

    // The whole tape so far.
    std::string Text() const {
        std::string text = std::string(kTapeHeader) + "\n" + lines_;
        if (idle_ > 0) {
            text += "=" + std::to_string(idle_) + "\n";
        }
        return text;
    }

  private:
    void Add(const std::string& changes) {
        if (changes.empty()) {
            ++idle_;
            return;
        }
        if (idle_ > 0) {
            lines_ += "=" + std::to_string(idle_) + "\n";
            idle_ = 0;
        }
        lines_ += changes.substr(1) + "\n";
    }

    HeadlessGame& game_;
    std::array<uint8_t, 256> keys_;
    std::array<uint8_t, 4> buttons_;
    uint32_t step_;
    uint32_t now_;
    int32_t leftDx_ = 0;
    int32_t leftDy_ = 0;
    std::string lines_;
    int idle_ = 0;
    std::vector<uint8_t> endedWorld_;
};

// Plays a tape into a game, frame by frame. False, with the line that could not be read, when the
// tape is not one.
inline bool PlayTape(HeadlessGame& game, std::string_view tape, std::string& error) {
    platform::HeadlessBackend& backend = HeadlessGame::backend();
    std::istringstream lines{std::string(tape)};
    std::string line;
    if (!std::getline(lines, line) || line != kTapeHeader) {
        error = "no tape header";
        return false;
    }
    int lineNumber = 1;
    while (std::getline(lines, line)) {
        ++lineNumber;
        std::istringstream words(line);
        std::string word;
        int frames = 1;
        bool read = true;
        while (read && words >> word) {
            const char kind = word[0];
            std::istringstream value(word.substr(1));
            int a = 0;
            int b = 0;
            char sign = 0;
            if (kind == '=') {
                read = static_cast<bool>(value >> frames) && frames > 0;
            } else if (kind == 'k' || kind == 'b') {
                read = static_cast<bool>(value >> a >> sign) && (sign == '+' || sign == '-') &&
                       a >= 0 && a < (kind == 'k' ? 256 : 4);
                if (read && kind == 'k') {
                    backend.SetKey(static_cast<uint8_t>(a), sign == '+');
                } else if (read) {
                    backend.SetButton(a, sign == '+');
                }
            } else if (kind == 'm') {
                read = static_cast<bool>(value >> a >> sign >> b) && sign == ',';
                if (read) {
                    backend.MoveMouse(a, b);
                }
            } else if (kind == 's' || kind == 'c') {
                read = static_cast<bool>(value >> a) && a >= 0;
                if (read && kind == 's') {
                    backend.presentAdvanceMs = static_cast<uint32_t>(a);
                } else if (read) {
                    backend.now += static_cast<uint32_t>(a);
                }
            } else {
                read = false;
            }
        }
        if (!read) {
            error = "line " + std::to_string(lineNumber) + ": " + line;
            return false;
        }
        game.RunFrames(frames);
    }
    return true;
}

}  // namespace varn
