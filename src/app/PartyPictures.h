#pragma once

#include <array>
#include <cstddef>
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

// An army's icon and each frame of its figure fill the same square.
inline constexpr int16_t kArmyPictureSize = 64;

// The armies' figures, four steps per facing, walking from frame 0, striking from 32; the slot
// is the UnitType.
inline constexpr PictureLoad kArmyFigurePictures[] = {
    {0, "Art\\Armies\\Peasants1.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {1, "Art\\Armies\\Militia1.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {2, "Art\\Armies\\Infantry.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {3, "Art\\Armies\\GoldenInfantry.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {4, "Art\\Armies\\RoyalInfantry.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {7, "Art\\Armies\\EliteGuards.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {8, "Art\\Armies\\SwordsMen1.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {9, "Art\\Armies\\Warriors1.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {10, "Art\\Armies\\Priests1.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {20, "Art\\Armies\\Dog.bmp", kArmyPictureSize, kArmyPictureSize, kKeyRed},
    {21, "Art\\Armies\\Dog2.bmp", kArmyPictureSize, kArmyPictureSize, kKeyRed},
};
// A figure sheet's frame that faces the viewer: facing 4 (down), first walking step.
inline constexpr int32_t kUnitFacingViewer = 16;
// Slots of a set holding the figures or the icons, one past the last UnitType.
inline constexpr int32_t kArmyUnitSlotCount = 22;

// The armies' icons, slot = UnitType; the kinds 7 to 10 have none.
inline constexpr PictureLoad kArmyIconPictures[] = {
    {0, "Art\\Controls\\Peasants1.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {1, "Art\\Controls\\Militia.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {2, "Art\\Controls\\Infantry.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {3, "Art\\Controls\\GoldenInfantry.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {4, "Art\\Controls\\RoyalInfantry.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {20, "Art\\Controls\\Dogs.bmp", kArmyPictureSize, kArmyPictureSize, kKeyBlack},
    {21, "Art\\Controls\\Dogs2.bmp", kArmyPictureSize, kArmyPictureSize, kKeyRed},
};

constexpr bool HasArmyIcon(int32_t unitType) {
    for (const PictureLoad& icon : kArmyIconPictures) {
        if (icon.slot == unitType) {
            return true;
        }
    }
    return false;
}

constexpr size_t CountIconlessArmyKinds() {
    size_t count = 0;
    for (const PictureLoad& figure : kArmyFigurePictures) {
        count += HasArmyIcon(figure.slot) ? 0 : 1;
    }
    return count;
}

// The figures that stand in for the kinds without an icon: all a screen of icons loads of them.
inline constexpr std::array<PictureLoad, CountIconlessArmyKinds()> kIconlessArmyFigurePictures =
    [] {
        std::array<PictureLoad, CountIconlessArmyKinds()> figures{};
        size_t next = 0;
        for (const PictureLoad& figure : kArmyFigurePictures) {
            if (!HasArmyIcon(figure.slot)) {
                figures[next++] = figure;
            }
        }
        return figures;
    }();

}  // namespace varn
