#pragma once

namespace varn {

class GameApp;
class NameLetters;

// What a frame of typing asked for besides the letters.
struct NameTyping {
    bool confirm = false;
    bool back = false;
};

// One frame of typing a name from the keyboard, for the new game's name and every rename: the
// letters (capitals while Shift is held), digits, space and period type; Backspace erases;
// Enter confirms and Escape goes back.
NameTyping TypeName(GameApp& app, NameLetters& letters);

}  // namespace varn
