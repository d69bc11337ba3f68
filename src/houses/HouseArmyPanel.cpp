#include "app/ArmyPicture.h"
#include "engine/DigitPlaces.h"
#include "houses/HouseKinds.h"
#include "houses/HousePictures.h"
#include "houses/HouseScreen.h"

namespace varn {

namespace {

constexpr int32_t kMenuX = 634;
constexpr int32_t kMenuButtonHeight = 80;
constexpr float kMenuScaleX = 1.3f;
constexpr float kMenuScaleY = 1.25f;
constexpr float kLabelScale = 1.1f;

// The army cells: two columns 83 apart, rows 70 apart; their contents stand 84 apart.
constexpr int32_t kCellTop = 390;
constexpr int32_t kCellStepX = 83;
constexpr int32_t kCellStepY = 70;
constexpr int32_t kContentStepX = 84;
constexpr float kCellScaleX = 1.3f;
constexpr float kCellScaleY = 1.09375f;

// Digits of a count or a statistic stand 15 apart.
constexpr int32_t kDigitStep = 15;

struct MenuLook {
    int32_t iconSlot;
    int32_t iconX;
    int32_t iconY;
    float iconScale;
    int32_t labelSlot;
    int32_t labelX;
    int32_t labelY;
};

constexpr MenuLook kMenuLooks[] = {
    {kLeaveIconSlot, 680, 6, 1.0f, kLeaveLabelSlot, 645, 20},
    {kHealIconSlot, 680, 93, 1.0f, kHealLabelSlot, 645, 86},
    {kRecruitIconSlot, 680, 173, 1.0f, kRecruitLabelSlot, 645, 185},
    {kTalkIconSlot, 680, 250, 0.9f, kTalkLabelSlot, 675, 265},
};

uint8_t LastIndex(const GlyphString& name) {
    return static_cast<uint8_t>(LastGlyphIndex(name));
}

}  // namespace

void HouseScreen::DrawBackground() const {
    const HouseKindFacts& facts = FactsOf(Kind());
    SpriteSet* main = mainSprites.get();
    Sprite(houseArt.get(), kHousePictureSlot, 0, facts.picture.x, facts.picture.y,
           facts.picture.scaleX, facts.picture.scaleY);
    for (int k = 0; k < 4; ++k) {
        Sprite(main, kMenuButtonSlot, buttons.Look(static_cast<uint8_t>(kLeaveButton + k)), kMenuX,
               kMenuButtonHeight * k, kMenuScaleX, kMenuScaleY);
    }
    for (int k = 0; k < 4; ++k) {
        MenuLook look = kMenuLooks[k];
        if (look.iconSlot == kRecruitIconSlot) {
            look.iconX = facts.recruitIcon.x;
            look.iconY = facts.recruitIcon.y;
            look.iconScale = facts.recruitIcon.scaleX;
        }
        if (buttons.Look(static_cast<uint8_t>(kLeaveButton + k)) == 0) {
            Sprite(main, look.iconSlot, 0, look.iconX, look.iconY, look.iconScale, look.iconScale);
            continue;
        }
        Sprite(main, look.labelSlot, 0, look.labelX, look.labelY, kLabelScale, kLabelScale);
        if (look.iconSlot == kHealIconSlot) {
            // The price line under the Heal label exists for the two prices a house asks.
            const int32_t priceSlot = healPrice == kHealPrice         ? kHealPriceTenSlot
                                      : healPrice == kJoinedHealPrice ? kHealPriceTwoSlot
                                                                      : -1;
            if (priceSlot >= 0) {
                Sprite(main, priceSlot, 0, 660, 124, 0.9f, 0.9f);
            }
        }
    }
    Sprite(houseArt.get(), kHouseNamePictureSlot, 0, facts.name.x, facts.name.y, facts.name.scaleX,
           facts.name.scaleY);
    Sprite(houseArt.get(), kHouseCaptionSlot, 0, facts.caption.x, facts.caption.y,
           facts.caption.scaleX, facts.caption.scaleY);
    Sprite(main, kPortraitPanelSlot, 0, kMenuX, 320, 1.2969f, 1.09375f);
    Sprite(portraitSprites.get(), 0, 0, 680, 320, 0.54f, 0.54f);
}

void HouseScreen::LayoutNames() {
    for (size_t i = 0; i < army.name.size(); ++i) {
        army.armyNameLength[i] = LastIndex(army.name[i]);
    }
    for (size_t k = 0; k < offerName.size(); ++k) {
        offerNameLength[k] = LastIndex(offerName[k]);
    }
}

int HouseScreen::SelectedArmyIndex() const {
    if (selectedArmy < 1 || selectedArmy > kArmySlotCount) {
        return -1;
    }
    const int cell = selectedArmy - 1;
    const int standing = ArmyInCell(cell);
    return standing >= 0 ? standing : cell;
}

bool HouseScreen::ArmyPanelShown() const {
    const int index = SelectedArmyIndex();
    return index >= 0 && army.present[static_cast<size_t>(index)] != 0;
}

int HouseScreen::ArmyInCell(int cell) const {
    for (size_t i = 0; i < kArmySlotCount; ++i) {
        if (army.present[i] != 0 && army.position[i] == cell) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void HouseScreen::DrawCount(uint8_t count, int32_t oneX, int32_t onesX, int32_t y, float scaleX,
                            float scaleY) const {
    for (const PlacedDigit& digit : PlaceDigits(count, CentredOn(oneX, onesX, kDigitStep))) {
        Sprite(mainSprites.get(), kSmallDigitSlot, digit.digit, digit.x, y, scaleX, scaleY);
    }
}

void HouseScreen::DrawArmyPicture(uint8_t unitType, int32_t x, int32_t y, float scale) const {
    const PictureDraw picture =
        ArmyPicture(armyIcons.get(), armyFigures.get(), unitType, x, y, scale);
    Sprite(picture.set, picture.slot, picture.frame, picture.x, picture.y, picture.scaleX,
           picture.scaleY);
}

void HouseScreen::DrawStats(int32_t attack, int32_t defence, int32_t training, int32_t equipment,
                            int32_t x, int32_t y) const {
    SpriteSet* main = mainSprites.get();
    auto number = [&](int32_t value, int32_t onesX, int32_t rowY) {
        for (const PlacedDigit& digit : PlaceDigits(value, RightAligned(onesX, kDigitStep))) {
            Sprite(main, kStatDigitSlot, digit.digit, digit.x, rowY, 0.8f, 0.8f);
        }
    };
    if (hoverCell == 5) {
        Sprite(main, kAttackWordSlot, 0, x + 49, y, 0.8f, 0.8f);
    } else {
        Sprite(main, kAttackIconSlot, 0, x + 52, y, 0.8f, 0.8f);
    }
    number(attack, x + 30, y);
    number(defence, x + 30, y + 32);
    if (hoverCell == 6) {
        Sprite(main, kDefenceWordSlot, 0, x + 47, y + 32, 0.7f, 0.8f);
    } else {
        Sprite(main, kDefenceIconSlot, 0, x + 52, y + 32, 0.8f, 0.8f);
    }
    number(training, x + 160, y);
    if (hoverCell == 7) {
        Sprite(main, kTrainingWordSlot, 0, x + 177, y, 0.8f, 0.87f);
    } else {
        Sprite(main, kTrainingIconSlot, 0, x + 182, y, 0.8f, 0.8f);
    }
    number(equipment, x + 160, y + 32);
    if (hoverCell == 8) {
        Sprite(main, kEquipmentWordSlot, 0, x + 176, y + 32, 0.69f, 0.87f);
    } else {
        Sprite(main, kEquipmentIconSlot, 0, x + 182, y + 32, 0.9f, 0.9f);
    }
}

void HouseScreen::DrawArmies(int32_t x, int32_t y) {
    SpriteSet* main = mainSprites.get();
    for (int cell = 0; cell < kArmySlotCount; ++cell) {
        Sprite(main, kArmyCellSlot, 0, kMenuX + kCellStepX * (cell % 2),
               kCellTop + kCellStepY * (cell / 2), kCellScaleX, kCellScaleY);
    }
    for (size_t i = 0; i < kArmySlotCount; ++i) {
        const uint8_t place = army.position[i];
        if (army.present[i] == 0 || place >= kArmySlotCount) {
            continue;
        }
        const int32_t dx = kContentStepX * (place % 2);
        const int32_t top = kCellTop + kCellStepY * (place / 2);
        DrawArmyPicture(army.unitType[i], 649 + dx, top, 0.8f);
        DrawCount(army.alive[i], 668 + dx, 675 + dx, top + 48, 0.8f, 0.7f);
        if (army.light[i] > 0) {
            Sprite(main, kWoundMarkSlot, 0, 636 + dx, top + 2, 0.5f, 0.5f);
        }
        if (army.serious[i] > 0) {
            Sprite(main, kWoundMarkSlot, 0, 700 + dx, top + 2, 0.5f, 0.5f);
        }
        if (army.critical[i] > 0) {
            Sprite(main, kWoundMarkSlot, 0, 636 + dx, top + 53, 0.5f, 0.5f);
        }
        if (canRise[i] != 0) {
            Sprite(main, kRiseArrowSlot, 0, 698 + dx, top + 40, 0.5f, 0.8f);
        }
    }
    if (selectedArmy < 1 || selectedArmy > kArmySlotCount) {
        return;
    }
    const int cell = selectedArmy - 1;
    Sprite(main, kSelectionSlot, 0, kMenuX + kCellStepX * (cell % 2),
           kCellTop + kCellStepY * (cell / 2), kCellScaleX, kCellScaleY);
    if (!ArmyPanelShown()) {
        return;
    }
    const size_t shown = static_cast<size_t>(SelectedArmyIndex());
    DrawBox(160, 100, 4.6f, 2.7f);
    DrawArmyPicture(army.unitType[shown], 270, 140, 0.89f);
    Sprite(main, kDisbandButtonSlot, buttons.Look(kDisbandButton), 340, 142, 1.4f, 1.0f);
    Sprite(main, kNameButtonSlot, buttons.Look(kNameButton), 186, 142, 1.2f, 1.0f);
    DrawGlyphName(army.name[shown], army.armyNameLength[shown], true);
    DrawStats(army.attack[shown], army.defence[shown], army.training[shown], army.equipment[shown],
              x, y);
}

}  // namespace varn
