#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "houses/HouseScreen.h"
#include "support/CaptionHeight.h"
#include "support/GoldenImage.h"
#include "support/HousePlayer.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int32_t kFirstArmyCellX = 670;
constexpr int32_t kFirstArmyCellY = 420;
constexpr int32_t kMenuX = 717;
constexpr int32_t kLeaveY = 40;
constexpr int32_t kHealY = 120;

// The menu column's four buttons, Leave, Heal, Recruit and Talk, inside their frames.
constexpr captions::Area kMenuAreas[] = {
    {"Leave", 637, 3, 160, 74},
    {"Heal", 637, 83, 160, 74},
    {"Recruit", 637, 163, 160, 74},
    {"Talk", 637, 243, 160, 74},
};

class HouseVisitRoad : public testing::Test {
  protected:
    void SetUp() override {
        player.EnterMap();
        player.PressKey(kKeyReturn);
    }
    GameState& World() { return *game.app.world; }
    HouseScreen& House() { return *player.House(); }

    // The first army slot of the player with no army, or -1.
    int FreeSlot() {
        const auto& ids = World().playerArmy.unitId;
        const auto free = std::find(ids.begin(), ids.end(), 0);
        return free == ids.end() ? -1 : static_cast<int>(free - ids.begin());
    }

    HeadlessGame game;
    HousePlayer player{game};
};

}  // namespace

TEST_F(HouseVisitRoad, EveryKindShowsItsPictureWithTheFirstArmyChosen) {
    const struct {
        HouseKind kind;
        uint8_t number;
        const char* golden;
    } kHouses[] = {
        {HouseKind::Village, 3, "house-village"}, {HouseKind::Town, 2, "house-town"},
        {HouseKind::Castle, 0, "house-castle"},   {HouseKind::Palace, 0, "house-palace"},
        {HouseKind::Temple, 0, "house-temple"},   {HouseKind::Tower, 0, "house-tower"},
    };
    for (const auto& house : kHouses) {
        SCOPED_TRACE(house.golden);
        player.EnterHouse(house.kind, house.number, kPlayerCharacter);
        ASSERT_NE(player.House(), nullptr);
        EXPECT_EQ(House().Kind(), house.kind);
        player.ClickAt(kFirstArmyCellX, kFirstArmyCellY);
        EXPECT_EQ(House().selectedArmy, 1);
        const platform::BackBuffer& frame = HeadlessGame::backend().presented;
        ExpectMatchesGolden(frame, house.golden);
        // The temple's Recruit button shows the golden soldier, a unit's picture with no words.
        if (house.kind == HouseKind::Temple) {
            captions::ExpectOneHeight(frame, {kMenuAreas[0], kMenuAreas[1], kMenuAreas[3]});
        } else {
            captions::ExpectOneHeight(frame,
                                      {kMenuAreas[0], kMenuAreas[1], kMenuAreas[2], kMenuAreas[3]});
        }
        player.PressKey(kKeyEscape);
        ASSERT_EQ(player.House(), nullptr);
        ASSERT_TRUE(game.app.stateHandler == MapStateThunk);
        player.Frames(2);
    }
}

// A hovered menu button shows its label in place of its picture: the labels read at the height of
// the pictures' captions, whatever scale each is drawn at.
TEST_F(HouseVisitRoad, TheMenuLabelsReadAtTheHeightOfTheMenuCaptions) {
    player.EnterHouse(HouseKind::Village, 3, kPlayerCharacter);
    const captions::Area labels[] = {
        {"Leave label", 649, 23, 133, 29},
        {"Heal label", 649, 89, 133, 29},
        {"Recruit label", 649, 188, 133, 29},
        {"Talk label", 678, 268, 64, 29},
    };
    const platform::BackBuffer& frame = HeadlessGame::backend().presented;
    const int idle = captions::InkHeight(frame, kMenuAreas[0]);
    for (size_t k = 0; k < std::size(labels); ++k) {
        player.PointAt(kMenuX, kLeaveY + 80 * static_cast<int32_t>(k));
        player.Frame();
        const int label = captions::InkHeight(frame, labels[k]);
        EXPECT_GT(label, 0) << labels[k].name;
        EXPECT_LE(std::abs(label - idle), 1) << labels[k].name << " " << label << ", idle " << idle;
    }
}

