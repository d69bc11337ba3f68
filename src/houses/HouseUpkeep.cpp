#include <algorithm>

#include "houses/HouseScreen.h"
#include "items/ItemKinds.h"
#include "world/Counters.h"

namespace varn {

namespace {

// Men an army's training and equipment call for, kept in a byte as the record keeps men.
uint8_t MenOf(int32_t training, int32_t equipment) {
    const int64_t sum = static_cast<int64_t>(training) + equipment;
    return static_cast<uint8_t>(sum / 10);
}

}  // namespace

void HouseScreen::UpkeepArmiesOnEntry() {
    if (health == 0) {
        raisedMessage = 1;
        health = 1;
    }
    for (size_t i = 0; i < kArmySlotCount; ++i) {
        army.previousAlive[i] = army.alive[i];
        armyRaised[i] = 0;
        if (army.present[i] != 0 && army.down[i] != 0) {
            army.alive[i] = static_cast<uint8_t>(army.alive[i] + army.down[i]);
            army.down[i] = 0;
            armyRaised[i] = 1;
            raisedMessage = 1;
        }
    }
    if (raisedMessage == 0) {
        for (size_t i = 0; i < kArmySlotCount; ++i) {
            if (army.present[i] == 0) {
                continue;
            }
            army.alive[i] = MenOf(army.training[i], army.equipment[i]);
            if (army.previousAlive[i] < army.alive[i]) {
                armyRose[i] = 1;
                canRise[i] = 0;
                armyRaised[i] = 0;
                trainingMessage = 1;
            }
        }
    }
    for (size_t i = 0; i < kArmySlotCount; ++i) {
        canRise[i] = 0;
        if (army.present[i] != 0) {
            targetAlive[i] = MenOf(army.training[i], army.equipment[i]);
            canRise[i] = targetAlive[i] > army.alive[i] + army.down[i] ? 1 : 0;
        }
    }
}

void HouseScreen::CheckHealNeed(int32_t gold) {
    needsHeal = 0;
    noGoldForHeal = 0;
    for (size_t i = 0; i < kArmySlotCount; ++i) {
        if (army.present[i] != 0 &&
            (army.light[i] > 0 || army.serious[i] > 0 || army.critical[i] > 0)) {
            needsHeal = 1;
        }
    }
    if (health < maxHealth) {
        needsHeal = 1;
    }
    // Signed: a debt pays for nothing.
    if (needsHeal != 0 && gold < healPrice) {
        needsHeal = 0;
        noGoldForHeal = 1;
        healFailShown = 1;
    }
}

void HouseScreen::ClearDisbandedArmy() {
    if (disbandSlot >= 1 && disbandSlot <= kArmySlotCount) {
        const int index = ArmyInCell(disbandSlot - 1);
        if (index >= 0) {
            army.present[static_cast<size_t>(index)] = 0;
            army.unitId[static_cast<size_t>(index)] = 0;
        }
    }
    disbandSlot = 0;
}

void HouseScreen::CheckHeldItemFlags() {
    if (std::any_of(heldFlag.begin(), heldFlag.end(), [](uint8_t flag) { return flag != 0; })) {
        heldAny = 1;
    }
}

void HouseScreen::GiveReward(int32_t* gold) {
    if (goldPending != 0 && gold != nullptr) {
        *gold = AddToCounter(*gold, goldAmount);
        goldPending = 0;
    }
    if (itemPending == 0) {
        return;
    }
    itemPending = 0;
    itemPlaced = 0;
    // An index past the last item would wrap to an empty bag cell.
    if (itemIndex >= kLastItemId) {
        return;
    }
    for (size_t c = 0; c < kBagCellCount; ++c) {
        if (bag[c] == kNoItem) {
            bag[c] = static_cast<ItemId>(itemIndex + 1);
            owned[itemIndex] = 1;
            itemCell[itemIndex] = static_cast<uint8_t>(c + 1);
            itemPlaced = 1;
            return;
        }
    }
    heldPlaced = 0;
    bagFull = 1;
    for (size_t s = 0; s < kHeldSlotsPerHouse; ++s) {
        if (heldFlag[s] == 0) {
            heldFlag[s] = 1;
            heldItem[s] = itemIndex;
            heldPlaced = 1;
            return;
        }
    }
}

void HouseScreen::ReturnHeldItems() {
    auto countHeld = [this] {
        heldCount = static_cast<uint8_t>(std::count_if(heldFlag.begin(), heldFlag.end(),
                                                       [](uint8_t flag) { return flag != 0; }));
        heldAny = heldCount > 0 ? 1 : 0;
    };
    returnedMessage = 0;
    countHeld();
    manyHeld = heldCount > 1 ? 1 : 0;
    // From the highest used slot down; a store with gaps (a damaged save) is walked the same way.
    for (size_t k = kHeldSlotsPerHouse; k-- > 0;) {
        if (heldFlag[k] == 0) {
            continue;
        }
        const int id = heldItem[k] + 1;
        if (!IsItem(id)) {
            // Nothing a bag could hold: the slot is freed rather than kept forever.
            heldFlag[k] = 0;
            continue;
        }
        const auto cell = std::find(bag.begin(), bag.end(), kNoItem);
        if (cell == bag.end()) {
            break;
        }
        *cell = static_cast<ItemId>(id);
        owned[heldItem[k]] = 1;
        itemCell[heldItem[k]] = static_cast<uint8_t>(cell - bag.begin() + 1);
        heldFlag[k] = 0;
        returnedMessage = 1;
    }
    countHeld();
    if (returnedMessage == 0 && heldAny != 0) {
        stillHeldMessage = 1;
    }
}

}  // namespace varn
