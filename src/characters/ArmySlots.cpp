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

void SwapArmySlots(ArmyRecord& first, int firstSlot, ArmyRecord& second, int secondSlot) {
    if (!InRange(firstSlot) || !InRange(secondSlot) ||
        (&first == &second && firstSlot == secondSlot)) {
        return;
    }
    const auto a = static_cast<size_t>(firstSlot);
    const auto b = static_cast<size_t>(secondSlot);
    ForEachField(first, second, [a, b](auto& left, auto& right) { std::swap(left[a], right[b]); });
}

}  // namespace varn
