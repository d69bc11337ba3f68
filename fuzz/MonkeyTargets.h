#pragma once

#include <span>
#include <vector>

#include "battle/BattleSideButtons.h"
#include "characters/CharacterScreen.h"
#include "characters/WealthScreen.h"
#include "engine/ButtonBar.h"
#include "exchange/ArmyExchangeScreen.h"
#include "exchange/ItemExchangeScreen.h"
#include "exchange/MeetingScreen.h"
#include "frontend/CreditsScreen.h"
#include "frontend/HallOfFameScreen.h"
#include "frontend/MainMenuScreen.h"
#include "frontend/NameEntryScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PageButtons.h"
#include "frontend/PortraitScreen.h"
#include "frontend/SaveQuitDialog.h"
#include "frontend/SaveSlotScreen.h"
#include "frontend/StoryScreen.h"
#include "houses/HouseScreen.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"

namespace varn::monkey {

struct Point {
    int32_t x;
    int32_t y;
};

// The middle of every button of every screen: arbitrary clicks seldom hit a small button, and
// most of the game is behind one.
inline const std::vector<Point>& ButtonCentres() {
    static const std::vector<Point> centres = [] {
        const std::span<const ButtonRect> tables[] = {
            kYouButtons,       kHeroButtons,           kQuestionButtons,  kWealthButtons,
            kMainMenuButtons,  kHallOfFameButtons,     kNameEntryButtons, kCreditsButtons,
            kOptionsButtons,   kSaveQuitButtons,       kStoryButtons,     kSaveSlotButtons,
            kPageButtons,      kPortraitButtons,       kArmyTradeButtons, kMeetingButtons,
            kItemTradeButtons, kPanelButtons,          kBarButtons,       kSideButtons,
            kHouseButtons,     kScreenHideShowButtons,
        };
        std::vector<Point> points;
        for (std::span<const ButtonRect> table : tables) {
            for (const ButtonRect& button : table) {
                points.push_back({button.x + button.w / 2, button.y + button.h / 2});
            }
        }
        for (const ButtonRect& target : {kThrowAwayTarget, kDisbandTarget}) {
            points.push_back({target.x + target.w / 2, target.y + target.h / 2});
        }
        return points;
    }();
    return centres;
}

// The middle of one of the screen's 20 x 15 squares of 40 pixels, the size of a map cell and of
// an item's icon.
inline Point Square(uint8_t pick) {
    constexpr int kColumns = 20;
    constexpr int kRows = 15;
    return {pick % kColumns * 40 + 20, pick / kColumns % kRows * 40 + 20};
}

// A button's middle by a byte; a byte past the buttons picks a 40-pixel square of the screen.
inline Point ButtonOrSquare(uint8_t pick) {
    const std::vector<Point>& buttons = ButtonCentres();
    if (pick < buttons.size()) {
        return buttons[pick];
    }
    return Square(pick);
}

}  // namespace varn::monkey
