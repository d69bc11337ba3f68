#include <algorithm>

#include "map/MapScreen.h"
#include "world/Counters.h"

namespace varn {

// What a walker takes from the cell it arrived on, and where the found things go.

namespace {

constexpr std::array<int32_t, kPileCount> kPileGold = {
    50, 45, 64, 75, 98, 100, 200, 123, 82, 1000, 111, 200, 800, 800, 400, 135, 57, 88, 600, 500,
};

constexpr int8_t kNone = -1;

struct BagContents {
    int32_t gold;
    int8_t gem;
};

// Bags 16..19 have no contents and never stand on a cell.
constexpr std::array<BagContents, 16> kBagContents = {{
    {20, 0},
    {30, 1},
    {36, 2},
    {45, 3},
    {48, 4},
    {142, 5},
    {168, 6},
    {45, 7},
    {126, 8},
    {139, 9},
    {96, 10},
    {150, 11},
    {200, 12},
    {170, 13},
    {120, 14},
    {134, 19},
}};

struct ChestContents {
    int32_t gold;
    int8_t gem;
    int8_t artifact;
    // ItemId - 1.
    uint8_t item;
};

// Gold chests 0..24; the item-only twin k + 25 holds chest k's item and nothing else.
constexpr std::array<ChestContents, kGoldChestCount> kChestContents = {{
    {80, 15, 0, 1},        {50, 16, 1, 56},       {100, 17, 2, 48},      {120, 18, kNone, 49},
    {150, kNone, 3, 80},   {150, kNone, 4, 115},  {200, kNone, 5, 103},  {210, kNone, 6, 81},
    {150, kNone, 7, 222},  {250, kNone, 8, 64},   {250, 20, 9, 113},     {250, 21, kNone, 66},
    {200, 22, kNone, 65},  {250, 23, kNone, 242}, {250, 24, kNone, 105}, {250, 25, kNone, 57},
    {250, 26, kNone, 220}, {250, 27, kNone, 240}, {250, kNone, 10, 75},  {250, kNone, 11, 112},
    {250, 28, kNone, 122}, {400, kNone, 12, 223}, {400, kNone, 13, 235}, {500, kNone, 14, 61},
    {500, 29, kNone, 84},
}};

constexpr int kArtifactSlotsUsed = 15;
constexpr MapObjectCode kLastSiteCode = kCodeFirstSite + kSiteCellSlots - 1;

bool InRange(MapObjectCode code, MapObjectCode first, int count) {
    return code >= first && code < first + count;
}

// Puts index + 1 into the first empty slot of the list and records it; false when full.
bool StoreWealth(std::span<uint8_t> slots, std::array<uint8_t, kWealthEntryCount>& owned,
                 std::array<uint8_t, kWealthEntryCount>& slotOf, uint8_t index) {
    const auto empty = std::find(slots.begin(), slots.end(), 0);
    if (empty == slots.end() || index >= kWealthEntryCount) {
        return false;
    }
    *empty = static_cast<uint8_t>(index + 1);
    owned[index] = 1;
    slotOf[index] = static_cast<uint8_t>(empty - slots.begin() + 1);
    return true;
}

}  // namespace

void MapScreen::CollectPile(int32_t& gold) {
    const MapObjectCode code = cellSavedCode;
    if (InRange(code, kCodeFirstPile, kPileCount)) {
        const int pile = code - kCodeFirstPile;
        foundBox = kFoundBoxLoading;
        coinSound = 1;
        pileActive[pile] = 0;
        foundGoldShown = 1;
        foundGold = kPileGold[pile];
        gold = AddToCounter(gold, foundGold);
    } else if (InRange(code, kCodeFirstBag, static_cast<int>(kBagContents.size()))) {
        const int bag = code - kCodeFirstBag;
        const BagContents& contents = kBagContents[bag];
        foundBox = kFoundBoxLoading;
        coinSound = 1;
        bagActive[bag] = 0;
        foundGoldShown = 1;
        foundGold = contents.gold;
        if (contents.gem != kNone) {
            foundGemIndex = static_cast<uint8_t>(contents.gem);
            foundGem = 1;
        }
        gold = AddToCounter(gold, foundGold);
    } else if (InRange(code, kCodeFirstChest, kChestCount)) {
        const int chest = code - kCodeFirstChest;
        const ChestContents& contents = kChestContents[chest % kGoldChestCount];
        const bool itemOnly = chest >= kGoldChestCount;
        foundBox = kFoundBoxLoading;
        chestSound = 1;
        chestActive[chest] = 0;
        foundGoldShown = itemOnly ? 0 : 1;
        foundGold = itemOnly ? 0 : contents.gold;
        if (!itemOnly && contents.gem != kNone) {
            foundGemIndex = static_cast<uint8_t>(contents.gem);
            foundGem = 1;
        }
        if (!itemOnly && contents.artifact != kNone) {
            foundArtifactIndex = static_cast<uint8_t>(contents.artifact);
            foundArtifact = 1;
        }
        foundItemIndex = contents.item;
        foundItem = 1;
        foundChestCode = code;
        foundByPlayer = playerFinds;
        foundByHero = heroFinds;
        gold = AddToCounter(gold, foundGold);
    } else if (InRange(code, kCodeFirstTown, kTownCellSlots)) {
        townEntered = 1;
        townNumber = TownOfListIndex(code - kCodeFirstTown);
    } else if (InRange(code, kCodeFirstVillage, kVillageCells.size() * kCellsPerVillage)) {
        villageEntered = 1;
        villageNumber = static_cast<uint8_t>((code - kCodeFirstVillage) / kCellsPerVillage + 1);
    } else if (InRange(code, kCodeFirstPalace, kPalaceCells.size())) {
        palaceEntered = 1;
    } else if (InRange(code, kCodeFirstTemple, kTempleCells.size())) {
        templeEntered = 1;
    } else if (InRange(code, kCodeFirstCastle, kCastleCells.size())) {
        castleEntered = 1;
    } else if (code == kCodeTower) {
        towerEntered = 1;
    } else if (code >= kCodeFirstSite && code <= kLastSiteCode) {
        // The site follows from where the cell stands in the site list; unused entries give none.
        siteEntered = SiteOfListIndex(code - kCodeFirstSite);
    }
}

void MapScreen::StoreFoundItems() {
    if (foundGem != 0 && StoreWealth(gemSlots, gemOwned, gemSlotOf, foundGemIndex)) {
        foundGem = 0;
    }
    if (foundArtifact != 0 && StoreWealth(std::span(artifactSlots).first(kArtifactSlotsUsed),
                                          artifactOwned, artifactSlotOf, foundArtifactIndex)) {
        foundArtifact = 0;
    }
    if (foundItem != 0 && (foundByPlayer != 0 || foundByHero != 0)) {
        foundItem = 0;
        const auto empty = std::find(walkerBag.begin(), walkerBag.end(), kNoItem);
        if (empty == walkerBag.end()) {
            bagFull = 1;
            ReturnFoundItemToChest();
        } else {
            *empty = static_cast<ItemId>(foundItemIndex + 1);
            walkerOwned[foundItemIndex] = 1;
            walkerItemCell[foundItemIndex] = static_cast<uint8_t>(empty - walkerBag.begin() + 1);
            if (foundByPlayer != 0) {
                bagCopy = kBagCopyWriteBack;
            } else {
                bagOwnerHero = foundByHero;
            }
        }
    }
    playerFinds = 0;
    heroFinds = 0;
    foundByPlayer = 0;
    foundByHero = 0;
}

void MapScreen::ReturnFoundItemToChest() {
    const int chest = foundChestCode - kCodeFirstChest;
    if (chest >= 0 && chest < kGoldChestCount) {
        const int twin = chest + kGoldChestCount;
        chestActive[twin] = 1;
        chestCell[twin] = chestCell[chest];
        chestX[twin] = chestX[chest];
        chestY[twin] = chestY[chest];
    } else if (chest >= kGoldChestCount && chest < kChestCount) {
        chestActive[chest] = 1;
    }
}

}  // namespace varn
