#include "battle/BattlePictures.h"
#include "battle/BattleScreen.h"
#include "engine/FigureSheets.h"

namespace varn {

namespace {

constexpr int32_t kUnitOffset = 8;
constexpr float kUnitScale = 0.9f;
constexpr int32_t kNumberDrop = 67;
constexpr float kNumberScale = 0.5f;
constexpr int32_t kStrikeFrames = 32;
constexpr float kMarkScale = 1.25f;
constexpr int32_t kMarkOffset = 20;

int32_t FacingFrame(uint8_t facing) {
    return kFramesPerFacing * facing;
}

}  // namespace

void BattleScreen::DrawHitPictures(int32_t x, int32_t y, int32_t allDown, int32_t oneDown,
                                   int32_t someDown) {
    SpriteSet* set = mainSprites.get();
    if (allDown == 0) {
        Sprite(set, kSlotHurt, bounceFrame, x + 23, y + 28, 0.43f, 0.43f);
        if (oneDown != 0 || someDown != 0) {
            Sprite(set, kSlotSomeDown, bounceFrame, x + 19, y + 25, 0.55f, 0.55f);
        }
    } else {
        Sprite(set, kSlotAllDown, bounceFrame, x + 25, y + 20, 0.7f, 0.8f);
    }
}

void BattleScreen::DrawUnits() {
    SpriteSet* main = mainSprites.get();
    // The men under a unit standing at screen x, up to the three digits a row can hold.
    const auto menPlaces = [](int32_t x) {
        return DigitPlaces{{x + 28}, {x + 32, x + 19}, {x + 38, x + 23, x + 10}};
    };

    for (int a = 0; a < kBattleAllySlots; ++a) {
        if (allyPresent[a] == 0) {
            continue;
        }
        const int32_t x = allyX[a] - cameraX;
        const int32_t y = allyY[a] - cameraY;
        int32_t frame = FacingFrame(allyFacing[a]);
        if (allyStriking == 0 && allyMoving != 0 && a == actingAlly) {
            frame += bounceFrame;
        } else if (allyStriking != 0 && allyMoving == 0 && a == actingAlly) {
            frame += kStrikeFrames + strikeAnimFrame;
        }
        Sprite(allySprites.get(), allyKind[a], frame, x + kUnitOffset, y + kUnitOffset, kUnitScale,
               kUnitScale);
        Digits(kSlotDigits4, allyMen[a], menPlaces(x), y + kNumberDrop, kNumberScale, kNumberScale);
    }

    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (enemyPresent[e] == 0) {
            continue;
        }
        const int32_t x = enemyX[e] - cameraX;
        const int32_t y = enemyY[e] - cameraY;
        int32_t frame = FacingFrame(enemyFacing[e]);
        if (enemyStriking == 0 && enemyMoving != 0 && e == actingEnemy) {
            frame += bounceFrame;
        } else if (enemyStriking != 0 && enemyMoving == 0 && e == actingEnemy) {
            frame += kStrikeFrames + strikeAnimFrame;
        }
        Sprite(enemySprites.get(), enemyKind[e], frame, x + kUnitOffset, y + kUnitOffset,
               kUnitScale, kUnitScale);
        Digits(kSlotDigits4, enemyMen[e], menPlaces(x), y + kNumberDrop, kNumberScale,
               kNumberScale);
    }

    if (commanderSelected != 0) {
        Sprite(main, kSlotSelected, 0, commanderX - cameraX + 6, commanderY - cameraY + 6, 2.1f,
               2.2f);
    }
    if (selectedArmy >= 1 && selectedArmy <= kBattleArmySlots) {
        const int s = selectedArmy - 1;
        Sprite(main, kSlotSelected, 0, armyX[s] - cameraX + 6, armyY[s] - cameraY + 6, 2.1f, 2.1f);
    }

