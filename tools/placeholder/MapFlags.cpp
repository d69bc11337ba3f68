#include "MapFlags.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "map/MapViewPictures.h"
#include "map/TerrainTables.h"

namespace varn {

namespace placeholder {

namespace {

constexpr int kDesignGrid = 64;

const PictureLoad* FlagPicture(int32_t slot) {
    for (const PictureLoad& load : kMapViewPictures) {
        if (load.slot == slot) {
            return &load;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<Point> FlagFeetOn(const std::string& gamePath, int frameSize) {
    std::vector<Point> feet;
    for (const PictureLoad& load : kMapViewPictures) {
        if (gamePath != std::string_view(load.file)) {
            continue;
        }
        for (int row = 0; row < kTileRows; ++row) {
            for (int column = 0; column < kTileColumns; ++column) {
                if (kGroundTiles[static_cast<size_t>(row)][static_cast<size_t>(column)] !=
                    load.slot) {
                    continue;
                }
                for (const TerrainPiece& flag : kFlags) {
                    const PictureLoad* picture = FlagPicture(flag.slot);
                    if (flag.tileX != TileX(column) || flag.tileY != TileY(row) ||
                        picture == nullptr) {
                        continue;
                    }
                    // The pole's middle and foot in world pixels, then in the frame's.
                    const double poleX = (kFlagPoleLeft + kFlagPoleWidth / 2.0) *
                                         picture->frameWidth / kDesignGrid * flag.scaleX;
                    const double poleFoot =
                        kFlagPoleFoot * picture->frameHeight / kDesignGrid * flag.scaleY;
                    const auto toFrame = [&](double world) {
                        return static_cast<int>(std::lround(world * frameSize / kTileSize));
                    };
                    const Point foot{toFrame(flag.x - flag.tileX + poleX),
                                     toFrame(flag.y - flag.tileY + poleFoot)};
                    if (std::find(feet.begin(), feet.end(), foot) == feet.end()) {
                        feet.push_back(foot);
                    }
                }
            }
        }
    }
    return feet;
}

}  // namespace placeholder

}  // namespace varn
