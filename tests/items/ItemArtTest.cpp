#include "items/ItemArt.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/GraphicsDevice.h"
#include "engine/SpriteSet.h"
#include "platform/HeadlessBackend.h"

namespace {

namespace fs = std::filesystem;

const char* const kManifest = VARN_SOURCE_DIR "/tools/placeholder/manifest.txt";

struct ManifestPicture {
    std::string size;
    std::string frame;
    std::string key;
};

// The picture rows of the placeholder manifest, by game path exactly as written.
std::map<std::string, ManifestPicture> ReadManifestPictures(std::vector<std::string>* itemRows) {
    std::map<std::string, ManifestPicture> pictures;
    std::ifstream in(kManifest);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind, path;
        ManifestPicture picture;
        int frames = 0;
        if (!(fields >> kind >> path >> picture.size >> picture.frame >> frames >> picture.key) ||
            kind != "bmp") {
            continue;
        }
        pictures[path] = picture;
        if (itemRows != nullptr && path.rfind("Art\\Items\\", 0) == 0) {
            itemRows->push_back(line);
        }
    }
    return pictures;
}

std::string LoadLine(const std::string& path, uint32_t key) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", key);
    return "texture.Load(" + path + ", " + hex + ")";
}

// Every test runs in a folder holding the placeholder pictures of the items.
class ItemArt : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        previous_ = new fs::path(fs::current_path());
        char pattern[] = "/tmp/varn_items_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = new fs::path(pattern);
        std::vector<std::string> rows;
        ReadManifestPictures(&rows);
        ASSERT_EQ(rows.size(), 221u + 276u);
        const fs::path manifest = *folder_ / "items.manifest";
        {
            std::ofstream out(manifest);
            for (const std::string& row : rows) {
                out << row << '\n';
            }
        }
        const std::string command = std::string(VARN_PLACEHOLDER_TOOL) + " '" + manifest.string() +
                                    "' '" + folder_->string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
        fs::current_path(*folder_);
    }

    static void TearDownTestSuite() {
        fs::current_path(*previous_);
        fs::remove_all(*folder_);
        delete folder_;
        delete previous_;
        folder_ = nullptr;
        previous_ = nullptr;
    }

    void SetUp() override {
        platform::Headless()->Reset();
        static int window = 0;
        ASSERT_EQ(device.CreateD3D(), 1);
        ASSERT_EQ(device.CreateDevice(&window, 0, 0, 800, 600, 16), 1);
        for (int layer = 0; layer < kDollLayerCount; ++layer) {
            ASSERT_EQ(layerSets[layer].Init(&device, kDollLayerSlots[layer]), 1);
            layers.sets[layer] = &layerSets[layer];
        }
        ASSERT_EQ(icons.Init(&device, 255), 1);
        platform::Headless()->log.clear();
    }

    std::vector<std::string> Loads() const {
        std::vector<std::string> loads;
        for (const std::string& line : platform::Headless()->log) {
            if (line.rfind("texture.Load(", 0) == 0) {
                loads.push_back(line);
            }
        }
        return loads;
    }

    void Wear(EquipSlot slot, ItemId id) { items[CellOf(slot)] = id; }
    void Request(ReloadFlag flag) { reload.flags[static_cast<size_t>(flag)] = 1; }
    void LoadArt() { ItemCatalogue::LoadEquipmentArt(layers, EquipmentOf(items), reload); }

    SpriteSet& Layer(DollLayer layer) { return layerSets[static_cast<int>(layer)]; }

    void ExpectFrame(SpriteSet& set, int slot, int width, int height) {
        ASSERT_NE(set.textures[slot].texture, nullptr) << "slot " << slot;
        EXPECT_EQ(set.frameWidth[slot], width);
        EXPECT_EQ(set.frameHeight[slot], height);
        EXPECT_EQ(set.framesPerRow[slot], 1);
    }

    void ExpectNoFlagSet() {
        for (int f = 0; f < kReloadFlagCount; ++f) {
            EXPECT_EQ(reload.flags[f], 0) << "flag " << f;
        }
    }

    GraphicsDevice device;
    SpriteSet layerSets[kDollLayerCount];
    SpriteSet icons;
    PaperDollLayers layers;
    CharacterItems items{};
    PaperDollReloadFlags reload;

    static fs::path* previous_;
    static fs::path* folder_;
};

