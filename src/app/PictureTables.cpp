#include "app/PictureTables.h"

#include "engine/MouseCursor.h"
#include "map/MapFoundPictures.h"
#include "map/MapScreen.h"

namespace varn {

std::span<const NamedPictureTable> AllPictureTables() {
    static constexpr NamedPictureTable kTables[] = {
        {"mouse pointer", kCursorPictures},      {"map screen", kMapScreenPictures},
        {"map screen units", kMapUnitPictures},  {"map screen enemies", kMapEnemyPictures},
        {"map found gems", kFoundGemPictures},   {"map found artifacts", kFoundArtifactPictures},
        {"map found items", kFoundItemPictures},
    };
    return kTables;
}

}  // namespace varn
