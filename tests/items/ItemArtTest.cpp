#include "items/ItemArt.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/DrawingDevice.h"
#include "engine/SpriteSet.h"
#include "platform/HeadlessBackend.h"
#include "support/GameData.h"

namespace varn {

namespace {

using Loads = std::vector<std::string>;

std::string LoadOf(const std::string& path, const char* key = "0xFFFF0000") {
    return "texture.Load(Art\\Items\\" + path + ", " + key + ")";
}

// Every test runs over the placeholder pictures with the paper doll's nine layers.
class ItemArt : public DrawingDeviceTest {
  protected:
    void SetUp() override {
        DrawingDeviceTest::SetUp();
        for (int layer = 0; layer < kDollLayerCount; ++layer) {
            ASSERT_EQ(layerSets[layer].Init(&device, kDollLayerSlots[layer]), 1);
            layers.sets[layer] = &layerSets[layer];
        }
        platform::Headless()->log.clear();
    }

    // The texture loads traced since the last call; loading traces nothing else.
    Loads TakeLoads() { return std::exchange(platform::Headless()->log, {}); }

    void Wear(EquipSlot slot, ItemId id) { items[CellOf(slot)] = id; }
    void LoadArt() { ItemCatalogue::LoadEquipmentArt(layers, EquipmentOf(items), reload); }

    void ExpectFrame(SpriteSet& set, int slot, int width, int height) {
        ASSERT_NE(set.slots[slot].texture.texture, nullptr) << "slot " << slot;
        EXPECT_EQ(set.slots[slot].frameWidth, width) << "slot " << slot;
        EXPECT_EQ(set.slots[slot].frameHeight, height) << "slot " << slot;
    }

