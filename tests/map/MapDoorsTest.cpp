#include <set>
#include <string>
#include <vector>

#include "map/MapFixture.h"
#include "map/MapPlaceTables.h"
#include "map/MapTestSupport.h"
#include "map/TerrainTables.h"
#include "platform/BackBuffer.h"
#include "world/MapCells.h"

namespace varn {

namespace {

// The placeholder set draws every door of a building in this colour, and nothing else on the
// map in it.
constexpr uint16_t kDoorPixel = platform::ToR5G6B5(0xFF3C281E);

struct House {
    std::string name;
    int32_t cell;  // any cell of the house, to bring it into view
};

// The houses a walk can enter, named as the visit they start.
std::vector<House> Houses() {
    std::vector<House> houses;
    for (size_t village = 0; village < kVillageCells.size(); ++village) {
        houses.push_back({"village " + std::to_string(village + 1), kVillageCells[village][0]});
    }
    size_t first = 0;
    for (size_t town = 0; town < kTownCellCounts.size(); ++town) {
        houses.push_back({"town " + std::to_string(town + 1), kTownCells[first]});
        first += static_cast<size_t>(kTownCellCounts[town]);
    }
    houses.push_back({"palace", kPalaceCells[0]});
    houses.push_back({"temple", kTempleCells[0]});
    houses.push_back({"castle", kCastleCells[0]});
    houses.push_back({"tower", kTowerCell});
    first = 0;
    for (size_t site = 0; site < kSiteCellCounts.size(); ++site) {
        houses.push_back({"site " + std::to_string(site + 1), kSiteCells[first]});
        first += static_cast<size_t>(kSiteCellCounts[site]);
    }
    return houses;
}

// The visit a walk onto the cell starts, or "" for none.
std::string VisitStartedAt(int32_t cell) {
    MapScreen screen;
    screen.PlaceObjects();
    WalkOntoAndCollect(screen, cell);
    if (screen.villageEntered != 0) {
        return "village " + std::to_string(screen.villageNumber);
    }
    if (screen.townEntered != 0) {
        return "town " + std::to_string(screen.townNumber);
    }
    if (screen.siteEntered != 0) {
        return "site " + std::to_string(screen.siteEntered);
    }
    return screen.palaceEntered != 0   ? "palace"
           : screen.templeEntered != 0 ? "temple"
           : screen.castleEntered != 0 ? "castle"
           : screen.towerEntered != 0  ? "tower"
                                       : "";
}

class MapDoors : public MapFixture {
  protected:
    // The terrain alone, presented: the doors as the player sees them.
    void DrawGround() {
        game.app.device.BeginScene();
        game.app.device.Clear(0);
        DrawBands();
        game.app.device.EndScene();
        game.app.device.Present();
    }
};

// Every house shows a door, and walking onto the cell under any door seen on the map enters the
// house whose door it is.
TEST_F(MapDoors, EveryHouseIsEnteredThroughTheDoorItsPictureShows) {
    // Every camp and the tower stand, as they do while their foes hold them.
    view->battleTrigger.fill(1);
    view->battleTrigger[kTowerPlace] = 0;
    for (const House& house : Houses()) {
        int32_t x = 0;
        int32_t y = 0;
        ASSERT_TRUE(MapCellCorner(house.cell, x, y));
        view->scrollX = x - kMapViewWidth / 2;
        view->scrollY = y - kMapViewHeight / 2;
        DrawGround();
        std::set<int32_t> doorCells;
        const platform::BackBuffer& frame = backend().presented;
        for (int row = 0; row < frame.height; ++row) {
            for (int column = 0; column < frame.width; ++column) {
                if (frame.Row(row)[column] == kDoorPixel) {
                    doorCells.insert(MapCellAt(column + view->scrollX, row + view->scrollY));
                }
            }
        }
        std::set<std::string> visits;
        for (int32_t cell : doorCells) {
            const std::string visit = VisitStartedAt(cell);
            EXPECT_NE(visit, "") << "a door near " << house.name << " on cell " << cell
                                 << " enters nothing";
            visits.insert(visit);
        }
        EXPECT_EQ(visits.count(house.name), 1u) << house.name << " shows no door that enters it";
    }
}

}  // namespace

}  // namespace varn
