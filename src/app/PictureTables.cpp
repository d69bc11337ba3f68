#include "app/PictureTables.h"

#include "engine/MouseCursor.h"
#include "frontend/CreditsScreen.h"
#include "frontend/HallOfFameScreen.h"
#include "frontend/InformationScreen.h"
#include "frontend/MainMenuScreen.h"
#include "frontend/NameEntryScreen.h"
#include "frontend/NameLetters.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PortraitScreen.h"
#include "frontend/QuestLogScreen.h"
#include "frontend/SaveQuitDialog.h"
#include "frontend/SaveSlotScreen.h"
#include "frontend/StoryScreen.h"
#include "map/ControlPanel.h"
#include "map/MapViewPictures.h"
#include "map/MapFoundPictures.h"
#include "map/MapScreen.h"

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
        {"information", kInformationPictures},
        {"credits", kCreditsPictures},
        {"options", kOptionsPictures},
        {"quest log", kQuestLogPictures},
        {"map view", kMapViewPictures},
        {"control panel", kPanelPictures},
        {"mouse pointer", kCursorPictures},      {"map screen", kMapScreenPictures},
        {"map screen units", kMapUnitPictures},  {"map screen enemies", kMapEnemyPictures},
        {"map found gems", kFoundGemPictures},   {"map found artifacts", kFoundArtifactPictures},
        {"map found items", kFoundItemPictures},
    };
    return kTables;
}

}  // namespace varn
