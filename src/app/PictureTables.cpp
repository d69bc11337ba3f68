#include "app/PictureTables.h"

#include "engine/MouseCursor.h"
#include "frontend/HallOfFameScreen.h"
#include "frontend/MainMenuScreen.h"
#include "frontend/NameEntryScreen.h"
#include "frontend/NameLetters.h"
#include "frontend/PortraitScreen.h"
#include "frontend/SaveQuitDialog.h"
#include "frontend/SaveSlotScreen.h"
#include "frontend/StoryScreen.h"
#include "map/ControlPanel.h"
#include "map/MapViewPictures.h"

namespace varn {

std::span<const NamedPictureTable> AllPictureTables() {
    static constexpr NamedPictureTable kTables[] = {
        {"mouse pointer", kCursorPictures},
        {"main menu", kMainMenuPictures},
        {"save slots", kSaveSlotPictures},
        {"name entry", kNameEntryPictures},
        {"name letters", kLetterSheetPictures},
        {"portrait choice", kPortraitPictures},
        {"story", kStoryPictures},
        {"save and quit", kSaveQuitPictures},
        {"hall of fame", kHallOfFamePictures},
        {"map view", kMapViewPictures},
        {"control panel", kPanelPictures},
    };
    return kTables;
}

}  // namespace varn