TEST_F(HouseVisitRoad, ARecruitOfferShowsItsChosenRow) {
    World().gold = 1000;
    player.EnterHouse(HouseKind::Village, 3, kPlayerCharacter);
    player.ClickHouseButton(kRecruitButton);
    player.ClickAt(310, 530);
    EXPECT_EQ(House().offerChosen, 3);
    const platform::BackBuffer& frame = HeadlessGame::backend().presented;
    ExpectMatchesGolden(frame, "house-recruit");
    captions::ExpectOneHeight(frame, {{"Yes", 240, 370, 32, 32}, {"No", 350, 370, 32, 32}});
}

TEST_F(HouseVisitRoad, ARecruitWantsRoom) {
    ArmyRecord& army = World().playerArmy;
    for (size_t i = 0; i < kArmySlotCount; ++i) {
        army.present[i] = 1;
        army.unitId[i] = 2;
        army.position[i] = static_cast<uint8_t>(i);
    }
    World().gold = 5000;
    player.EnterHouse(HouseKind::Tower, 0, kPlayerCharacter);
    player.Recruit(2);
    EXPECT_EQ(House().noRoomShown, 1);
    EXPECT_EQ(House().noMoneyForRecruit, 0);
    EXPECT_EQ(World().gold, 5000);
}

TEST_F(HouseVisitRoad, AClickWhereAHiddenRecruitYesWasBuysNothing) {
    World().gold = 1000;
    const int slot = FreeSlot();
    player.EnterHouse(HouseKind::Village, 5, kPlayerCharacter);
    player.ClickHouseButton(kRecruitButton);
    player.ClickAt(130, 530);
    ASSERT_EQ(House().offerChosen, 1);
    // Talk closes the panel; the offer it showed goes with it.
    player.ClickHouseButton(kTalkButton);
    EXPECT_EQ(House().recruitOpen, 0);
    player.ClickHouseButton(kRecruitYesButton);
    EXPECT_EQ(World().gold, 1000);
    EXPECT_EQ(House().army.unitId[static_cast<size_t>(slot)], 0);
}

TEST_F(HouseVisitRoad, ADisbandedArmyLeavesTheWorldWithTheVisit) {
    ASSERT_EQ(World().playerArmy.present[0], 1);
    player.EnterHouse(HouseKind::Palace, 0, kPlayerCharacter);
    player.ClickAt(kFirstArmyCellX, kFirstArmyCellY);
    player.ClickHouseButton(kDisbandButton);
    EXPECT_EQ(House().disbandQuestion, 1);
    player.ClickHouseButton(kDisbandYesButton);
    EXPECT_EQ(House().army.present[0], 0);
    EXPECT_EQ(House().selectedArmy, 0);
    EXPECT_EQ(World().playerArmy.present[0], 1);
    player.ClickHouseButton(kLeaveButton);
    EXPECT_EQ(World().playerArmy.present[0], 0);
    EXPECT_EQ(World().playerArmy.unitId[0], 0);
}

