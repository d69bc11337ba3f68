#include "characters/ArmySlots.h"

#include <utility>

namespace varn {

namespace {

bool InRange(int slot) {
    return slot >= 0 && slot < kArmySlotCount;
}

// Applies an operation to the entries of one slot in every array but the spares.
template <typename Operation>
void ForEachField(ArmyRecord& first, ArmyRecord& second, Operation operation) {
    operation(first.unitId, second.unitId);
    operation(first.present, second.present);
    operation(first.position, second.position);
    operation(first.unitType, second.unitType);
    operation(first.attack, second.attack);
    operation(first.defence, second.defence);
    operation(first.training, second.training);
    operation(first.equipment, second.equipment);
    operation(first.alive, second.alive);
    operation(first.light, second.light);
    operation(first.serious, second.serious);
    operation(first.critical, second.critical);
    operation(first.down, second.down);
    operation(first.name, second.name);
}

}  // namespace

bool HasArmy(const ArmyRecord& army, int slot) {
    return InRange(slot) && army.present[static_cast<size_t>(slot)] != 0;
}

void ClearArmySlot(ArmyRecord& army, int slot) {
    if (!InRange(slot)) {
        return;
    }
    const auto index = static_cast<size_t>(slot);
    ForEachField(army, army, [index](auto& entries, auto&) { entries[index] = {}; });
}

bool MoveArmy(ArmyRecord& source, int sourceSlot, ArmyRecord& target, int targetSlot) {
    if (!HasArmy(source, sourceSlot) || !InRange(targetSlot) ||
        (&source == &target && sourceSlot == targetSlot)) {
        return false;
    }
    const auto from = static_cast<size_t>(sourceSlot);
    const auto to = static_cast<size_t>(targetSlot);
    const bool swap = HasArmy(target, targetSlot);
    // What an empty slot holds is no army: it is not handed back to the source.
    if (!swap) {
        ClearArmySlot(target, targetSlot);
        target.spareA[to] = 0;
        target.spareB[to] = 0;
    }
    ForEachField(source, target,
                 [from, to](auto& left, auto& right) { std::swap(left[from], right[to]); });
    std::swap(source.spareA[from], target.spareA[to]);
    std::swap(source.spareB[from], target.spareB[to]);
    target.position[to] = static_cast<uint8_t>(targetSlot);
    if (swap) {
        source.position[from] = static_cast<uint8_t>(sourceSlot);
    }
    return true;
}

}  // namespace varn
