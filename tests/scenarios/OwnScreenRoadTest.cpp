#include <gtest/gtest.h>

#include <algorithm>

#include "characters/PaperDollArt.h"
#include "items/ItemBonuses.h"
#include "support/CharacterPlayer.h"
#include "support/GoldenImage.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr ItemId kSword = 233;
constexpr ItemId kAmulet = 1;
constexpr ItemId kWornHelmet = 37;
constexpr ItemId kBagHelmet = 38;
constexpr ItemId kFirstRing = 151;

constexpr int kSwordCell = CellOf(EquipSlot::Sword);
constexpr int kHelmetCell = CellOf(EquipSlot::Helmet);
constexpr int kAmuletCell = CellOf(EquipSlot::Amulet1);

void Give(CharacterItemRecord& record, int cell, ItemId id) {
    record.items[static_cast<size_t>(cell)] = id;
    record.owned[static_cast<size_t>(id - 1)] = 1;
    record.itemCell[static_cast<size_t>(id - 1)] = static_cast<uint8_t>(cell);
}

// The player's items in the record: a sword and a spare helmet in a bag filled up with rings, an
// amulet and a helmet worn; stats summed from them and health full.
void GiveThePlayerItems(GameState& world) {
    CharacterItemRecord& items = world.playerItems;
    items = CharacterItemRecord{};
    Give(items, 0, kSword);
    Give(items, 1, kBagHelmet);
    for (int cell = 2; cell < kBagCellCount; ++cell) {
        Give(items, cell, static_cast<ItemId>(kFirstRing + cell - 2));
    }
    Give(items, kAmuletCell, kAmulet);
    Give(items, kHelmetCell, kWornHelmet);
    SlotBonuses unused{};
    ItemCatalogue::RecomputeEquipmentStats(EquipmentOf(items.items), world.playerStats, unused);
    world.playerStats.health = world.playerStats.maxHealth;
}

class OwnScreenRoad : public ::testing::Test {
  protected:
    void SetUp() override {
        GiveThePlayerItems(World());
        player.EnterMap();
        player.ClickPanel(kYouButton);
        player.Frame();
        ASSERT_TRUE(app.stateHandler == YouStateThunk);
        ASSERT_NE(app.youScreen, nullptr);
    }

    GameState& World() { return *app.world; }
    const CharacterItems& ScreenItems() { return app.youScreen->items; }

    HeadlessGame game;
    CharacterPlayer player{game};
    GameApp& app = game.app;
};

bool DrewTexture(const SpriteSet* set, int32_t slot, float x, float y) {
    const platform::TextureImage* texture =
        set->slots[static_cast<size_t>(slot)].texture.texture.get();
    const auto& draws = HeadlessGame::backend().draws;
    return texture != nullptr && std::any_of(draws.begin(), draws.end(), [&](const auto& draw) {
               return draw.texture == texture && draw.x == x && draw.y == y;
           });
}

}  // namespace

TEST_F(OwnScreenRoad, TheSwordOnTheDollRaisesAttackAndIsDrawnAndOffAgainLowersIt) {
    const int32_t attack = World().playerStats.attack;
    player.DragCell(0, kSwordCell);
    EXPECT_EQ(ScreenItems()[kSwordCell], kSword);
    EXPECT_EQ(ScreenItems()[0], kNoItem);
    EXPECT_EQ(World().playerStats.attack, attack + ItemCatalogue::BonusOf(kSword));
    HeadlessGame::backend().recordDraws = true;
    player.Frame();
    // The sword's picture stands where the doll holds its sword.
    EXPECT_TRUE(DrewTexture(app.youScreen->dollLayers[DollLayer::Sword], 0,
                            static_cast<float>(kDollX), static_cast<float>(kDollY + 130)));
    HeadlessGame::backend().recordDraws = false;

    player.DragCell(kSwordCell, 0);
    EXPECT_EQ(ScreenItems()[0], kSword);
    EXPECT_EQ(World().playerStats.attack, attack);
}

TEST_F(OwnScreenRoad, AnAmuletOffClampsHealthAndOnAgainLeavesIt) {
    player.DragCell(0, kSwordCell);  // frees a bag cell
    const CharacterStats before = World().playerStats;
    player.DragCell(kAmuletCell, 0);
    const int32_t bonus = ItemCatalogue::BonusOf(kAmulet);
    EXPECT_EQ(World().playerStats.maxHealth, before.maxHealth - bonus);
    EXPECT_EQ(World().playerStats.health, before.maxHealth - bonus);
    player.DragCell(0, kAmuletCell);
    EXPECT_EQ(World().playerStats.maxHealth, before.maxHealth);
    EXPECT_EQ(World().playerStats.health, before.maxHealth - bonus);
}

