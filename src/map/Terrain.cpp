// The kingdom map's ground, one region per DrawBand: tiles, place cells, flags, decorations and
// the border, each drawn only when its 200-pixel band overlaps the view.
#include <algorithm>
#include <vector>

#include "engine/Colours.h"
#include "map/MapView.h"
#include "map/TerrainTables.h"
#include "world/MapCells.h"

namespace varn {

namespace {

constexpr int kTileCount = kTileColumns * kTileRows;

// The border: a piece of Border.bmp is 32 x 32; along an edge it covers 40 x 26 world pixels.
constexpr int32_t kBorderStep = 40;
constexpr int32_t kBorderThickness = 26;
constexpr int kRightBorderColumns = 6;
constexpr int kBottomBorderRows = 3;
constexpr float kBorderAlong = 1.25f;
constexpr float kBorderAcross = 0.8f;

// The flags and decorations of each tile, in drawing order: built once from the tables.
class PiecesByTile {
  public:
    PiecesByTile() {
        std::vector<const TerrainPiece*> all;
        for (const TerrainPiece& piece : TerrainDecorations()) {
            all.push_back(&piece);
        }
        for (const TerrainPiece& piece : kFlags) {
            all.push_back(&piece);
        }
        std::stable_sort(all.begin(), all.end(), [](const TerrainPiece* a, const TerrainPiece* b) {
            return TileIndex(a->tileX, a->tileY) < TileIndex(b->tileX, b->tileY);
        });
        pieces_ = std::move(all);
        size_t next = 0;
        for (int tile = 0; tile <= kTileCount; ++tile) {
            while (next < pieces_.size() &&
                   TileIndex(pieces_[next]->tileX, pieces_[next]->tileY) < tile) {
                ++next;
            }
            start_[static_cast<size_t>(tile)] = next;
        }
    }

    std::span<const TerrainPiece* const> Of(int tile) const {
        const size_t first = start_[static_cast<size_t>(tile)];
        const size_t last = start_[static_cast<size_t>(tile) + 1];
        return std::span<const TerrainPiece* const>(pieces_).subspan(first, last - first);
    }

  private:
    std::vector<const TerrainPiece*> pieces_;
    std::array<size_t, kTileCount + 1> start_{};
};

const PiecesByTile& Pieces() {
    static const PiecesByTile pieces;
    return pieces;
}

const PlaceCell* PlaceCellAt(int32_t tileX, int32_t tileY) {
    for (const PlaceCell& place : kPlaceCells) {
        if (place.tileX == tileX && place.tileY == tileY) {
            return &place;
        }
    }
    return nullptr;
}

// Draws one region of the ground for the view's scroll position.
class BandPainter {
  public:
    explicit BandPainter(MapView& view) : view_(view), sprites_(*view.sprites) {}

    void Paint(const MapRegion& region) {
        const int firstColumn = (region.left - kWorldLeft) / kTileSize;
        const int lastColumn = (region.Right() - kWorldLeft) / kTileSize;
        const int firstRow = (region.top - kWorldTop) / kTileSize;
        const int lastRow = (region.Bottom() - kWorldTop) / kTileSize;
        if (region.top == kWorldTop) {
            PaintTopBorder(region);
        }
        for (int row = firstRow; row < lastRow; ++row) {
            if (region.left == kWorldLeft) {
                PaintSideBorder(kWorldLeft - kBorderThickness, 1, TileY(row), LeftOutside());
            }
            for (int column = firstColumn; column < lastColumn; ++column) {
                PaintTile(column, row);
            }
            if (region.Right() == kWorldRight) {
                PaintSideBorder(kWorldRight, kRightBorderColumns, TileY(row), RightOutside());
            }
        }
        if (region.Bottom() == kWorldBottom) {
            PaintBottomBorder(region);
        }
    }

  private:
    // A band of the tile grid overlaps the view; beyond the world's edges the band is open.
    bool ColumnInView(int32_t tileX) const {
        return tileX - kMapViewWidth < view_.scrollX && view_.scrollX < tileX + kTileSize;
    }
    bool RowInView(int32_t tileY) const {
        return tileY - kMapViewHeight < view_.scrollY && view_.scrollY < tileY + kTileSize;
    }
    bool LeftOutside() const { return view_.scrollX < kWorldLeft; }
    bool RightOutside() const { return view_.scrollX > kWorldRight - kMapViewWidth; }
    bool TopOutside() const { return view_.scrollY < kWorldTop; }
    bool BottomOutside() const { return view_.scrollY > kWorldBottom - kMapViewHeight; }

