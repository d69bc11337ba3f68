#pragma once

#include <cstdint>
#include <span>

#include "engine/ButtonBar.h"
#include "engine/Colours.h"
#include "engine/PictureTable.h"
#include "world/CharacterRecords.h"

namespace varn {

class GameState;
class GraphicsDevice;
class SpriteSet;

// Names stand 14 pixels a letter.
inline constexpr int32_t kNameLetterSpacing = 14;

// What the exchange screens show of one character, copied from the world.
struct CharacterCard {
    CharacterId id = kNoCharacter;
    int32_t portraitSlot = 0;
    uint8_t bodyVariant = 0;
    GlyphString name{};
    CharacterStats stats{};
    ArmyRecord armies{};

    // A character that is not in the party leaves the card blank.
    void CopyFrom(const GameState& world, CharacterId character);
};

// A set with one slot per table row number, loaded from the table, keyed pixels dropped.
void InitPictureSet(SpriteSet& set, GraphicsDevice* device, std::span<const PictureLoad> table);
// Every portrait of the party in the slots CharacterCard::portraitSlot names.
void InitPortraitSet(SpriteSet& set, GraphicsDevice* device);

// A plain box picture stretched over the rectangle.
void DrawBox(SpriteSet& set, int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h);

// A button's picture in the frame of its look, at its rectangle.
void DrawExchangeButton(SpriteSet& set, int32_t slot, const ButtonBar& bar, uint8_t id);

}  // namespace varn
