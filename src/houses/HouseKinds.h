#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "characters/RenameReturns.h"
#include "engine/PictureTable.h"
#include "houses/HousePictures.h"
#include "houses/HouseScreen.h"
#include "world/CharacterRecords.h"

namespace varn {

// One recruit offer of a house kind.
struct RecruitRow {
    UnitType unit;
    uint8_t attack;
    uint8_t defence;
    uint8_t training;
    uint8_t equipment;
    uint8_t men;
    int32_t price;
    // The price once the village or town has joined; the single houses never lower theirs.
    int32_t joinedPrice;
    const char* name;
};

// Where a picture of the background stands and how it is stretched.
struct Placement {
    int16_t x;
    int16_t y;
    float scaleX;
    float scaleY;
};

// Everything in which the six kinds of house differ.
struct HouseKindFacts {
    HouseKind kind;
    int32_t mainSlots;
    int32_t armyIconSlots;
    // Villages and towns show the picture and name of their number; a single house has one.
    std::span<const PictureLoad> pictures;
    std::span<const PictureLoad> names;
    Placement picture;
    Placement name;
    Placement caption;
    Placement recruitIcon;
    std::array<RecruitRow, kRecruitOfferCount> offers;
    // The code the rename state returns with.
    uint8_t renameReturn;
};

inline constexpr Placement kFullHousePicture{0, 0, 1.2383f, 1.171875f};
inline constexpr Placement kPlainRecruitIcon{680, 173, 1.0f, 1.0f};

inline constexpr std::array<RecruitRow, kRecruitOfferCount> kVillageOffers{{
    {UnitType::Dogs, 2, 2, 10, 10, 2, 120, 110, "War Dogs"},
    {UnitType::Dogs, 6, 6, 20, 20, 4, 160, 150, "Hunting Hounds"},
    {UnitType::Peasants, 8, 8, 20, 20, 4, 240, 230, "Farmhands"},
    {UnitType::Peasants, 10, 14, 20, 20, 4, 320, 310, "Pitchfork Men"},
    {UnitType::Peasants, 16, 20, 30, 30, 6, 500, 490, "Village Guard"},
}};
inline constexpr std::array<RecruitRow, kRecruitOfferCount> kTownOffers{{
    {UnitType::Militia, 20, 20, 25, 25, 5, 710, 700, "Town Militia"},
    {UnitType::Militia, 24, 26, 30, 30, 6, 860, 850, "Militia Pikes"},
    {UnitType::Infantry, 30, 30, 25, 25, 5, 1010, 1000, "Footmen"},
    {UnitType::Infantry, 36, 36, 30, 30, 6, 1220, 1200, "Shield Men"},
    {UnitType::Infantry, 42, 42, 35, 35, 7, 1530, 1500, "Veteran Foot"},
}};
inline constexpr std::array<RecruitRow, kRecruitOfferCount> kPalaceOffers{{
    {UnitType::Dogs2, 10, 8, 25, 25, 5, 270, 270, "Palace Hounds"},
    {UnitType::Dogs2, 12, 9, 30, 30, 6, 360, 360, "Royal Hounds"},
    {UnitType::RoyalInfantry, 45, 45, 40, 40, 8, 2000, 2000, "Royal Guard"},
    {UnitType::RoyalInfantry, 50, 50, 45, 45, 9, 2500, 2500, "Kings Guard"},
    {UnitType::RoyalInfantry, 58, 58, 50, 50, 10, 3000, 3000, "Royal Lancers"},
}};
inline constexpr std::array<RecruitRow, kRecruitOfferCount> kTempleOffers{{
    {UnitType::Infantry, 36, 36, 30, 30, 6, 1220, 1220, "Temple Foot"},
    {UnitType::Infantry, 42, 42, 35, 35, 7, 1530, 1530, "Temple Guard"},
    {UnitType::GoldenInfantry, 45, 45, 40, 40, 8, 2000, 2000, "Golden Guard"},
    {UnitType::GoldenInfantry, 50, 50, 45, 45, 9, 2500, 2500, "Golden Blades"},
    {UnitType::GoldenInfantry, 58, 58, 50, 50, 10, 3000, 3000, "Holy Champions"},
}};

inline constexpr HouseKindFacts kHouseKinds[kHouseKindCount] = {
    {HouseKind::Village,
     kVillageTownMainSlots,
     40,
     kVillagePictures,
     kVillageNamePictures,
     kFullHousePicture,
     {240, 10, 1.0f, 1.0f},
     {240, 50, 0.9f, 0.8f},
     {682, 174, 0.9f, 0.9f},
     kVillageOffers,
     kRenameToVillage},
    {HouseKind::Town,
     kVillageTownMainSlots,
     40,
     kTownPictures,
     kTownNamePictures,
     kFullHousePicture,
     {240, 10, 1.0f, 1.0f},
     {250, 50, 0.9f, 0.8f},
     kPlainRecruitIcon,
     kTownOffers,
     kRenameToTown},
    {HouseKind::Castle,
     kSingleHouseMainSlots,
     40,
     std::span(kSingleHousePictures).subspan(0, 1),
     std::span(kSingleHouseNamePictures).subspan(0, 1),
     kFullHousePicture,
     {210, 5, 1.0f, 1.0f},
     {310, 5, 1.0f, 1.0f},
     kPlainRecruitIcon,
     kTownOffers,
     kRenameToCastle},
    {HouseKind::Palace,
     kSingleHouseMainSlots,
     30,
     std::span(kSingleHousePictures).subspan(1, 1),
     std::span(kSingleHouseNamePictures).subspan(1, 1),
     {0, -65, 1.2383f, 1.3f},
     {220, 20, 1.0f, 1.0f},
     {320, 20, 1.0f, 1.0f},
     kPlainRecruitIcon,
     kPalaceOffers,
     kRenameToPalace},
    {HouseKind::Temple,
     kSingleHouseMainSlots,
     40,
     std::span(kSingleHousePictures).subspan(2, 1),
     std::span(kSingleHouseNamePictures).subspan(2, 1),
     kFullHousePicture,
     {220, 20, 1.0f, 1.0f},
     {320, 20, 1.0f, 1.0f},
     kPlainRecruitIcon,
     kTempleOffers,
     kRenameToTemple},
    {HouseKind::Tower,
     kSingleHouseMainSlots,
     40,
     std::span(kSingleHousePictures).subspan(3, 1),
     std::span(kSingleHouseNamePictures).subspan(3, 1),
     kFullHousePicture,
     {8, 5, 0.95f, 1.0f},
     {130, 5, 1.0f, 1.0f},
     kPlainRecruitIcon,
     kTownOffers,
     kRenameToTower},
};

constexpr const HouseKindFacts& FactsOf(HouseKind kind) {
    return kHouseKinds[static_cast<size_t>(kind)];
}

// Villages and towns are numbered; each single house is one of a kind.
constexpr bool IsNumberedKind(HouseKind kind) {
    return kind == HouseKind::Village || kind == HouseKind::Town;
}

}  // namespace varn
