#include "engine/PictureTable.h"

#include "engine/DeviceConstants.h"
#include "engine/SpriteSet.h"

namespace varn {

int LoadPictures(SpriteSet& set, std::span<const PictureLoad> table) {
    int loaded = 0;
    for (const PictureLoad& row : table) {
        loaded += set.Load(row.slot, row.file, row.frameWidth, row.frameHeight, row.colourKey,
                           D3DFMT_A1R5G5B5);
    }
    return loaded;
}

}  // namespace varn