TEST_F(HouseVisitRoad, LeaveEscapeAndBackspaceAllWriteTheVisitBack) {
    World().heldFlagTown[10] = 1;
    World().heldItemTown[10] = 60;
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        player.EnterHouse(HouseKind::Town, 2, kPlayerCharacter);
        House().Quest(90) = static_cast<uint8_t>(way + 1);
        if (way == 0) {
            player.ClickHouseButton(kLeaveButton);
        } else {
            player.PressKey(way == 1 ? kKeyEscape : kKeyBack);
        }
        EXPECT_EQ(player.House(), nullptr);
        EXPECT_TRUE(game.app.stateHandler == MapStateThunk);
        EXPECT_EQ(World().Quest(90), way + 1);
        player.Frames(2);
        EXPECT_NE(game.app.mapScreen, nullptr);
    }
    // The held item went back into the bag on the first visit: the record counts its cell from 0.
    EXPECT_EQ(World().heldFlagTown[10], 0);
    const CharacterItemRecord& items = World().playerItems;
    ASSERT_EQ(items.owned[60], 1);
    EXPECT_EQ(items.items[items.itemCell[60]], 61);
}

TEST_F(HouseVisitRoad, AHeldPressActsWhenThePointerSlidesOffOrOnRelease) {
    player.EnterHouse(HouseKind::Castle, 0, kPlayerCharacter);
    player.PointAt(kMenuX, kLeaveY);
    player.Frame();
    HeadlessGame::backend().SetButton(0, true);
    player.Frame();
    EXPECT_EQ(House().buttons.pressedId, kLeaveButton);
    // Onto the Heal button: Heal becomes the pressed one and acts on release.
    player.PointAt(kMenuX, kHealY);
    player.Frame();
    EXPECT_EQ(House().buttons.pressedId, kHealButton);
    HeadlessGame::backend().SetButton(0, false);
    player.Frame();
    EXPECT_EQ(House().healFailShown + House().healDoneShown, 1);
    // Pressed on Leave and slid off onto nothing: the house is left before the release.
    player.PointAt(kMenuX, kLeaveY);
    player.Frame();
    HeadlessGame::backend().SetButton(0, true);
    player.Frame();
    player.PointAt(300, 300);
    player.Frame();
    EXPECT_EQ(player.House(), nullptr);
    HeadlessGame::backend().SetButton(0, false);
}

TEST_F(HouseVisitRoad, JoinedHousesSellAndHealCheaperFromTheFirstFrame) {
    World().VillageJoined(3) = 1;
    player.EnterHouse(HouseKind::Village, 3, kPlayerCharacter);
    EXPECT_EQ(House().recruitPrice[0], 110);
    EXPECT_EQ(House().recruitPrice[4], 490);
    EXPECT_EQ(House().healPrice, 2);
    player.PressKey(kKeyEscape);
    player.Frames(2);
    // A town that is not joined yet, until Talk finds its quest waiting for its reward.
    World().Quest(13) = 6;
    World().Quest(5) = 6;
    player.EnterHouse(HouseKind::Town, 1, kPlayerCharacter);
    EXPECT_EQ(House().recruitPrice[0], 710);
    player.ClickHouseButton(kTalkButton);
    EXPECT_EQ(World().TownOwned(1), 1);
    EXPECT_EQ(World().VillageJoined(1), 0) << "a town joins no village";
    EXPECT_EQ(House().recruitPrice[0], 700);
    EXPECT_EQ(House().healPrice, 2);
    player.PressKey(kKeyEscape);
    player.Frames(2);
    // In any village, quest 29 past its goal joins the second village without a word.
    World().Quest(29) = 6;
    player.EnterHouse(HouseKind::Village, 8, kPlayerCharacter);
    EXPECT_EQ(World().VillageJoined(2), 1);
    EXPECT_EQ(World().VillageJoined(8), 0);
}

