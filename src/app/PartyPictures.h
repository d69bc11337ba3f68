#pragma once

#include <cstdint>
#include <iterator>

#include "engine/PictureTable.h"
#include "world/GameState.h"

namespace varn {

// The pictures of the party's characters and armies, which the battle, the character screens
// and the exchange screens all show.

inline constexpr uint32_t kKeyRed = 0xFFFF0000;
inline constexpr uint32_t kKeyBlack = 0xFF000000;

inline constexpr int16_t kPortraitSize = 128;

// The player's portrait by variant 0 or 1; each row loads into slot 0.
inline constexpr PictureLoad kPlayerPortraitPictures[] = {
    {0, "Art\\Heroes\\You1.bmp", kPortraitSize, kPortraitSize, kKeyBlack},
    {0, "Art\\Heroes\\You2.bmp", kPortraitSize, kPortraitSize, kKeyBlack},
};
static_assert(std::size(kPlayerPortraitPictures) == kPlayerPortraitCount);

// Hero number n's portrait at entry n - 1; each row loads into slot 0.
inline constexpr PictureLoad kHeroPortraitPictures[] = {
    {0, "Art\\Heroes\\Heroe1.bmp", kPortraitSize, kPortraitSize, kKeyRed},
    {0, "Art\\Heroes\\Heroe2.bmp", kPortraitSize, kPortraitSize, kKeyRed},
    {0, "Art\\Heroes\\Heroe3.bmp", kPortraitSize, kPortraitSize, kKeyBlack},
    {0, "Art\\Heroes\\Heroe4.bmp", kPortraitSize, kPortraitSize, kKeyRed},
    {0, "Art\\Heroes\\Heroe5.bmp", kPortraitSize, kPortraitSize, kKeyRed},
    {0, "Art\\Heroes\\Heroe6.bmp", kPortraitSize, kPortraitSize, kKeyRed},
    {0, "Art\\Heroes\\Heroe7.bmp", kPortraitSize, kPortraitSize, kKeyRed},
    {0, "Art\\Heroes\\Heroe8.bmp", kPortraitSize, kPortraitSize, kKeyRed},
    {0, "Art\\Heroes\\Heroe9.bmp", kPortraitSize, kPortraitSize, kKeyBlack},
    {0, "Art\\Heroes\\Heroe10.bmp", kPortraitSize, kPortraitSize, kKeyBlack},
};

// The armies' figures, four steps per facing, walking from frame 0, striking from 32; the slot
// is the UnitType.
inline constexpr PictureLoad kArmyFigurePictures[] = {
    {0, "Art\\Armies\\Peasants1.bmp", 64, 64, kKeyBlack},
    {1, "Art\\Armies\\Militia1.bmp", 64, 64, kKeyBlack},
    {2, "Art\\Armies\\Infantry.bmp", 64, 64, kKeyBlack},
    {3, "Art\\Armies\\GoldenInfantry.bmp", 64, 64, kKeyBlack},
    {4, "Art\\Armies\\RoyalInfantry.bmp", 64, 64, kKeyBlack},
    {7, "Art\\Armies\\EliteGuards.bmp", 64, 64, kKeyBlack},
    {8, "Art\\Armies\\SwordsMen1.bmp", 64, 64, kKeyBlack},
    {9, "Art\\Armies\\Warriors1.bmp", 64, 64, kKeyBlack},
    {10, "Art\\Armies\\Priests1.bmp", 64, 64, kKeyBlack},
    {20, "Art\\Armies\\Dog.bmp", 64, 64, kKeyRed},
    {21, "Art\\Armies\\Dog2.bmp", 64, 64, kKeyRed},
};

}  // namespace varn
