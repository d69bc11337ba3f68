#pragma once

#include <array>
#include <cstdint>

#include "world/CharacterRecords.h"

namespace varn {

// What an item is follows from its id alone: the id's range gives its kind.
enum class ItemKind : uint8_t {
    None = 0,
    Amulet = 1,
    Helmet = 2,
    Armor = 3,
    Belt = 4,
    Pants = 5,
    Shoes = 6,
    Gloves = 7,
    Ring = 8,
    Shield = 9,
    Sword = 10,
};

inline constexpr int kItemKindCount = 11;

// The one stat an item raises while it is worn.
enum class ItemStat : uint8_t { None, MaxHealth, Attack, Defence };

struct ItemKindFacts {
    ItemKind kind;
    int firstId;
    int lastId;
    ItemStat stat;

    constexpr bool Contains(int id) const { return id >= firstId && id <= lastId; }
};

// By kind, in the order of the ranges. The kinds have no gap except 192..220, which names no
// item, so shields and swords keep ids above it.
inline constexpr std::array<ItemKindFacts, kItemKindCount> kItemKinds = {{
    {ItemKind::None, 0, -1, ItemStat::None},
    {ItemKind::Amulet, 1, 36, ItemStat::MaxHealth},
    {ItemKind::Helmet, 37, 56, ItemStat::Defence},
    {ItemKind::Armor, 57, 86, ItemStat::Defence},
    {ItemKind::Belt, 87, 98, ItemStat::Defence},
    {ItemKind::Pants, 99, 126, ItemStat::Defence},
    {ItemKind::Shoes, 127, 138, ItemStat::Defence},
    {ItemKind::Gloves, 139, 150, ItemStat::Defence},
    {ItemKind::Ring, 151, 191, ItemStat::MaxHealth},
    {ItemKind::Shield, 221, 232, ItemStat::Defence},
    {ItemKind::Sword, 233, 250, ItemStat::Attack},
}};

inline constexpr int kItemCount = 221;

constexpr const ItemKindFacts& FactsOf(ItemKind kind) {
    return kItemKinds[static_cast<size_t>(kind)];
}

// The kind of an id; None for 0, 192..220 and anything outside 1..250.
constexpr ItemKind KindOf(int id) {
    for (const ItemKindFacts& facts : kItemKinds) {
        if (facts.Contains(id)) {
            return facts.kind;
        }
    }
    return ItemKind::None;
}

constexpr bool IsItem(int id) {
    return KindOf(id) != ItemKind::None;
}

// The item's place within its kind, from 1; the paper-doll files are numbered by it.
constexpr int NumberWithinKind(int id) {
    return id - FactsOf(KindOf(id)).firstId + 1;
}

// The screens' working tables, indexed by ItemId - 1.
using ItemKindTable = std::array<ItemKind, kItemTableSize>;
using ItemIconSlotTable = std::array<uint8_t, kItemTableSize>;

// The nineteen equipment slots; slot s is cell kFirstEquipCell + s of a CharacterItems.
enum class EquipSlot : uint8_t {
    Amulet1,
    Amulet2,
    Amulet3,
    Helmet,
    Armor,
    Belt,
    Pants,
    Shoes,
    Gloves,
    Ring1,
    Ring2,
    Ring3,
    Ring4,
    Ring5,
    Ring6,
    Ring7,
    Ring8,
    Shield,
    Sword,
};

constexpr int CellOf(EquipSlot slot) {
    return kFirstEquipCell + static_cast<int>(slot);
}

namespace ItemCatalogue {

// Fills both tables: every id of an item gets its kind and icon slot id - 1. The sword fill
// runs on to the end of the table; ids 192..220 get kind none and slot 0.
void FillKindTables(ItemKindTable& kinds, ItemIconSlotTable& iconSlots);

}  // namespace ItemCatalogue

}  // namespace varn
