#include "items/ItemBonuses.h"

#include <array>
#include <cstdint>
#include <span>

#include "items/EquipSlots.h"

namespace varn {

namespace {

// The bonuses of each kind in id order.
constexpr uint8_t kAmulets[] = {3,  4,  5,  6,  7,  8,  9,  8,  7,  7,  6,  5,
                                10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 17, 17,
                                27, 28, 29, 28, 27, 25, 29, 29, 29, 26, 21, 22};
constexpr uint8_t kHelmets[] = {7,  8,  30, 26, 27, 30, 30, 29, 29, 28,
                                17, 30, 8,  9,  9,  9,  30, 10, 30, 20};
constexpr uint8_t kArmor[] = {13, 46, 37, 41, 55, 56, 42, 26, 22, 23, 28, 34, 18, 12, 17,
                              19, 34, 33, 25, 59, 60, 61, 62, 63, 50, 51, 41, 42, 43, 64};
constexpr uint8_t kBelts[] = {6, 7, 25, 26, 8, 9, 11, 8, 18, 17, 16, 10};
constexpr uint8_t kPants[] = {17, 29, 28, 25, 32, 26, 33, 30, 22, 21, 24, 20, 19, 31,
                              38, 41, 42, 43, 44, 45, 46, 47, 48, 40, 39, 37, 36, 35};
constexpr uint8_t kShoes[] = {11, 12, 15, 20, 28, 27, 29, 22, 25, 26, 23, 28};
constexpr uint8_t kGloves[] = {12, 24, 13, 16, 25, 26, 27, 14, 17, 20, 22, 23};
constexpr uint8_t kRings[] = {3,  4,  5,  6,  7,  8,  9,  11, 12, 24, 23, 24, 30, 29,
                              25, 30, 28, 27, 26, 25, 25, 28, 19, 30, 22, 17, 20, 26,
                              28, 30, 30, 30, 30, 23, 28, 27, 13, 16, 14, 26, 27};
constexpr uint8_t kShields[] = {43, 44, 45, 48, 50, 50, 35, 50, 33, 27, 28, 29};
constexpr uint8_t kSwords[] = {43, 44, 80, 80, 47, 41, 80, 80, 68,
                               40, 69, 38, 66, 31, 32, 37, 39, 100};

// Indexed by kind; none has no entries.
constexpr std::array<std::span<const uint8_t>, kItemKindCount> kBonusesByKind = {
    std::span<const uint8_t>(),
    kAmulets,
    kHelmets,
    kArmor,
    kBelts,
    kPants,
    kShoes,
    kGloves,
    kRings,
    kShields,
    kSwords};

constexpr std::span<const uint8_t> BonusesOfKind(ItemKind kind) {
    return kBonusesByKind[static_cast<size_t>(kind)];
}

// Indexed by the id itself; 0 where no item is.
constexpr std::array<ItemBonus, kItemTableSize> BuildBonusTable() {
    std::array<ItemBonus, kItemTableSize> table{};
    for (const ItemKindFacts& facts : kItemKinds) {
        const std::span<const uint8_t> bonuses = BonusesOfKind(facts.kind);
        for (size_t n = 0; n < bonuses.size(); ++n) {
            table[facts.firstId + n] = bonuses[n];
        }
    }
    return table;
}

constexpr bool EveryKindHasOneBonusPerItem() {
    for (const ItemKindFacts& facts : kItemKinds) {
        const size_t items = static_cast<size_t>(facts.lastId - facts.firstId + 1);
        if (BonusesOfKind(facts.kind).size() != items) {
            return false;
        }
    }
    return true;
}
static_assert(EveryKindHasOneBonusPerItem());

constexpr std::array<ItemBonus, kItemTableSize> kBonusTable = BuildBonusTable();

int32_t SumOfEntries(const SlotBonuses& slotBonus, int first, int last) {
    int32_t sum = 0;
    for (int entry = first; entry <= last; ++entry) {
        sum += slotBonus[entry];
    }
    return sum;
}

// Base values come from saves; one near the limit must not overflow.
int32_t AddBonus(int32_t base, int32_t bonus) {
    const int64_t sum = static_cast<int64_t>(base) + bonus;
    return sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
}

}  // namespace

namespace ItemCatalogue {

ItemBonus BonusOf(int32_t id) {
    if (id < 0 || id >= kItemTableSize) {
        return 0;
    }
    return kBonusTable[static_cast<size_t>(id)];
}

void SumEquipmentBonuses(EquipmentCells equipment, int32_t baseHealth, int32_t baseAttack,
                         int32_t baseDefence, int32_t& maxHealth, int32_t& attack, int32_t& defence,
                         SlotBonuses& slotBonus) {
    slotBonus.fill(0);
    for (const EquipSlotFacts& facts : kEquipSlots) {
        const ItemId id = equipment[static_cast<size_t>(facts.slot)];
        if (KindOf(id) == facts.kind) {
            slotBonus[facts.bonusEntry] = kBonusTable[id];
        }
    }
    maxHealth = AddBonus(baseHealth, SumOfEntries(slotBonus, kFirstHealthEntry, kLastHealthEntry));
    attack = AddBonus(baseAttack, slotBonus[kAttackEntry]);
    defence = AddBonus(baseDefence, SumOfEntries(slotBonus, kFirstDefenceEntry, kLastDefenceEntry));
}

void RecomputeEquipmentStats(EquipmentCells equipment, CharacterStats& stats,
                             SlotBonuses& slotBonus) {
    SumEquipmentBonuses(equipment, stats.baseHealth, stats.baseAttack, stats.baseDefence,
                        stats.maxHealth, stats.attack, stats.defence, slotBonus);
    if (stats.health > stats.maxHealth) {
        stats.health = stats.maxHealth;
    }
}

}  // namespace ItemCatalogue

}  // namespace varn
