#include "items/ItemLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

using ItemCatalogue::ItemCellPositions;

TEST(ItemCellPositions, BagIsAFourByThreeGridOf64PixelCells) {
    for (int k = 0; k < kBagCellCount; ++k) {
        EXPECT_EQ(ItemCellPositions[k].x, 544 + 64 * (k % 4)) << "cell " << k;
        EXPECT_EQ(ItemCellPositions[k].y, 308 + 64 * (k / 4)) << "cell " << k;
    }
}

TEST(ItemCellPositions, EquipmentSlotsAroundTheDoll) {
    const struct {
        int cell;
        int x;
        int y;
    } cases[] = {
        {12, 391, 250}, {13, 436, 250}, {14, 481, 250}, {15, 397, 193}, {16, 190, 295},
        {17, 214, 340}, {18, 370, 430}, {19, 426, 430}, {20, 190, 230}, {21, 157, 378},
        {24, 258, 378}, {25, 351, 378}, {28, 451, 378}, {29, 460, 320}, {30, 413, 320},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ItemCellPositions[c.cell].x, c.x) << "cell " << c.cell;
        EXPECT_EQ(ItemCellPositions[c.cell].y, c.y) << "cell " << c.cell;
    }
}

class Layout : public testing::Test {
  protected:
    static constexpr int32_t kUntouched = -12345;
    static constexpr uint8_t kUntouchedCell = 99;

    void SetUp() override {
        iconX.fill(kUntouched);
        iconY.fill(kUntouched);
        itemCell.fill(kUntouchedCell);
    }

    void Run(const CellPositionTable& positions = ItemCellPositions) {
        ItemCatalogue::LayoutBagItems(items, iconX, iconY, itemCell, positions);
    }

    void ExpectPlaced(int id, int x, int y, int cell) {
        EXPECT_EQ(iconX[id - 1], x) << "id " << id;
        EXPECT_EQ(iconY[id - 1], y) << "id " << id;
        EXPECT_EQ(itemCell[id - 1], cell) << "id " << id;
    }

    void ExpectUntouchedExcept(std::initializer_list<int> placedIds) {
        for (int id = 1; id <= kItemTableSize; ++id) {
            if (std::find(placedIds.begin(), placedIds.end(), id) != placedIds.end()) {
                continue;
            }
            EXPECT_EQ(iconX[id - 1], kUntouched) << "id " << id;
            EXPECT_EQ(iconY[id - 1], kUntouched) << "id " << id;
            EXPECT_EQ(itemCell[id - 1], kUntouchedCell) << "id " << id;
        }
    }

    CharacterItems items{};
    std::array<int32_t, kItemTableSize> iconX;
    std::array<int32_t, kItemTableSize> iconY;
    std::array<uint8_t, kItemTableSize> itemCell;
};

TEST_F(Layout, EmptyItemsChangeNothing) {
    Run();
    ExpectUntouchedExcept({});
}

TEST_F(Layout, BagItemFollowsItsCell) {
    items[5] = 40;
    Run();
    ExpectPlaced(40, 608, 372, 5);
    items[5] = kNoItem;
    items[11] = 40;
    Run();
    ExpectPlaced(40, 736, 436, 11);
    ExpectUntouchedExcept({40});
}

TEST_F(Layout, EquippedItemsGetTheirSlotPositions) {
    items[30] = 250;  // sword
    items[21] = 151;  // ring 1
    items[12] = 1;    // amulet 1
    items[0] = 255;   // an id without an item still has an entry
    Run();
    ExpectPlaced(250, 413, 320, 30);
    ExpectPlaced(151, 157, 378, 21);
    ExpectPlaced(1, 391, 250, 12);
    ExpectPlaced(255, 544, 308, 0);
    ExpectUntouchedExcept({250, 151, 1, 255});
}

TEST_F(Layout, ItemThatLeftKeepsItsLastEntries) {
    items[3] = 99;
    Run();
    items[3] = kNoItem;
    Run();
    ExpectPlaced(99, 736, 308, 3);
}

TEST_F(Layout, OneIdInTwoCellsTakesTheHigherCell) {
    items[2] = 77;
    items[16] = 77;
    Run();
    ExpectPlaced(77, 190, 295, 16);
}

TEST_F(Layout, PositionTableIsTheCallers) {
    // A side of the exchange screen: its own bag grid and slots.
    CellPositionTable side{};
    for (int cell = 0; cell < kItemCellCount; ++cell) {
        side[cell] = {1000 + cell, 2000 + cell};
    }
    items[7] = 10;
    items[29] = 221;
    Run(side);
    ExpectPlaced(10, 1007, 2007, 7);
    ExpectPlaced(221, 1029, 2029, 29);
    ExpectUntouchedExcept({10, 221});
}

}  // namespace
