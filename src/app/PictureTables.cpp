#include "app/PictureTables.h"

#include <vector>

#include "battle/BattlePictures.h"
#include "engine/MouseCursor.h"

namespace varn {

std::span<const NamedPictureTable> AllPictureTables() {
    static const std::vector<NamedPictureTable> tables = [] {
        std::vector<NamedPictureTable> all = {{"mouse pointer", kCursorPictures}};
        for (const NamedPictureTable& table : BattlePictureTables()) {
            all.push_back(table);
        }
        return all;
    }();
    return tables;
}

}  // namespace varn
