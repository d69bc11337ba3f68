#pragma once

#include <cstdint>

#include "engine/KeyCodes.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"
#include "world/Glyph.h"

namespace varn {

class GraphicsDevice;

// The period has no code among the letters and digits; the letter sheet keeps it right after
// the capitals.
inline constexpr GlyphCode kGlyphPeriod = 54;
inline constexpr int32_t kLetterSheetSlot = 0;

// One sheet of 16 x 32 letters whose frame is the glyph code; frame 1 is the typing cursor.
inline constexpr PictureLoad kLetterSheetPictures[] = {
    {kLetterSheetSlot, "Art\\Name\\Letters.bmp", 16, 32, 0xFF000000},
};

// A key that types a character into a name.
struct TypingKey {
    uint8_t key;
    char character;
};

inline constexpr TypingKey kTypingKeys[] = {
    {kKeyA, 'a'},     {kKeyB, 'b'},      {kKeyC, 'c'}, {kKeyD, 'd'}, {kKeyE, 'e'}, {kKeyF, 'f'},
    {kKeyG, 'g'},     {kKeyH, 'h'},      {kKeyI, 'i'}, {kKeyJ, 'j'}, {kKeyK, 'k'}, {kKeyL, 'l'},
    {kKeyM, 'm'},     {kKeyN, 'n'},      {kKeyO, 'o'}, {kKeyP, 'p'}, {kKeyQ, 'q'}, {kKeyR, 'r'},
    {kKeyS, 's'},     {kKeyT, 't'},      {kKeyU, 'u'}, {kKeyV, 'v'}, {kKeyW, 'w'}, {kKeyX, 'x'},
    {kKeyY, 'y'},     {kKeyZ, 'z'},      {kKey1, '1'}, {kKey2, '2'}, {kKey3, '3'}, {kKey4, '4'},
    {kKey5, '5'},     {kKey6, '6'},      {kKey7, '7'}, {kKey8, '8'}, {kKey9, '9'}, {kKey0, '0'},
    {kKeySpace, ' '}, {kKeyPeriod, '.'},
};

// The glyph a typed character gives; a letter becomes a capital while shift is held.
GlyphCode GlyphOfTypedCharacter(char character, bool shift);

// A name being typed, with its letter sheet: the letters so far and the typing cursor after
// them. The new-game name entry and the renaming of heroes and armies type through it.
class NameLetters {
  public:
    // A name keeps one code free for the cursor.
    static constexpr int kMaxLetters = kGlyphStringLength - 1;

    virtual ~NameLetters() = default;

    void Init(GraphicsDevice* device);
    void Free();

    // Typing goes on from name, the cursor after its last letter.
    void Start(const GlyphString& name);
    // False when the name is full.
    bool Type(GlyphCode glyph);
    // Takes the last letter away; false when there is none.
    bool Erase();
    // True while the name has no letter to show (blanks do not count).
    bool IsBlank() const;
    // The typed name without the cursor.
    GlyphString Name() const;

    // The name centred on centreX, with the cursor when shown.
    void Draw(int32_t centreX, int32_t y, bool cursorShown);

    GlyphString glyphs{};
    int length = 0;
    SpriteSet sprites;
};

}  // namespace varn