    bool Holds(const PlaceCondition& condition) const {
        const auto flagOf = [&](const auto& flags) {
            return condition.index < flags.size() && flags[condition.index] != 0;
        };
        switch (condition.source) {
            case PlaceFlagSource::Always:
                return true;
            case PlaceFlagSource::BattleTrigger:
                return flagOf(view_.battleTrigger) == condition.whenSet;
            case PlaceFlagSource::VillageJoined:
                return flagOf(view_.villageJoined) == condition.whenSet;
            case PlaceFlagSource::TownOwned:
                return flagOf(view_.townOwned) == condition.whenSet;
        }
        return false;
    }

    void Draw(int32_t slot, int32_t frame, int32_t worldX, int32_t worldY, float scaleX,
              float scaleY) {
        int32_t x = 0;
        int32_t y = 0;
        if (MapView::ToScreen(worldX, view_.scrollX, x) &&
            MapView::ToScreen(worldY, view_.scrollY, y)) {
            sprites_.Draw(slot, frame, x, y, kUntinted, scaleX, scaleY);
        }
    }

    void PaintTile(int column, int row) {
        const int32_t tileX = TileX(column);
        const int32_t tileY = TileY(row);
        if (!ColumnInView(tileX) || !RowInView(tileY)) {
            return;
        }
        int32_t slot = kGroundTiles[static_cast<size_t>(row)][static_cast<size_t>(column)];
        const PlaceCell* place = PlaceCellAt(tileX, tileY);
        if (place != nullptr && !Holds(place->shown)) {
            slot = kGrey6Slot;
        }
        Draw(slot, 0, tileX, tileY, kTileScale, kTileScale);
        for (const TerrainPiece* piece : Pieces().Of(TileIndex(tileX, tileY))) {
            if (Holds(piece->when)) {
                Draw(piece->slot, piece->animated ? view_.animFrame : piece->frame, piece->x,
                     piece->y, piece->scaleX, piece->scaleY);
            }
        }
    }

    void Corner(int32_t x, int32_t y) { Draw(kBorderSlot, 0, x, y, kBorderAcross, kBorderAcross); }

    // Vertical pieces beside one tile row, in `columns` columns from x.
    void PaintSideBorder(int32_t x, int columns, int32_t tileY, bool outside) {
        if (!outside || !RowInView(tileY)) {
            return;
        }
        for (int32_t y = tileY; y < tileY + kTileSize; y += kBorderStep) {
            for (int column = 0; column < columns; ++column) {
                Draw(kBorderSlot, 0, x + column * kBorderThickness, y, kBorderAcross, kBorderAlong);
            }
        }
    }

    // Horizontal pieces of one border row along the region.
    void PaintBorderRow(const MapRegion& region, int32_t y) {
        for (int32_t x = region.left; x < region.Right(); x += kBorderStep) {
            if (ColumnInView(kWorldLeft + (x - kWorldLeft) / kTileSize * kTileSize)) {
                Draw(kBorderSlot, 0, x, y, kBorderAlong, kBorderAcross);
            }
        }
    }

    void PaintTopBorder(const MapRegion& region) {
        if (!TopOutside()) {
            return;
        }
        const int32_t y = kWorldTop - kBorderThickness;
        if (region.left == kWorldLeft && LeftOutside()) {
            Corner(kWorldLeft - kBorderThickness, y);
        }
        PaintBorderRow(region, y);
        if (region.Right() == kWorldRight && RightOutside()) {
            for (int column = 0; column < kRightBorderColumns; ++column) {
                Corner(kWorldRight + column * kBorderThickness, y);
            }
        }
    }

    void PaintBottomBorder(const MapRegion& region) {
        if (!BottomOutside()) {
            return;
        }
        for (int row = 0; row < kBottomBorderRows; ++row) {
            const int32_t y = kWorldBottom + row * kBorderThickness;
            if (region.left == kWorldLeft && LeftOutside()) {
                Corner(kWorldLeft - kBorderThickness, y);
            }
            PaintBorderRow(region, y);
            if (region.Right() == kWorldRight && RightOutside()) {
                for (int column = 0; column < kRightBorderColumns; ++column) {
                    Corner(kWorldRight + column * kBorderThickness, y);
                }
            }
        }
    }

    MapView& view_;
    SpriteSet& sprites_;
};

}  // namespace

void MapView::DrawBand(int region) {
    if (!sprites || !MapRegionInView(MapRegionNumber(region), scrollX, scrollY)) {
        return;
    }
    BandPainter(*this).Paint(MapRegionNumber(region));
}

void MapView::DrawBand1() {
    DrawBand(1);
}

void MapView::DrawBand2() {
    DrawBand(2);
}

void MapView::DrawBand3() {
    DrawBand(3);
}

void MapView::DrawBand4() {
    DrawBand(4);
}

void MapView::DrawBand5() {
    DrawBand(5);
}

void MapView::DrawBand6() {
    DrawBand(6);
}

void MapView::DrawBand7() {
    DrawBand(7);
}

void MapView::DrawBand8() {
    DrawBand(8);
}

void MapView::DrawBand9() {
    DrawBand(9);
}

}  // namespace varn
