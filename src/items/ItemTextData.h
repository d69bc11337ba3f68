#pragma once

#include <array>
#include <cstdint>

#include "items/ItemKinds.h"
#include "world/Glyph.h"

namespace varn {

// Every word of the item texts, each stored once and shared by the items that use it.
enum class Word : uint8_t {
    None,
    // The common word of every second line and the article of two-word endings
    Of,
    The,
    // Nouns
    Pendant,
    Helm,
    Mail,
    Plate,
    Girdle,
    Leggings,
    Boots,
    Gloves,
    Ring,
    Shield,
    Sword,
    // Qualifiers
    Silver,
    Golden,
    Iron,
    Steel,
    Bronze,
    Leather,
    Elven,
    Dwarven,
    Royal,
    Ancient,
    Blessed,
    // Ending words
    Life,
    Vigour,
    Health,
    Mending,
    Renewal,
    Vitality,
    Endurance,
    Recovery,
    Solace,
    Hope,
    Dawn,
    Spring,
    Valour,
    Courage,
    Warding,
    Shelter,
    Fortitude,
    Resolve,
    Honour,
    Glory,
    Stone,
    Mountains,
    Thunder,
    Ravens,
    Eagles,
    Lions,
    Hawks,
    Serpents,
    Shadows,
    Bear,
    Twilight,
    Wolf,
    Embers,
    Frost,
    Winter,
    Summer,
    Autumn,
    Tides,
    Kings,
    Knights,
    Heroes,
    Giants,
    Titans,
    Sages,
    North,
    Legends,
    Ages,
    Wrath,
    Fury,
    Might,
    Triumph,
    Conquest,
    Victory,
    Vengeance,
    Justice,
    Moon,
    Mercy,
    Faith,
    Silence,
    Secrets,
    Stars,
    Wisdom,
    Sun,
    Dragon,
    King,
    Storm,
    Echoes,
    Ashes,
    Steadfastness,
    Oaks,
    Rivers,
    Bastions,
    Guardians,
    Sentinels,
    // Stat labels
    Stamina,
    Defences,
    Offence,
};

inline constexpr int kWordCount = 102;

// The texts of one item: its name's qualifier (None for the plain amulets) and the one or two
// words that end its second line. The name's noun follows from the kind.
struct ItemText {
    Word qualifier;
    Word ending;
    Word endingSecond = Word::None;
};

namespace item_text_data {

// The letters of a word as glyph codes, blank-filled.
const GlyphString& GlyphsOf(Word word);
// Null for ids without an item.
const ItemText* TextOf(int id);
Word NounOf(int id);
Word LabelOf(ItemStat stat);

}  // namespace item_text_data

}  // namespace varn
