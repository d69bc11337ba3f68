#pragma once

#include <array>
#include <cstdint>

#include "items/ItemKinds.h"

namespace varn {

// The nine layers of a paper doll, in the order of a PaperDollLayers.
enum class DollLayer : uint8_t {
    Helmet,
    Armor,
    Gloves,
    Pants,
    Shoes,
    Belt,
    Amulets,
    Shield,
    Sword
};

inline constexpr int kDollLayerCount = 9;
// Slots each layer's sprite set is created with, by DollLayer.
inline constexpr std::array<int, kDollLayerCount> kDollLayerSlots = {1, 1, 2, 1, 2, 1, 3, 1, 1};

// The flags of a PaperDollReloadFlags: after the amulets they follow the layer order, not the
// slot order.
enum class ReloadFlag : uint8_t {
    Amulet1,
    Amulet2,
    Amulet3,
    Helmet,
    Armor,
    Gloves,
    Pants,
    Shoes,
    Belt,
    Shield,
    Sword,
};

inline constexpr int kReloadFlagCount = 11;

// Entries of a SlotBonuses record, grouped by stat.
inline constexpr int kFirstHealthEntry = 0;
inline constexpr int kLastHealthEntry = 10;
inline constexpr int kAttackEntry = 11;
inline constexpr int kFirstDefenceEntry = 12;
inline constexpr int kLastDefenceEntry = 18;

inline constexpr uint32_t kItemArtKey = 0xFFFF0000;   // pure red
inline constexpr uint32_t kGloveArtKey = 0xFF000000;  // black

// One picture of a worn item: the letter after the number in its file name, and the layer
// slot it goes into.
struct DollPicture {
    const char* variant;
    uint8_t layerSlot;
};

// Everything the catalogue knows about one equipment slot. Rings have no paper-doll art and
// so no reload flag and no layer.
struct EquipSlotFacts {
    EquipSlot slot;
    ItemKind kind;  // the only kind the slot takes
    uint8_t bonusEntry;
    bool hasArt;
    ReloadFlag reloadFlag;
    DollLayer layer;
    // Folder and base name; a file adds the item's number within its kind, the variant and
    // ".bmp".
    const char* artStem;
    uint8_t pictureCount;
    std::array<DollPicture, 2> pictures;
    int16_t frameWidth;
    int16_t frameHeight;
    uint32_t colourKey;
};

// clang-format off
namespace equip_slot_rows {

constexpr EquipSlotFacts RingSlot(EquipSlot slot, int ringIndex) {
    return {slot, ItemKind::Ring, static_cast<uint8_t>(3 + ringIndex), false, ReloadFlag::Amulet1,
            DollLayer::Amulets, nullptr, 0, {}, 0, 0, 0};
}

}  // namespace equip_slot_rows

// By EquipSlot.
inline constexpr std::array<EquipSlotFacts, kEquipSlotCount> kEquipSlots = {{
    // slot              kind              entry art   reload flag          layer
    //   file stem                    pictures (variant, layer slot)   frame     key
    {EquipSlot::Amulet1, ItemKind::Amulet,  0,    true, ReloadFlag::Amulet1, DollLayer::Amulets,
     "Art\\Items\\Amulets\\Amulet",     1, {{{"a", 0}, {"", 0}}},        64,  64, kItemArtKey},
    {EquipSlot::Amulet2, ItemKind::Amulet,  1,    true, ReloadFlag::Amulet2, DollLayer::Amulets,
     "Art\\Items\\Amulets\\Amulet",     1, {{{"b", 1}, {"", 0}}},        64,  64, kItemArtKey},
    {EquipSlot::Amulet3, ItemKind::Amulet,  2,    true, ReloadFlag::Amulet3, DollLayer::Amulets,
     "Art\\Items\\Amulets\\Amulet",     1, {{{"c", 2}, {"", 0}}},        64,  64, kItemArtKey},
    {EquipSlot::Helmet,  ItemKind::Helmet,  12,   true, ReloadFlag::Helmet,  DollLayer::Helmet,
     "Art\\Items\\Helmets\\Helmet",     1, {{{"", 0}, {"", 0}}},         128, 128, kItemArtKey},
    {EquipSlot::Armor,   ItemKind::Armor,   13,   true, ReloadFlag::Armor,   DollLayer::Armor,
     "Art\\Items\\Armor\\Torso",        1, {{{"", 0}, {"", 0}}},         256, 256, kItemArtKey},
    {EquipSlot::Belt,    ItemKind::Belt,    14,   true, ReloadFlag::Belt,    DollLayer::Belt,
     "Art\\Items\\Belts\\Belt",         1, {{{"", 0}, {"", 0}}},         128, 32,  kItemArtKey},
    {EquipSlot::Pants,   ItemKind::Pants,   15,   true, ReloadFlag::Pants,   DollLayer::Pants,
     "Art\\Items\\Pants\\Pants",        1, {{{"", 0}, {"", 0}}},         128, 256, kItemArtKey},
    {EquipSlot::Shoes,   ItemKind::Shoes,   16,   true, ReloadFlag::Shoes,   DollLayer::Shoes,
     "Art\\Items\\Shoes\\Shoe",         2, {{{"a", 0}, {"b", 1}}},       128, 128, kItemArtKey},
    {EquipSlot::Gloves,  ItemKind::Gloves,  17,   true, ReloadFlag::Gloves,  DollLayer::Gloves,
     "Art\\Items\\Gloves\\Glove",       2, {{{"a", 0}, {"b", 1}}},       32,  64,  kGloveArtKey},
    equip_slot_rows::RingSlot(EquipSlot::Ring1, 0),
    equip_slot_rows::RingSlot(EquipSlot::Ring2, 1),
    equip_slot_rows::RingSlot(EquipSlot::Ring3, 2),
    equip_slot_rows::RingSlot(EquipSlot::Ring4, 3),
    equip_slot_rows::RingSlot(EquipSlot::Ring5, 4),
    equip_slot_rows::RingSlot(EquipSlot::Ring6, 5),
    equip_slot_rows::RingSlot(EquipSlot::Ring7, 6),
    equip_slot_rows::RingSlot(EquipSlot::Ring8, 7),
    {EquipSlot::Shield,  ItemKind::Shield,  18,   true, ReloadFlag::Shield,  DollLayer::Shield,
     "Art\\Items\\Shields\\Shield",     1, {{{"", 0}, {"", 0}}},         128, 128, kItemArtKey},
    {EquipSlot::Sword,   ItemKind::Sword,   11,   true, ReloadFlag::Sword,   DollLayer::Sword,
     "Art\\Items\\Swords\\Sword",       1, {{{"", 0}, {"", 0}}},         64,  128, kItemArtKey},
}};
// clang-format on

constexpr const EquipSlotFacts& FactsOf(EquipSlot slot) {
    return kEquipSlots[static_cast<size_t>(slot)];
}

// True when the slot takes items of this kind.
constexpr bool SlotTakes(EquipSlot slot, ItemKind kind) {
    return kind != ItemKind::None && FactsOf(slot).kind == kind;
}

// The table must list the slots in EquipSlot order, give each slot its own bonus entry and
// agree with the stat each kind raises.
constexpr bool EquipSlotTableIsConsistent() {
    std::array<bool, kEquipSlotCount> entryUsed{};
    for (size_t s = 0; s < kEquipSlots.size(); ++s) {
        const EquipSlotFacts& facts = kEquipSlots[s];
        if (static_cast<size_t>(facts.slot) != s) {
            return false;
        }
        const ItemStat stat = FactsOf(facts.kind).stat;
        const int entry = facts.bonusEntry;
        if (entry >= kEquipSlotCount || entryUsed[entry]) {
            return false;
        }
        entryUsed[entry] = true;
        const bool entryMatchesStat = (stat == ItemStat::MaxHealth && entry >= kFirstHealthEntry &&
                                       entry <= kLastHealthEntry) ||
                                      (stat == ItemStat::Attack && entry == kAttackEntry) ||
                                      (stat == ItemStat::Defence && entry >= kFirstDefenceEntry &&
                                       entry <= kLastDefenceEntry);
        if (!entryMatchesStat) {
            return false;
        }
    }
    return true;
}
static_assert(EquipSlotTableIsConsistent());

}  // namespace varn
