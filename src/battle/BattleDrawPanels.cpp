#include "app/ArmyPicture.h"
#include "battle/BattlePictures.h"
#include "battle/BattleScreen.h"

namespace varn {

namespace {

constexpr int32_t kPanelTextWidth = 60;
constexpr int32_t kPanelTextHeight = 20;
constexpr int32_t kNameY = 496;
constexpr int32_t kValueY = 565;

}  // namespace

void BattleScreen::DrawArmyIcon(uint8_t type, int32_t x, int32_t y, float scale) {
    const PictureDraw picture = ArmyPicture(armyIcons.get(), armySprites.get(), type, x, y, scale);
    Sprite(picture.set, picture.slot, picture.frame, picture.x, picture.y, picture.scaleX,
           picture.scaleY);
}

void BattleScreen::DrawPanelWord(const char* word, int32_t x, int32_t y) {
    Text(font.get(), word, x, y, kPanelTextWidth, kPanelTextHeight, kBoxTextColour);
}

void BattleScreen::DrawPanelStrips(bool nameBar) {
    Sprite(mainSprites.get(), kSlotBackdrop, 0, 0, 527, 12.5f, 1.25f);
    if (nameBar) {
        Sprite(mainSprites.get(), kSlotNameBar, 0, 0, 492, 12.5f, 1.1f);
    }
}

void BattleScreen::DrawMoveHint(uint8_t movesCommitted) {
    SpriteSet* main = mainSprites.get();
    if (movesCommitted != 0) {
        if (unitPanelHover != 0) {
            Sprite(main, kSlotEnterToMove, 0, 330, 500, 0.9f, 0.9f);
        } else {
            Sprite(main, kSlotMoveArrow, 0, 350, 500, 0.9f, 0.9f);
        }
    } else {
        Sprite(main, kSlotDone, 0, 350, 496, 1.1f, 0.9f);
    }
}

void BattleScreen::DrawUnitPanel() {
    SpriteSet* main = mainSprites.get();
    const DigitPlaces kHealthPlaces = {{256}, {265, 248}, {274, 257, 240}};
    const DigitPlaces kAttackPlaces = {{356}, {365, 348}, {374, 357, 340}};
    const DigitPlaces kDefencePlaces = {{471}, {480, 463}, {489, 472, 455}};
    if (commanderSelected != 0) {
        DrawPanelStrips(true);
        DrawMoveHint(commanderMovesCommitted);
        Sprite(portraitSprites.get(), 0, 0, 4, 536, 0.5f, 0.5f);
        Name(commanderName, 0, kNameY, 1.0f);
        Sprite(main, kSlotMovesBox, 0, 78, 537, 1.3125f, 1.8f);
        Sprite(main, kSlotDigits1, commanderMovesCommitted, 90, 557, 0.6f, 0.8f);
        Sprite(main, kSlotHealthLabel, 0, 224, 532, 1.0f, 0.9f);
        Digits(kSlotDigits3, commanderHealth, kHealthPlaces, kValueY, 0.5f, 0.7f);
        Sprite(main, kSlotAttackLabel, 0, 326, 529, 0.9f, 0.9f);
        Digits(kSlotDigits2, commanderAttack, kAttackPlaces, kValueY, 0.5f, 0.7f);
        Sprite(main, kSlotDefenceLabel, 0, 426, 529, 0.9f, 0.9f);
        Digits(kSlotDigits1, commanderDefence, kDefencePlaces, kValueY, 0.5f, 0.7f);
    }
    if (selectedArmy == 0 || activeArmyIndex >= kBattleArmySlots) {
        return;
    }
    const int s = activeArmyIndex;
    DrawPanelStrips(false);
    DrawArmyIcon(armyType[s], 10, 535, 0.9f);
    Sprite(main, kSlotMovesBox, 0, 78, 537, 1.3125f, 1.8f);
    Sprite(main, kSlotDigits1, armyMovesCommitted[s], 90, 557, 0.6f, 0.8f);
    Sprite(main, kSlotNameBar, 0, 0, 492, 12.5f, 1.1f);
    DrawMoveHint(armyMovesCommitted[s]);
    Name(armyName[s], 0, kNameY, 1.0f);
    if (armyDown[s] != 0) {
        Sprite(main, kSlotDownLabel, 0, 145, 531, 1.0f, 1.0f);
    }
    Digits(kSlotDigits5, armyDown[s] == 0 ? -1 : armyDown[s], {{166}, {175, 158}, {184, 167, 150}},
           kValueY, 0.5f, 0.7f);
    Sprite(main, kSlotAliveLabel, 0, 235, 531, 1.0f, 1.0f);
    Digits(kSlotDigits4, armyAlive[s], kHealthPlaces, kValueY, 0.5f, 0.7f);
    Sprite(main, kSlotAttackLabel, 0, 326, 529, 0.9f, 0.9f);
    Digits(kSlotDigits2, armyAttack[s], kAttackPlaces, kValueY, 0.5f, 0.7f);
    Sprite(main, kSlotDefenceLabel, 0, 426, 529, 0.9f, 0.9f);
    Digits(kSlotDigits1, armyDefence[s], kDefencePlaces, kValueY, 0.5f, 0.7f);
    const DigitPlaces woundPlaces = {{591}, {600, 583}, {600, 583, 566}};
    Sprite(main, kSlotLightLabel, 0, 620, 525, 0.9f, 0.9f);
    Digits(kSlotDigits3, armyLight[s], woundPlaces, 530, 0.5f, 0.5f);
    Sprite(main, kSlotSeriousLabel, 0, 620, 550, 0.9f, 0.9f);
    Digits(kSlotDigits3, armySerious[s], woundPlaces, 555, 0.5f, 0.5f);
    Sprite(main, kSlotCriticalLabel, 0, 620, 575, 0.9f, 0.9f);
    Digits(kSlotDigits3, armyCritical[s], woundPlaces, 580, 0.5f, 0.5f);
}

void BattleScreen::DrawWoundReport(int32_t light, int32_t serious, int32_t critical,
                                   int32_t oneDown, int32_t someDown, int32_t allDown) {
    SpriteSet* main = mainSprites.get();
    if (light != 0) {
        Sprite(main, kSlotLightLabel, 0, 530, 550, 1.0f, 1.0f);
        Sprite(main, kSlotWoundsLabel, 0, 610, 550, 1.0f, 1.0f);
    }
    if (serious != 0) {
        Sprite(main, kSlotSeriousLabel, 0, 530, 550, 1.0f, 1.0f);
        Sprite(main, kSlotWoundsLabel, 0, 636, 550, 1.0f, 1.0f);
    }
    if (critical != 0) {
        Sprite(main, kSlotCriticalLabel, 0, 530, 550, 1.0f, 1.0f);
        Sprite(main, kSlotWoundsLabel, 0, 636, 550, 1.0f, 1.0f);
    }
    if (oneDown != 0) {
        Sprite(main, kSlotDownDigits, 1, 600, 545, 1.0f, 1.1f);
        DrawPanelWord("Goes", 640, 536);
        Sprite(main, kSlotDownLabel, 0, 636, 560, 1.0f, 1.0f);
    }
    if (someDown != 0) {
        Digits(kSlotDownDigits, strikeDownCount, {{600}, {600, 585}, {600, 585, 570}}, 545, 1.0f,
               1.1f);
        DrawPanelWord("Go", 654, 534);
        Sprite(main, kSlotDownLabel, 0, 636, 545, 1.0f, 1.0f);
    }
    if (allDown != 0) {
        DrawPanelWord("All", 654, 534);
        Sprite(main, kSlotDownLabel, 0, 636, 549, 1.0f, 1.0f);
    }
}

void BattleScreen::DrawCommanderPanel() {
    if (commanderSelected != 0 || selectedArmy != 0 || strikeReportOn == 0) {
        return;
    }
    SpriteSet* main = mainSprites.get();
    DrawPanelStrips(false);
    if (targetEnemy < kBattleEnemySlots) {
        Sprite(enemySprites.get(), enemyKind[targetEnemy], 4, 5, 535, 0.9f, 0.9f);
    }
    Sprite(main, kSlotEnemyWord, 0, 60, 550, 1.0f, 1.0f);
    Sprite(main, kSlotTakesWord, 0, 154, 550, 1.0f, 1.0f);
    Sprite(main, kSlotDamageWord, 0, 278, 550, 1.0f, 1.0f);
    Digits(kSlotDamageDigits, damageLevel, {{245}, {256, 239}, {263, 247, 231}}, 545, 1.0f, 1.0f);
    DrawWoundReport(reportLight, reportSerious, reportCritical, reportOneDown, reportSomeDown,
                    reportAllDown);
}

void BattleScreen::DrawNamePanel() {
    if (commanderHit == 0) {
        return;
    }
    SpriteSet* main = mainSprites.get();
    DrawPanelStrips(true);
    Sprite(portraitSprites.get(), 0, 0, 4, 536, 0.5f, 0.5f);
    Name(commanderName, 0, kNameY, 1.0f);
    Sprite(main, kSlotTakesWord, 0, 154, 550, 1.0f, 1.0f);
    Sprite(main, kSlotDamageWord, 0, 278, 550, 1.0f, 1.0f);
    Digits(kSlotDamageDigits, damageLevel, {{245}, {256, 239}, {263, 247, 231}}, 545, 1.0f, 1.0f);
    if (commanderHealth == 0) {
        DrawPanelWord("Goes", 654, 534);
        Sprite(main, kSlotDownLabel, 0, 636, 549, 1.0f, 1.0f);
    }
}

void BattleScreen::DrawActiveUnitPanel() {
    SpriteSet* main = mainSprites.get();
    const DigitPlaces damagePlaces = {{145}, {156, 139}, {163, 147, 131}};
    if (armyHit != 0 && hitArmy >= 0 && hitArmy < kBattleArmySlots) {
        DrawPanelStrips(true);
        DrawArmyIcon(armyType[hitArmy], 10, 535, 0.9f);
        Name(armyName[hitArmy], 0, kNameY, 1.0f);
        Sprite(main, kSlotDamageWord, 0, 180, 549, 1.0f, 1.0f);
        Sprite(main, kSlotTakenWord, 0, 285, 549, 1.0f, 1.0f);
        Digits(kSlotDamageDigits, damageLevel, damagePlaces, 545, 1.0f, 1.0f);
        DrawWoundReport(armyHitLight, armyHitSerious, armyHitCritical, armyHitOneDown,
                        armyHitSomeDown, armyHitAllDown);
    }
    if (allyHit != 0 && hitAlly < kBattleAllySlots) {
        // The panel has room for the names of the first twelve allies only.
        constexpr int kNamedAllies = 12;
        DrawPanelStrips(true);
        Sprite(allyIcons.get(), allyKind[hitAlly], 0, 10, 535, 0.9f, 0.9f);
        if (hitAlly < kNamedAllies) {
            Name(allyName[hitAlly], 0, kNameY, 1.0f);
        }
        Sprite(main, kSlotDamageWord, 0, 180, 549, 1.0f, 1.0f);
        Sprite(main, kSlotTakenWord, 0, 285, 549, 1.0f, 1.0f);
        Digits(kSlotDamageDigits, damageLevel, damagePlaces, 545, 1.0f, 1.0f);
        DrawWoundReport(allyHitLight, allyHitSerious, allyHitCritical, allyHitOneDown,
                        allyHitSomeDown, allyHitAllDown);
    }
}

}  // namespace varn
