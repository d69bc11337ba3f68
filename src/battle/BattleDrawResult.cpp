#include "battle/BattlePictures.h"
#include "battle/BattleScreen.h"
#include "battle/BattleSideButtons.h"

namespace varn {

namespace {

constexpr uint32_t kTurnTitle = 0xFF326ED2;
constexpr int32_t kTurnNumberX = 530;
constexpr uint32_t kCarriedText = 0xFFFAFAFA;
constexpr uint32_t kTurnsCount = 0xFF64FA64;
constexpr uint32_t kLastTurnWord = 0xFFFA0000;
constexpr uint32_t kThresholdLabel = 0xFFBEBEBE;
constexpr uint32_t kVictoryRed = 0xFFD20A0A;
constexpr uint32_t kFameLine = 0xFFFA96FA;
constexpr uint32_t kHeroJoins = 0xFF32AAFA;
constexpr uint32_t kGoldText = 0xFFD2D20A;
constexpr uint32_t kExperienceText = 0xFFB40A78;
constexpr uint32_t kArmyGainText = 0xFFFA3232;

struct Threshold {
    uint8_t BattleScreen::*turns;
    int32_t y;
    const char* label;
    int32_t labelX;
    int32_t labelWidth;
};
constexpr Threshold kThresholds[] = {
    {&BattleScreen::brilliantTurns, 380, "turns left for a Brilliant Victory", 245, 370},
    {&BattleScreen::greatTurns, 410, "turns left for a Great Victory", 260, 270},
    {&BattleScreen::lastTurn, 440, "turns left for a Victory", 320, 270},
};

struct BattleMessage {
    int32_t battle;
    const char* text;
    int32_t x;
    int32_t width;
    bool heroJoins;
};
// Battle 3's line is set 10 pixels wider than its 300, which would clip its period.
constexpr BattleMessage kBattleMessages[] = {
    {1, "The bandits were routed. ", 250, 270, false},
    {2, "The gold mine is free. ", 250, 270, false},
    {3, "The raiding party was defeated.", 260, 310, false},
    {4, "The enemy was routed.", 255, 270, true},
    {63, "The enemy was beaten.", 255, 270, true},
    {64, "The red heads were beaten.", 255, 270, true},
};

// One gain of the summary: its icon, or its label while its area is hovered, then "+" and the
// value. A gain of 0 shows nothing.
struct Gain {
    uint8_t hoverId;
    int32_t iconSlot;
    int32_t iconX;
    int32_t iconY;
    int32_t labelSlot;
    int32_t labelX;
    int32_t labelY;
    float labelScaleX;
    float labelScaleY;
    int32_t plusX;
    int32_t valueX;
    int32_t y;
    uint32_t colour;
};

}  // namespace

void BattleScreen::DrawSideButtons() {
    SpriteSet* main = mainSprites.get();
    Sprite(main, kSlotQuitButton, sideButtons.Look(kSideQuit), 710, 20, 1.0f, 1.0f);
    if (sideButtons.Look(kSideOptions) == 0) {
        Sprite(main, kSlotOptionsButton, 0, 700, 70, 1.3f, 1.1f);
        Sprite(main, kSlotOptionsIcon, 0, 708, 72, 1.2f, 1.1f);
    } else {
        Sprite(main, kSlotOptionsButton, sideButtons.Look(kSideOptions), 700, 70, 1.3f, 1.1f);
        Sprite(main, kSlotOptionsLabel, 0, 700, 74, 0.83f, 0.9f);
    }
    Sprite(main, kSlotGridButton, sideButtons.Look(kSideGrid), 700, 130, 1.3f, 1.1f);
    Sprite(main, kSlotRetreatButton, sideButtons.Look(kSideRetreat), 700, 190, 1.3f, 1.1f);
    Sprite(main, kSlotEndTurnButton, sideButtons.Look(kSideEndTurn), 700, 250, 1.3f, 1.2f);
    if (retreatAsked != 0) {
        Sprite(main, kSlotBackdrop, 0, 255, 240, 4.5f, 2.25f);
        // Wider than the question's 230 pixels, which would clip its mark.
        Text(font.get(), "Retreat from this battle?", 285, 280, 240, 20, kBoxTextColour);
        Sprite(main, kSlotYes, sideButtons.Look(kSideRetreatYes), 330, 335, 1.0f, 1.0f);
        Sprite(main, kSlotNo, sideButtons.Look(kSideRetreatNo), 430, 335, 1.0f, 1.0f);
    }
    if (retreatConfirmed != kRetreatOpen) {
        Sprite(main, kSlotBackdrop, 0, 255, 250, 4.5f, 2.25f);
        Text(font.get(), "You retreat from the battle.", 271, 280, 256, 20, kBoxTextColour);
        Text(font.get(), "No experience gained.", 285, 310, 230, 30, kBoxTextColour);
        Text(font.get(), "You lose 1 fame.", 310, 340, 230, 30, kBoxTextColour);
    }
}

void BattleScreen::DrawTurnInfo() {
    SpriteSet* main = mainSprites.get();
    if (won == kNotWon) {
        Sprite(main, kSlotBackdrop, 0, 220, 320, 5.6f, 2.6f);
        // The title's box reaches to the number's: 260 pixels would clip its last letter.
        Text(bigFont.get(), "Battle Turn Number", 250, 330, kTurnNumberX - 250, 30, kTurnTitle);
        Number(bigFont.get(), turn, kTurnNumberX, 330, 100, 30, kTurnTitle);
    }
    if (turn == 1 && (carriedWounds != 0 || carriedDown != 0)) {
        Sprite(main, kSlotBackdrop, 0, 200, 120, 6.3f, 2.6f);
        Text(font.get(), "The enemy forces are weaker from", 230, 130, 420, 30, kCarriedText);
        Text(font.get(), "recent fighting but they have ", 260, 160, 420, 30, kCarriedText);
        Text(font.get(), "reorganized their armies. ", 260, 190, 420, 30, kCarriedText);
        Text(font.get(), "Wounds per enemy army: ", 260, 220, 260, 30, kCarriedText);
        Number(font.get(), carriedWounds, 540, 220, 100, 30, kCarriedText);
        Text(font.get(), "Down per enemy army: ", 260, 250, 260, 30, kCarriedText);
        Number(font.get(), carriedDown, 540, 250, 100, 30, kCarriedText);
    }
    for (const Threshold& threshold : kThresholds) {
        const uint8_t limit = this->*threshold.turns;
        if (turn >= limit) {
            continue;
        }
        turnsLeft = static_cast<uint8_t>(limit - turn);
        // Won, the lines have no box; the victory box hides all but the last one's lower half,
        // which would stand unreadable on the field below its edge.
        if (won != kNotWon) {
            continue;
        }
        if (turnsLeft == 1) {
            Text(font.get(), "last", 535, threshold.y, 70, 30, kLastTurnWord);
        } else {
            Number(font.get(), turnsLeft, turnsLeft >= 10 ? 535 : 545, threshold.y, 100, 30,
                   kTurnsCount);
        }
        Text(font.get(), threshold.label, threshold.labelX, threshold.y, threshold.labelWidth, 30,
             kThresholdLabel);
    }
}

void BattleScreen::DrawResult() {
    SpriteSet* main = mainSprites.get();
    if (lost != 0) {
        Sprite(main, kSlotBackdrop, 0, 223, 240, 5.5f, 2.4f);
        Text(font.get(), "You lost.", 350, 280, 96, 20, kBoxTextColour);
        Text(font.get(), "Your beaten forces regroup nearby.", 232, 310, 340, 30, kBoxTextColour);
        Text(font.get(), "You lose 3 fame", 315, 340, 230, 30, kBoxTextColour);
    }
    if (won == kWonPaid) {
        Sprite(main, kSlotBackdrop, 0, 182, 200, 6.8f, 4.0f);
        Text(font.get(), "You Won!", 250, 240, 120, 20, kVictoryRed);
        if (victoryGrade == kGradeBrilliant) {
            Text(font.get(), "Brilliant Victory!", 390, 240, 190, 30, kVictoryRed);
            Text(font.get(), "You gain 3 fame.", 250, 270, 190, 30, kFameLine);
        } else if (victoryGrade == kGradeGreat) {
            Text(font.get(), "Great Victory!", 390, 240, 190, 30, kVictoryRed);
            Text(font.get(), "You gain 2 fame.", 250, 270, 190, 30, kFameLine);
        } else if (victoryGrade == kGradePlain) {
            Text(font.get(), "Victory!", 410, 240, 190, 30, kVictoryRed);
            Text(font.get(), "You gain 1 fame.", 250, 270, 190, 30, kFameLine);
        }
        for (const BattleMessage& message : kBattleMessages) {
            if (message.battle != battleId) {
                continue;
            }
            Text(font.get(), message.text, message.x, 300, message.width, 30, kBoxTextColour);
            if (message.heroJoins) {
                Text(font.get(), "Hero joins you! ", 355, 420, 370, 30, kHeroJoins);
                Sprite(main, kSlotJoiningHero, 0, 511, 362, 0.7f, 0.7f);
            }
        }
        Text(font.get(), "You find gold. ", 260, 330, 270, 30, kGoldText);
        Sprite(main, kSlotGold, 0, 367, 365, 0.7f, 0.7f);
        Number(bigFont.get(), goldRewardShown, 280, 375, 50, 50, kGoldText);
    }
    if (won == kWonFieldHidden) {
        DrawSummary();
    }
}

void BattleScreen::DrawSummary() {
    SpriteSet* main = mainSprites.get();
    Sprite(main, kSlotSummaryBack, 0, 0, 0, 3.125f, 2.34375f);
    Sprite(main, kSlotBackdrop, 0, 37, 45, 1.3f, 1.3f);
    Sprite(portraitSprites.get(), 0, 0, 40, 50, 0.6f, 0.6f);
    Name(commanderName, 15, 11, 1.0f);
    Text(bigFont.get(), "Experience +", 125, 41, 190, 50, kExperienceText);
    Number(bigFont.get(), commanderExpGain, 304, 41, 100, 50, kExperienceText);

    auto drawGain = [this, main](const Gain& gain, int32_t value) {
        if (value == 0) {
            return;
        }
        if (dialogHover == gain.hoverId) {
            Sprite(main, gain.labelSlot, 0, gain.labelX, gain.labelY, gain.labelScaleX,
                   gain.labelScaleY);
        } else {
            Sprite(main, gain.iconSlot, 0, gain.iconX, gain.iconY, 1.0f, 1.0f);
        }
        Text(bigFont.get(), "+", gain.plusX, gain.y, 190, 50, gain.colour);
        Number(bigFont.get(), value, gain.valueX, gain.y, 50, 50, gain.colour);
    };
    drawGain({1, kSlotLevelIcon, 160, 80, kSlotLevelLabel, 125, 79, 0.9f, 1.0f, 200, 220, 80,
              0xFF14D228},
             levelsGained);
    drawGain({2, kSlotHealthIcon, 300, 80, kSlotHealthLabel, 260, 80, 0.9f, 1.0f, 340, 360, 80,
              0xFFE60A28},
             healthPerLevels);
    drawGain({3, kSlotAttackIcon, 440, 80, kSlotAttackLabel, 410, 82, 0.7f, 0.8f, 480, 500, 80,
              0xFF969696},
             attackPerLevels);
    drawGain({4, kSlotShieldIcon, 580, 80, kSlotDefenceLabel, 530, 83, 0.7f, 0.8f, 620, 640, 80,
              0xFFFAFA32},
             defencePerLevels);

    for (int s = 0; s < kBattleArmySlots; ++s) {
        if (armyTookPart[s] == 0) {
            continue;
        }
        const int32_t y = 145 + 75 * s;
        Sprite(main, kSlotArmyRowBack, 0, 43, y, 1.1f, 1.1f);
        DrawArmyIcon(armyType[s], 50, y + 10, 0.9f);
        if (armyAlive[s] != 0) {
            const auto hover = static_cast<uint8_t>(5 + 4 * s);
            drawGain({hover, kSlotTrainingIcon, 160, y + 30, kSlotTrainingLabel, 115, y + 33, 0.8f,
                      0.9f, 200, 220, y + 30, kArmyGainText},
                     trainingGainShown[s]);
            drawGain(
                {static_cast<uint8_t>(hover + 1), kSlotEquipmentIcon, 300, y + 30,
                 kSlotEquipmentLabel, 248, y + 35, 0.7f, 0.9f, 340, 360, y + 30, kArmyGainText},
                equipmentGainShown[s]);
        }
        if (armyCanGrow[s] != 0) {
            Sprite(main, kSlotGrowArrow, 0, 20, y + 45, 0.8f, 1.1f);
        }
        Name(armyName[s], 110, y, 0.9f);
    }
    for (int s = 0; s < kBattleArmySlots; ++s) {
        const int32_t fullSize = (armyTraining[s] + armyEquipment[s]) / 10;
        armyFullSize[s] = static_cast<uint8_t>(fullSize);
        armyCanGrow[s] = armyFullSize[s] > armyAlive[s] + armyDown[s] ? 1 : 0;
    }
}

}  // namespace varn
