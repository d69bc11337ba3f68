#include <algorithm>

#include "app/ObjectCaptions.h"
#include "map/MapScreen.h"

namespace varn {

// Where the treasure and the places stand, the per-cell codes, and which object a cell shows.

namespace {

void PutOffMap(int32_t& x, int32_t& y, int32_t& cell) {
    x = kOffMapX;
    y = 0;
    cell = kNoMapCell;
}

// Sets the cell and its corner; a number that is no cell leaves the position as it was.
void PutOnCell(int32_t cell, int32_t& x, int32_t& y, int32_t& cellField) {
    cellField = cell;
    MapCellCorner(cell, x, y);
}

bool IsMapCell(int32_t cell) {
    return cell >= 1 && cell <= kMapCellCount;
}

template <size_t N>
bool Holds(const std::array<int32_t, N>& cells, int32_t cell) {
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

constexpr int32_t kPileCaption = 3;
constexpr int32_t kBagCaption = 4;
constexpr int32_t kChestCaption = 5;
constexpr int32_t kArmyCaptionOffset = 6;
constexpr int32_t kLateArmyCaptionOffset = 4000;
constexpr int kLastCaptionedArmy = 64;
// The armies that guard the mines keep their own caption on the mine's cells.
constexpr int32_t kGoldMineGuardCaption = 7;
constexpr int32_t kIronMineGuardCaption = 35;

}  // namespace

void MapScreen::PlaceObjects() {
    questObjectCell.fill(kNoMapCell);
    std::copy(kQuestObjectCells.begin(), kQuestObjectCells.end(), questObjectCell.begin());

    for (int pile = 0; pile < kPileCount; ++pile) {
        PutOffMap(pileX[pile], pileY[pile], pileCell[pile]);
        if (pileActive[pile] != 0) {
            PutOnCell(kPileCells[pile], pileX[pile], pileY[pile], pileCell[pile]);
        }
    }
    for (int bag = 0; bag < kBagCount; ++bag) {
        PutOffMap(bagX[bag], bagY[bag], bagCell[bag]);
        if (bagActive[bag] != 0 && bag < static_cast<int>(kBagCells.size())) {
            PutOnCell(kBagCells[bag], bagX[bag], bagY[bag], bagCell[bag]);
        }
    }
    for (int chest = 0; chest < kChestCount; ++chest) {
        PutOffMap(chestX[chest], chestY[chest], chestCell[chest]);
        if (chestActive[chest] != 0) {
            PutOnCell(kChestCells[chest % kGoldChestCount], chestX[chest], chestY[chest],
                      chestCell[chest]);
        }
    }

    for (size_t village = 0; village < kVillageCells.size(); ++village) {
        std::copy(kVillageCells[village].begin(), kVillageCells[village].end(),
                  villageCells.begin() + village * kCellsPerVillage);
    }
    goldMineCells = kGoldMineCells;
    ironMineCells = kIronMineCells;
    townCells = kTownCells;
    palaceCells = kPalaceCells;
    templeCells = kTempleCells;
    castleCells = kCastleCells;
    towerCell = kTowerCell;
    siteCells.fill(kNoMapCell);
    std::copy(kSiteCells.begin(), kSiteCells.end(), siteCells.begin());

    MapCellCorner(playerCell, walkX, walkY);
    for (int hero = 0; hero < kHeroCount; ++hero) {
        if (heroOnMap[hero] != 0) {
            MapCellCorner(heroCell[hero], heroX[hero], heroY[hero]);
        }
    }
}

void MapScreen::MarkCells() {
    auto mark = [this](int32_t cell, int code) {
        if (IsMapCell(cell)) {
            cellObject[cell] = static_cast<uint8_t>(code);
        }
    };
    mark(playerCell, kCodePlayer);
    for (int hero = 0; hero < kHeroCount; ++hero) {
        if (heroOnMap[hero] != 0) {
            mark(heroCell[hero], kCodeFirstHero + hero);
        }
    }
    for (int pile = 0; pile < kPileCount; ++pile) {
        if (pileActive[pile] != 0) {
            mark(pileCell[pile], kCodeFirstPile + pile);
        }
    }
    for (int bag = 0; bag < kBagCount; ++bag) {
        if (bagActive[bag] != 0) {
            mark(bagCell[bag], kCodeFirstBag + bag);
        }
    }
    for (int chest = 0; chest < kChestCount; ++chest) {
        if (chestActive[chest] != 0) {
            mark(chestCell[chest], kCodeFirstChest + chest);
        }
    }
    for (int army = 0; army < kMarkedArmyCount; ++army) {
        if (armyActive[army] != 0) {
            mark(armyCell[army], kCodeFirstArmy + army);
        }
    }
}

void MapScreen::IdentifyObjectAt(int32_t cell) {
    hoverId = 0;
    // Objects off the map keep cell 0, which no click names.
    if (!IsMapCell(cell)) {
        return;
    }
    for (int pile = 0; pile < kPileCount; ++pile) {
        if (pileActive[pile] != 0 && pileCell[pile] == cell) {
            hoverId = kPileCaption;
        }
    }
    for (int bag = 0; bag < kBagCount; ++bag) {
        if (bagActive[bag] != 0 && bagCell[bag] == cell) {
            hoverId = kBagCaption;
        }
    }
    for (int chest = 0; chest < kChestCount; ++chest) {
        if (chestActive[chest] != 0 && chestCell[chest] == cell) {
            hoverId = kChestCaption;
        }
    }
    for (int army = 0; army <= kLastCaptionedArmy; ++army) {
        if (armyActive[army] != 0 && armyCell[army] == cell) {
            hoverId =
                army < kMarkedArmyCount ? army + kArmyCaptionOffset : army + kLateArmyCaptionOffset;
        }
    }
    for (int village = 0; village < static_cast<int>(kVillageCells.size()); ++village) {
        for (int k = 0; k < kCellsPerVillage; ++k) {
            if (villageCells[village * kCellsPerVillage + k] == cell) {
                hoverId = VillageCaption(village + 1);
            }
        }
    }
    for (int index = 0; index < kTownCellSlots; ++index) {
        if (townCells[index] == cell) {
            hoverId = TownCaption(TownOfListIndex(index));
        }
    }
    if (Holds(palaceCells, cell)) {
        hoverId = kPalaceCaption;
    }
    if (Holds(templeCells, cell)) {
        hoverId = kTempleCaption;
    }
    if (Holds(castleCells, cell)) {
        hoverId = kCastleCaption;
    }
    if (towerCell == cell) {
        hoverId = kTowerCaption;
    }
    for (int index = 0; index < kSiteCellSlots; ++index) {
        const uint8_t site = SiteOfListIndex(index);
        if (site != 0 && siteCells[index] == cell) {
            hoverId = kFirstSiteCaption + site - 1;
        }
    }
    if (hoverId != kGoldMineGuardCaption && Holds(goldMineCells, cell)) {
        hoverId = kGoldMineCaption;
    }
    if (hoverId != kIronMineGuardCaption && Holds(ironMineCells, cell)) {
        hoverId = kIronMineCaption;
    }
    if (hoverId != 0) {
        showCaption = 1;
    }
}

}  // namespace varn
