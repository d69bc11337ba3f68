#include "exchange/ArmyMoves.h"

namespace varn {

namespace {

// One army slot with every array of it, name and spares included.
struct ArmySlot {
    uint8_t unitId = 0;
    uint8_t present = 0;
    uint8_t position = 0;
    uint8_t unitType = 0;
    int32_t attack = 0;
    int32_t defence = 0;
    int32_t training = 0;
    int32_t equipment = 0;
    uint8_t alive = 0;
    uint8_t light = 0;
    uint8_t serious = 0;
    uint8_t critical = 0;
    uint8_t down = 0;
    GlyphString name{};
    uint8_t spareA = 0;
    uint8_t spareB = 0;
};

bool IsSlot(int slot) {
    return slot >= 0 && slot < kArmySlotCount;
}

ArmySlot TakeSlot(const ArmyRecord& armies, int slot) {
    return {
        armies.unitId[slot], armies.present[slot], armies.position[slot], armies.unitType[slot],
        armies.attack[slot], armies.defence[slot], armies.training[slot], armies.equipment[slot],
        armies.alive[slot],  armies.light[slot],   armies.serious[slot],  armies.critical[slot],
        armies.down[slot],   armies.name[slot],    armies.spareA[slot],   armies.spareB[slot]};
}

void PutSlot(ArmyRecord& armies, int slot, const ArmySlot& army) {
    armies.unitId[slot] = army.unitId;
    armies.present[slot] = army.present;
    armies.position[slot] = army.position;
    armies.unitType[slot] = army.unitType;
    armies.attack[slot] = army.attack;
    armies.defence[slot] = army.defence;
    armies.training[slot] = army.training;
    armies.equipment[slot] = army.equipment;
    armies.alive[slot] = army.alive;
    armies.light[slot] = army.light;
    armies.serious[slot] = army.serious;
    armies.critical[slot] = army.critical;
    armies.down[slot] = army.down;
    armies.name[slot] = army.name;
    armies.spareA[slot] = army.spareA;
    armies.spareB[slot] = army.spareB;
}

}  // namespace

bool HoldsArmy(const ArmyRecord& armies, int slot) {
    return IsSlot(slot) && armies.present[slot] != 0;
}

bool MoveArmy(ArmyRecord& source, int sourceSlot, ArmyRecord& target, int targetSlot) {
    if (!HoldsArmy(source, sourceSlot) || !IsSlot(targetSlot) ||
        (&source == &target && sourceSlot == targetSlot)) {
        return false;
    }
    ArmySlot moving = TakeSlot(source, sourceSlot);
    // What stood in an empty target slot is no army: the source slot is left cleared.
    ArmySlot staying = HoldsArmy(target, targetSlot) ? TakeSlot(target, targetSlot) : ArmySlot{};
    moving.position = static_cast<uint8_t>(targetSlot);
    if (staying.present != 0) {
        staying.position = static_cast<uint8_t>(sourceSlot);
    }
    PutSlot(target, targetSlot, moving);
    PutSlot(source, sourceSlot, staying);
    return true;
}

}  // namespace varn
