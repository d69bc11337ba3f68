#include "items/ItemTextData.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace varn {

namespace {

struct WordRow {
    Word word;
    std::string_view english;
};

// clang-format off
constexpr WordRow kWords[] = {
    {Word::None, ""}, {Word::Of, "of"}, {Word::The, "the"}, {Word::Pendant, "Pendant"},
    {Word::Helm, "Helm"}, {Word::Mail, "Mail"}, {Word::Plate, "Plate"}, {Word::Girdle, "Girdle"},
    {Word::Leggings, "Leggings"}, {Word::Boots, "Boots"}, {Word::Gloves, "Gloves"},
    {Word::Ring, "Ring"}, {Word::Shield, "Shield"}, {Word::Sword, "Sword"},
    {Word::Silver, "Silver"}, {Word::Golden, "Golden"}, {Word::Iron, "Iron"},
    {Word::Steel, "Steel"}, {Word::Bronze, "Bronze"}, {Word::Leather, "Leather"},
    {Word::Elven, "Elven"}, {Word::Dwarven, "Dwarven"}, {Word::Royal, "Royal"},
    {Word::Ancient, "Ancient"}, {Word::Blessed, "Blessed"}, {Word::Life, "Life"},
    {Word::Vigour, "Vigour"}, {Word::Health, "Health"}, {Word::Mending, "Mending"},
    {Word::Renewal, "Renewal"}, {Word::Vitality, "Vitality"}, {Word::Endurance, "Endurance"},
    {Word::Recovery, "Recovery"}, {Word::Solace, "Solace"}, {Word::Hope, "Hope"},
    {Word::Dawn, "Dawn"}, {Word::Spring, "Spring"}, {Word::Valour, "Valour"},
    {Word::Courage, "Courage"}, {Word::Warding, "Warding"}, {Word::Shelter, "Shelter"},
    {Word::Fortitude, "Fortitude"}, {Word::Resolve, "Resolve"}, {Word::Honour, "Honour"},
    {Word::Glory, "Glory"}, {Word::Stone, "Stone"}, {Word::Mountains, "Mountains"},
    {Word::Thunder, "Thunder"}, {Word::Ravens, "Ravens"}, {Word::Eagles, "Eagles"},
    {Word::Lions, "Lions"}, {Word::Hawks, "Hawks"}, {Word::Serpents, "Serpents"},
    {Word::Shadows, "Shadows"}, {Word::Bear, "Bear"}, {Word::Twilight, "Twilight"},
    {Word::Wolf, "Wolf"}, {Word::Embers, "Embers"}, {Word::Frost, "Frost"},
    {Word::Winter, "Winter"}, {Word::Summer, "Summer"}, {Word::Autumn, "Autumn"},
    {Word::Tides, "Tides"}, {Word::Kings, "Kings"}, {Word::Knights, "Knights"},
    {Word::Heroes, "Heroes"}, {Word::Giants, "Giants"}, {Word::Titans, "Titans"},
    {Word::Sages, "Sages"}, {Word::North, "North"}, {Word::Legends, "Legends"},
    {Word::Ages, "Ages"}, {Word::Wrath, "Wrath"}, {Word::Fury, "Fury"}, {Word::Might, "Might"},
    {Word::Triumph, "Triumph"}, {Word::Conquest, "Conquest"}, {Word::Victory, "Victory"},
    {Word::Vengeance, "Vengeance"}, {Word::Justice, "Justice"}, {Word::Moon, "Moon"},
    {Word::Mercy, "Mercy"}, {Word::Faith, "Faith"}, {Word::Silence, "Silence"},
    {Word::Secrets, "Secrets"}, {Word::Stars, "Stars"}, {Word::Wisdom, "Wisdom"},
    {Word::Sun, "Sun"}, {Word::Dragon, "Dragon"}, {Word::King, "King"}, {Word::Storm, "Storm"},
    {Word::Echoes, "Echoes"}, {Word::Ashes, "Ashes"}, {Word::Steadfastness, "Steadfastness"},
    {Word::Oaks, "Oaks"}, {Word::Rivers, "Rivers"}, {Word::Bastions, "Bastions"},
    {Word::Guardians, "Guardians"}, {Word::Sentinels, "Sentinels"}, {Word::Stamina, "Stamina"},
    {Word::Defences, "Defences"}, {Word::Offence, "Offence"},
};
// clang-format on

// Kept in Word order, each a single word the letter sheets can draw, and none stored twice.
constexpr bool WordTableIsConsistent() {
    if (std::size(kWords) != static_cast<size_t>(kWordCount)) {
        return false;
    }
    for (size_t i = 0; i < std::size(kWords); ++i) {
        const std::string_view english = kWords[i].english;
        for (size_t j = 0; j < i; ++j) {
            if (kWords[j].english == english) {
                return false;
            }
        }
        const bool drawable =
            CanEncodeGlyphs(english) && english.find(' ') == std::string_view::npos &&
            std::ranges::none_of(english, [](char c) { return c >= '0' && c <= '9'; });
        if (static_cast<size_t>(kWords[i].word) != i || !drawable || english.empty() != (i == 0)) {
            return false;
        }
    }
    return true;
}
static_assert(WordTableIsConsistent());

constexpr std::array<GlyphString, kWordCount> EncodeWords() {
    std::array<GlyphString, kWordCount> glyphs{};
    for (size_t i = 0; i < std::size(kWords); ++i) {
        glyphs[i] = EncodeGlyphs(kWords[i].english);
    }
    return glyphs;
}

constexpr std::array<GlyphString, kWordCount> kWordGlyphs = EncodeWords();

using enum Word;

constexpr ItemText kAmulets[] = {
    {None, Life},         // 1
    {None, Vigour},       // 2
    {None, Health},       // 3
    {None, Mending},      // 4
    {None, Renewal},      // 5
    {None, Vitality},     // 6
    {None, Endurance},    // 7
    {None, Recovery},     // 8
    {None, Solace},       // 9
    {None, Hope},         // 10
    {None, Dawn},         // 11
    {None, Spring},       // 12
    {Silver, Life},       // 13
    {Silver, Vigour},     // 14
    {Silver, Health},     // 15
    {Silver, Mending},    // 16
    {Silver, Renewal},    // 17
    {Silver, Vitality},   // 18
    {Silver, Endurance},  // 19
    {Silver, Recovery},   // 20
    {Silver, Solace},     // 21
    {Silver, Hope},       // 22
    {Silver, Dawn},       // 23
    {Silver, Spring},     // 24
    {Golden, Life},       // 25
    {Golden, Vigour},     // 26
    {Golden, Health},     // 27
    {Golden, Mending},    // 28
    {Golden, Renewal},    // 29
    {Golden, Vitality},   // 30
    {Golden, Endurance},  // 31
    {Golden, Recovery},   // 32
    {Golden, Solace},     // 33
    {Golden, Hope},       // 34
    {Golden, Dawn},       // 35
    {Golden, Spring},     // 36
};
constexpr ItemText kHelmets[] = {
    {Iron, Valour},        // 37
    {Steel, Courage},      // 38
    {Bronze, Warding},     // 39
    {Royal, Shelter},      // 40
    {Ancient, Fortitude},  // 41
    {Dwarven, Resolve},    // 42
    {Iron, Honour},        // 43
    {Steel, Glory},        // 44
    {Bronze, Stone},       // 45
    {Royal, Mountains},    // 46
    {Ancient, Valour},     // 47
    {Dwarven, Courage},    // 48
    {Iron, Warding},       // 49
    {Steel, Shelter},      // 50
    {Bronze, Fortitude},   // 51
    {Royal, Resolve},      // 52
    {Ancient, Honour},     // 53
    {Dwarven, Glory},      // 54
    {Iron, Stone},         // 55
    {Steel, Mountains},    // 56
};
constexpr ItemText kArmor[] = {
    {Bronze, Honour},      // 57
    {Iron, Glory},         // 58
    {Steel, Stone},        // 59
    {Elven, Mountains},    // 60
    {Dwarven, Thunder},    // 61
    {Royal, Ravens},       // 62
    {Ancient, Eagles},     // 63
    {Bronze, Lions},       // 64
    {Iron, Hawks},         // 65
    {Steel, Serpents},     // 66
    {Elven, Shadows},      // 67
    {Dwarven, Honour},     // 68
    {Royal, Glory},        // 69
    {Ancient, Stone},      // 70
    {Bronze, Mountains},   // 71
    {Iron, Thunder},       // 72
    {Steel, Ravens},       // 73
    {Elven, Eagles},       // 74
    {Dwarven, Lions},      // 75
    {Royal, Hawks},        // 76
    {Ancient, Serpents},   // 77
    {Bronze, Shadows},     // 78
    {Iron, Honour},        // 79
    {Steel, The, Bear},    // 80
    {Steel, Glory},        // 81
    {Elven, Stone},        // 82
    {Dwarven, Mountains},  // 83
    {Royal, Thunder},      // 84
    {Ancient, Ravens},     // 85
    {Bronze, Eagles},      // 86
};
constexpr ItemText kBelts[] = {
    {Leather, Shadows},   // 87
    {Silver, Twilight},   // 88
    {Golden, The, Wolf},  // 89
    {Golden, Embers},     // 90
    {Royal, Frost},       // 91
    {Leather, Winter},    // 92
    {Silver, Shadows},    // 93
    {Golden, Twilight},   // 94
    {Royal, Embers},      // 95
    {Leather, Frost},     // 96
    {Silver, Winter},     // 97
    {Golden, Shadows},    // 98
};
constexpr ItemText kPants[] = {
    {Leather, Winter},    // 99
    {Iron, Summer},       // 100
    {Steel, Autumn},      // 101
    {Elven, Tides},       // 102
    {Royal, Kings},       // 103
    {Blessed, Knights},   // 104
    {Leather, Heroes},    // 105
    {Iron, Giants},       // 106
    {Steel, Titans},      // 107
    {Elven, Sages},       // 108
    {Royal, Winter},      // 109
    {Blessed, Summer},    // 110
    {Blessed, Summer},    // 111
    {Iron, Tides},        // 112
    {Iron, Tides},        // 113
    {Elven, Knights},     // 114
    {Royal, Heroes},      // 115
    {Blessed, Giants},    // 116
    {Leather, Titans},    // 117
    {Iron, Sages},        // 118
    {Steel, Winter},      // 119
    {Elven, Summer},      // 120
    {Royal, The, North},  // 121
    {Royal, Autumn},      // 122
    {Blessed, Tides},     // 123
    {Leather, Kings},     // 124
    {Iron, Knights},      // 125
    {Steel, Heroes},      // 126
};
constexpr ItemText kShoes[] = {
    {Leather, Titans},  // 127
    {Elven, Sages},     // 128
    {Iron, Legends},    // 129
    {Royal, Ages},      // 130
    {Leather, Wrath},   // 131
    {Elven, Titans},    // 132
    {Iron, The, Wolf},  // 133
    {Iron, Sages},      // 134
    {Royal, Legends},   // 135
    {Leather, Ages},    // 136
    {Elven, Wrath},     // 137
    {Iron, Titans},     // 138
};
constexpr ItemText kGloves[] = {
    {Leather, Wrath},     // 139
    {Iron, Fury},         // 140
    {Steel, Might},       // 141
    {Dwarven, Triumph},   // 142
    {Royal, Conquest},    // 143
    {Leather, Victory},   // 144
    {Iron, Wrath},        // 145
    {Steel, Fury},        // 146
    {Dwarven, Might},     // 147
    {Royal, Triumph},     // 148
    {Leather, Conquest},  // 149
    {Iron, Victory},      // 150
};
constexpr ItemText kRings[] = {
    {Silver, Life},         // 151
    {Golden, Vigour},       // 152
    {Elven, Health},        // 153
    {Royal, Mending},       // 154
    {Ancient, Renewal},     // 155
    {Blessed, Vitality},    // 156
    {Bronze, Endurance},    // 157
    {Silver, Recovery},     // 158
    {Golden, Solace},       // 159
    {Elven, Hope},          // 160
    {Silver, Vengeance},    // 161
    {Golden, Justice},      // 162
    {Blessed, The, Moon},   // 163
    {Elven, Mercy},         // 164
    {Royal, Faith},         // 165
    {Ancient, Silence},     // 166
    {Blessed, Secrets},     // 167
    {Bronze, Stars},        // 168
    {Silver, Wisdom},       // 169
    {Golden, Vengeance},    // 170
    {Elven, Justice},       // 171
    {Royal, Mercy},         // 172
    {Ancient, Faith},       // 173
    {Elven, The, Sun},      // 174
    {Blessed, Silence},     // 175
    {Bronze, Secrets},      // 176
    {Silver, Stars},        // 177
    {Golden, Wisdom},       // 178
    {Elven, Vengeance},     // 179
    {Golden, The, Dragon},  // 180
    {Royal, Justice},       // 181
    {Royal, The, King},     // 182
    {Ancient, Mercy},       // 183
    {Blessed, Faith},       // 184
    {Bronze, The, Storm},   // 185
    {Bronze, Silence},      // 186
    {Silver, Secrets},      // 187
    {Golden, Stars},        // 188
    {Elven, Wisdom},        // 189
    {Ancient, The, North},  // 190
    {Royal, Vengeance},     // 191
};
constexpr ItemText kShields[] = {
    {Bronze, Stars},           // 221
    {Iron, The, King},         // 222
    {Iron, Wisdom},            // 223
    {Steel, Echoes},           // 224
    {Royal, Ashes},            // 225
    {Bronze, The, Dragon},     // 226
    {Blessed, Steadfastness},  // 227
    {Bronze, Oaks},            // 228
    {Iron, Stars},             // 229
    {Steel, Wisdom},           // 230
    {Royal, Echoes},           // 231
    {Blessed, Ashes},          // 232
};
constexpr ItemText kSwords[] = {
    {Bronze, Steadfastness},   // 233
    {Iron, Oaks},              // 234
    {Steel, Rivers},           // 235
    {Elven, Bastions},         // 236
    {Dwarven, Guardians},      // 237
    {Ancient, Sentinels},      // 238
    {Blessed, The, Storm},     // 239
    {Bronze, The, Dragon},     // 240
    {Blessed, Steadfastness},  // 241
    {Bronze, Oaks},            // 242
    {Iron, Rivers},            // 243
    {Steel, Bastions},         // 244
    {Elven, Guardians},        // 245
    {Dwarven, Sentinels},      // 246
    {Ancient, Steadfastness},  // 247
    {Blessed, Oaks},           // 248
    {Bronze, Rivers},          // 249
    {Iron, Bastions},          // 250
};

// Indexed by kind; none has no entries.
constexpr std::array<std::span<const ItemText>, kItemKindCount> kTextsByKind = {
    std::span<const ItemText>(),
    kAmulets,
    kHelmets,
    kArmor,
    kBelts,
    kPants,
    kShoes,
    kGloves,
    kRings,
    kShields,
    kSwords};

constexpr std::span<const ItemText> TextsOfKind(ItemKind kind) {
    return kTextsByKind[static_cast<size_t>(kind)];
}

constexpr bool EveryItemHasOneText() {
    for (const ItemKindFacts& facts : kItemKinds) {
        const size_t items = static_cast<size_t>(facts.lastId - facts.firstId + 1);
        if (TextsOfKind(facts.kind).size() != items) {
            return false;
        }
    }
    return true;
}
static_assert(EveryItemHasOneText());

}  // namespace

