#include <algorithm>
#include <set>
#include <vector>

#include "map/MapFixture.h"
#include "map/TerrainTables.h"
#include "world/MapCells.h"

namespace varn {

namespace {

// One piece the terrain drew, read back from the headless draw log.
struct Drawn {
    int32_t slot;
    int32_t frame;
    int32_t worldX;
    int32_t worldY;
    float scaleX;
    float scaleY;

    std::pair<int32_t, int32_t> At() const { return {worldX, worldY}; }
};

int RegionOfTile(std::pair<int32_t, int32_t> tile) {
    for (int region = 1; region <= 9; ++region) {
        const MapRegion& r = MapRegionNumber(region);
        if (tile.first >= r.left && tile.first < r.Right() && tile.second >= r.top &&
            tile.second < r.Bottom()) {
            return region;
        }
    }
    return 0;
}

class TerrainTest : public MapFixture {
  protected:
    std::vector<Drawn> DrawAt(int32_t scrollX, int32_t scrollY) {
        view->scrollX = scrollX;
        view->scrollY = scrollY;
        backend().draws.clear();
        backend().recordDraws = true;
        DrawBands();
        backend().recordDraws = false;
        std::vector<Drawn> drawn;
        for (const platform::SpriteDrawRecord& draw : backend().draws) {
            drawn.push_back(Read(draw));
        }
        return drawn;
    }

    Drawn Read(const platform::SpriteDrawRecord& draw) const {
        const SpriteSet& set = *view->sprites;
        for (int32_t slot = 0; slot < set.count; ++slot) {
            const SpriteSet::Slot& entry = set.slots[static_cast<size_t>(slot)];
            if (entry.texture.texture.get() == draw.texture) {
                const int32_t frame = draw.sourceTop / entry.frameHeight * entry.framesPerRow +
                                      draw.sourceLeft / entry.frameWidth;
                return {slot,
                        frame,
                        static_cast<int32_t>(draw.x) + view->scrollX,
                        static_cast<int32_t>(draw.y) + view->scrollY,
                        draw.scaleX,
                        draw.scaleY};
            }
        }
        ADD_FAILURE() << "a draw from outside the map's set";
        return {};
    }

    static bool IsTile(const Drawn& d) { return d.scaleX == kTileScale; }

    static std::vector<Drawn> Only(const std::vector<Drawn>& all, bool (*keep)(const Drawn&)) {
        std::vector<Drawn> kept;
        std::copy_if(all.begin(), all.end(), std::back_inserter(kept), keep);
        return kept;
    }

    static int32_t SlotOfTile(int32_t x, int32_t y) {
        return kGroundTiles[static_cast<size_t>((y - kWorldTop) / kTileSize)]
                           [static_cast<size_t>((x - kWorldLeft) / kTileSize)];
    }

