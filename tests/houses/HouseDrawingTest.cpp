#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "houses/HousePictures.h"
#include "houses/HouseScreen.h"
#include "support/HeadlessGame.h"

namespace varn {

namespace {

// A loaded house screen whose drawing is written into a log.
class HouseDrawing : public testing::Test {
  protected:
    void Load(HouseScreen& screen) {
        screen.houseNumber = 1;
        screen.visitor = kPlayerCharacter;
        screen.InitMainSprites(&game.app.device);
        screen.InitHouseArt(&game.app.device);
        screen.InitPortraits(&game.app.device);
        screen.InitArmyPictures(&game.app.device);
        screen.drawLog = &log;
    }

    // The main set's frames drawn from slot at row y, as (x, frame) pairs in drawing order.
    std::vector<std::pair<int32_t, int32_t>> Drawn(const HouseScreen& screen, int32_t slot,
                                                   int32_t y) const {
        std::vector<std::pair<int32_t, int32_t>> drawn;
        for (const HouseDraw& draw : log) {
            if (draw.set == screen.mainSprites.get() && draw.slot == slot && draw.y == y) {
                drawn.emplace_back(draw.x, draw.frame);
            }
        }
        return drawn;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const HouseDraw& draw : log) {
            if (draw.set == nullptr) {
                texts.push_back(draw.text);
            }
        }
        return texts;
    }

    bool Drew(const SpriteSet* set, int32_t slot, int32_t x, int32_t y) const {
        return std::any_of(log.begin(), log.end(), [&](const HouseDraw& d) {
            return d.set == set && d.slot == slot && d.x == x && d.y == y;
        });
    }

    HeadlessGame game;
    std::vector<HouseDraw> log;
};

using Pairs = std::vector<std::pair<int32_t, int32_t>>;

}  // namespace

// Training and equipment past 1000 make an army of 100 men or more, which shows three digits
// about the one digit's place.
TEST_F(HouseDrawing, MenCountsShowOneToThreeDigitsAndEveryKindItsPicture) {
    const struct {
        uint8_t alive;
        uint8_t cell;
        UnitType kind;
        Pairs digits;
    } kCases[] = {
        {9, 0, UnitType::Peasants, {{668, 9}}},
        {10, 0, UnitType::Peasants, {{675, 0}, {660, 1}}},
        {47, 3, UnitType::Dogs, {{759, 7}, {744, 4}}},
        {100, 0, UnitType::EliteGuards, {{683, 0}, {668, 0}, {653, 1}}},
        {255, 3, UnitType::Priests, {{767, 5}, {752, 5}, {737, 2}}},
    };
    for (const auto& c : kCases) {
        CastleScreen screen;
        Load(screen);
        log.clear();
        const auto kind = static_cast<uint8_t>(c.kind);
        screen.army.present[2] = 1;
        screen.army.position[2] = c.cell;
        screen.army.alive[2] = c.alive;
        screen.army.unitType[2] = kind;
        screen.DrawArmies(170, 200);
        const int32_t top = 390 + 70 * (c.cell / 2);
        const int32_t x = c.cell % 2 == 0 ? 649 : 733;
        EXPECT_EQ(Drawn(screen, kSmallDigitSlot, top + 48), c.digits) << int{c.alive};
        EXPECT_TRUE(Drew(screen.armyIcons.get(), kind, x, top) ||
                    Drew(screen.armyFigures.get(), kind, x, top))
            << int{kind};
    }
}