fs::path* ItemArt::previous_ = nullptr;
fs::path* ItemArt::folder_ = nullptr;

TEST_F(ItemArt, IconsLoadOnlyForFlaggedItemsInIdOrder) {
    std::array<uint8_t, kItemTableSize> needed{};
    for (int id : {250, 1, 151, 180, 200, 221, 255}) {
        needed[id - 1] = 1;
    }
    const auto flagsBefore = needed;
    ItemKindTable kinds{};
    ItemIconSlotTable iconSlots{};
    ItemCatalogue::BuildKindTable(kinds, iconSlots, icons, needed);

    const std::vector<std::string> expected = {
        LoadLine("Art\\Items\\Item1.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Item151.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Item180.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Item221.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Item250.bmp", 0xFFFF0000),
    };
    EXPECT_EQ(Loads(), expected);
    for (int slot : {0, 150, 179, 220, 249}) {
        ExpectFrame(icons, slot, 64, 64);
    }
    EXPECT_EQ(icons.textures[199].texture, nullptr);
    EXPECT_EQ(icons.textures[254].texture, nullptr);
    EXPECT_EQ(needed, flagsBefore);
    // The tables are built as well.
    EXPECT_EQ(kinds[220], ItemKind::Shield);
    EXPECT_EQ(iconSlots[220], 220);
}

TEST_F(ItemArt, NoIconFlagLoadsNothing) {
    std::array<uint8_t, kItemTableSize> needed{};
    ItemKindTable kinds{};
    ItemIconSlotTable iconSlots{};
    ItemCatalogue::BuildKindTable(kinds, iconSlots, icons, needed);
    EXPECT_TRUE(Loads().empty());
    EXPECT_EQ(kinds[0], ItemKind::Amulet);
}

TEST_F(ItemArt, AmuletPictureFollowsTheAmuletSlot) {
    Wear(EquipSlot::Amulet1, 5);
    Wear(EquipSlot::Amulet2, 5);
    Wear(EquipSlot::Amulet3, 36);
    reload.RequestAll();
    LoadArt();
    const std::vector<std::string> expected = {
        LoadLine("Art\\Items\\Amulets\\Amulet5a.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Amulets\\Amulet5b.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Amulets\\Amulet36c.bmp", 0xFFFF0000),
    };
    EXPECT_EQ(Loads(), expected);
    for (int slot = 0; slot < 3; ++slot) {
        ExpectFrame(Layer(DollLayer::Amulets), slot, 64, 64);
    }
    ExpectNoFlagSet();
}

TEST_F(ItemArt, ShoesAndGlovesLoadTwoPicturesGlovesKeyedOnBlack) {
    Wear(EquipSlot::Shoes, 127);
    Wear(EquipSlot::Gloves, 150);
    Request(ReloadFlag::Shoes);
    Request(ReloadFlag::Gloves);
    LoadArt();
    const std::vector<std::string> expected = {
        LoadLine("Art\\Items\\Shoes\\Shoe1a.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Shoes\\Shoe1b.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Gloves\\Glove12a.bmp", 0xFF000000),
        LoadLine("Art\\Items\\Gloves\\Glove12b.bmp", 0xFF000000),
    };
    EXPECT_EQ(Loads(), expected);
    ExpectFrame(Layer(DollLayer::Shoes), 0, 128, 128);
    ExpectFrame(Layer(DollLayer::Shoes), 1, 128, 128);
    ExpectFrame(Layer(DollLayer::Gloves), 0, 32, 64);
    ExpectFrame(Layer(DollLayer::Gloves), 1, 32, 64);
}

