#include "items/ItemLayout.h"

namespace varn {

namespace ItemCatalogue {

void LayoutBagItems(const CharacterItems& items, std::span<int32_t, kItemTableSize> iconX,
                    std::span<int32_t, kItemTableSize> iconY,
                    std::span<uint8_t, kItemTableSize> itemCell,
                    const CellPositionTable& positions) {
    for (int cell = 0; cell < kItemCellCount; ++cell) {
        const ItemId id = items[cell];
        if (id == kNoItem) {
            continue;
        }
        const size_t entry = id - 1u;
        iconX[entry] = positions[cell].x;
        iconY[entry] = positions[cell].y;
        itemCell[entry] = static_cast<uint8_t>(cell);
    }
}

}  // namespace ItemCatalogue

}  // namespace varn
