#include "app/PictureTables.h"

#include <vector>

#include "battle/BattlePictures.h"
#include "characters/ArmyPanel.h"
#include "characters/CharacterScreen.h"
#include "characters/NameScreen.h"
#include "characters/PaperDollArt.h"
#include "characters/WealthScreen.h"
#include "engine/MouseCursor.h"
#include "exchange/ArmyExchangeScreen.h"
#include "exchange/ExchangePictures.h"
#include "exchange/ItemExchangeScreen.h"
#include "exchange/MeetingScreen.h"
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
#include "houses/HousePictures.h"
#include "map/ControlPanel.h"
#include "map/MapFoundPictures.h"
#include "map/MapScreen.h"
#include "map/MapViewPictures.h"

namespace varn {

std::span<const NamedPictureTable> AllPictureTables() {
    static constexpr NamedPictureTable kScreenTables[] = {
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
        {"map screen", kMapScreenPictures},
        {"map screen enemies", kMapEnemyPictures},
        {"map found gems", kFoundGemPictures},
        {"map found artifacts", kFoundArtifactPictures},
        {"map found items", kFoundItemPictures},
        {"house controls", kHouseMainPictures},
        {"house joined heal label", kJoinedHealLabelPictures},
        {"house capital letters", kHouseCapitalLetters},
        {"house small letters", kHouseSmallLetters},
        {"house portraits", kHousePortraitPictures},
        {"house captions", kHouseCaptionPictures},
        {"house recruit pictures", kHouseRecruitPictures},
        {"village pictures", kVillagePictures},
        {"village names", kVillageNamePictures},
        {"town pictures", kTownPictures},
        {"town names", kTownNamePictures},
        {"single house pictures", kSingleHousePictures},
        {"single house names", kSingleHouseNamePictures},
        {"paper-doll bodies", kDollBodyPictures},
        {"paper-doll bare parts", kDollBarePartPictures},
        {"character screens", kCharacterPictures},
        {"wealth screen", kWealthPictures},
        {"wealth villages", kWealthVillagePictures},
        {"wealth towns and mines", kWealthTownPictures},
        {"rename background", kNameScreenTextures},
        {"meeting", kMeetingPictures},
        {"exchange name letters", kNameLetterPictures},
        {"army exchange", kArmyTradePictures},
        {"item exchange", kItemTradePictures},
    };
    static const std::vector<NamedPictureTable> tables = [] {
        std::vector<NamedPictureTable> all(std::begin(kScreenTables), std::end(kScreenTables));
        for (const NamedPictureTable& table : BattlePictureTables()) {
            all.push_back(table);
        }
        return all;
    }();
    return tables;
}

}  // namespace varn
