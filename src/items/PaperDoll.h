#pragma once

#include <array>
#include <cstdint>

#include "items/EquipSlots.h"

namespace varn {

class SpriteSet;

// One paper doll's layer sprite sets, by DollLayer; the screen creates and owns them with
// kDollLayerSlots slots each.
struct PaperDollLayers {
    std::array<SpriteSet*, kDollLayerCount> sets{};

    SpriteSet* operator[](DollLayer layer) const { return sets[static_cast<size_t>(layer)]; }
};

// Per equipment slot with art, by ReloadFlag: a set flag asks for that slot's art to be
// loaded again on the next LoadEquipmentArt, which clears it.
struct PaperDollReloadFlags {
    std::array<uint8_t, kReloadFlagCount> flags{};

    void RequestAll() { flags.fill(1); }
    // After an item was put down in a slot: its flag, or all three for an amulet slot, whose
    // pictures differ by slot. Ring slots have no art.
    void RequestSlot(EquipSlot slot);
};

}  // namespace varn