// Hovering Heal shows what a heal costs: the price line, as the game's scaled drawing shows it (the
// median of its pixels lighter than the ground), stands out from the lit button under it.
TEST_F(HouseVisitRoad, TheHealPriceReadsOverTheLitHealButton) {
    for (const uint8_t joined : {0, 1}) {
        SCOPED_TRACE(+joined);
        World().VillageJoined(3) = joined;
        player.EnterHouse(HouseKind::Village, 3, kPlayerCharacter);
        player.PointAt(796, 156);  // the Heal button's corner, clear of the price
        player.Frame();
        const platform::BackBuffer& frame = HeadlessGame::backend().presented;
        const platform::Rect price{660, 124, 660 + 115, 124 + 29};  // 128 x 32 scaled 0.9
        uint32_t ground = 0;
        ASSERT_TRUE(readability::MedianOf(platform::PixelsUnder(frame, price), ground));
        std::vector<uint32_t> ink;
        for (int y = price.top; y < price.bottom; ++y) {
            for (int x = price.left; x < price.right; ++x) {
                const uint32_t shown = readability::PixelRgb(frame.Row(y)[x]);
                if (readability::Luminance(shown) > readability::Luminance(ground) &&
                    readability::ContrastRatio(shown, ground) > 1.2) {
                    ink.push_back(shown);
                }
            }
        }
        ASSERT_GT(ink.size(), 40u) << "no price shown";
        std::nth_element(ink.begin(), ink.begin() + ink.size() / 2, ink.end(),
                         [](uint32_t a, uint32_t b) {
                             return readability::Luminance(a) < readability::Luminance(b);
                         });
        EXPECT_GE(readability::ContrastRatio(ink[ink.size() / 2], ground),
                  readability::kLeastContrast)
            << readability::Colour(ink[ink.size() / 2]) << " on " << readability::Colour(ground);
        player.PressKey(kKeyEscape);
        player.Frames(2);
    }
}

// Each raised army shows its men before and after an arrow; an army of a kind without an icon
// shows its figure, and a hundred men three digits.
TEST_F(HouseVisitRoad, RaisedArmiesGoldenImage) {
    World().playerStats.health = 0;
    ArmyRecord& army = World().playerArmy;
    army.down[0] = 4;
    army.down[1] = 2;
    const auto elite = static_cast<uint8_t>(UnitType::EliteGuards);
    army.present[2] = 1;
    army.position[2] = 2;
    army.unitType[2] = elite;
    army.unitId[2] = elite + 1;
    army.alive[2] = 98;
    army.down[2] = 5;
    player.EnterHouse(HouseKind::Village, 1, kPlayerCharacter);
    ASSERT_EQ(House().raisedMessage, 1);
    player.Frames(2);
    ExpectMatchesGolden(HeadlessGame::backend().presented, "house-raised");
}

TEST_F(HouseVisitRoad, RaisedMenCostOneFameOncePerVisitAndAHeroKeepsItsNewHealth) {
    const HeroIndex hero = 1;
    World().heroStats[hero].health = 0;
    World().heroStats[hero].maxHealth = 30;
    World().fame = 5;
    player.EnterHouse(HouseKind::Village, 1, CharacterOfHeroIndex(hero));
    EXPECT_EQ(House().visitor, CharacterOfHeroIndex(hero));
    EXPECT_EQ(House().raisedMessage, 1);
    player.Frames(3);
    EXPECT_EQ(World().fame, 4);
    player.PressKey(kKeyReturn);
    EXPECT_EQ(House().raisedMessage, 0);
    player.Frames(2);
    EXPECT_EQ(World().fame, 4);
    player.PressKey(kKeyEscape);
    EXPECT_EQ(World().heroStats[hero].health, 1);
    player.Frames(2);
    player.EnterHouse(HouseKind::Village, 1, CharacterOfHeroIndex(hero));
    EXPECT_EQ(House().raisedMessage, 0);
    player.Frames(2);
    EXPECT_EQ(World().fame, 4);
}

TEST_F(HouseVisitRoad, AHouseNobodyCouldReachSendsBackToTheMapUntouched) {
    player.EnterHouse(HouseKind::Village, 12, kPlayerCharacter);
    EXPECT_EQ(player.House(), nullptr);
    player.Frames(2);
    EXPECT_TRUE(game.app.stateHandler == MapStateThunk);
    EXPECT_NE(game.app.mapScreen, nullptr);
}

}  // namespace varn
