#include "app/PictureTables.h"

#include "engine/MouseCursor.h"
#include "map/ControlPanel.h"
#include "map/MapViewPictures.h"

namespace varn {

std::span<const NamedPictureTable> AllPictureTables() {
    static constexpr NamedPictureTable kTables[] = {
        {"mouse pointer", kCursorPictures},
        {"map view", kMapViewPictures},
        {"control panel", kPanelPictures},
    };
    return kTables;
}

}  // namespace varn
