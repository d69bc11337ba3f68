#pragma once

#include <array>
#include <cstdint>

#include "engine/PictureTable.h"

namespace varn {

// The pictures of the found box, each loaded alone into its one-slot set: gem index g is row g,
// artifact index a row a.
inline constexpr PictureLoad kFoundGemPictures[] = {
    {0, "Art\\Wealth\\Gem1.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem2.bmp", 32, 32, 0xFFFF0000},
    {0, "Art\\Wealth\\Gem3.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem4.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem5.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem6.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem7.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem8.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem9.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem10.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem11.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem12.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem13.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem14.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem15.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem16.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem17.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem18.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem19.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem20.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem21.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem22.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem23.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem24.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem25.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem26.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem27.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem28.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem29.bmp", 32, 32, 0xFF000000},
    {0, "Art\\Wealth\\Gem30.bmp", 32, 32, 0xFF000000},
};

inline constexpr PictureLoad kFoundArtifactPictures[] = {
    {0, "Art\\Wealth\\Artifact1.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact2.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact3.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact4.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact5.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact6.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact7.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact8.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact9.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact10.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact11.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact12.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact13.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact14.bmp", 32, 64, 0xFF000000},
    {0, "Art\\Wealth\\Artifact15.bmp", 32, 64, 0xFF000000},
};

// Only these item indices (ItemId - 1) have a picture; row k belongs to kFoundItemIndices[k].
inline constexpr std::array<uint8_t, 33> kFoundItemIndices = {
    1,  2,  35, 36,  37,  39,  45,  48,  49,  56,  57,  61,  64,  65,  66,  68,  75,
    80, 81, 84, 103, 105, 112, 113, 115, 122, 153, 220, 222, 223, 235, 240, 242,
};

inline constexpr PictureLoad kFoundItemPictures[] = {
    {0, "Art\\Items\\Item2.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item3.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item36.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item37.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item38.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item40.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item46.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item49.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item50.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item57.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item58.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item62.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item65.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item66.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item67.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item69.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item76.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item81.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item82.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item85.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item104.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item106.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item113.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item114.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item116.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item123.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item154.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item221.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item223.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item224.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item236.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item241.bmp", 64, 64, 0xFFFF0000},
    {0, "Art\\Items\\Item243.bmp", 64, 64, 0xFFFF0000},
};

}  // namespace varn
