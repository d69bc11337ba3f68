#include <algorithm>

#include "map/MapScreen.h"

namespace varn {

// The fixed cells on which joining heroes and enemy armies appear.

namespace {

// The start cells of the heroes who join for fame, tried in order.
struct HeroStartCells {
    HeroIndex hero;
    std::array<int32_t, 11> cells;
};

constexpr std::array<HeroStartCells, 7> kHeroStartCells = {{
    {1, {978, 977, 979, 976, 975, 980, 1025, 1026, 1027, 1028, 1029}},
    {2, {3658, 977, 979, 976, 975, 980, 1025, 1026, 1027, 1028, 1029}},
    {3, {8960, 8961, 8962, 8963, 8964, 8965, 8966, 8967, 8968, 8969, 8970}},
    {4, {8870, 8871, 8872, 8873, 8874, 8875, 8894, 8895, 8896, 8897, 8898}},
    {6, {8293, 8294, 8295, 8296, 8297, 8298, 8299, 8300, 8341, 8342, 8343}},
    {8, {8563, 8564, 8565, 8566, 8567, 8610, 8611, 8612, 8613, 8615, 8713}},
    {9, {4615, 4616, 4617, 4618, 8567, 8610, 8611, 8612, 8613, 8615, 8713}},
}};

struct ArmyPost {
    int32_t cell;
    uint8_t picture;
};

// Armies 0..64; the others get no fixed cell.
constexpr std::array<ArmyPost, 65> kArmyPosts = {{
    {9898, 0}, {1358, 0}, {1153, 1}, {1862, 1},  {10100, 1}, {682, 2},   {1022, 1}, {1716, 3},
    {1012, 0}, {1417, 0}, {9995, 4}, {2208, 3},  {2152, 0},  {10168, 0}, {9815, 0}, {9524, 0},
    {2067, 3}, {1772, 0}, {938, 0},  {1433, 1},  {2364, 5},  {586, 6},   {8217, 5}, {8672, 0},
    {8351, 0}, {8821, 5}, {766, 6},  {10263, 6}, {9744, 6},  {893, 3},   {8178, 5}, {1979, 5},
    {2233, 3}, {9064, 1}, {9103, 4}, {10280, 6}, {10032, 5}, {9778, 6},  {9560, 4}, {9468, 6},
    {508, 6},  {569, 3},  {395, 6},  {3042, 5},  {3345, 6},  {4067, 1},  {4181, 6}, {1596, 0},
    {1900, 6}, {4846, 3}, {8188, 0}, {5504, 6},  {6049, 1},  {9267, 1},  {7852, 5}, {9199, 6},
    {7463, 6}, {7816, 6}, {7828, 6}, {7844, 6},  {7005, 1},  {4797, 8},  {9688, 6}, {379, 5},
    {1733, 0},
}};

// Invaders 83..92 on their one start cell.
struct InvaderStart {
    int32_t cell;
    Facing facing;
};

constexpr int kFirstFixedStartInvader = 83;
constexpr std::array<InvaderStart, 10> kInvaderStarts = {{
    {7011, 6},
    {108, 6},
    {8913, 6},
    {108, 6},
    {4503, 6},
    {4436, 6},
    {9637, 2},
    {4472, 6},
    {4472, 6},
    {4472, 6},
}};

// Invaders 80 and 81 take the first free cell of a block.
constexpr std::array<int32_t, 12> kInvader80Cells = {9596, 9597, 9598, 9621, 9622, 9623,
                                                     9646, 9647, 9648, 9671, 9672, 9673};
constexpr std::array<int32_t, 12> kInvader81Cells = {7558, 7559, 7560, 7561, 7562, 7563,
                                                     7608, 7609, 7610, 7611, 7612, 7613};
constexpr int32_t kInvader82Cell = 2833;

constexpr uint8_t kInvaderPicture = 7;
constexpr uint8_t kReleased = 1;
constexpr uint8_t kPlaced = 2;

}  // namespace

bool MapScreen::IsFreeForPlacement(int32_t cell) const {
    return cell != playerCell &&
           std::find(heroCell.begin(), heroCell.end(), cell) == heroCell.end();
}

void MapScreen::PlaceArmyAt(int army, int32_t cell) {
    armyCell[army] = cell;
    MapCellCorner(cell, armyX[army], armyY[army]);
}

void MapScreen::PlaceJoinedHero() {
    const auto list =
        std::find_if(kHeroStartCells.begin(), kHeroStartCells.end(),
                     [this](const HeroStartCells& row) { return row.hero == joinHero; });
    if (list == kHeroStartCells.end()) {
        return;
    }
    for (int32_t cell : list->cells) {
        if (joinPending == 1 && IsFreeForPlacement(cell)) {
            heroCell[joinHero] = cell;
            MapCellCorner(cell, heroX[joinHero], heroY[joinHero]);
            joinPending = 0;
        }
    }
}

void MapScreen::PlaceArmies() {
    armyPicture.fill(kInvaderPicture);

    for (int army = kFirstFixedStartInvader; army <= kLastInvader; ++army) {
        if (armyActive[army] == kReleased) {
            const InvaderStart& start = kInvaderStarts[army - kFirstFixedStartInvader];
            armyActive[army] = kPlaced;
            armyPlaced[army] = 1;
            PlaceArmyAt(army, start.cell);
            armyFacing[army] = start.facing;
        }
    }

    for (int army = 0; army < static_cast<int>(kArmyPosts.size()); ++army) {
        if (armyActive[army] != 0) {
            PlaceArmyAt(army, kArmyPosts[army].cell);
            armyPicture[army] = kArmyPosts[army].picture;
        }
    }

    auto placeInBlock = [this](int army, Facing facing, const auto& cells) {
        if (armyActive[army] != kReleased) {
            return;
        }
        armyFacing[army] = facing;
        armyActive[army] = kPlaced;
        const auto free = std::find_if(cells.begin(), cells.end(),
                                       [this](int32_t cell) { return IsFreeForPlacement(cell); });
        if (free != cells.end()) {
            PlaceArmyAt(army, *free);
        }
        armyPlaced[army] = 1;
    };
    placeInBlock(80, 4, kInvader80Cells);
    placeInBlock(81, 4, kInvader81Cells);
    placeInBlock(82, 6, std::array<int32_t, 1>{kInvader82Cell});
}

}  // namespace varn
