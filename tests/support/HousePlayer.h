#pragma once

#include "houses/HouseScreen.h"
#include "support/MapPlayer.h"

namespace varn {

// The houses' screens: their buttons by the screen's table, the armies and offers by their cells.
class HousePlayer : public MapPlayer {
  public:
    using MapPlayer::MapPlayer;

    // A road test's shortcut, not input: enters a house of the kind (number 1..9 or 1..4 for
    // villages and towns) as the visitor (1 the player, 2..11 a hero) by raising the map's
    // arrival flags as a walker's arrival raises them, and runs the house's first frame.
    void EnterHouse(HouseKind kind, uint8_t number, CharacterId visitor) {
        MapScreen& map = *app.mapScreen;
        map.playerArrived = visitor == kPlayerCharacter ? 1 : 0;
        map.arrivedHero = visitor == kPlayerCharacter ? 0 : HeroIndexOfCharacter(visitor);
        switch (kind) {
            case HouseKind::Village:
                map.villageEntered = 1;
                map.villageNumber = number;
                break;
            case HouseKind::Town:
                map.townEntered = 1;
                map.townNumber = number;
                break;
            case HouseKind::Castle:
                map.castleEntered = 1;
                break;
            case HouseKind::Palace:
                map.palaceEntered = 1;
                break;
            case HouseKind::Temple:
                map.templeEntered = 1;
                break;
            case HouseKind::Tower:
                map.towerEntered = 1;
                break;
        }
        Frames(2);
    }

    // The screen of the visit running, whatever its kind; null when none runs.
    HouseScreen* House() const {
        for (HouseScreen* screen : {static_cast<HouseScreen*>(app.villageScreen.get()),
                                    static_cast<HouseScreen*>(app.townScreen.get()),
                                    static_cast<HouseScreen*>(app.castleScreen.get()),
                                    static_cast<HouseScreen*>(app.palaceScreen.get()),
                                    static_cast<HouseScreen*>(app.templeScreen.get()),
                                    static_cast<HouseScreen*>(app.towerScreen.get())}) {
            if (screen != nullptr) {
                return screen;
            }
        }
        return nullptr;
    }

    void ClickHouseButton(uint8_t id) { Click(kHouseButtons, id); }

    // The visitor's army in slot 0..5, as the house lays them out.
    void ClickHouseArmy(int slot) {
        ClickAt(kHouseArmyCellX + kHouseArmyCellW * (slot % 2) + kHouseArmyCellW / 2,
                kHouseArmyCellY + kHouseArmyCellH * (slot / 2) + kHouseArmyCellH / 2);
    }

    // A click on a spot of the house picture clear of every button and box, which closes the
    // note the talk box shows.
    void CloseHouseNote() { ClickAt(600, 580); }

    // Talk, and Yes to the quest it offers.
    void TalkAndAccept() {
        ClickHouseButton(kTalkButton);
        ClickHouseButton(kAcceptYesButton);
        CloseHouseNote();
    }

    // Recruit offer 1..5 from the open recruit panel, then Yes.
    void Recruit(int offer) {
        ClickHouseButton(kRecruitButton);
        ClickAt(kHouseOfferCellX + kHouseOfferCellSize * (offer - 1) + kHouseOfferCellSize / 2,
                kHouseOfferCellY + kHouseOfferCellSize / 2);
        ClickHouseButton(kRecruitYesButton);
    }
};

}  // namespace varn
