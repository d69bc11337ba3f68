#pragma once

#include "world/CharacterRecords.h"

namespace varn {

class CharacterScreen;
class GameApp;

// The steps the own screen's and the heroes screen's states share, in the order they run them.

// The panel and the paper-doll art, created when missing.
void CreateCharacterArt(GameApp& app);

// A character's items, owned flags, cell numbers and armies into the screen, then the entry's
// item work: laid out, summed into the stats (health clamped), every doll layer reloaded, the
// icons of its items loaded.
void CopyCharacterIn(CharacterScreen& screen, const CharacterItemRecord& items,
                     const ArmyRecord& army, CharacterStats& stats);
// What the screen may have changed back into the world: items, owned flags, cell numbers and
// armies.
void WriteCharacterBack(const CharacterScreen& screen, CharacterItemRecord& items,
                        ArmyRecord& army);

// One frame of the screen's input: the Hide/Show button, an open question's Yes and No (Escape
// or Backspace answer No), the drag and drop. Returns the screen's own button to act on, 0 for
// none; the back keys when no question is open give kCharacterExit.
uint8_t PollCharacterScreen(GameApp& app, CharacterScreen& screen);

// After the drag: layout and sums when the items moved, the doll's art, the description.
void UpdateCharacterItems(CharacterScreen& screen, CharacterStats& stats);

// Draws the screen and the Hide/Show button over it.
void DrawCharacterScreen(GameApp& app, CharacterScreen& screen);

// Hands an army's name to the rename state, which comes back to returnCode's state.
void RenameArmy(GameApp& app, const CharacterScreen& screen, uint8_t owner, uint8_t returnCode,
                uint8_t phase);

}  // namespace varn
