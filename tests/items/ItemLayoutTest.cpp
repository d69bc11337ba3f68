#include "items/ItemLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace varn {

namespace {

TEST(LayoutBagItems, ItemsArePlacedByCellAndIdsInNoCellKeepTheirEntries) {
    constexpr uint8_t kUntouched = 99;
    CharacterItems items{};
    std::array<int32_t, kItemTableSize> iconX{}, iconY{};
    std::array<uint8_t, kItemTableSize> itemCell;
    itemCell.fill(kUntouched);
    const auto expectPlaced = [&](int id, int x, int y, int cell) {
        EXPECT_EQ((std::array<int, 3>{iconX[id - 1], iconY[id - 1], itemCell[id - 1]}),
                  (std::array<int, 3>{x, y, cell}))
            << "id " << id;
    };
    // Ids 200..220 name no item and are placed all the same.
    for (int cell = 0; cell < kItemCellCount; ++cell) {
        items[cell] = static_cast<ItemId>(200 + cell);
    }
    ItemCatalogue::LayoutBagItems(items, iconX, iconY, itemCell);
    for (int k = 0; k < kBagCellCount; ++k) {
        expectPlaced(200 + k, 544 + 64 * (k % 4), 308 + 64 * (k / 4), k);
    }
    const int slots[][3] = {{12, 391, 250}, {14, 481, 250}, {15, 397, 193}, {16, 190, 295},
                            {17, 214, 340}, {19, 426, 430}, {20, 190, 230}, {21, 157, 378},
                            {24, 258, 378}, {25, 351, 378}, {28, 451, 378}, {29, 460, 320},
                            {30, 413, 320}};
    for (const auto& [cell, x, y] : slots) {
        expectPlaced(200 + cell, x, y, cell);
    }

    // The exchange screen passes its own positions; ids that left keep their last entries.
    CellPositionTable side{};
    side[4] = {1004, 2004};
    items = {};
    items[4] = 1;
    ItemCatalogue::LayoutBagItems(items, iconX, iconY, itemCell, side);
    expectPlaced(1, 1004, 2004, 4);
    expectPlaced(203, 736, 308, 3);
    EXPECT_EQ(kItemTableSize - std::count(itemCell.begin(), itemCell.end(), kUntouched),
              kItemCellCount + 1);
}

}  // namespace

}  // namespace varn