TEST_F(ItemArt, EveryLayerWithFullEquipmentInSlotOrder) {
    const ItemId worn[kEquipSlotCount] = {1,   2,   3,   56,  86,  98,  126, 138, 139, 151,
                                          152, 153, 154, 155, 156, 157, 158, 232, 250};
    for (int s = 0; s < kEquipSlotCount; ++s) {
        Wear(static_cast<EquipSlot>(s), worn[s]);
    }
    reload.RequestAll();
    LoadArt();
    const std::vector<std::string> expected = {
        LoadLine("Art\\Items\\Amulets\\Amulet1a.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Amulets\\Amulet2b.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Amulets\\Amulet3c.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Helmets\\Helmet20.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Armor\\Torso30.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Belts\\Belt12.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Pants\\Pants28.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Shoes\\Shoe12a.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Shoes\\Shoe12b.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Gloves\\Glove1a.bmp", 0xFF000000),
        LoadLine("Art\\Items\\Gloves\\Glove1b.bmp", 0xFF000000),
        LoadLine("Art\\Items\\Shields\\Shield12.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Swords\\Sword18.bmp", 0xFFFF0000),
    };
    EXPECT_EQ(Loads(), expected);
    ExpectFrame(Layer(DollLayer::Helmet), 0, 128, 128);
    ExpectFrame(Layer(DollLayer::Armor), 0, 256, 256);
    ExpectFrame(Layer(DollLayer::Belt), 0, 128, 32);
    ExpectFrame(Layer(DollLayer::Pants), 0, 128, 256);
    ExpectFrame(Layer(DollLayer::Shield), 0, 128, 128);
    ExpectFrame(Layer(DollLayer::Sword), 0, 64, 128);
    ExpectNoFlagSet();

    // Nothing requested: the next frame's call loads nothing.
    platform::Headless()->log.clear();
    LoadArt();
    EXPECT_TRUE(Loads().empty());
}

TEST_F(ItemArt, FirstItemOfEachKindIsFileOne) {
    Wear(EquipSlot::Helmet, 37);
    Wear(EquipSlot::Armor, 57);
    Wear(EquipSlot::Belt, 87);
    Wear(EquipSlot::Pants, 99);
    Wear(EquipSlot::Shield, 221);
    Wear(EquipSlot::Sword, 233);
    reload.RequestAll();
    LoadArt();
    const std::vector<std::string> expected = {
        LoadLine("Art\\Items\\Helmets\\Helmet1.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Armor\\Torso1.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Belts\\Belt1.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Pants\\Pants1.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Shields\\Shield1.bmp", 0xFFFF0000),
        LoadLine("Art\\Items\\Swords\\Sword1.bmp", 0xFFFF0000),
    };
    EXPECT_EQ(Loads(), expected);
}

TEST_F(ItemArt, FlagOnAnEmptyOrWrongKindSlotLoadsNothingAndIsCleared) {
    Wear(EquipSlot::Armor, 151);    // a ring
    Wear(EquipSlot::Sword, 221);    // a shield
    Wear(EquipSlot::Amulet2, 200);  // no item
    reload.RequestAll();
    LoadArt();
    EXPECT_TRUE(Loads().empty());
    ExpectNoFlagSet();
}

TEST_F(ItemArt, EmptiedSlotKeepsItsLastPicture) {
    Wear(EquipSlot::Helmet, 40);
    Request(ReloadFlag::Helmet);
    LoadArt();
    Wear(EquipSlot::Helmet, kNoItem);
    Request(ReloadFlag::Helmet);
    LoadArt();
    EXPECT_EQ(Loads().size(), 1u);
    ExpectFrame(Layer(DollLayer::Helmet), 0, 128, 128);
}

TEST_F(ItemArt, OnlyTheBeltFlagLoadsOnlyTheBelt) {
    const ItemId worn[kEquipSlotCount] = {1,   2,   3,   56,  86,  98,  126, 138, 139, 151,
                                          152, 153, 154, 155, 156, 157, 158, 232, 250};
    for (int s = 0; s < kEquipSlotCount; ++s) {
        Wear(static_cast<EquipSlot>(s), worn[s]);
    }
    // The belt's flag is the ninth: the flags follow the layers, not the slots.
    reload.flags[8] = 1;
    LoadArt();
    EXPECT_EQ(Loads(),
              (std::vector<std::string>{LoadLine("Art\\Items\\Belts\\Belt12.bmp", 0xFFFF0000)}));
    ExpectNoFlagSet();
}

