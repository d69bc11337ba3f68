#include "items/ItemTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "items/ItemKinds.h"

namespace varn {

namespace {

// The texts as English, so that failures read; a code that is no letter shows as '?'.
std::string Decode(const auto& codes) {
    const std::string letters = " ?abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string text;
    for (GlyphCode code : codes) {
        text += code < letters.size() ? letters[code] : '?';
    }
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// Letters only, one blank between words, no leading blank.
bool IsWordRow(const std::string& line) {
    return !line.empty() && line[0] != ' ' && line.find("  ") == std::string::npos &&
           line.find('?') == std::string::npos;
}

struct Described {
    ItemDescription record;
    std::string line1, line2, label;
    std::vector<std::string> name;
};

Described Describe(int id) {
    Described d;
    ItemCatalogue::DescribeItem(d.record, id);
    d.line1 = Decode(d.record.line1);
    d.line2 = Decode(d.record.line2);
    d.label = Decode(d.record.statLabel);
    d.name = Words(d.line1);
    return d;
}

TEST(ItemTexts, EveryItemFollowsTheScheme) {
    const std::set<int> twoWordEndings = {80,  89,  121, 133, 163, 174, 180,
                                          182, 185, 190, 222, 226, 239, 240};
    std::set<std::string> commonWords, qualifiers, endings, amuletEndings, ringEndings, lines;
    std::map<ItemKind, std::set<std::string>> nounsOfKind, qualifiersOfKind;
    for (int id = 1; id <= kLastItemId; ++id) {
        const ItemKind kind = KindOf(id);
        if (kind == ItemKind::None) {
            continue;
        }
        const Described d = Describe(id);
        for (const std::string& line : {d.line1, d.line2}) {
            EXPECT_TRUE(IsWordRow(line)) << "id " << id << " '" << line << "'";
            EXPECT_TRUE(line.size() >= 7 && line.size() <= 17) << line;
        }
        EXPECT_EQ(d.record.line1Last + 1u, d.line1.size()) << d.line1;
        EXPECT_EQ(d.record.line2Last + 1u, d.line2.size()) << d.line2;
        lines.insert(d.line1 + " / " + d.line2);

        ASSERT_EQ(d.name.size(), id <= 12 ? 1u : 2u) << d.line1;
        const std::string qualifier = id <= 12 ? "" : d.name.front();
        qualifiers.insert(qualifier);
        qualifiersOfKind[kind].insert(qualifier);
        nounsOfKind[kind].insert(d.name.back());
        const std::vector<std::string> second = Words(d.line2);
        ASSERT_EQ(second.size(), twoWordEndings.count(id) ? 3u : 2u) << d.line2;
        commonWords.insert(second.front());
        const std::string ending = d.line2.substr(second.front().size() + 1);
        endings.insert(ending);
        if (kind == ItemKind::Amulet) {
            // Three series of twelve: the noun alone, then two qualifiers; amulets n, n + 12 and
            // n + 24 share their second line.
            EXPECT_EQ(d.name.front(), Describe(id - (id - 1) % 12).name.front()) << d.line1;
            EXPECT_EQ(d.line2, Describe((id - 1) % 12 + 1).line2) << "id " << id;
            amuletEndings.insert(ending);
        } else if (id >= 151 && id <= 160) {
            ringEndings.insert(ending);
        } else if (kind == ItemKind::Armor) {
            const bool firstNoun = id == 57 || (id >= 64 && id <= 75);
            EXPECT_EQ(d.name.back() == Describe(57).name.back(), firstNoun) << "id " << id;
        }
        // One word per stat raised: health and attack 7 codes, defence 8.
        const int sameStat = kind == ItemKind::Amulet || kind == ItemKind::Ring ? 1
                             : kind == ItemKind::Sword                          ? 233
                                                                                : 37;
        EXPECT_EQ(d.label, Describe(sameStat).label) << "id " << id;
        EXPECT_TRUE(IsWordRow(d.label) && d.label.find(' ') == std::string::npos) << d.label;
        EXPECT_EQ(d.label.size(), sameStat == 37 ? 8u : 7u) << d.label;
    }
    ASSERT_EQ(commonWords.size(), 1u);
    EXPECT_EQ(commonWords.begin()->size(), 2u);
    EXPECT_EQ(qualifiers.size(), 12u);  // with the plain amulets' none
    EXPECT_EQ(qualifiersOfKind[ItemKind::Amulet].size(), 3u);
    EXPECT_EQ(endings.size(), 74u);
    EXPECT_EQ(amuletEndings.size(), 12u);
    EXPECT_EQ(ringEndings.size(), 10u);
    EXPECT_TRUE(std::includes(amuletEndings.begin(), amuletEndings.end(), ringEndings.begin(),
                              ringEndings.end()));
    std::set<std::string> nouns;
    for (const auto& [kind, kindNouns] : nounsOfKind) {
        EXPECT_EQ(kindNouns.size(), kind == ItemKind::Armor ? 2u : 1u);
        nouns.insert(kindNouns.begin(), kindNouns.end());
        if (kind != ItemKind::Amulet) {
            EXPECT_GE(qualifiersOfKind[kind].size(), 4u) << "kind " << static_cast<int>(kind);
            EXPECT_LE(qualifiersOfKind[kind].size(), 7u) << "kind " << static_cast<int>(kind);
        }
    }
    EXPECT_EQ(nouns.size(), 11u);
    // Only pants 110 and 111, and 112 and 113, share their lines.
    EXPECT_EQ(Describe(110).line1 + Describe(110).line2, Describe(111).line1 + Describe(111).line2);
    EXPECT_EQ(Describe(112).line1 + Describe(112).line2, Describe(113).line1 + Describe(113).line2);
    EXPECT_EQ(lines.size(), kItemCount - 2u);
    EXPECT_NE(Describe(1).label, Describe(233).label);
}

TEST(ItemTexts, IdsWithoutAnItemLeaveTheTextsBlankAndTheIndicesAsTheyWere) {
    for (int id : {0, 192, 220, 251, 255, 256, -1, 100000}) {
        ItemDescription record;
        ItemCatalogue::DescribeItem(record, 250);
        record.line1Last = 9;
        record.line2Last = 11;
        ItemCatalogue::DescribeItem(record, id);
        EXPECT_EQ(Decode(record.line1) + Decode(record.line2) + Decode(record.statLabel), "")
            << "id " << id;
        EXPECT_EQ(record.line1Last, 9) << "id " << id;
        EXPECT_EQ(record.line2Last, 11) << "id " << id;
    }
}

TEST(RefreshDescription, DescribesOncePerChangeOfTheShownItem) {
    ItemDescription record;
    ItemCatalogue::RefreshDescription(record, 250);
    EXPECT_EQ(record.bonus, 100);
    record.line1.fill(kGlyphSmallA);
    ItemCatalogue::RefreshDescription(record, 250);  // unchanged: not described again
    EXPECT_EQ(record.line1[0], kGlyphSmallA);
    ItemCatalogue::RefreshDescription(record, 0);  // nothing shown: blank texts, no bonus
    EXPECT_EQ(record.bonus, 0);
    EXPECT_EQ(Decode(record.line1), "");
}

}  // namespace

}  // namespace varn