    GameDataDir data;
    SpriteSet layerSets[kDollLayerCount];
    PaperDollLayers layers;
    CharacterItems items{};
    PaperDollReloadFlags reload;
};

TEST_F(ItemArt, KindTablesAreFilledAndIconsLoadOnlyForFlaggedItems) {
    SpriteSet icons;
    ASSERT_EQ(icons.Init(&device, 255), 1);
    std::array<uint8_t, kItemTableSize> needed{};
    for (int id : {250, 1, 151, 180, 200, 221, 255}) {
        needed[id - 1] = 1;
    }
    // A screen's tables may hold anything before the build.
    ItemKindTable kinds;
    ItemIconSlotTable iconSlots;
    kinds.fill(static_cast<ItemKind>(0xAA));
    iconSlots.fill(0xAA);
    ItemCatalogue::BuildKindTable(kinds, iconSlots, icons, needed);

    // Indexed by id - 1; the sword fill runs on to the end of the tables.
    for (int entry = 0; entry < kItemTableSize; ++entry) {
        const ItemKind expected = entry >= kLastItemId ? ItemKind::Sword : KindOf(entry + 1);
        EXPECT_EQ(kinds[entry], expected) << "entry " << entry;
        EXPECT_EQ(iconSlots[entry], expected == ItemKind::None ? 0 : entry) << "entry " << entry;
    }
    EXPECT_EQ(TakeLoads(), (Loads{LoadOf("Item1.bmp"), LoadOf("Item151.bmp"), LoadOf("Item180.bmp"),
                                  LoadOf("Item221.bmp"), LoadOf("Item250.bmp")}));
    for (int slot : {0, 150, 179, 220, 249}) {
        ExpectFrame(icons, slot, 64, 64);
    }
}

TEST_F(ItemArt, EveryLayerLoadsInSlotOrderWithItsFrameAndKey) {
    const ItemId worn[kEquipSlotCount] = {1,   5,   36,  56,  86,  87,  99,  127, 150, 151,
                                          152, 153, 154, 155, 156, 157, 158, 221, 250};
    for (int s = 0; s < kEquipSlotCount; ++s) {
        Wear(static_cast<EquipSlot>(s), worn[s]);
    }
    const char* black = "0xFF000000";
    const struct {
        std::string load;
        DollLayer layer;
        int slot, width, height;
    } loads[] = {
        {LoadOf("Amulets\\Amulet1a.bmp"), DollLayer::Amulets, 0, 64, 64},
        {LoadOf("Amulets\\Amulet5b.bmp"), DollLayer::Amulets, 1, 64, 64},
        {LoadOf("Amulets\\Amulet36c.bmp"), DollLayer::Amulets, 2, 64, 64},
        {LoadOf("Helmets\\Helmet20.bmp"), DollLayer::Helmet, 0, 128, 128},
        {LoadOf("Armor\\Torso30.bmp"), DollLayer::Armor, 0, 256, 256},
        {LoadOf("Belts\\Belt1.bmp"), DollLayer::Belt, 0, 128, 32},
        {LoadOf("Pants\\Pants1.bmp"), DollLayer::Pants, 0, 128, 256},
        {LoadOf("Shoes\\Shoe1a.bmp"), DollLayer::Shoes, 0, 128, 128},
        {LoadOf("Shoes\\Shoe1b.bmp"), DollLayer::Shoes, 1, 128, 128},
        {LoadOf("Gloves\\Glove12a.bmp", black), DollLayer::Gloves, 0, 32, 64},
        {LoadOf("Gloves\\Glove12b.bmp", black), DollLayer::Gloves, 1, 32, 64},
        {LoadOf("Shields\\Shield1.bmp"), DollLayer::Shield, 0, 128, 128},
        {LoadOf("Swords\\Sword18.bmp"), DollLayer::Sword, 0, 64, 128},
    };
    reload.RequestAll();
    LoadArt();
    Loads expected;
    for (const auto& load : loads) {
        expected.push_back(load.load);
        ExpectFrame(layerSets[static_cast<int>(load.layer)], load.slot, load.width, load.height);
    }
    EXPECT_EQ(TakeLoads(), expected);
    EXPECT_EQ(reload.flags, PaperDollReloadFlags{}.flags);

    // Nothing requested: the next frame's call loads nothing.
    LoadArt();
    EXPECT_TRUE(TakeLoads().empty());
    // The belt's flag is the ninth: the flags follow the layers, not the slots.
    reload.flags[8] = 1;
    LoadArt();
    EXPECT_EQ(TakeLoads(), Loads{LoadOf("Belts\\Belt1.bmp")});
}

TEST_F(ItemArt, FlagsWithNothingToLoadAreCleared) {
    Wear(EquipSlot::Helmet, 37);
    reload.RequestSlot(EquipSlot::Helmet);
    LoadArt();
    EXPECT_EQ(TakeLoads(), Loads{LoadOf("Helmets\\Helmet1.bmp")});

    Wear(EquipSlot::Helmet, kNoItem);
    Wear(EquipSlot::Sword, 221);    // a shield
    Wear(EquipSlot::Amulet2, 200);  // no item
    Wear(EquipSlot::Armor, 60);     // into a layer without a sprite set
    layers.sets[static_cast<int>(DollLayer::Armor)] = nullptr;
    reload.RequestAll();
    LoadArt();
    EXPECT_TRUE(TakeLoads().empty());
    EXPECT_EQ(reload.flags, PaperDollReloadFlags{}.flags);
    // The emptied slot keeps its last picture; the screens do not draw it.
    ExpectFrame(layerSets[static_cast<int>(DollLayer::Helmet)], 0, 128, 128);
}

// Every picture the catalogue can ask for has a placeholder of the load's frame and key; icons
// 180 and 181, keyed differently by two screens, hold neither key colour.
TEST(ItemArtFiles, EveryLoadableFileHasAPlaceholderRow) {
    std::map<std::string, std::string> rows;  // game path -> "size frame key"
    std::ifstream manifest(VARN_SOURCE_DIR "/tools/placeholder/manifest.txt");
    for (std::string type, path, size, frame, frames, key; manifest >> type;) {
        if (type == "icon" && manifest >> path >> size >> frame >> frames >> key) {
            rows[path] = size + " " + frame + " " + key;
        }
        manifest.ignore(INT_MAX, '\n');
    }
    int files = 0;
    for (int id = 0; id < kItemTableSize; ++id) {
        const std::string icon = ItemCatalogue::IconFileName(id);
        EXPECT_EQ(icon.empty(), !IsItem(id)) << "id " << id;
        if (!icon.empty()) {
            ++files;
            EXPECT_EQ(rows[icon],
                      id == 180 || id == 181 ? "64x64 64x64 0" : "64x64 64x64 FFFF0000");
        }
        for (const EquipSlotFacts& slot : kEquipSlots) {
            const std::string frame =
                std::to_string(slot.frameWidth) + "x" + std::to_string(slot.frameHeight);
            const char* key = slot.colourKey == kGloveArtKey ? " FF000000" : " FFFF0000";
            for (int p = 0; p < slot.pictureCount; ++p) {
                const std::string name = ItemCatalogue::DollFileName(slot, slot.pictures[p], id);
                if (!name.empty()) {
                    ++files;
                    EXPECT_EQ(rows[name], frame + " " + frame + key) << name;
                }
            }
        }
    }
    EXPECT_EQ(files, 221 + 276);
}

}  // namespace

}  // namespace varn
