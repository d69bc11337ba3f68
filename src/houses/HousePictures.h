#pragma once

#include <cstdint>

#include "engine/PictureTable.h"

namespace varn {

inline constexpr uint32_t kHouseBlackKey = 0xFF000000;
inline constexpr uint32_t kHouseRedKey = 0xFFFF0000;
inline constexpr uint32_t kHouseNoKey = 0;

// Slots of the main set the screen draws by number.
enum HouseSlot : int32_t {
    kMenuButtonSlot = 0,
    kHealIconSlot = 1,
    kHealLabelSlot = 2,
    kLeaveIconSlot = 3,
    kLeaveLabelSlot = 4,
    kRecruitIconSlot = 5,
    kRecruitLabelSlot = 6,
    kTalkIconSlot = 7,
    kTalkLabelSlot = 8,
    kArmyCellSlot = 9,
    kPortraitPanelSlot = 10,
    kSmallDigitSlot = 11,
    kWoundMarkSlot = 12,
    kHealPriceTenSlot = 13,
    kBoxSlot = 14,
    kSelectionSlot = 15,
    kAttackWordSlot = 16,
    kDefenceWordSlot = 17,
    kTrainingWordSlot = 18,
    kEquipmentWordSlot = 19,
    kStatDigitSlot = 20,
    kDisbandButtonSlot = 21,
    kYesButtonSlot = 22,
    kNoButtonSlot = 23,
    kNameButtonSlot = 24,
    kNameDigitSlot = 25,
    kRiseArrowSlot = 26,
    kRaisedArrowSlot = 27,
    kAttackIconSlot = 28,
    kDefenceIconSlot = 29,
    kEquipmentIconSlot = 30,
    kTrainingIconSlot = 31,
    kHealPriceTwoSlot = 32,
};

inline constexpr int32_t kSingleHouseMainSlots = 32;
inline constexpr int32_t kVillageTownMainSlots = 33;

// The control pictures every house loads, in slot order; slot 5 is the house's own.
inline constexpr PictureLoad kHouseMainPictures[] = {
    {kMenuButtonSlot, "Art\\House\\Button1.bmp", 128, 64, kHouseNoKey},
    {kHealIconSlot, "Art\\House\\Heal.bmp", 64, 64, kHouseBlackKey},
    {kHealLabelSlot, "Art\\House\\Write1.bmp", 128, 32, kHouseBlackKey},
    {kLeaveIconSlot, "Art\\House\\Leave.bmp", 64, 64, kHouseBlackKey},
    {kLeaveLabelSlot, "Art\\House\\Write2.bmp", 128, 32, kHouseBlackKey},
    {kRecruitLabelSlot, "Art\\House\\Write3.bmp", 128, 32, kHouseBlackKey},
    {kTalkIconSlot, "Art\\House\\Talk.bmp", 64, 64, kHouseBlackKey},
    {kTalkLabelSlot, "Art\\House\\Write4.bmp", 64, 32, kHouseBlackKey},
    {kArmyCellSlot, "Art\\House\\Back.bmp", 64, 64, kHouseNoKey},
    {kPortraitPanelSlot, "Art\\House\\Back2.bmp", 128, 64, kHouseNoKey},
    {kSmallDigitSlot, "Art\\Heroes\\Write19.bmp", 16, 32, kHouseBlackKey},
    {kWoundMarkSlot, "Art\\Armies\\Heal.bmp", 32, 32, kHouseNoKey},
    {kHealPriceTenSlot, "Art\\House\\Write5.bmp", 128, 32, kHouseBlackKey},
    {kBoxSlot, "Art\\Map\\Back.bmp", 64, 64, kHouseNoKey},
    {kSelectionSlot, "Art\\House\\Back3.bmp", 64, 64, kHouseBlackKey},
    {kAttackWordSlot, "Art\\Heroes\\Write12.bmp", 128, 32, kHouseBlackKey},
    {kDefenceWordSlot, "Art\\Heroes\\Write13.bmp", 128, 32, kHouseBlackKey},
    {kTrainingWordSlot, "Art\\Heroes\\Write20.bmp", 128, 32, kHouseBlackKey},
    {kEquipmentWordSlot, "Art\\Heroes\\Write21.bmp", 128, 32, kHouseBlackKey},
    {kStatDigitSlot, "Art\\Heroes\\Write19.bmp", 16, 32, kHouseBlackKey},
    {kDisbandButtonSlot, "Art\\House\\Disband.bmp", 64, 32, kHouseNoKey},
    {kYesButtonSlot, "Art\\House\\ButtonYes.bmp", 32, 32, kHouseBlackKey},
    {kNoButtonSlot, "Art\\House\\ButtonNo.bmp", 32, 32, kHouseBlackKey},
    {kNameButtonSlot, "Art\\House\\Name.bmp", 64, 32, kHouseNoKey},
    {kNameDigitSlot, "Art\\Controls\\Numbers.bmp", 16, 32, kHouseBlackKey},
    {kRiseArrowSlot, "Art\\House\\Arrow.bmp", 32, 16, kHouseBlackKey},
    {kRaisedArrowSlot, "Art\\House\\Arrow2.bmp", 32, 16, kHouseBlackKey},
    {kAttackIconSlot, "Art\\You\\Attack.bmp", 32, 32, kHouseBlackKey},
    {kDefenceIconSlot, "Art\\You\\Shield.bmp", 32, 32, kHouseBlackKey},
    {kEquipmentIconSlot, "Art\\You\\Equipment.bmp", 32, 32, kHouseBlackKey},
    {kTrainingIconSlot, "Art\\You\\Training.bmp", 32, 32, kHouseRedKey},
};

// The label of the heal price 2, shown by villages and towns once they have joined.
inline constexpr PictureLoad kJoinedHealLabelPictures[] = {
    {kHealPriceTwoSlot, "Art\\House\\Write6.bmp", 128, 32, kHouseBlackKey},
};

// The two letter sheets, one slot each: capitals (glyph codes from 28) and small letters.
inline constexpr PictureLoad kHouseCapitalLetters[] = {
    {0, "Art\\Heroes\\Letters2.bmp", 16, 32, kHouseRedKey},
};
inline constexpr PictureLoad kHouseSmallLetters[] = {
    {0, "Art\\Heroes\\Letters1.bmp", 16, 32, kHouseRedKey},
};

// The visitor's portrait: rows 0 and 1 the player's two faces, row k the face of
// character k (heroes 1..10 at rows 2..11).
inline constexpr PictureLoad kHousePortraitPictures[] = {
    {0, "Art\\Heroes\\You1.bmp", 128, 128, kHouseBlackKey},
    {0, "Art\\Heroes\\You2.bmp", 128, 128, kHouseBlackKey},
    {0, "Art\\Heroes\\Heroe1.bmp", 128, 128, kHouseRedKey},
    {0, "Art\\Heroes\\Heroe2.bmp", 128, 128, kHouseRedKey},
    {0, "Art\\Heroes\\Heroe3.bmp", 128, 128, kHouseBlackKey},
    {0, "Art\\Heroes\\Heroe4.bmp", 128, 128, kHouseRedKey},
    {0, "Art\\Heroes\\Heroe5.bmp", 128, 128, kHouseRedKey},
    {0, "Art\\Heroes\\Heroe6.bmp", 128, 128, kHouseRedKey},
    {0, "Art\\Heroes\\Heroe7.bmp", 128, 128, kHouseRedKey},
    {0, "Art\\Heroes\\Heroe8.bmp", 128, 128, kHouseRedKey},
    {0, "Art\\Heroes\\Heroe9.bmp", 128, 128, kHouseBlackKey},
    {0, "Art\\Heroes\\Heroe10.bmp", 128, 128, kHouseBlackKey},
};

// Slots of the house's own set.
inline constexpr int32_t kHousePictureSlot = 0;
inline constexpr int32_t kHouseNamePictureSlot = 1;
inline constexpr int32_t kHouseCaptionSlot = 2;
inline constexpr int32_t kHouseArtSlots = 3;

inline constexpr PictureLoad kVillagePictures[] = {
    {kHousePictureSlot, "Art\\House\\Village1.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Village2.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Village3.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Village4.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Village5.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Village6.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Village7.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Village8.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Village9.bmp", 512, 512, kHouseNoKey},
};
inline constexpr PictureLoad kVillageNamePictures[] = {
    {kHouseNamePictureSlot, "Art\\House\\VillageName1.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\VillageName2.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\VillageName3.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\VillageName4.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\VillageName5.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\VillageName6.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\VillageName7.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\VillageName8.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\VillageName9.bmp", 128, 32, kHouseBlackKey},
};
inline constexpr PictureLoad kTownPictures[] = {
    {kHousePictureSlot, "Art\\House\\Town1.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Town2.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Town3.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Town4.bmp", 512, 512, kHouseNoKey},
};
inline constexpr PictureLoad kTownNamePictures[] = {
    {kHouseNamePictureSlot, "Art\\House\\TownName1.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\TownName2.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\TownName3.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\TownName4.bmp", 128, 32, kHouseBlackKey},
};

// Each kind's caption (house set slot 2) and Recruit picture (main slot 5), in kind order.
inline constexpr PictureLoad kHouseCaptionPictures[] = {
    {kHouseCaptionSlot, "Art\\House\\WriteVillage.bmp", 128, 32, kHouseBlackKey},
    {kHouseCaptionSlot, "Art\\House\\WriteTown2.bmp", 128, 32, kHouseBlackKey},
    {kHouseCaptionSlot, "Art\\House\\WriteCastle.bmp", 128, 32, kHouseBlackKey},
    {kHouseCaptionSlot, "Art\\House\\WritePalace.bmp", 128, 32, kHouseBlackKey},
    {kHouseCaptionSlot, "Art\\House\\WriteTemple.bmp", 128, 32, kHouseBlackKey},
    {kHouseCaptionSlot, "Art\\House\\WriteTower.bmp", 128, 32, kHouseBlackKey},
};
inline constexpr PictureLoad kHouseRecruitPictures[] = {
    {kRecruitIconSlot, "Art\\House\\Recruit.bmp", 64, 64, kHouseBlackKey},
    {kRecruitIconSlot, "Art\\House\\Recruit2.bmp", 64, 64, kHouseBlackKey},
    {kRecruitIconSlot, "Art\\House\\Recruit2.bmp", 64, 64, kHouseBlackKey},
    {kRecruitIconSlot, "Art\\House\\Recruit3.bmp", 64, 64, kHouseBlackKey},
    {kRecruitIconSlot, "Art\\Controls\\GoldenInfantry.bmp", 64, 64, kHouseBlackKey},
    {kRecruitIconSlot, "Art\\House\\Recruit2.bmp", 64, 64, kHouseBlackKey},
};

// The single houses' own picture and name picture, castle, palace, temple, tower.
inline constexpr PictureLoad kSingleHousePictures[] = {
    {kHousePictureSlot, "Art\\CastleDone.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Palace.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Temple.bmp", 512, 512, kHouseNoKey},
    {kHousePictureSlot, "Art\\House\\Tower.bmp", 512, 512, kHouseNoKey},
};
inline constexpr PictureLoad kSingleHouseNamePictures[] = {
    {kHouseNamePictureSlot, "Art\\House\\CastleName.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\PalaceName.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\TempleName.bmp", 128, 32, kHouseBlackKey},
    {kHouseNamePictureSlot, "Art\\House\\TowerName.bmp", 128, 32, kHouseBlackKey},
};

inline constexpr int32_t kItemArtSlots = 250;
inline constexpr int16_t kItemArtFrame = 64;

}  // namespace varn