TEST_F(HouseDrawing, TheChosenArmysStatisticsAndNameAreLaidOutFromThePanel) {
    TowerScreen screen;
    Load(screen);
    screen.army.present[0] = 1;
    screen.army.unitType[0] = static_cast<uint8_t>(UnitType::SwordsMen);
    screen.army.attack[0] = 5;
    screen.army.defence[0] = 1234;
    screen.army.training[0] = 60;
    screen.army.name[0] = EncodeGlyphs("A");
    screen.army.name[0][20] = EncodeGlyphs("B")[0];
    screen.LayoutNames();
    EXPECT_EQ(screen.army.armyNameLength[0], 20);
    screen.selectedArmy = 1;
    screen.hoverCell = 7;
    screen.DrawArmies(170, 200);
    EXPECT_EQ(Drawn(screen, kStatDigitSlot, 200), (Pairs{{200, 5}, {330, 0}, {315, 6}}));
    EXPECT_EQ(Drawn(screen, kStatDigitSlot, 232), (Pairs{{200, 4}, {185, 3}, {170, 2}, {330, 0}}));
    // The hovered training cell shows its word, the others their pictures.
    EXPECT_TRUE(Drew(screen.mainSprites.get(), kTrainingWordSlot, 347, 200));
    EXPECT_FALSE(Drew(screen.mainSprites.get(), kTrainingIconSlot, 352, 200));
    EXPECT_TRUE(Drew(screen.mainSprites.get(), kAttackIconSlot, 222, 200));
    // A kind without an icon shows its figure in the panel.
    EXPECT_TRUE(Drew(screen.armyFigures.get(), screen.army.unitType[0], 270, 140));
    // A name reaching its last glyph spans x 176 to 416; glyph 0 is a capital.
    EXPECT_TRUE(Drew(screen.capitalLetters.get(), 0, 176, 110));
    EXPECT_TRUE(Drew(screen.capitalLetters.get(), 0, 416, 110));
    EXPECT_TRUE(Drew(screen.smallLetters.get(), 0, 188, 110)) << "a blank glyph is drawn";

    // A short name is centred on x 296; an empty cell chosen shows no panel.
    log.clear();
    screen.army.name[0] = EncodeGlyphs("A");
    screen.LayoutNames();
    screen.DrawArmies(170, 200);
    EXPECT_TRUE(Drew(screen.capitalLetters.get(), 0, 296, 110));
    log.clear();
    screen.selectedArmy = 2;
    screen.DrawArmies(170, 200);
    EXPECT_TRUE(Drew(screen.mainSprites.get(), kSelectionSlot, 717, 390));
    EXPECT_FALSE(Drew(screen.mainSprites.get(), kBoxSlot, 160, 100));
}

TEST_F(HouseDrawing, TheHealLabelNamesThePriceAndTheMenuShowsLabelsWhenLit) {
    const struct {
        int32_t price;
        int32_t slot;
    } kPrices[] = {{10, kHealPriceTenSlot}, {2, kHealPriceTwoSlot}, {5, -1}};
    for (const auto& p : kPrices) {
        VillageScreen screen;
        Load(screen);
        log.clear();
        screen.healPrice = p.price;
        screen.buttons.SetLook(kHealButton, kButtonHovered);
        screen.DrawBackground();
        EXPECT_EQ(Drawn(screen, kHealPriceTenSlot, 124).size(), p.slot == kHealPriceTenSlot);
        EXPECT_EQ(Drawn(screen, kHealPriceTwoSlot, 124).size(), p.slot == kHealPriceTwoSlot);
        EXPECT_TRUE(Drew(screen.mainSprites.get(), kHealLabelSlot, 645, 86));
        EXPECT_FALSE(Drew(screen.mainSprites.get(), kHealIconSlot, 680, 93));
        EXPECT_TRUE(Drew(screen.mainSprites.get(), kLeaveIconSlot, 680, 6));
        // The village's own Recruit picture place.
        EXPECT_TRUE(Drew(screen.mainSprites.get(), kRecruitIconSlot, 682, 174));
    }
}