TEST_F(ItemArt, MissingPictureLeavesItsSlotEmptyAndTheOthersLoad) {
    const fs::path helmet = fs::path("Art") / "Items" / "Helmets" / "Helmet3.bmp";
    const fs::path aside = fs::path("Helmet3.aside");
    fs::rename(helmet, aside);
    Wear(EquipSlot::Helmet, 37);
    Request(ReloadFlag::Helmet);
    LoadArt();
    ASSERT_NE(Layer(DollLayer::Helmet).textures[0].texture, nullptr);

    Wear(EquipSlot::Helmet, 39);
    Wear(EquipSlot::Sword, 250);
    reload.RequestAll();
    LoadArt();
    fs::rename(aside, helmet);
    EXPECT_EQ(Layer(DollLayer::Helmet).textures[0].texture, nullptr);
    ExpectFrame(Layer(DollLayer::Sword), 0, 64, 128);
    ExpectNoFlagSet();
}

TEST_F(ItemArt, LayerWithoutASpriteSetIsSkipped) {
    layers.sets[static_cast<int>(DollLayer::Armor)] = nullptr;
    Wear(EquipSlot::Armor, 60);
    Wear(EquipSlot::Belt, 90);
    reload.RequestAll();
    LoadArt();
    EXPECT_EQ(Loads(),
              (std::vector<std::string>{LoadLine("Art\\Items\\Belts\\Belt4.bmp", 0xFFFF0000)}));
    ExpectNoFlagSet();
}

// Every picture the catalogue can ask for has a placeholder row with the load's frame and key.
TEST(ItemArtFiles, EveryLoadableFileHasAManifestRow) {
    const std::map<std::string, ManifestPicture> pictures = ReadManifestPictures(nullptr);
    int icons = 0;
    for (int id = 0; id < kItemTableSize; ++id) {
        const std::string name = ItemCatalogue::IconFileName(id);
        if (name.empty()) {
            EXPECT_FALSE(IsItem(id)) << "id " << id;
            continue;
        }
        ++icons;
        const auto row = pictures.find(name);
        ASSERT_NE(row, pictures.end()) << name;
        EXPECT_EQ(row->second.frame, "64x64") << name;
        // Two loaders key icons 180 and 181 differently: they hold neither key colour.
        EXPECT_EQ(row->second.key, id == 180 || id == 181 ? "0" : "FFFF0000") << name;
    }
    EXPECT_EQ(icons, 221);

    int dollFiles = 0;
    for (const EquipSlotFacts& slot : kEquipSlots) {
        for (int id = 1; id < kItemTableSize; ++id) {
            for (int p = 0; p < slot.pictureCount; ++p) {
                const std::string name = ItemCatalogue::DollFileName(slot, slot.pictures[p], id);
                if (name.empty()) {
                    continue;
                }
                ++dollFiles;
                const auto row = pictures.find(name);
                ASSERT_NE(row, pictures.end()) << name;
                const std::string frame =
                    std::to_string(slot.frameWidth) + "x" + std::to_string(slot.frameHeight);
                EXPECT_EQ(row->second.frame, frame) << name;
                EXPECT_EQ(row->second.size, frame) << name;
                EXPECT_EQ(row->second.key, slot.colourKey == kGloveArtKey ? "FF000000" : "FFFF0000")
                    << name;
            }
        }
    }
    EXPECT_EQ(dollFiles, 276);
}

TEST(ItemArtFiles, NamesOfTheFirstAndLastFiles) {
    EXPECT_EQ(ItemCatalogue::IconFileName(1), "Art\\Items\\Item1.bmp");
    EXPECT_EQ(ItemCatalogue::IconFileName(250), "Art\\Items\\Item250.bmp");
    EXPECT_EQ(ItemCatalogue::IconFileName(200), "");
    EXPECT_EQ(ItemCatalogue::IconFileName(0), "");
    EXPECT_EQ(ItemCatalogue::IconFileName(-3), "");
    const EquipSlotFacts& ring = FactsOf(EquipSlot::Ring1);
    EXPECT_EQ(ItemCatalogue::DollFileName(ring, ring.pictures[0], 151), "");
    const EquipSlotFacts& armor = FactsOf(EquipSlot::Armor);
    EXPECT_EQ(ItemCatalogue::DollFileName(armor, armor.pictures[0], 86),
              "Art\\Items\\Armor\\Torso30.bmp");
    EXPECT_EQ(ItemCatalogue::DollFileName(armor, armor.pictures[0], 87), "");
}

}  // namespace
