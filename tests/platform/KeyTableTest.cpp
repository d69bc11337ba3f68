#include "platform/KeyTable.h"

#include <SDL_keyboard.h>
#include <SDL_scancode.h>
#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

// The keys the game tests, with the codes its key tests use.
const std::pair<SDL_Scancode, int> kGameKeys[] = {
    {SDL_SCANCODE_ESCAPE, 1},  {SDL_SCANCODE_BACKSPACE, 14}, {SDL_SCANCODE_RETURN, 28},
    {SDL_SCANCODE_1, 2},       {SDL_SCANCODE_5, 6},          {SDL_SCANCODE_9, 10},
    {SDL_SCANCODE_0, 11},      {SDL_SCANCODE_Q, 16},         {SDL_SCANCODE_P, 25},
    {SDL_SCANCODE_A, 30},      {SDL_SCANCODE_L, 38},         {SDL_SCANCODE_Z, 44},
    {SDL_SCANCODE_M, 50},      {SDL_SCANCODE_PERIOD, 52},    {SDL_SCANCODE_SPACE, 57},
    {SDL_SCANCODE_LSHIFT, 42}, {SDL_SCANCODE_RSHIFT, 54},    {SDL_SCANCODE_UP, 200},
    {SDL_SCANCODE_LEFT, 203},  {SDL_SCANCODE_RIGHT, 205},    {SDL_SCANCODE_DOWN, 208},
    {SDL_SCANCODE_KP_7, 71},   {SDL_SCANCODE_KP_8, 72},      {SDL_SCANCODE_KP_9, 73},
    {SDL_SCANCODE_KP_4, 75},   {SDL_SCANCODE_KP_5, 76},      {SDL_SCANCODE_KP_6, 77},
    {SDL_SCANCODE_KP_1, 79},   {SDL_SCANCODE_KP_2, 80},      {SDL_SCANCODE_KP_3, 81},
    {SDL_SCANCODE_KP_0, 82},
};

}  // namespace

TEST(KeyTable, EveryKeyTheGameTestsHasItsCode) {
    for (const auto& [scancode, code] : kGameKeys) {
        EXPECT_EQ(platform::KeyCodeFromScancode(scancode), code) << SDL_GetScancodeName(scancode);
    }
}

TEST(KeyTable, LettersFollowTheKeyboardRowsNotTheAlphabet) {
    const char* topRow = "QWERTYUIOP";
    const char* middleRow = "ASDFGHJKL";
    const char* bottomRow = "ZXCVBNM";
    auto scancodeOf = [](char letter) { return SDL_SCANCODE_A + (letter - 'A'); };
    for (int i = 0; topRow[i] != 0; ++i) {
        EXPECT_EQ(platform::KeyCodeFromScancode(scancodeOf(topRow[i])), 16 + i) << topRow[i];
    }
    for (int i = 0; middleRow[i] != 0; ++i) {
        EXPECT_EQ(platform::KeyCodeFromScancode(scancodeOf(middleRow[i])), 30 + i) << middleRow[i];
    }
    for (int i = 0; bottomRow[i] != 0; ++i) {
        EXPECT_EQ(platform::KeyCodeFromScancode(scancodeOf(bottomRow[i])), 44 + i) << bottomRow[i];
    }
}

TEST(KeyTable, TheRestOfTheKeyboardIsMapped) {
    const std::pair<SDL_Scancode, int> keys[] = {
        {SDL_SCANCODE_F1, 0x3B},        {SDL_SCANCODE_F10, 0x44},
        {SDL_SCANCODE_F11, 0x57},       {SDL_SCANCODE_F12, 0x58},
        {SDL_SCANCODE_TAB, 0x0F},       {SDL_SCANCODE_MINUS, 0x0C},
        {SDL_SCANCODE_SLASH, 0x35},     {SDL_SCANCODE_GRAVE, 0x29},
        {SDL_SCANCODE_LCTRL, 0x1D},     {SDL_SCANCODE_RCTRL, 0x9D},
        {SDL_SCANCODE_LALT, 0x38},      {SDL_SCANCODE_RALT, 0xB8},
        {SDL_SCANCODE_CAPSLOCK, 0x3A},  {SDL_SCANCODE_KP_ENTER, 0x9C},
        {SDL_SCANCODE_KP_DIVIDE, 0xB5}, {SDL_SCANCODE_KP_PLUS, 0x4E},
        {SDL_SCANCODE_KP_PERIOD, 0x53}, {SDL_SCANCODE_HOME, 0xC7},
        {SDL_SCANCODE_END, 0xCF},       {SDL_SCANCODE_PAGEUP, 0xC9},
        {SDL_SCANCODE_PAGEDOWN, 0xD1},  {SDL_SCANCODE_INSERT, 0xD2},
        {SDL_SCANCODE_DELETE, 0xD3},    {SDL_SCANCODE_PAUSE, 0xC5},
    };
    for (const auto& [scancode, code] : keys) {
        EXPECT_EQ(platform::KeyCodeFromScancode(scancode), code) << SDL_GetScancodeName(scancode);
    }
}

TEST(KeyTable, NoTwoKeysShareACode) {
    std::map<int, int> scancodeByCode;
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        const int code = platform::KeyCodeFromScancode(scancode);
        if (code == 0 || scancode == SDL_SCANCODE_NONUSHASH) {
            continue;  // the ISO key deliberately shares the backslash key's code
        }
        const auto [entry, fresh] = scancodeByCode.emplace(code, scancode);
        EXPECT_TRUE(fresh) << "code " << code << " for "
                           << SDL_GetScancodeName(SDL_Scancode(scancode)) << " and "
                           << SDL_GetScancodeName(SDL_Scancode(entry->second));
    }
}

TEST(KeyTable, UnknownAndOutOfRangeScancodesGiveNoKey) {
    EXPECT_EQ(platform::KeyCodeFromScancode(SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(platform::KeyCodeFromScancode(SDL_SCANCODE_AUDIOPLAY), 0);
    EXPECT_EQ(platform::KeyCodeFromScancode(-1), 0);
    EXPECT_EQ(platform::KeyCodeFromScancode(SDL_NUM_SCANCODES), 0);
    EXPECT_EQ(platform::KeyCodeFromScancode(1 << 20), 0);
}