    if (commanderHealth != 0 && IsFieldCell(commanderCell)) {
        const int32_t x = commanderX - cameraX;
        const int32_t y = commanderY - cameraY;
        int32_t frame = FacingFrame(commanderFacing);
        if (commanderStriking == 0 && commanderOrder >= kOrderGo) {
            frame += bounceFrame;
        } else if (commanderStriking != 0 && commanderOrder == kOrderNone) {
            frame += kStrikeFrames + strikeAnimFrame;
        }
        Sprite(commanderMarker.get(), 0, frame, x + 22, y + kUnitOffset, kUnitScale, kUnitScale);
        const int32_t shift = commanderFacing > 4 ? 4 : 0;
        const DigitPlaces places = {{x + 27 + shift},
                                    {x + 33 + shift, x + 20 + shift},
                                    {x + 41 + shift, x + 28 + shift, x + 15 + shift}};
        Digits(kSlotDigits3, commanderHealth, places, y + kNumberDrop, kNumberScale, kNumberScale);
    }

    for (int s = 0; s < kBattleArmySlots; ++s) {
        if (armyPresent[s] == 0) {
            continue;
        }
        const int32_t x = armyX[s] - cameraX;
        const int32_t y = armyY[s] - cameraY;
        int32_t frame = FacingFrame(armyFacing[s]);
        if (armyStriking == 0 && armyWalking != 0 && s == armyWalking - 2) {
            frame += bounceFrame;
        } else if (armyStriking != 0 && armyWalking == 0 && s == strikingArmy - 1) {
            frame += kStrikeFrames + strikeAnimFrame;
        }
        Sprite(armySprites.get(), armyType[s], frame, x + kUnitOffset, y + kUnitOffset, kUnitScale,
               kUnitScale);
        Digits(kSlotDigits4, armyAlive[s], menPlaces(x), y + kNumberDrop, kNumberScale,
               kNumberScale);
    }

    if (pathShown != 0) {
        for (size_t k = 0; k < pathPointOn.size(); ++k) {
            if (pathPointOn[k] == 0) {
                continue;
            }
            const int32_t frame = pathX[k] == targetX && pathY[k] == targetY ? 1 : 0;
            Sprite(main, kSlotDot, frame, pathX[k] - cameraX + kMarkOffset,
                   pathY[k] - cameraY + kMarkOffset, kMarkScale, kMarkScale);
        }
        if (pathTargetFound != 0) {
            Sprite(main, targetIsAttack != 0 ? kSlotAttackMark : kSlotTargetMark, 0,
                   pathTargetX - cameraX + kMarkOffset, pathTargetY - cameraY + kMarkOffset,
                   kMarkScale, kMarkScale);
        }
        if (moveRefused != 0 && noMovesLeft == 0) {
            Sprite(main, kSlotBlockedMark, 0, refusedX - cameraX + kMarkOffset,
                   refusedY - cameraY + kMarkOffset, kMarkScale, kMarkScale);
        }
    }

    if ((commanderHitShown != 0 || armyHitShown != 0 || allyStriking != 0) &&
        hitEnemy < kBattleEnemySlots) {
        DrawHitPictures(enemyX[hitEnemy] - cameraX, enemyY[hitEnemy] - cameraY, reportAllDown,
                        reportOneDown, reportSomeDown);
    }

    if (enemyStriking != 0) {
        if (enemyStruckTarget == 0) {
            const int32_t x = commanderX - cameraX;
            const int32_t y = commanderY - cameraY;
            if (commanderHealth != 0) {
                Sprite(main, kSlotHurt, bounceFrame, x + 23, y + 28, 0.43f, 0.43f);
            } else {
                Sprite(main, kSlotAllDown, bounceFrame, x + 29, y + 20, 0.7f, 0.8f);
            }
        } else if (enemyStruckTarget <= kBattleArmySlots) {
            const int s = enemyStruckTarget - 1;
            DrawHitPictures(armyX[s] - cameraX, armyY[s] - cameraY, armyHitAllDown, armyHitOneDown,
                            armyHitSomeDown);
        } else if (enemyStruckTarget - 7 < kBattleAllySlots) {
            const int a = enemyStruckTarget - 7;
            DrawHitPictures(allyX[a] - cameraX, allyY[a] - cameraY, allyHitAllDown, allyHitOneDown,
                            allyHitSomeDown);
        }
    }
}

}  // namespace varn