TEST_F(HouseDrawing, BoxesSayWhatHappened) {
    using Texts_ = std::vector<std::string>;
    TempleScreen screen;
    Load(screen);
    screen.healDoneShown = 1;
    screen.healPrice = 10;
    screen.disbandQuestion = 1;
    screen.noRoomShown = 1;
    screen.DrawActionMessages();
    EXPECT_EQ(Texts(), (Texts_{"No room for new recruit!", "Disband?", "10", "gold paid",
                               "Everyone has been healed."}));
    log.clear();
    screen.healDoneShown = screen.disbandQuestion = screen.noRoomShown = 0;
    screen.healFailShown = 1;
    screen.DrawActionMessages();
    screen.noGoldForHeal = 1;
    screen.DrawActionMessages();
    EXPECT_EQ(Texts(), (Texts_{"0 gold paid", "Nobody was hurt", "You don't have enough gold"}));

    // The raised armies' message owes one fame the first time it shows.
    log.clear();
    screen.raisedMessage = 1;
    screen.armyRaised[3] = 1;
    screen.army.previousAlive[3] = 3;
    screen.army.alive[3] = 12;
    screen.DrawEntryMessages();
    EXPECT_EQ(Texts(), (Texts_{"All downed armies have been raised.", "(Fame -1)"}));
    EXPECT_EQ(screen.fameDownLatch, 1);
    // Army 3 stands in the right column, second row: its pair counts 3 and then 12.
    EXPECT_EQ(Drawn(screen, kSmallDigitSlot, 384), (Pairs{{402, 3}, {498, 2}, {483, 1}}));
    EXPECT_TRUE(Drew(screen.mainSprites.get(), kRaisedArrowSlot, 444, 355));
    screen.fameDownLatch = 2;
    screen.DrawEntryMessages();
    EXPECT_EQ(screen.fameDownLatch, 2);
    // An army of a kind without an icon shows its figure on both sides of the arrow, and a
    // hundred men or more three digits.
    log.clear();
    screen.armyRaised[3] = 0;
    screen.armyRaised[0] = 1;
    screen.army.unitType[0] = static_cast<uint8_t>(UnitType::Warriors);
    screen.army.previousAlive[0] = 99;
    screen.army.alive[0] = 120;
    screen.DrawEntryMessages();
    EXPECT_EQ(Drawn(screen, kSmallDigitSlot, 254),
              (Pairs{{158, 9}, {143, 9}, {257, 0}, {242, 2}, {227, 1}}));
    EXPECT_TRUE(Drew(screen.armyFigures.get(), screen.army.unitType[0], 130, 200));
    EXPECT_TRUE(Drew(screen.armyFigures.get(), screen.army.unitType[0], 220, 200));

    // The store's lines, by what went back and what stays.
    const struct {
        uint8_t returned;
        uint8_t still;
        uint8_t any;
        uint8_t many;
        Texts_ lines;
    } kStore[] = {
        {1, 0, 0, 1, {"Since there was room in your bag ", "you get all your items back. "}},
        {1, 0, 0, 0, {"Since there was room in your bag ", "you get your item back. "}},
        {1, 0, 1, 1, {"Gave you some stuff back", "and your bag got filled up "}},
        {0, 1, 1, 1, {"Still holding your items."}},
        {0, 1, 1, 0, {"Still holding one item."}},
        {0, 1, 0, 0, {}},
    };
    for (const auto& row : kStore) {
        log.clear();
        screen.returnedMessage = row.returned;
        screen.stillHeldMessage = row.still;
        screen.heldAny = row.any;
        screen.manyHeld = row.many;
        screen.DrawStoreMessages();
        EXPECT_EQ(Texts(), row.lines);
    }
}

TEST_F(HouseDrawing, TheRecruitPanelPlacesGoldAndPriceByTheirSize) {
    const struct {
        int32_t gold;
        int32_t numberX;
        int32_t wordX;
    } kGold[] = {
        {7, 490, 510}, {99, 495, 525}, {100, 490, 530}, {9999, 480, 540}, {10000, 470, 546}};
    for (const auto& g : kGold) {
        TownScreen screen;
        Load(screen);
        screen.InitRecruitTable(1);
        screen.recruitOpen = 1;
        screen.offerChosen = 3;
        log.clear();
        screen.DrawRecruitPanel(170, 200, g.gold);
        const auto at = [&](const std::string& text) {
            const auto found = std::find_if(log.begin(), log.end(), [&](const HouseDraw& d) {
                return d.set == nullptr && d.text == text;
            });
            return found == log.end() ? -1 : found->x;
        };
        EXPECT_EQ(at(std::to_string(g.gold)), g.numberX);
        EXPECT_EQ(at("gold"), g.wordX);
        // Offer 3 costs 1010: four digits stand further left.
        EXPECT_EQ(at("1010"), 253);
        EXPECT_EQ(at("Recruit?"), 270);
        EXPECT_TRUE(Drew(screen.mainSprites.get(), kSelectionSlot, 265, 485));
        // Every offer of the strip with its men: offer 5 has 7 men, one digit.
        EXPECT_TRUE(Drew(screen.mainSprites.get(), kSmallDigitSlot, 483, 549));
    }
}

}  // namespace varn