TEST_F(OwnScreenRoad, DropsTheRulesRefuseComeBack) {
    const CharacterItems start = ScreenItems();
    // A sword into the helmet slot; a worn helmet onto a bag ring of the full bag; anywhere else.
    player.DragCell(0, kHelmetCell);
    player.DragCell(kHelmetCell, 2);
    const CellPosition& sword = ItemCatalogue::ItemCellPositions[0];
    player.Drag(sword.x + 32, sword.y + 32, 300, 40);
    EXPECT_EQ(ScreenItems(), start);
    EXPECT_FALSE(app.youScreen->drag.Dragging());

    // The worn helmet changes places with the bag's helmet.
    player.DragCell(kHelmetCell, 1);
    EXPECT_EQ(ScreenItems()[kHelmetCell], kBagHelmet);
    EXPECT_EQ(ScreenItems()[1], kWornHelmet);
    EXPECT_EQ(app.youScreen->itemCell[kWornHelmet - 1], 1);
    EXPECT_EQ(app.youScreen->itemCell[kBagHelmet - 1], kHelmetCell);
}

TEST_F(OwnScreenRoad, AThrownAwayItemIsGoneForGoodAndNoOrEscapeKeepsIt) {
    for (const bool byEscape : {false, true}) {
        player.DragCellTo(3, kThrowAwayTarget);
        ASSERT_EQ(app.youScreen->question, CharacterQuestion::ThrowAway);
        if (byEscape) {
            player.PressKey(kKeyEscape);
        } else {
            player.Click(kQuestionButtons, kQuestionNo);
        }
        EXPECT_TRUE(app.stateHandler == YouStateThunk);
        EXPECT_EQ(app.youScreen->question, CharacterQuestion::None);
        EXPECT_EQ(ScreenItems()[3], kFirstRing + 1);
    }

    player.DragCellTo(3, kThrowAwayTarget);
    player.Click(kQuestionButtons, kQuestionYes);
    EXPECT_EQ(ScreenItems()[3], kNoItem);
    player.PressKey(kKeyEscape);
    ASSERT_TRUE(app.stateHandler == MapStateThunk);
    EXPECT_EQ(World().playerItems.items[3], kNoItem);
    EXPECT_EQ(World().playerItems.owned[kFirstRing], 0);
}

TEST_F(OwnScreenRoad, LeavingAndComingBackKeepsEverythingInTheWorld) {
    player.DragCell(0, kSwordCell);
    player.DragCell(kHelmetCell, 1);
    const CharacterItems moved = ScreenItems();
    const CharacterStats stats = World().playerStats;
    player.PressKey(kKeyEscape);
    ASSERT_TRUE(app.stateHandler == MapStateThunk);
    EXPECT_EQ(app.youScreen, nullptr);
    EXPECT_EQ(World().playerItems.items, moved);
    EXPECT_EQ(World().playerItems.itemCell[kSword - 1], kSwordCell);
    player.Frame();
    player.ClickPanel(kYouButton);
    player.Frame();
    ASSERT_TRUE(app.stateHandler == YouStateThunk);
    EXPECT_EQ(ScreenItems(), moved);
    EXPECT_EQ(World().playerStats, stats);
}

TEST_F(OwnScreenRoad, HideAndShowPutTheDescriptionAwayAndFoldThePanel) {
    const ButtonRect& button = kScreenHideShowButtons[0];
    player.ClickAt(button.x + button.w / 2, button.y + button.h / 2);
    EXPECT_TRUE(app.youScreen->descriptionHidden);
    EXPECT_EQ(app.controlPanel->shown, 0);
    player.ClickAt(button.x + button.w / 2, button.y + button.h / 2);
    EXPECT_FALSE(app.youScreen->descriptionHidden);
    EXPECT_EQ(app.controlPanel->shown, 1);
}

TEST_F(OwnScreenRoad, GoldenImage) {
    player.DragCell(0, kSwordCell);
    const CellPosition& ring = ItemCatalogue::ItemCellPositions[2];
    player.PointAt(ring.x + 10, ring.y + 10);
    player.Frame();
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "own_screen");
}

// The question stands on its own box over the doll, its answers on the box.
TEST_F(OwnScreenRoad, QuestionGoldenImage) {
    player.DragCellTo(3, kThrowAwayTarget);
    ASSERT_EQ(app.youScreen->question, CharacterQuestion::ThrowAway);
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "own_screen_question");
}

}  // namespace varn
