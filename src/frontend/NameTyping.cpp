#include "frontend/NameTyping.h"

#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "frontend/NameLetters.h"

namespace varn {

NameTyping TypeName(GameApp& app, NameLetters& letters) {
    NameTyping typed;
    // While a name is typed Backspace erases; only Escape goes back.
    typed.back = app.KeyOnce(kKeyEscape);
    typed.confirm = app.KeyOnce(kKeyReturn);
    if (app.KeyOnce(kKeyBack)) {
        letters.Erase();
    }
    const bool shift =
        app.keyboard.KeyPressed(kKeyLeftShift) != 0 || app.keyboard.KeyPressed(kKeyRightShift) != 0;
    for (const TypingKey& typing : kTypingKeys) {
        if (app.KeyOnce(typing.key)) {
            letters.Type(GlyphOfTypedCharacter(typing.character, shift));
        }
    }
    return typed;
}

}  // namespace varn
