#include "items/ItemKinds.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ItemKinds, KindAtEveryRangeBoundary) {
    const struct {
        int id;
        ItemKind kind;
    } cases[] = {
        {INT_MIN, ItemKind::None}, {-1, ItemKind::None},      {0, ItemKind::None},
        {1, ItemKind::Amulet},     {36, ItemKind::Amulet},    {37, ItemKind::Helmet},
        {56, ItemKind::Helmet},    {57, ItemKind::Armor},     {86, ItemKind::Armor},
        {87, ItemKind::Belt},      {98, ItemKind::Belt},      {99, ItemKind::Pants},
        {126, ItemKind::Pants},    {127, ItemKind::Shoes},    {138, ItemKind::Shoes},
        {139, ItemKind::Gloves},   {150, ItemKind::Gloves},   {151, ItemKind::Ring},
        {191, ItemKind::Ring},     {192, ItemKind::None},     {220, ItemKind::None},
        {221, ItemKind::Shield},   {232, ItemKind::Shield},   {233, ItemKind::Sword},
        {250, ItemKind::Sword},    {251, ItemKind::None},     {255, ItemKind::None},
        {256, ItemKind::None},     {INT_MAX, ItemKind::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KindOf(c.id), c.kind) << "id " << c.id;
    }
}

TEST(ItemKinds, ItemCountsPerKind) {
    const int expected[kItemKindCount] = {0, 36, 20, 30, 12, 28, 12, 12, 41, 12, 18};
    int counts[kItemKindCount] = {};
    for (int id = -5; id < 300; ++id) {
        ++counts[static_cast<int>(KindOf(id))];
    }
    int items = 0;
    for (int kind = 1; kind < kItemKindCount; ++kind) {
        EXPECT_EQ(counts[kind], expected[kind]) << "kind " << kind;
        items += counts[kind];
    }
    EXPECT_EQ(items, kItemCount);
}

TEST(ItemKinds, NumberWithinKindNamesFirstAndLastOfEachKind) {
    EXPECT_EQ(NumberWithinKind(1), 1);
    EXPECT_EQ(NumberWithinKind(36), 36);
    EXPECT_EQ(NumberWithinKind(37), 1);
    EXPECT_EQ(NumberWithinKind(56), 20);
    EXPECT_EQ(NumberWithinKind(86), 30);
    EXPECT_EQ(NumberWithinKind(138), 12);
    EXPECT_EQ(NumberWithinKind(221), 1);
    EXPECT_EQ(NumberWithinKind(250), 18);
}

class KindTables : public testing::Test {
  protected:
    void SetUp() override {
        // A screen's tables may hold anything before the build.
        kinds.fill(static_cast<ItemKind>(0xAA));
        iconSlots.fill(0xAA);
        ItemCatalogue::FillKindTables(kinds, iconSlots);
    }

    ItemKind KindEntry(int id) const { return kinds[id - 1]; }

    ItemKindTable kinds;
    ItemIconSlotTable iconSlots;
};

TEST_F(KindTables, EntriesAreIndexedByIdMinusOne) {
    EXPECT_EQ(KindEntry(1), ItemKind::Amulet);
    EXPECT_EQ(KindEntry(36), ItemKind::Amulet);
    EXPECT_EQ(KindEntry(37), ItemKind::Helmet);
    EXPECT_EQ(KindEntry(151), ItemKind::Ring);
    EXPECT_EQ(KindEntry(191), ItemKind::Ring);
    EXPECT_EQ(KindEntry(192), ItemKind::None);
    EXPECT_EQ(KindEntry(220), ItemKind::None);
    EXPECT_EQ(KindEntry(221), ItemKind::Shield);
    EXPECT_EQ(KindEntry(232), ItemKind::Shield);
    EXPECT_EQ(KindEntry(233), ItemKind::Sword);
    EXPECT_EQ(KindEntry(250), ItemKind::Sword);
}

TEST_F(KindTables, AgreeWithKindOfForEveryItem) {
    for (int id = 1; id <= kLastItemId; ++id) {
        EXPECT_EQ(KindEntry(id), KindOf(id)) << "id " << id;
    }
}

TEST_F(KindTables, IconSlotOfEveryItemIsIdMinusOne) {
    for (int id = 1; id <= kLastItemId; ++id) {
        const int expected = IsItem(id) ? id - 1 : 0;
        EXPECT_EQ(iconSlots[id - 1], expected) << "id " << id;
    }
    EXPECT_EQ(iconSlots[220], 220);  // item 221
}

TEST_F(KindTables, SwordFillRunsToTheEndOfTheTable) {
    for (int entry = 250; entry < kItemTableSize; ++entry) {
        EXPECT_EQ(kinds[entry], ItemKind::Sword) << "entry " << entry;
        EXPECT_EQ(iconSlots[entry], entry) << "entry " << entry;
    }
}

}  // namespace
