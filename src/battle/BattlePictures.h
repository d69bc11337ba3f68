#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "app/PartyPictures.h"
#include "engine/PictureTable.h"

namespace varn {

// Slot counts of the battle's sprite sets.
inline constexpr int32_t kMainSlots = 63;
inline constexpr int32_t kGroundSlots = 10;
inline constexpr int32_t kMarkerSlots = 10;
inline constexpr int32_t kArmyPictureSlots = 30;
inline constexpr int32_t kEnemyPictureSlots = 11;
inline constexpr int32_t kAllyPictureSlots = 10;

inline constexpr uint32_t kKeyNone = 0;
inline constexpr uint32_t kKeyGreen = 0xFF00FF00;

// Slots of mainSprites the frame and the drawing name.
enum MainSlot : int32_t {
    kSlotBorder = 0,
    kSlotGridAcross = 1,
    kSlotGridDown = 2,
    kSlotSelected = 3,
    kSlotDot = 4,
    kSlotTargetMark = 7,
    kSlotAttackMark = 8,
    kSlotBlockedMark = 9,
    kSlotEndTurnButton = 10,
    kSlotBackdrop = 11,
    kSlotDigits3 = 12,
    kSlotDigits1 = 13,
    kSlotMovesBox = 14,
    kSlotDigits2 = 15,
    kSlotAttackLabel = 16,
    kSlotDefenceLabel = 17,
    kSlotHealthLabel = 18,
    kSlotDigits4 = 19,
    kSlotAliveLabel = 20,
    kSlotDownLabel = 21,
    kSlotDigits5 = 22,
    kSlotLightLabel = 23,
    kSlotSeriousLabel = 24,
    kSlotCriticalLabel = 25,
    kSlotWoundsLabel = 26,
    kSlotNumberLetters = 27,
    kSlotNameBar = 28,
    kSlotDamageDigits = 29,
    kSlotEnemyWord = 30,
    kSlotTakesWord = 31,
    kSlotDamageWord = 32,
    kSlotDownDigits = 33,
    kSlotTakenWord = 34,
    kSlotSummaryBack = 35,
    kSlotHealthIcon = 36,
    kSlotAttackIcon = 37,
    kSlotShieldIcon = 38,
    kSlotLevelIcon = 39,
    kSlotArmyRowBack = 40,
    kSlotEquipmentIcon = 41,
    kSlotTrainingIcon = 42,
    kSlotGold = 43,
    kSlotDone = 44,
    kSlotRetreatButton = 45,
    kSlotYes = 46,
    kSlotNo = 47,
    kSlotGrowArrow = 48,
    kSlotGridButton = 49,
    kSlotJoiningHero = 50,
    kSlotLevelLabel = 51,
    kSlotTrainingLabel = 52,
    kSlotEquipmentLabel = 53,
    kSlotHurt = 54,
    kSlotSomeDown = 55,
    kSlotAllDown = 56,
    kSlotEnterToMove = 57,
    kSlotMoveArrow = 58,
    kSlotQuitButton = 59,
    kSlotOptionsButton = 60,
    kSlotOptionsLabel = 61,
    kSlotOptionsIcon = 62,
};

// Every picture of mainSprites but the joining hero's portrait (slot 50), with the grid lines of
// most battles.
inline constexpr PictureLoad kBattleMainPictures[] = {
    {kSlotBorder, "Art\\Map\\Border.bmp", 32, 32, kKeyBlack},
    {kSlotGridAcross, "Art\\Fight\\Grid1.bmp", 16, 1, kKeyNone},
    {kSlotGridDown, "Art\\Fight\\Grid2.bmp", 1, 16, kKeyNone},
    {kSlotSelected, "Art\\Map\\Selected.bmp", 32, 32, kKeyBlack},
    {kSlotDot, "Art\\Map\\Dot.bmp", 32, 32, kKeyBlack},
    {5, "Art\\Fight\\Exp.bmp", 32, 32, kKeyNone},
    {6, "Art\\Fight\\Block.bmp", 32, 32, kKeyNone},
    {kSlotTargetMark, "Art\\Fight\\Blocked.bmp", 32, 32, kKeyNone},
    {kSlotAttackMark, "Art\\Fight\\Battle.bmp", 32, 32, kKeyNone},
    {kSlotBlockedMark, "Art\\Fight\\Blocked2.bmp", 32, 32, kKeyNone},
    {kSlotEndTurnButton, "Art\\Controls\\Button4.bmp", 64, 32, kKeyNone},
    {kSlotBackdrop, "Art\\Map\\Back.bmp", 64, 64, kKeyNone},
    {kSlotDigits3, "Art\\Wealth\\Numbers3.bmp", 32, 32, kKeyBlack},
    {kSlotDigits1, "Art\\Wealth\\Numbers1.bmp", 32, 32, kKeyBlack},
    {kSlotMovesBox, "Art\\Controls\\Back7.bmp", 32, 32, kKeyNone},
    {kSlotDigits2, "Art\\Wealth\\Numbers2.bmp", 32, 32, kKeyBlack},
    {kSlotAttackLabel, "Art\\Heroes\\Write12.bmp", 128, 32, kKeyBlack},
    {kSlotDefenceLabel, "Art\\Heroes\\Write13.bmp", 128, 32, kKeyBlack},
    {kSlotHealthLabel, "Art\\Heroes\\Write10.bmp", 128, 32, kKeyBlack},
    {kSlotDigits4, "Art\\Wealth\\Numbers4.bmp", 32, 32, kKeyBlack},
    {kSlotAliveLabel, "Art\\Fight\\Alive.bmp", 64, 32, kKeyBlack},
    {kSlotDownLabel, "Art\\Fight\\Down.bmp", 64, 32, kKeyBlack},
    {kSlotDigits5, "Art\\Wealth\\Numbers5.bmp", 32, 32, kKeyBlack},
    {kSlotLightLabel, "Art\\Fight\\Light.bmp", 128, 32, kKeyBlack},
    {kSlotSeriousLabel, "Art\\Fight\\Serious.bmp", 128, 32, kKeyBlack},
    {kSlotCriticalLabel, "Art\\Fight\\Critical.bmp", 128, 32, kKeyBlack},
    {kSlotWoundsLabel, "Art\\Fight\\Wounds.bmp", 128, 32, kKeyBlack},
    {kSlotNumberLetters, "Art\\Heroes\\Write7.bmp", 16, 32, kKeyBlack},
    {kSlotNameBar, "Art\\Fight\\Back1.bmp", 64, 32, kKeyNone},
    {kSlotDamageDigits, "Art\\Heroes\\Write19.bmp", 16, 32, kKeyBlack},
    {kSlotEnemyWord, "Art\\Fight\\Enemy.bmp", 128, 32, kKeyBlack},
    {kSlotTakesWord, "Art\\Fight\\Takes.bmp", 128, 32, kKeyBlack},
    {kSlotDamageWord, "Art\\Fight\\Damage.bmp", 128, 32, kKeyBlack},
    {kSlotDownDigits, "Art\\Fight\\Numbers1.bmp", 16, 32, kKeyBlack},
    {kSlotTakenWord, "Art\\Fight\\Taken.bmp", 128, 32, kKeyBlack},
    {kSlotSummaryBack, "Art\\Fight\\Back2.bmp", 256, 256, kKeyNone},
    {kSlotHealthIcon, "Art\\You\\Health.bmp", 32, 32, kKeyGreen},
    {kSlotAttackIcon, "Art\\You\\Attack.bmp", 32, 32, kKeyBlack},
    {kSlotShieldIcon, "Art\\You\\Shield.bmp", 32, 32, kKeyBlack},
    {kSlotLevelIcon, "Art\\You\\Level.bmp", 32, 32, kKeyRed},
    {kSlotArmyRowBack, "Art\\You\\Back9.bmp", 64, 64, kKeyNone},
    {kSlotEquipmentIcon, "Art\\You\\Equipment.bmp", 32, 32, kKeyBlack},
    {kSlotTrainingIcon, "Art\\You\\Training.bmp", 32, 32, kKeyRed},
    {kSlotGold, "Art\\Map\\Gold.bmp", 64, 64, kKeyBlack},
    {kSlotDone, "Art\\Fight\\Done.bmp", 64, 32, kKeyBlack},
    {kSlotRetreatButton, "Art\\Fight\\Retreat.bmp", 64, 32, kKeyNone},
    {kSlotYes, "Art\\House\\ButtonYes.bmp", 32, 32, kKeyBlack},
    {kSlotNo, "Art\\House\\ButtonNo.bmp", 32, 32, kKeyBlack},
    {kSlotGrowArrow, "Art\\House\\Arrow.bmp", 32, 16, kKeyBlack},
    {kSlotGridButton, "Art\\Fight\\ButtonGrid.bmp", 64, 32, kKeyNone},
    {kSlotLevelLabel, "Art\\You\\Write.bmp", 128, 32, kKeyBlack},
    {kSlotTrainingLabel, "Art\\Heroes\\Write20.bmp", 128, 32, kKeyBlack},
    {kSlotEquipmentLabel, "Art\\Heroes\\Write21.bmp", 128, 32, kKeyBlack},
    {kSlotHurt, "Art\\Fight\\Hurt1.bmp", 64, 64, kKeyRed},
    {kSlotSomeDown, "Art\\Fight\\Down1.bmp", 64, 64, kKeyRed},
    {kSlotAllDown, "Art\\Fight\\Down2.bmp", 32, 64, kKeyRed},
    {kSlotEnterToMove, "Art\\Fight\\EnterToMove.bmp", 256, 32, kKeyBlack},
    {kSlotMoveArrow, "Art\\Fight\\Arrow.bmp", 64, 32, kKeyBlack},
    {kSlotQuitButton, "Art\\Controls\\ButtonQuit.bmp", 64, 32, kKeyNone},
    {kSlotOptionsButton, "Art\\Controls\\Button51.bmp", 64, 32, kKeyNone},
    {kSlotOptionsLabel, "Art\\Controls\\WriteOptions.bmp", 128, 32, kKeyBlack},
    {kSlotOptionsIcon, "Art\\Controls\\Options.bmp", 64, 32, kKeyRed},
};

// Battles 3 and 4 draw their grid with these lines instead.
inline constexpr PictureLoad kBattleDarkGridPictures[] = {
    {kSlotGridAcross, "Art\\Fight\\Grid3.bmp", 16, 1, kKeyNone},
    {kSlotGridDown, "Art\\Fight\\Grid4.bmp", 1, 16, kKeyNone},
};
constexpr bool UsesDarkGrid(int32_t battle) {
    return battle == 3 || battle == 4;
}

enum GroundSlot : int32_t {
    kGroundPlains = 0,
    kGroundExtras = 1,
    kGroundBlackZima = 3,
    kGroundGrey = 4,
    kGroundDesert = 5,
    kGroundGrass = 6,
    kGroundBrown = 7,
};

inline constexpr PictureLoad kBattleGroundPictures[] = {
    {kGroundPlains, "Art\\Fight\\Plains.bmp", 128, 128, kKeyNone},
    {kGroundExtras, "Art\\Fight\\Extras1.bmp", 32, 32, kKeyBlack},
    {2, "Art\\Fight\\Extras2.bmp", 16, 16, kKeyBlack},
    {kGroundBlackZima, "Art\\Fight\\BlackZima.bmp", 128, 128, kKeyNone},
    {kGroundGrey, "Art\\Fight\\Grey.bmp", 128, 128, kKeyNone},
    {kGroundDesert, "Art\\Fight\\Desert.bmp", 128, 128, kKeyNone},
    {kGroundGrass, "Art\\Fight\\Grass.bmp", 128, 128, kKeyNone},
    {kGroundBrown, "Art\\Fight\\Brown.bmp", 128, 128, kKeyNone},
};

// The commander's figure: the player's, then a hero's.
inline constexpr PictureLoad kCommanderMarkerPictures[] = {
    {0, "Art\\Map\\Dude.bmp", 32, 64, kKeyBlack},
    {0, "Art\\Map\\Dude2.bmp", 32, 64, kKeyBlack},
};

// Entries of BattleScreen::unitTypeLoaded.
inline constexpr int32_t kUnitTypeTableSize = 22;

// Enemy figures, slot = enemy kind 0..10.
inline constexpr PictureLoad kEnemyFigurePictures[] = {
    {0, "Art\\Fight\\Enemy1.bmp", 64, 64, kKeyBlack},
    {1, "Art\\Fight\\Enemy2.bmp", 64, 64, kKeyBlack},
    {2, "Art\\Fight\\Enemy3.bmp", 64, 64, kKeyBlack},
    {3, "Art\\Fight\\Enemy4.bmp", 64, 64, kKeyBlack},
    {4, "Art\\Fight\\EnemyDog.bmp", 64, 64, kKeyRed},
    {5, "Art\\Fight\\Enemy5.bmp", 64, 64, kKeyBlack},
    {6, "Art\\Fight\\Enemy6.bmp", 64, 64, kKeyBlack},
    {7, "Art\\Fight\\Enemy7.bmp", 64, 64, kKeyRed},
    {8, "Art\\Fight\\Enemy8.bmp", 64, 64, kKeyBlack},
    {9, "Art\\Fight\\Enemy10.bmp", 64, 64, kKeyRed},
    {10, "Art\\Fight\\Enemy9.bmp", 64, 64, kKeyBlack},
};

// Ally figures and icons, slot = ally kind 0..2.
inline constexpr PictureLoad kAllyFigurePictures[] = {
    {0, "Art\\Armies\\Ally1.bmp", 64, 64, kKeyBlack},
    {1, "Art\\Armies\\PalaceGuards.bmp", 64, 64, kKeyBlack},
    {2, "Art\\Armies\\CastleGuards.bmp", 64, 64, kKeyBlack},
};
inline constexpr PictureLoad kAllyIconPictures[] = {
    {0, "Art\\Controls\\Ally1.bmp", 64, 64, kKeyBlack},
    {1, "Art\\Controls\\PalaceGuards.bmp", 64, 64, kKeyBlack},
    {2, "Art\\Controls\\CastleGuards.bmp", 64, 64, kKeyBlack},
};

// Capitals and the further glyphs (codes 28 and up), then the small letters (0, 2..27).
inline constexpr PictureLoad kLetterSheet1Pictures[] = {
    {0, "Art\\Heroes\\Write6.bmp", 16, 32, kKeyRed},
};
inline constexpr PictureLoad kLetterSheet2Pictures[] = {
    {0, "Art\\Heroes\\Write5.bmp", 16, 32, kKeyRed},
};

// Every battle picture table, for the check against the data set.
std::span<const NamedPictureTable> BattlePictureTables();

}  // namespace varn
