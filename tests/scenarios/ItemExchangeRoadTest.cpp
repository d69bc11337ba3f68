#include <gtest/gtest.h>

#include <random>
#include <string>

#include "exchange/ItemExchangeScreen.h"
#include "items/ItemBonuses.h"
#include "support/ExchangePlayer.h"
#include "support/GoldenImage.h"
#include "support/PartyInvariants.h"

namespace varn {

namespace {

constexpr CharacterId kHero = 2;
constexpr HeroIndex kHeroIndex = 0;
constexpr int kSwordCell = 30;
constexpr int kHelmetCell = 15;
constexpr int kAmulet1Cell = 12;
constexpr int kAmulet2Cell = 13;
constexpr ItemId kSword = 250;  // attack +100
constexpr ItemId kHelmet = 37;  // defence +7
constexpr ItemId kOtherHelmet = 38;
constexpr ItemId kAmulet = 27;  // maximum health +29
constexpr ItemId kFirstRing = 151;

void PutItem(CharacterItemRecord& record, int cell, ItemId id) {
    record.items[static_cast<size_t>(cell)] = id;
    record.owned[id - 1] = 1;
    record.itemCell[id - 1] = static_cast<uint8_t>(cell);
}

// The items of the screen's two holders obey the same rules as the world's.
void ExpectSoundScreen(ItemExchangeScreen& screen, int items) {
    std::array<int, kItemTableSize> holders{};
    int count = 0;
    for (const ItemHolder& holder : screen.Holders()) {
        std::array<uint8_t, kItemTableSize> held{};
        for (int cell = 0; cell < kItemCellCount; ++cell) {
            const ItemId id = (*holder.items)[static_cast<size_t>(cell)];
            if (id != kNoItem) {
                ++count;
                ++holders[id - 1];
                held[id - 1] = 1;
                EXPECT_EQ((*holder.itemCell)[id - 1], cell) << "item " << int{id};
            }
        }
        for (size_t entry = 0; entry < held.size(); ++entry) {
            EXPECT_EQ((*holder.owned)[entry] != 0, held[entry] != 0) << "item " << entry + 1;
        }
    }
    for (int entry : holders) {
        EXPECT_LE(entry, 1);
    }
    EXPECT_EQ(count, items);
}

// The player and hero 1 meet with nothing but the items each test gives them; every frame the
// party and the exchange screen keep every item once.
class ItemExchangeRoad : public testing::Test {
  protected:
    ItemExchangeRoad() {
        exchange.JoinHeroesBesidePlayer(1);
        for (CharacterId id = kPlayerCharacter; id <= 1 + kHeroCount; ++id) {
            *ItemsOf(World(), id) = CharacterItemRecord{};
        }
        Player() = {20, 20, 20, 20, 10, 10, 10, 10, 0, 1};
        Hero() = {30, 30, 30, 30, 12, 12, 12, 12, 0, 1};
    }

    // Opens the item exchange once the test has put the items in place.
    void OpenItems() {
        totals = CountParty(World());
        game.afterFrame = [this] {
            ExpectSoundParty(World(), totals, "a frame");
            if (App().itemExchangeScreen) {
                ExpectSoundScreen(*App().itemExchangeScreen, totals.items);
            }
        };
        exchange.MeetDirectly(kPlayerCharacter, kHero);
        exchange.ClickMeetingButton(kMeetItemsButton);
        ASSERT_EQ(App().stateHandler, ItemTradeStateThunk);
        ASSERT_NE(App().itemExchangeScreen, nullptr);
    }

    // Drags the item of one side's cell to a cell of either side.
    void DragItem(int fromSide, int fromCell, int toSide, int toCell) {
        exchange.DragTradedItem(fromSide, fromCell, toSide, toCell);
    }

    ItemId ShownCell(int side, int cell) {
        const ItemExchangeScreen& screen = *App().itemExchangeScreen;
        return (side == 0 ? screen.firstItems : screen.secondItems)[static_cast<size_t>(cell)];
    }

