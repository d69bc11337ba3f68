#include "items/ItemArt.h"

#include "engine/SpriteSet.h"
#include "platform/PixelFormat.h"

namespace varn {

namespace ItemCatalogue {

std::string IconFileName(int id) {
    if (!IsItem(id)) {
        return {};
    }
    return "Art\\Items\\Item" + std::to_string(id) + ".bmp";
}

std::string DollFileName(const EquipSlotFacts& slot, const DollPicture& picture, int id) {
    if (!slot.hasArt || KindOf(id) != slot.kind) {
        return {};
    }
    return slot.artStem + std::to_string(NumberWithinKind(id)) + picture.variant + ".bmp";
}

void BuildKindTable(ItemKindTable& kinds, ItemIconSlotTable& iconSlots, SpriteSet& iconSet,
                    std::span<const uint8_t, kItemTableSize> needed) {
    FillKindTables(kinds, iconSlots);
    for (int id = 1; id < kItemTableSize; ++id) {
        if (!IsItem(id) || needed[id - 1] == 0) {
            continue;
        }
        iconSet.Load(id - 1, IconFileName(id).c_str(), kItemIconSize, kItemIconSize, kItemArtKey,
                     platform::kFormatA1R5G5B5);
    }
}

void LoadEquipmentArt(const PaperDollLayers& layers, EquipmentCells equipment,
                      PaperDollReloadFlags& reload) {
    for (const EquipSlotFacts& slot : kEquipSlots) {
        if (!slot.hasArt) {
            continue;
        }
        uint8_t& flag = reload.flags[static_cast<size_t>(slot.reloadFlag)];
        if (flag == 0) {
            continue;
        }
        flag = 0;
        const ItemId id = equipment[static_cast<size_t>(slot.slot)];
        SpriteSet* layer = layers[slot.layer];
        if (KindOf(id) != slot.kind || layer == nullptr) {
            continue;
        }
        for (int p = 0; p < slot.pictureCount; ++p) {
            const DollPicture& picture = slot.pictures[p];
            layer->Load(picture.layerSlot, DollFileName(slot, picture, id).c_str(), slot.frameWidth,
                        slot.frameHeight, slot.colourKey, platform::kFormatA1R5G5B5);
        }
    }
}

}  // namespace ItemCatalogue

}  // namespace varn
