#include "items/ItemKinds.h"

namespace varn {

namespace ItemCatalogue {

void FillKindTables(ItemKindTable& kinds, ItemIconSlotTable& iconSlots) {
    kinds.fill(ItemKind::None);
    iconSlots.fill(0);
    for (const ItemKindFacts& facts : kItemKinds) {
        if (facts.kind == ItemKind::None) {
            continue;
        }
        // Entries past the last sword are never looked up; they take the sword's kind.
        const int lastEntry = facts.kind == ItemKind::Sword ? kItemTableSize - 1 : facts.lastId - 1;
        for (int entry = facts.firstId - 1; entry <= lastEntry; ++entry) {
            kinds[entry] = facts.kind;
            iconSlots[entry] = static_cast<uint8_t>(entry);
        }
    }
}

}  // namespace ItemCatalogue

}  // namespace varn
