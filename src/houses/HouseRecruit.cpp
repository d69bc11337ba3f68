#include <cstdio>

#include "houses/HouseKinds.h"
#include "houses/HousePictures.h"
#include "houses/HouseScreen.h"

namespace varn {

namespace {

constexpr int32_t kOfferCellX = 85;
constexpr int32_t kOfferCellStep = 90;
constexpr int32_t kTextHeight = 32;

// Where the gold stands in the gold box, by its size: the number's x and the word's x.
struct GoldPlace {
    uint32_t below;
    int32_t numberX;
    int32_t wordX;
};
constexpr GoldPlace kGoldPlaces[] = {
    {10, 490, 510}, {100, 495, 525}, {1000, 490, 530}, {10000, 480, 540}, {0, 470, 546},
};

}  // namespace

void HouseScreen::InitRecruitTable(int32_t worldDay) {
    offerEnabled.fill(0);
    for (GlyphString& name : offerName) {
        name.fill(kGlyphBlank);
    }
    offerEnabled[0] = 1;
    if (worldDay > 0) {
        for (size_t k = 1; k < kRecruitOfferCount; ++k) {
            offerEnabled[k] = 1;
        }
    }
    const HouseKindFacts& facts = FactsOf(Kind());
    for (size_t k = 0; k < kRecruitOfferCount; ++k) {
        const RecruitRow& row = facts.offers[k];
        recruitPrice[k] = row.price;
        offerUnitType[k] = static_cast<uint8_t>(row.unit);
        offerAttack[k] = row.attack;
        offerDefence[k] = row.defence;
        offerTraining[k] = row.training;
        offerEquipment[k] = row.equipment;
        offerAlive[k] = row.men;
        offerName[k] = EncodeGlyphs(row.name);
    }
}

void HouseScreen::ApplyRecruitChoice(int32_t* gold) {
    if (buyNow == 0) {
        return;
    }
    buyNow = 0;
    recruitPlaced = 0;
    if (offerToBuy < 1 || offerToBuy > kRecruitOfferCount || gold == nullptr) {
        return;
    }
    const size_t k = offerToBuy - 1U;
    recruitName = offerName[k];
    recruitNameLength = offerNameLength[k];
    // Signed: gold below 0 buys nothing.
    if (*gold < recruitPrice[k]) {
        noMoneyForRecruit = 1;
    } else {
        for (size_t s = 0; s < kArmySlotCount; ++s) {
            if (army.unitId[s] != 0) {
                continue;
            }
            recruitPlaced = 1;
            recruitJoinedShown = 1;
            *gold -= recruitPrice[k];
            army.present[s] = 1;
            army.unitId[s] = static_cast<uint8_t>(offerUnitType[k] + 1);
            army.position[s] = static_cast<uint8_t>(s);
            army.unitType[s] = offerUnitType[k];
            army.alive[s] = offerAlive[k];
            army.attack[s] = offerAttack[k];
            army.defence[s] = offerDefence[k];
            army.training[s] = offerTraining[k];
            army.equipment[s] = offerEquipment[k];
            army.light[s] = 0;
            army.serious[s] = 0;
            army.critical[s] = 0;
            army.down[s] = 0;
            newArmySlot = static_cast<uint8_t>(s);
            break;
        }
    }
    if (recruitPlaced != 0) {
        army.name[newArmySlot] = recruitName;
        army.armyNameLength[newArmySlot] = recruitNameLength;
    } else {
        noRoomShown = 1;
    }
    if (noMoneyForRecruit != 0) {
        noRoomShown = 0;
    }
}

void HouseScreen::DrawRecruitPanel(int32_t x, int32_t y, int32_t gold) {
    if (recruitOpen == 0) {
        return;
    }
    SpriteSet* main = mainSprites.get();
    DrawBox(430, 10, 3.1f, 1.2f);
    DrawText("You Have", 480, 20, 500, kTextHeight);
    const uint32_t shownGold = static_cast<uint32_t>(gold);
    const GoldPlace* place = &kGoldPlaces[0];
    while (place->below != 0 && shownGold >= place->below) {
        ++place;
    }
    std::snprintf(goldText, sizeof goldText, "%ld", static_cast<long>(gold));
    DrawText(goldText, place->numberX, 50, 100, 30);
    DrawText("gold", place->wordX, 50, 500, kTextHeight);

    DrawBox(75, 440, 7.3f, 2.1f);
    DrawText("Recruit", 270, 460, 500, kTextHeight);
    if (offerChosen >= 1 && offerChosen <= kRecruitOfferCount) {
        const size_t k = offerChosen - 1U;
        Sprite(main, kSelectionSlot, 0, kOfferCellX + kOfferCellStep * static_cast<int32_t>(k), 485,
               1.38f, 1.38f);
        DrawBox(160, 100, 4.5f, 4.9f);
        DrawArmyPicture(offerUnitType[k], 280, 140, 0.9f);
        char priceText[kNumberTextSize];
        std::snprintf(priceText, sizeof priceText, "%ld", static_cast<long>(recruitPrice[k]));
        DrawText(priceText, recruitPrice[k] > 999 ? 253 : 265, 300, 100, 100);
        DrawText("gold ", 310, 300, 200, kTextHeight);
        DrawText("Recruit?", 270, 340, 500, kTextHeight);
        Sprite(main, kYesButtonSlot, buttons.Look(kRecruitYesButton), 240, 370, 1.0f, 1.0f);
        Sprite(main, kNoButtonSlot, buttons.Look(kRecruitNoButton), 350, 370, 1.0f, 1.0f);
        DrawStats(offerAttack[k], offerDefence[k], offerTraining[k], offerEquipment[k], x, y);
        DrawGlyphName(offerName[k], offerNameLength[k], false);
    }
    for (size_t k = 0; k < kRecruitOfferCount; ++k) {
        if (offerEnabled[k] == 0) {
            continue;
        }
        const int32_t dx = kOfferCellStep * static_cast<int32_t>(k);
        DrawArmyPicture(offerUnitType[k], 102 + dx, 490, 0.9f);
        DrawCount(offerAlive[k], 123 + dx, 130 + dx, 549, 0.8f, 0.7f);
    }
}

}  // namespace varn
