#include "app/PictureTables.h"

#include "engine/MouseCursor.h"

namespace varn {

std::span<const NamedPictureTable> AllPictureTables() {
    static constexpr NamedPictureTable kTables[] = {
        {"mouse pointer", kCursorPictures},
    };
    return kTables;
}

}  // namespace varn
