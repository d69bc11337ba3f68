#include "items/PaperDoll.h"

namespace varn {

void PaperDollReloadFlags::RequestSlot(EquipSlot slot) {
    const ItemKind kind = FactsOf(slot).kind;
    for (const EquipSlotFacts& facts : kEquipSlots) {
        const bool sameSlot = facts.slot == slot;
        const bool otherAmulet = kind == ItemKind::Amulet && facts.kind == ItemKind::Amulet;
        if (facts.hasArt && (sameSlot || otherAmulet)) {
            flags[static_cast<size_t>(facts.reloadFlag)] = 1;
        }
    }
}

}  // namespace varn