    GameState& World() { return *game.app.world; }
    GameApp& App() { return game.app; }
    CharacterStats& Player() { return World().playerStats; }
    CharacterStats& Hero() { return World().heroStats[kHeroIndex]; }
    CharacterItemRecord& PlayerItems() { return World().playerItems; }
    CharacterItemRecord& HeroItems() { return World().heroItems[kHeroIndex]; }

    HeadlessGame game;
    ExchangePlayer exchange{game};
    PartyTotals totals;
};

TEST_F(ItemExchangeRoad, GearHandedOverChangesBothCharactersStatsAndReachesTheWorldOnLeaving) {
    PutItem(PlayerItems(), kSwordCell, kSword);
    Player().attack = 110;
    PutItem(PlayerItems(), 0, kHelmet);
    PutItem(HeroItems(), kAmulet1Cell, kAmulet);
    Hero().maxHealth = 59;
    Hero().health = 59;
    OpenItems();

    DragItem(0, kSwordCell, 1, kSwordCell);
    EXPECT_EQ(Player().attack, 10);
    EXPECT_EQ(Hero().attack, 12 + ItemCatalogue::BonusOf(kSword));
    DragItem(0, 0, 1, 5);
    EXPECT_EQ(ShownCell(1, 5), kHelmet);
    EXPECT_EQ(Hero().defence, 12);  // a bag raises nothing
    DragItem(1, kAmulet1Cell, 0, kAmulet2Cell);
    EXPECT_EQ(Player().maxHealth, 20 + 29);
    EXPECT_EQ(Player().health, 20);  // wearing never heals
    EXPECT_EQ(Hero().maxHealth, 30);
    EXPECT_EQ(Hero().health, 30);  // clamped to the new maximum
    // The dolls were asked to dress anew and have done it.
    EXPECT_EQ(App().itemExchangeScreen->firstDollReload.flags, PaperDollReloadFlags{}.flags);

    exchange.PressKey(kKeyEscape);
    EXPECT_EQ(App().stateHandler, MeetingStateThunk);
    EXPECT_EQ(App().itemExchangeScreen, nullptr);
    EXPECT_EQ(HeroItems().items[kSwordCell], kSword);
    EXPECT_EQ(HeroItems().items[5], kHelmet);
    EXPECT_EQ(HeroItems().itemCell[kHelmet - 1], 5);
    EXPECT_EQ(PlayerItems().items[kAmulet2Cell], kAmulet);
    EXPECT_EQ(PlayerItems().owned[kSword - 1], 0);
    EXPECT_EQ(HeroItems().owned[kAmulet - 1], 0);
    EXPECT_EQ(App().meetingScreen->cards[1].stats, Hero());

    exchange.ClickMeetingButton(kMeetLeaveButton);
    exchange.Frames(2);
    EXPECT_EQ(App().stateHandler, MapStateThunk);
    EXPECT_EQ(HeroItems().items[kSwordCell], kSword);
    EXPECT_EQ(Hero().attack, 112);
}

TEST_F(ItemExchangeRoad, DropsTheRulesRefuseLeaveTheItemWhereItWas) {
    PutItem(PlayerItems(), 0, kHelmet);
    PutItem(PlayerItems(), kSwordCell, kSword);
    PutItem(PlayerItems(), kHelmetCell, kOtherHelmet);
    PutItem(HeroItems(), 3, 60);  // armour in the hero's bag
    OpenItems();

    // A helmet does not go into a sword slot.
    DragItem(0, 0, 1, kSwordCell);
    EXPECT_EQ(ShownCell(0, 0), kHelmet);
    EXPECT_EQ(ShownCell(1, kSwordCell), kNoItem);
    // Worn gear swaps with a bag item only of its own kind.
    DragItem(0, kSwordCell, 1, 3);
    EXPECT_EQ(ShownCell(0, kSwordCell), kSword);
    EXPECT_EQ(ShownCell(1, 3), 60);
    // Dropped beside every cell, it goes back.
    const CellPosition& sword = kFirstSideCells[kSwordCell];
    exchange.Drag(sword.x + 32, sword.y + 32, 400, 250);
    EXPECT_EQ(ShownCell(0, kSwordCell), kSword);
    EXPECT_EQ(Player().attack, 110);
    // Onto a bag helmet the worn helmet swaps: both stay with their kind.
    DragItem(0, kHelmetCell, 0, 0);
    EXPECT_EQ(ShownCell(0, kHelmetCell), kHelmet);
    EXPECT_EQ(ShownCell(0, 0), kOtherHelmet);
}

TEST_F(ItemExchangeRoad, AFullBagTakesWornGearOnlyInExchangeForItsOwnKind) {
    for (int cell = 0; cell < kBagCellCount; ++cell) {
        PutItem(HeroItems(), cell, static_cast<ItemId>(kFirstRing + cell));
    }
    PutItem(PlayerItems(), kHelmetCell, kHelmet);
    OpenItems();
    for (int cell : {0, 6, 11}) {
        DragItem(0, kHelmetCell, 1, cell);
    }
    EXPECT_EQ(ShownCell(0, kHelmetCell), kHelmet);
    EXPECT_EQ(ShownCell(1, 11), kFirstRing + 11);
    // A ring from the full bag into a ring slot leaves a hole the helmet can fill.
    DragItem(1, 11, 1, kFirstEquipCell + 9);
    DragItem(0, kHelmetCell, 1, 11);
    EXPECT_EQ(ShownCell(1, 11), kHelmet);
    EXPECT_EQ(Player().defence, 10);
}

TEST_F(ItemExchangeRoad, ASeededRunOfDragsKeepsEveryItemOnceWithItsOwnerAndCell) {
    for (int cell = 0; cell < kItemCellCount; cell += 2) {
        const ItemId id = static_cast<ItemId>(1 + cell * 7);
        if (IsItem(id)) {
            PutItem(cell < 16 ? PlayerItems() : HeroItems(), cell, id);
        }
    }
    PutItem(HeroItems(), kSwordCell, 240);
    OpenItems();
    const CharacterItemRecord playerBefore = PlayerItems();
    std::mt19937 random(7122026);
    std::uniform_int_distribution<int> side(0, 1);
    std::uniform_int_distribution<int> cell(0, kItemCellCount - 1);
    for (int drag = 0; drag < 24 && !HasFailure(); ++drag) {
        SCOPED_TRACE("drag " + std::to_string(drag));
        DragItem(side(random), cell(random), side(random), cell(random));
    }
    exchange.PressKey(kKeyEscape);
    ExpectSoundParty(World(), totals, "after the run");
    EXPECT_NE(PlayerItems(), playerBefore);
    // What each wears is what its stats say.
    CharacterStats player = Player();
    SlotBonuses bonuses{};
    ItemCatalogue::RecomputeEquipmentStats(EquipmentOf(PlayerItems().items), player, bonuses);
    EXPECT_EQ(player, Player());
}

TEST_F(ItemExchangeRoad, GoldenImageOfTheItemExchange) {
    PutItem(PlayerItems(), kSwordCell, kSword);
    Player().attack = 110;
    PutItem(PlayerItems(), 0, kHelmet);
    PutItem(HeroItems(), kAmulet1Cell, kAmulet);
    PutItem(HeroItems(), 7, kFirstRing);
    OpenItems();
    const CellPosition& sword = kFirstSideCells[kSwordCell];
    exchange.PointAt(sword.x + 20, sword.y + 20);
    exchange.Frames(2);
    ExpectMatchesGolden(MapPlayer::Backend().presented, "item_exchange");
}

}  // namespace

}  // namespace varn