namespace item_text_data {

const GlyphString& GlyphsOf(Word word) {
    return kWordGlyphs[static_cast<size_t>(word)];
}

const ItemText* TextOf(int id) {
    const ItemKind kind = KindOf(id);
    if (kind == ItemKind::None) {
        return nullptr;
    }
    return &TextsOfKind(kind)[static_cast<size_t>(NumberWithinKind(id) - 1)];
}

Word NounOf(int id) {
    switch (KindOf(id)) {
        case ItemKind::Amulet:
            return Pendant;
        case ItemKind::Helmet:
            return Helm;
        // Armor has two nouns: the mail shirts and the plate.
        case ItemKind::Armor:
            return id == 57 || (id >= 64 && id <= 75) ? Mail : Plate;
        case ItemKind::Belt:
            return Girdle;
        case ItemKind::Pants:
            return Leggings;
        case ItemKind::Shoes:
            return Boots;
        case ItemKind::Gloves:
            return Gloves;
        case ItemKind::Ring:
            return Ring;
        case ItemKind::Shield:
            return Shield;
        case ItemKind::Sword:
            return Sword;
        case ItemKind::None:
            break;
    }
    return None;
}

Word LabelOf(ItemStat stat) {
    switch (stat) {
        case ItemStat::MaxHealth:
            return Stamina;
        case ItemStat::Defence:
            return Defences;
        case ItemStat::Attack:
            return Offence;
        case ItemStat::None:
            break;
    }
    return None;
}

}  // namespace item_text_data

}  // namespace varn
