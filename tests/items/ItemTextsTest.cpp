#include "items/ItemTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "items/ItemBonuses.h"
#include "items/ItemKinds.h"

namespace {

// The texts as English, so that failures read; a code that is no letter shows as '?'.
std::string Decode(std::span<const GlyphCode> codes) {
    std::string text;
    for (GlyphCode code : codes) {
        if (code == kGlyphBlank) {
            text += ' ';
        } else if (code >= kGlyphSmallA && code < kGlyphSmallA + 26) {
            text += static_cast<char>('a' + (code - kGlyphSmallA));
        } else if (code >= kGlyphCapitalA && code < kGlyphCapitalA + 26) {
            text += static_cast<char>('A' + (code - kGlyphCapitalA));
        } else {
            text += '?';
        }
    }
    const size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

struct Described {
    std::string line1;
    std::string line2;
    std::string label;
    std::string ending;  // line 2 after the common word
    std::vector<std::string> nameWords;
    ItemDescription record;
};

Described Describe(int id) {
    Described d;
    ItemCatalogue::DescribeItem(d.record, id);
    d.line1 = Decode(d.record.line1);
    d.line2 = Decode(d.record.line2);
    d.label = Decode(d.record.statLabel);
    d.nameWords = Words(d.line1);
    const size_t blank = d.line2.find(' ');
    d.ending = blank == std::string::npos ? "" : d.line2.substr(blank + 1);
    return d;
}

std::vector<int> AllItems() {
    std::vector<int> ids;
    for (int id = 1; id <= kLastItemId; ++id) {
        if (IsItem(id)) {
            ids.push_back(id);
        }
    }
    return ids;
}

// One row of words: letters only, exactly one blank between words, blanks after the last.
void ExpectWordRow(std::span<const GlyphCode> codes, int last, int id) {
    bool previousBlank = true;
    for (int i = 0; i <= last; ++i) {
        const GlyphCode code = codes[i];
        if (code == kGlyphBlank) {
            EXPECT_FALSE(previousBlank) << "two blanks or a leading blank, id " << id;
        } else {
            EXPECT_GE(code, 2) << "id " << id;
            EXPECT_LE(code, 71) << "id " << id;
        }
        previousBlank = code == kGlyphBlank;
    }
    EXPECT_NE(codes[last], kGlyphBlank) << "id " << id;
    for (size_t i = static_cast<size_t>(last) + 1; i < codes.size(); ++i) {
        EXPECT_EQ(codes[i], kGlyphBlank) << "id " << id;
    }
}

TEST(ItemTexts, EveryItemFollowsTheScheme) {
    const std::set<int> twoWordEndings = {80,  89,  121, 133, 163, 174, 180,
                                          182, 185, 190, 222, 226, 239, 240};
    std::set<std::string> commonWords;
    for (int id : AllItems()) {
        const Described d = Describe(id);
        const int line1Length = static_cast<int>(d.line1.size());
        const int line2Length = static_cast<int>(d.line2.size());
        EXPECT_EQ(d.record.line1Last, line1Length - 1) << d.line1;
        EXPECT_EQ(d.record.line2Last, line2Length - 1) << d.line2;
        EXPECT_GE(line1Length, 7) << d.line1;
        EXPECT_LE(line1Length, 17) << d.line1;
        EXPECT_GE(line2Length, 7) << d.line2;
        EXPECT_LE(line2Length, 17) << d.line2;
        ExpectWordRow(d.record.line1, d.record.line1Last, id);
        ExpectWordRow(d.record.line2, d.record.line2Last, id);

        const bool plainAmulet = id <= 12;
        EXPECT_EQ(d.nameWords.size(), plainAmulet ? 1u : 2u) << d.line1;

        const std::vector<std::string> second = Words(d.line2);
        ASSERT_FALSE(second.empty()) << "id " << id;
        EXPECT_EQ(second[0].size(), 2u) << d.line2;
        commonWords.insert(second[0]);
        EXPECT_EQ(second.size(), twoWordEndings.count(id) ? 3u : 2u) << d.line2;
    }
    EXPECT_EQ(commonWords.size(), 1u);
}

TEST(ItemTexts, ElevenNounsOnePerKindAndTwoForArmor) {
    std::set<std::string> nouns;
    std::map<ItemKind, std::set<std::string>> nounsOfKind;
    for (int id : AllItems()) {
        const std::string noun = Describe(id).nameWords.back();
        nouns.insert(noun);
        nounsOfKind[KindOf(id)].insert(noun);
    }
    EXPECT_EQ(nouns.size(), 11u);
    for (const auto& [kind, kindNouns] : nounsOfKind) {
        EXPECT_EQ(kindNouns.size(), kind == ItemKind::Armor ? 2u : 1u)
            << "kind " << static_cast<int>(kind);
    }
    // Armor 57 and 64..75 take one noun, 58..63 and 76..86 the other.
    const std::string first = Describe(57).nameWords.back();
    for (int id = 57; id <= 86; ++id) {
        const bool firstNoun = id == 57 || (id >= 64 && id <= 75);
        EXPECT_EQ(Describe(id).nameWords.back() == first, firstNoun) << "id " << id;
    }
}

TEST(ItemTexts, ElevenQualifiersSharedAcrossKinds) {
    std::set<std::string> qualifiers;
    std::map<ItemKind, std::set<std::string>> qualifiersOfKind;
    for (int id : AllItems()) {
        const Described d = Describe(id);
        if (d.nameWords.size() == 2) {
            qualifiers.insert(d.nameWords.front());
            qualifiersOfKind[KindOf(id)].insert(d.nameWords.front());
        }
    }
    EXPECT_EQ(qualifiers.size(), 11u);
    for (const auto& [kind, kindQualifiers] : qualifiersOfKind) {
        if (kind == ItemKind::Amulet) {
            continue;
        }
        EXPECT_GE(kindQualifiers.size(), 4u) << "kind " << static_cast<int>(kind);
        EXPECT_LE(kindQualifiers.size(), 7u) << "kind " << static_cast<int>(kind);
    }
    // The amulets are three series of twelve: no qualifier, then one, then another.
    const std::string second = Describe(13).nameWords.front();
    const std::string third = Describe(25).nameWords.front();
    EXPECT_NE(second, third);
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(Describe(n).nameWords.size(), 1u) << "amulet " << n;
        EXPECT_EQ(Describe(n + 12).nameWords.front(), second) << "amulet " << n + 12;
        EXPECT_EQ(Describe(n + 24).nameWords.front(), third) << "amulet " << n + 24;
    }
}

TEST(ItemTexts, SeventyFourEndingsSharedByTheAmuletSeries) {
    std::set<std::string> endings;
    for (int id : AllItems()) {
        endings.insert(Describe(id).ending);
    }
    EXPECT_EQ(endings.size(), 74u);

    std::set<std::string> amuletEndings;
    for (int n = 1; n <= 12; ++n) {
        const Described plain = Describe(n);
        EXPECT_EQ(Describe(n + 12).line2, plain.line2) << "amulet " << n + 12;
        EXPECT_EQ(Describe(n + 24).line2, plain.line2) << "amulet " << n + 24;
        amuletEndings.insert(plain.ending);
    }
    EXPECT_EQ(amuletEndings.size(), 12u);

    std::set<std::string> ringEndings;
    for (int id = 151; id <= 160; ++id) {
        const std::string ending = Describe(id).ending;
        EXPECT_EQ(amuletEndings.count(ending), 1u) << "ring " << id << " " << ending;
        ringEndings.insert(ending);
    }
    EXPECT_EQ(ringEndings.size(), 10u);
}

TEST(ItemTexts, LinesTellTheItemsApartButFourPants) {
    std::map<std::pair<std::string, std::string>, std::vector<int>> owners;
    for (int id : AllItems()) {
        const Described d = Describe(id);
        owners[{d.line1, d.line2}].push_back(id);
    }
    const std::vector<std::vector<int>> sharedLines = {{110, 111}, {112, 113}};
    for (const auto& [lines, ids] : owners) {
        if (ids.size() > 1) {
            EXPECT_NE(std::find(sharedLines.begin(), sharedLines.end(), ids), sharedLines.end())
                << lines.first << " / " << lines.second;
        }
    }
    EXPECT_EQ(owners.size(), static_cast<size_t>(kItemCount - 2));
    // The bonus line still tells those pants apart.
    EXPECT_NE(ItemCatalogue::BonusOf(110), ItemCatalogue::BonusOf(111));
    EXPECT_NE(ItemCatalogue::BonusOf(112), ItemCatalogue::BonusOf(113));
}

TEST(ItemTexts, LabelNamesTheStatTheKindRaises) {
    const std::string health = Describe(1).label;
    const std::string defence = Describe(37).label;
    const std::string attack = Describe(233).label;
    EXPECT_EQ(health.size(), 7u);
    EXPECT_EQ(defence.size(), 8u);
    EXPECT_EQ(attack.size(), 7u);
    EXPECT_EQ(Words(health).size(), 1u);
    EXPECT_EQ(Words(defence).size(), 1u);
    EXPECT_EQ(Words(attack).size(), 1u);
    EXPECT_NE(health, attack);
    for (int id : AllItems()) {
        const ItemKind kind = KindOf(id);
        const std::string& expected = kind == ItemKind::Amulet || kind == ItemKind::Ring ? health
                                      : kind == ItemKind::Sword                          ? attack
                                                                                         : defence;
        EXPECT_EQ(Describe(id).label, expected) << "id " << id;
    }
}

TEST(ItemTexts, IdsWithoutAnItemLeaveTheTextsBlank) {
    for (int id : {0, 192, 200, 220, 251, 255, 256, -1, 100000}) {
        ItemDescription record;
        ItemCatalogue::DescribeItem(record, 250);
        record.line1Last = 9;
        record.line2Last = 11;
        ItemCatalogue::DescribeItem(record, id);
        EXPECT_EQ(Decode(record.line1), "") << "id " << id;
        EXPECT_EQ(Decode(record.line2), "") << "id " << id;
        EXPECT_EQ(Decode(record.statLabel), "") << "id " << id;
        EXPECT_TRUE(std::all_of(record.statLabel.begin(), record.statLabel.end(),
                                [](GlyphCode code) { return code == kGlyphBlank; }));
        // A line without any code keeps its index.
        EXPECT_EQ(record.line1Last, 9) << "id " << id;
        EXPECT_EQ(record.line2Last, 11) << "id " << id;
    }
}

TEST(ItemTexts, EdgeItems) {
    const Described amulet1 = Describe(1);
    EXPECT_EQ(amulet1.record.line1Last, 6);
    EXPECT_EQ(amulet1.nameWords.size(), 1u);

    const Described a5 = Describe(5), a17 = Describe(17), a29 = Describe(29);
    EXPECT_EQ(a5.line2, a17.line2);
    EXPECT_EQ(a5.line2, a29.line2);
    EXPECT_NE(a5.line1, a17.line1);
    EXPECT_NE(a17.line1, a29.line1);

    EXPECT_NE(Describe(57).nameWords.back(), Describe(58).nameWords.back());
    EXPECT_EQ(Describe(57).label, Describe(58).label);
}

TEST(RefreshDescription, DescribesOncePerChangeOfTheShownItem) {
    ItemDescription record;
    ItemCatalogue::RefreshDescription(record, 250);
    EXPECT_EQ(record.itemId, 250);
    EXPECT_EQ(record.bonus, 100);
    const Described sword = Describe(250);
    EXPECT_EQ(Decode(record.line1), sword.line1);

    // Unchanged: the texts are not built again.
    record.line1.fill(kGlyphSmallA);
    ItemCatalogue::RefreshDescription(record, 250);
    EXPECT_EQ(record.line1[0], kGlyphSmallA);

    ItemCatalogue::RefreshDescription(record, 1);
    EXPECT_EQ(record.bonus, 3);
    EXPECT_EQ(Decode(record.line1), Describe(1).line1);
    ItemCatalogue::RefreshDescription(record, 250);
    EXPECT_EQ(Decode(record.line1), sword.line1);

    // Nothing shown: blank texts and no bonus.
    ItemCatalogue::RefreshDescription(record, 0);
    EXPECT_EQ(record.itemId, 0);
    EXPECT_EQ(record.bonus, 0);
    EXPECT_EQ(Decode(record.line1), "");
    EXPECT_EQ(Decode(record.statLabel), "");
}

}  // namespace
