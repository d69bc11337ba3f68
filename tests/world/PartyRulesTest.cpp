#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "world/GameState.h"
#include "world/PartyRules.h"
#include "world/SaveImage.h"

namespace varn {

namespace {

std::vector<uint8_t> ImageOf(const GameState& world) {
    std::vector<uint8_t> image(kSaveImageSize);
    WriteSaveImage(world, std::span<uint8_t, kSaveImageSize>(image.data(), kSaveImageSize));
    return image;
}

bool Mentions(const std::vector<std::string>& violations, const std::string& words) {
    return std::ranges::any_of(violations, [&words](const std::string& violation) {
        return violation.find(words) != std::string::npos;
    });
}

struct SoundGame {
    SoundGame() {
        RunNewGameSetUp(world);
        const auto& cells = world.heroItems[0].items;
        const auto held =
            std::find_if(cells.begin(), cells.end(), [](ItemId i) { return i != kNoItem; });
        item = held != cells.end() ? *held : kNoItem;
        cell = static_cast<int>(held - cells.begin());
    }
    GameState world;
    // An item hero 1 holds, and its cell.
    ItemId item = kNoItem;
    int cell = 0;
};

// Each rule broken on its own: the checks name it, and a save of that world is damaged, the
// record it would load into left as it was.
TEST(PartyRules, EachBrokenRuleIsNamedAndItsSaveRefused) {
    const SoundGame sound;
    const ItemId item = sound.item;
    ASSERT_NE(item, kNoItem);
    struct Fault {
        const char* name;
        std::function<void(GameState&)> spoil;
        std::string named;
    };
    const Fault faults[] = {
        {"an item in two characters' cells",
         [item](GameState& w) {
             w.playerItems.items[5] = item;
             w.playerItems.owned[item - 1] = 1;
             w.playerItems.itemCell[item - 1] = 5;
         },
         "held by character 1 cell 5 and by character 2 cell " + std::to_string(sound.cell)},
        {"an item in two cells of one character",
         [item](GameState& w) { w.heroItems[0].items[kBagCellCount + 3] = item; },
         "in two cells of character 2"},
        {"an item in a character's cell and a house store",
         [item](GameState& w) {
             w.heldFlagTemple[3] = 1;
             w.heldItemTemple[3] = static_cast<uint8_t>(item - 1);
         },
         "and by the temple store slot 3"},
        {"an item in two stores",
         [](GameState& w) {
             w.heldFlagTown[12] = w.heldFlagVillage[40] = 1;
             w.heldItemTown[12] = w.heldItemVillage[40] = 199;
         },
         "item 200 held by the villages' store slot 40 and by the towns' store slot 12"},
        {"an owned flag without the item", [](GameState& w) { w.heroItems[0].owned[199] = 1; },
         "character 2 item 200 owned flag 1 though not held"},
        {"a held item without its owned flag",
         [item](GameState& w) { w.heroItems[0].owned[item - 1] = 0; }, "though held"},
        {"an item cell not the item's",
         [item](GameState& w) { w.heroItems[0].itemCell[item - 1] = 7; }, "has item cell 7"},
        {"two armies in one place",
         [](GameState& w) {
             w.heroArmies[4].present[0] = w.heroArmies[4].present[3] = 1;
             w.heroArmies[4].position[0] = w.heroArmies[4].position[3] = 2;
         },
         "character 6 army 3 shares place 2 with army 0"},
        {"more men than a byte raises",
         [](GameState& w) {
             w.playerArmy.present[0] = 1;
             w.playerArmy.alive[0] = 200;
             w.playerArmy.down[0] = 56;
         },
         "200 men standing and 56 down, more than it can raise"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        GameState world = sound.world;
        fault.spoil(world);
        std::vector<std::string> violations;
        AddPartyViolations(world, violations);
        EXPECT_TRUE(Mentions(violations, fault.named)) << ::testing::PrintToString(violations);
        EXPECT_FALSE(PartyKeepsTheRules(world));
        GameState untouched = sound.world;
        EXPECT_FALSE(ReadSaveImage(ImageOf(world), untouched));
        EXPECT_TRUE(static_cast<const GameStateData&>(untouched) == sound.world);
    }
}

// What the rules leave free: an item moved whole, absent armies anywhere, a byte's men.
TEST(PartyRules, WorldsTheGameReachesKeepThem) {
    const SoundGame sound;
    EXPECT_TRUE(PartyKeepsTheRules(sound.world));
    GameState world = sound.world;
    CharacterItemRecord& from = world.heroItems[0];
    CharacterItemRecord& to = world.heroItems[1];
    from.items[static_cast<size_t>(sound.cell)] = kNoItem;
    from.owned[sound.item - 1] = 0;
    to.items[kItemCellCount - 1] = sound.item;
    to.owned[sound.item - 1] = 1;
    to.itemCell[sound.item - 1] = kItemCellCount - 1;
    world.heldFlagPalace[0] = 1;
    world.heldItemPalace[0] = 249;
    world.playerArmy.present.fill(0);
    world.playerArmy.position.fill(4);
    world.playerArmy.present[2] = 1;
    world.playerArmy.alive[2] = 100;
    world.playerArmy.down[2] = 155;
    std::vector<std::string> violations;
    AddPartyViolations(world, violations);
    EXPECT_EQ(violations, std::vector<std::string>{});
    GameState loaded = sound.world;
    ASSERT_TRUE(ReadSaveImage(ImageOf(world), loaded));
    EXPECT_TRUE(static_cast<const GameStateData&>(loaded) == world);
}

// A single byte changed in a new game's save: hero 2's cell 5 given item 155, which hero 1 holds.
// The world it would start breaks the rules, so the save is damaged.
TEST(PartyRules, AnItemWrittenIntoASecondCharactersCellIsRefused) {
    const SoundGame sound;
    ASSERT_EQ(sound.world.heroItems[0].owned[154], 1);
    std::vector<uint8_t> image = ImageOf(sound.world);
    constexpr size_t kHero2Cell5 = 27544;
    ASSERT_EQ(image[kHero2Cell5], sound.world.heroItems[1].items[5]);
    image[kHero2Cell5] = 155;
    GameState world;
    EXPECT_FALSE(ReadSaveImage(image, world));
}

}  // namespace

}  // namespace varn
