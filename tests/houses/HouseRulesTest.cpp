#include <gtest/gtest.h>

#include "houses/HouseScreen.h"
#include "world/Glyph.h"

namespace varn {

namespace {

// An army in slot i standing in cell i.
void PutArmy(HouseScreen& s, size_t i, uint8_t alive, uint8_t down, int32_t training,
             int32_t equipment) {
    s.army.present[i] = 1;
    s.army.unitId[i] = 1;
    s.army.position[i] = static_cast<uint8_t>(i);
    s.army.alive[i] = alive;
    s.army.down[i] = down;
    s.army.training[i] = training;
    s.army.equipment[i] = equipment;
}

}  // namespace

TEST(HouseUpkeep, DownedMenRiseFirstThenStrengthFollowsTrainingAndEquipment) {
    const struct {
        const char* what;
        int32_t health;
        uint8_t alive;
        uint8_t down;
        int32_t trainingAndEquipment;
        int32_t healthAfter;
        uint8_t aliveAfter;
        uint8_t raised;
        uint8_t trained;
        uint8_t canRise;
    } kCases[] = {
        {"downed men stand up", 20, 3, 2, 70, 20, 5, 1, 0, 1},
        {"men rise to training and equipment", 20, 3, 0, 70, 20, 7, 0, 1, 0},
        {"men fall silently", 20, 9, 0, 50, 20, 5, 0, 0, 0},
        {"no health stands up with 1", 0, 4, 0, 40, 1, 4, 1, 0, 0},
        {"a full army stays", 20, 4, 0, 40, 20, 4, 0, 0, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        VillageScreen s;
        s.health = c.health;
        PutArmy(s, 2, c.alive, c.down, c.trainingAndEquipment / 2, c.trainingAndEquipment / 2);
        s.UpkeepArmiesOnEntry();
        EXPECT_EQ(s.health, c.healthAfter);
        EXPECT_EQ(s.army.alive[2], c.aliveAfter);
        EXPECT_EQ(s.army.down[2], 0);
        EXPECT_EQ(s.army.previousAlive[2], c.alive);
        EXPECT_EQ(s.raisedMessage, c.raised);
        EXPECT_EQ(s.armyRaised[2], c.down != 0 ? 1 : 0);
        EXPECT_EQ(s.trainingMessage, c.trained);
        EXPECT_EQ(s.armyRose[2], c.trained);
        EXPECT_EQ(s.canRise[2], c.canRise);
        EXPECT_EQ(s.targetAlive[2], c.trainingAndEquipment / 10);
    }
}

TEST(HouseUpkeep, ClosingTheRaisedMessageRunsTheStrengthRecomputeOnce) {
    CastleScreen s;
    s.health = 5;
    PutArmy(s, 0, 3, 2, 35, 35);
    // Not present: its downed men stay down whatever its record says.
    s.army.down[1] = 4;
    s.UpkeepArmiesOnEntry();
    ASSERT_EQ(s.raisedMessage, 1);
    EXPECT_EQ(s.army.alive[0], 5);
    EXPECT_EQ(s.army.down[1], 4);
    s.raisedMessage = 0;
    s.UpkeepArmiesOnEntry();
    EXPECT_EQ(s.army.previousAlive[0], 5);
    EXPECT_EQ(s.army.alive[0], 7);
    EXPECT_EQ(s.trainingMessage, 1);
    EXPECT_EQ(s.armyRose[0], 1);
    EXPECT_EQ(s.canRise[0], 0);
}

TEST(HouseHealing, HealingIsNeededForWoundsOrLostHealthAndPaidWithEnoughGold) {
    const struct {
        const char* what;
        uint8_t present;
        uint8_t serious;
        uint8_t down;
        int32_t health;
        int32_t gold;
        uint8_t needs;
        uint8_t noGold;
    } kCases[] = {
        {"a wounded army", 1, 2, 0, 30, 10, 1, 0},
        {"gold one short", 1, 2, 0, 30, 9, 0, 1},
        {"a debt", 1, 2, 0, 30, -5, 0, 1},
        {"lost health", 1, 0, 0, 12, 10, 1, 0},
        {"nothing to heal", 1, 0, 0, 30, 0, 0, 0},
        {"a wound of an army not there", 0, 2, 0, 30, 100, 0, 0},
        {"men down are not wounds", 1, 0, 3, 30, 100, 0, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        TownScreen s;
        s.health = c.health;
        s.maxHealth = 30;
        s.army.present[4] = c.present;
        s.army.serious[4] = c.serious;
        s.army.down[4] = c.down;
        s.CheckHealNeed(c.gold);
        EXPECT_EQ(s.needsHeal, c.needs);
        EXPECT_EQ(s.noGoldForHeal, c.noGold);
        EXPECT_EQ(s.healFailShown, c.noGold);
    }
}

TEST(HouseRecruiting, TheChosenOfferJoinsTheFirstFreeSlotWhenGoldAndRoomAllow) {
    const struct {
        const char* what;
        int32_t gold;
        int armies;
        int32_t goldAfter;
        uint8_t joined;
        uint8_t noMoney;
        uint8_t noRoom;
    } kCases[] = {
        {"the exact price", 240, 1, 0, 1, 0, 0},
        {"one short", 239, 1, 239, 0, 1, 0},
        {"six armies", 5000, 6, 5000, 0, 0, 1},
        {"short and full: the money says so", 10, 6, 10, 0, 1, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        VillageScreen s;
        s.InitRecruitTable(5);
        s.LayoutNames();
        for (int i = 0; i < c.armies; ++i) {
            PutArmy(s, static_cast<size_t>(i), 4, 0, 20, 20);
        }
        int32_t gold = c.gold;
        s.offerToBuy = 3;
        s.buyNow = 1;
        s.ApplyRecruitChoice(&gold);
        EXPECT_EQ(gold, c.goldAfter);
        EXPECT_EQ(s.buyNow, 0);
        EXPECT_EQ(s.recruitJoinedShown, c.joined);
        EXPECT_EQ(s.noMoneyForRecruit, c.noMoney);
        EXPECT_EQ(s.noRoomShown, c.noRoom);
        if (c.joined == 0) {
            continue;
        }
        // Slot 0 holds an army, so the recruit stands in slot 1, at cell 1.
        EXPECT_EQ(s.newArmySlot, 1);
        EXPECT_EQ(s.army.present[1], 1);
        EXPECT_EQ(s.army.position[1], 1);
        EXPECT_EQ(s.army.unitType[1], static_cast<uint8_t>(UnitType::Peasants));
        EXPECT_EQ(s.army.unitId[1], static_cast<uint8_t>(UnitType::Peasants) + 1);
        EXPECT_EQ(s.army.alive[1], 4);
        EXPECT_EQ(s.army.attack[1], 8);
        EXPECT_EQ(s.army.training[1], 20);
        EXPECT_EQ(s.army.light[1] + s.army.serious[1] + s.army.critical[1] + s.army.down[1], 0);
        EXPECT_EQ(s.army.name[1], s.offerName[2]);
        EXPECT_EQ(s.army.armyNameLength[1], LastGlyphIndex(s.offerName[2]));
        EXPECT_EQ(s.army.present[2], 0) << "only the first free slot";
    }
}

TEST(HouseRecruiting, EachKindOffersItsOwnRowsAndADayBeforeTheFirstShowsOne) {
    const struct {
        HouseKind kind;
        int32_t prices[5];
        UnitType last;
    } kKinds[] = {
        {HouseKind::Village, {120, 160, 240, 320, 500}, UnitType::Peasants},
        {HouseKind::Town, {710, 860, 1010, 1220, 1530}, UnitType::Infantry},
        {HouseKind::Castle, {710, 860, 1010, 1220, 1530}, UnitType::Infantry},
        {HouseKind::Palace, {270, 360, 2000, 2500, 3000}, UnitType::RoyalInfantry},
        {HouseKind::Temple, {1220, 1530, 2000, 2500, 3000}, UnitType::GoldenInfantry},
        {HouseKind::Tower, {710, 860, 1010, 1220, 1530}, UnitType::Infantry},
    };
    for (const auto& k : kKinds) {
        HouseScreen s(k.kind);
        s.InitRecruitTable(1);
        for (size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(s.recruitPrice[i], k.prices[i]);
            EXPECT_EQ(s.offerEnabled[i], 1);
            // Every row's men follow its training and equipment, and it has a name.
            EXPECT_EQ(s.offerAlive[i], (s.offerTraining[i] + s.offerEquipment[i]) / 10);
            EXPECT_NE(s.offerName[i][0], kGlyphBlank);
        }
        EXPECT_EQ(s.offerUnitType[4], static_cast<uint8_t>(k.last));
        s.InitRecruitTable(0);
        EXPECT_EQ(s.offerEnabled[0], 1);
        EXPECT_EQ(s.offerEnabled[1], 0);
    }
}

TEST(HouseDisbanding, TheArmyStandingInTheCellGoesAndItsSlotTakesTheNextRecruit) {
    TownScreen s;
    s.InitRecruitTable(1);
    for (size_t i = 0; i < kArmySlotCount; ++i) {
        PutArmy(s, i, 5, 0, 25, 25);
    }
    // Slots 1 and 2 stand in each other's cells: the cell decides which army goes.
    s.army.position[1] = 2;
    s.army.position[2] = 1;
    s.disbandSlot = 2;
    s.ClearDisbandedArmy();
    EXPECT_EQ(s.disbandSlot, 0);
    EXPECT_EQ(s.army.present[2], 0);
    EXPECT_EQ(s.army.unitId[2], 0);
    EXPECT_EQ(s.army.present[1], 1);
    EXPECT_EQ(s.army.unitId[1], 1);
    // An empty cell gives up nothing.
    s.disbandSlot = 2;
    s.ClearDisbandedArmy();
    EXPECT_EQ(s.army.unitId[1], 1);
    int32_t gold = 1000;
    s.offerToBuy = 1;
    s.buyNow = 1;
    s.ApplyRecruitChoice(&gold);
    EXPECT_EQ(s.newArmySlot, 2);
    EXPECT_EQ(s.army.present[2], 1);
    EXPECT_EQ(gold, 290);
}

TEST(HouseRewards, GoldGoesToTheWorldTheItemToTheBagOrTheStore) {
    TempleScreen s;
    int32_t gold = 50;
    // Item index 0 is a real item.
    s.goldPending = 1;
    s.goldAmount = 300;
    s.itemPending = 1;
    s.itemIndex = 0;
    s.bag[0] = 17;
    s.GiveReward(&gold);
    EXPECT_EQ(gold, 350);
    EXPECT_EQ(s.goldPending + s.itemPending, 0);
    EXPECT_EQ(s.bag[1], 1);
    EXPECT_EQ(s.owned[0], 1);
    EXPECT_EQ(s.itemCell[0], 2);
    EXPECT_EQ(s.itemPlaced, 1);
    EXPECT_EQ(s.bagFull, 0);

    // A full bag: the store takes two items in turn; a full store loses the third.
    s.bag.fill(9);
    s.heldFlag.fill(1);
    s.heldFlag[7] = 0;
    s.heldFlag[9] = 0;
    for (uint8_t item : {40, 41, 42}) {
        s.itemPending = 1;
        s.itemIndex = item;
        s.GiveReward(&gold);
    }
    EXPECT_EQ(s.heldItem[7], 40);
    EXPECT_EQ(s.heldItem[9], 41);
    EXPECT_EQ(s.heldPlaced, 0);
    EXPECT_EQ(s.bagFull, 1);
    EXPECT_EQ(s.owned[42], 0);
    EXPECT_EQ(gold, 350) << "no gold asked, none paid";

    // An item index past the last item names nothing a bag could hold.
    TempleScreen damaged;
    damaged.itemPending = 1;
    damaged.itemIndex = 255;
    damaged.GiveReward(&gold);
    EXPECT_EQ(damaged.bag[0], kNoItem);
}

TEST(HouseHeldItems, TheStoreEmptiesFromItsTopIntoFreeBagCellsOnEntry) {
    const struct {
        const char* what;
        uint8_t flags[4];
        uint8_t items[4];
        int freeCells;
        uint8_t flagsAfter[4];
        uint8_t returned;
        uint8_t still;
        uint8_t many;
        uint8_t any;
    } kCases[] = {
        {"three held, room for two", {1, 1, 1, 0}, {10, 11, 12, 0}, 2, {1, 0, 0, 0}, 1, 0, 1, 1},
        {"one held, room", {1, 0, 0, 0}, {10, 0, 0, 0}, 3, {0, 0, 0, 0}, 1, 0, 0, 0},
        {"two held, bag full", {1, 1, 0, 0}, {10, 11, 0, 0}, 0, {1, 1, 0, 0}, 0, 1, 1, 1},
        {"a gap and an item index naming nothing",
         {1, 0, 1, 1},
         {10, 0, 200, 12},
         3,
         {0, 0, 0, 0},
         1,
         0,
         1,
         0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        VillageScreen s;
        s.bag.fill(5);
        for (int i = 0; i < c.freeCells; ++i) {
            s.bag[static_cast<size_t>(3 + i)] = kNoItem;
        }
        for (size_t k = 0; k < 4; ++k) {
            s.heldFlag[k] = c.flags[k];
            s.heldItem[k] = c.items[k];
        }
        s.ReturnHeldItems();
        for (size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(s.heldFlag[k], c.flagsAfter[k]) << k;
        }
        EXPECT_EQ(s.returnedMessage, c.returned);
        EXPECT_EQ(s.stillHeldMessage, c.still);
        EXPECT_EQ(s.manyHeld, c.many);
        EXPECT_EQ(s.heldAny, c.any);
        for (size_t k = 0; k < 4; ++k) {
            const uint8_t item = c.items[k];
            if (c.flags[k] != 0 && c.flagsAfter[k] == 0 && item < 191) {
                EXPECT_EQ(s.owned[item], 1) << k;
                EXPECT_EQ(s.bag[s.itemCell[item] - 1U], item + 1) << k;
            }
        }
    }
    // The top slot goes first, into the first free cell.
    VillageScreen s;
    s.bag.fill(5);
    s.bag[6] = kNoItem;
    s.heldFlag[0] = s.heldFlag[1] = 1;
    s.heldItem[0] = 30;
    s.heldItem[1] = 31;
    s.ReturnHeldItems();
    EXPECT_EQ(s.bag[6], 32);
    EXPECT_EQ(s.itemCell[31], 7);
    EXPECT_EQ(s.heldFlag[0], 1);
    // CheckHeldItemFlags only ever sets.
    s.heldFlag.fill(0);
    s.CheckHeldItemFlags();
    EXPECT_EQ(s.heldAny, 1);
}

}  // namespace varn