    bool Has(const std::vector<Drawn>& drawn, int32_t slot, int32_t x, int32_t y) const {
        return std::any_of(drawn.begin(), drawn.end(), [&](const Drawn& d) {
            return d.slot == slot && d.worldX == x && d.worldY == y;
        });
    }
};

TEST_F(TerrainTest, AtTheFarCornerTheRightAndBottomBordersShow) {
    const std::vector<Drawn> all = DrawAt(kMapScrollMaxX, kMapScrollMaxY);
    int vertical = 0, horizontal = 0, corners = 0;
    int32_t leftmostRight = INT32_MAX, topmostBottom = INT32_MAX;
    for (const Drawn& d : all) {
        if (d.slot != kBorderSlot) {
            continue;
        }
        if (d.scaleY == 1.25f) {
            ++vertical;
            leftmostRight = std::min(leftmostRight, d.worldX - kMapScrollMaxX);
        } else if (d.scaleX == 1.25f) {
            ++horizontal;
            topmostBottom = std::min(topmostBottom, d.worldY - kMapScrollMaxY);
        } else {
            ++corners;
        }
    }
    // Three tile rows of region 3 beside six columns, four tile columns above three rows, and
    // the eighteen corners where the bands meet.
    EXPECT_EQ(vertical, 3 * 5 * 6);
    EXPECT_EQ(horizontal, 4 * 5 * 3);
    EXPECT_EQ(corners, 18);
    EXPECT_EQ(leftmostRight, 642);
    EXPECT_EQ(topmostBottom, 520);
}

TEST_F(TerrainTest, AtTheTopLeftCornerTheLeftAndTopBordersShow) {
    const std::vector<Drawn> all = DrawAt(kMapScrollMinX, kMapScrollMinY);
    std::set<int> regions;
    for (const Drawn& d : Only(all, IsTile)) {
        regions.insert(RegionOfTile(d.At()));
    }
    EXPECT_EQ(regions, (std::set<int>{9}));
    // The top-left corner piece comes first, then the top row, then the left column.
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front().At(), std::pair(-1826, -1226));
    EXPECT_EQ(all.front().scaleX, 0.8f);
    EXPECT_TRUE(Has(all, kBorderSlot, -1800, -1226));
    EXPECT_TRUE(Has(all, kBorderSlot, -1826, -1200));
    EXPECT_FALSE(Has(all, kBorderSlot, 3600, -1200));
}

TEST_F(TerrainTest, EveryTileInViewIsDrawnOnceAndNoOtherAcrossTheScrollRange) {
    for (int32_t x = kMapScrollMinX; x <= kMapScrollMaxX; x += 433) {
        for (int32_t y = kMapScrollMinY; y <= kMapScrollMaxY; y += 271) {
            std::multiset<std::pair<int32_t, int32_t>> drawn;
            for (const Drawn& d : Only(DrawAt(x, y), IsTile)) {
                drawn.insert(d.At());
                ASSERT_EQ(d.slot, SlotOfTile(d.worldX, d.worldY)) << d.worldX << ", " << d.worldY;
            }
            std::multiset<std::pair<int32_t, int32_t>> expected;
            for (int row = 0; row < kTileRows; ++row) {
                for (int column = 0; column < kTileColumns; ++column) {
                    if (RectInView(TileX(column), TileY(row), kTileSize, kTileSize, x, y)) {
                        expected.insert({TileX(column), TileY(row)});
                    }
                }
            }
            ASSERT_EQ(drawn, expected) << x << ", " << y;
            ASSERT_LE(drawn.size(), 20u);
        }
    }
}

TEST_F(TerrainTest, PlaceCellsAndTheirFlagsFollowTheBattleFlags) {
    view->battleTrigger.fill(0);
    view->battleTrigger[15] = 1;
    view->animFrame = 2;
    std::vector<Drawn> drawn = DrawAt(2000, -700);
    EXPECT_TRUE(Has(drawn, 84, 2400, -600));
    ASSERT_TRUE(Has(drawn, kFlag2Slot, 2476, -515));
    for (const Drawn& d : drawn) {
        if (d.slot == kFlag2Slot) {
            EXPECT_EQ(d.frame, 2) << "flags wave with the view's frame";
            EXPECT_EQ(d.scaleX, 0.8f);
        }
    }
    // Once the camp is beaten the cell is plain ground without a flag.
    view->battleTrigger[15] = 0;
    drawn = DrawAt(2000, -700);
    EXPECT_TRUE(Has(drawn, kGrey6Slot, 2400, -600));
    EXPECT_FALSE(Has(drawn, 84, 2400, -600));
    EXPECT_FALSE(Has(drawn, kFlag2Slot, 2476, -515));

    // The tower stands, with its flag, until its flag is set on day 76.
    drawn = DrawAt(1800, 500);
    EXPECT_TRUE(Has(drawn, 93, 2000, 600));
    EXPECT_TRUE(Has(drawn, kFlag1Slot, 2036, 684));
    view->battleTrigger[kTowerPlace] = 1;
    drawn = DrawAt(1800, 500);
    EXPECT_TRUE(Has(drawn, kGrey6Slot, 2000, 600));
    EXPECT_FALSE(Has(drawn, kFlag1Slot, 2036, 684));
}

TEST_F(TerrainTest, OwnershipFlagsFollowTheJoinedPlaces) {
    view->villageJoined.fill(0);
    view->townOwned.fill(0);
    view->battleTrigger.fill(0);
    std::vector<Drawn> drawn = DrawAt(-800, -600);
    EXPECT_TRUE(Has(drawn, kFlag1Slot, -526, -505));
    EXPECT_FALSE(Has(drawn, kFlag4Slot, -526, -505));
    drawn = DrawAt(400, -200);
    EXPECT_FALSE(Has(drawn, kFlag2Slot, 876, 22));
    EXPECT_FALSE(Has(drawn, kFlag4Slot, 876, 22));

    view->villageJoined[6] = 1;
    view->townOwned[kIronMine] = 1;
    view->battleTrigger[1] = 1;
    drawn = DrawAt(-800, -600);
    EXPECT_TRUE(Has(drawn, kFlag4Slot, -526, -505));
    EXPECT_FALSE(Has(drawn, kFlag1Slot, -526, -505));
    drawn = DrawAt(400, -200);
    // The iron mine shows both: ours, and the enemy's on top.
    const auto mine = std::find_if(drawn.begin(), drawn.end(),
                                   [](const Drawn& d) { return d.At() == std::pair(876, 22); });
    ASSERT_NE(mine, drawn.end());
    EXPECT_EQ(mine->slot, kFlag4Slot);
    EXPECT_EQ(std::next(mine)->slot, kFlag2Slot);
}

TEST_F(TerrainTest, ThePiecesOfATileFollowItAndALaterRegionDrawsOnTop) {
    const std::vector<Drawn> all = DrawAt(1900, -700);
    // Every piece follows the tile it belongs to, before the next tile.
    const auto tile = std::find_if(all.begin(), all.end(), [](const Drawn& d) {
        return d.At() == std::pair(2200, -600) && d.scaleX == kTileScale;
    });
    ASSERT_NE(tile, all.end());
    EXPECT_EQ(std::next(tile)->At(), std::pair(2220, -470));
    EXPECT_EQ(std::next(tile)->slot, kMapOthersSlot);
    // Region 4 comes after region 2.
    const auto firstOf = [&](int region) {
        return std::find_if(all.begin(), all.end(), [&](const Drawn& d) {
            return IsTile(d) && RegionOfTile(d.At()) == region;
        });
    };
    EXPECT_LT(firstOf(2), firstOf(4));
}

}  // namespace

}  // namespace varn
