#include "platform/KeyTable.h"

#include <SDL_keyboard.h>
#include <SDL_scancode.h>
#include <gtest/gtest.h>

#include <utility>

namespace varn {

using platform::KeyCodeFromScancode;

TEST(KeyTable, EveryKeyHasThePcKeyboardCodeAndUnknownScancodesNone) {
    const auto codeOf = [](const char* keyName) {
        const SDL_Scancode scancode = SDL_GetScancodeFromName(keyName);
        EXPECT_NE(SDL_SCANCODE_UNKNOWN, scancode) << keyName;
        return KeyCodeFromScancode(scancode);
    };
    // Codes 1..83 number the main block and the keypad row by row.
    const char* const kFromEscape[] = {
        "Escape",    "1",        "2",        "3",        "4",           "5",        "6",
        "7",         "8",        "9",        "0",        "-",           "=",        "Backspace",
        "Tab",       "Q",        "W",        "E",        "R",           "T",        "Y",
        "U",         "I",        "O",        "P",        "[",           "]",        "Return",
        "Left Ctrl", "A",        "S",        "D",        "F",           "G",        "H",
        "J",         "K",        "L",        ";",        "'",           "`",        "Left Shift",
        "\\",        "Z",        "X",        "C",        "V",           "B",        "N",
        "M",         ",",        ".",        "/",        "Right Shift", "Keypad *", "Left Alt",
        "Space",     "CapsLock", "F1",       "F2",       "F3",          "F4",       "F5",
        "F6",        "F7",       "F8",       "F9",       "F10",         "Numlock",  "ScrollLock",
        "Keypad 7",  "Keypad 8", "Keypad 9", "Keypad -", "Keypad 4",    "Keypad 5", "Keypad 6",
        "Keypad +",  "Keypad 1", "Keypad 2", "Keypad 3", "Keypad 0",    "Keypad ."};
    for (int code = 1; const char* name : kFromEscape) {
        EXPECT_EQ(code++, codeOf(name)) << name;
    }
    const std::pair<const char*, int> kOthers[] = {{"Up", 0xC8},    {"Left", 0xCB},
                                                   {"Right", 0xCD}, {"Down", 0xD0},
                                                   {"F12", 0x58},   {"Right Ctrl", 0x9D}};
    for (const auto& [name, code] : kOthers) {
        EXPECT_EQ(code, codeOf(name)) << name;
    }
    for (int scancode : {-1, 0, int{SDL_SCANCODE_AUDIOPLAY}, int{SDL_NUM_SCANCODES}, 1 << 20}) {
        EXPECT_EQ(0, KeyCodeFromScancode(scancode)) << scancode;
    }
}

}  // namespace varn
