#pragma once

#include "houses/HouseScreen.h"
#include "scenarios/MapDriver.h"

namespace varn {

// Walks into the houses from the map: the map's arrival flags are raised as a walker's arrival
// raises them, and the map's own hand-off opens the house.
class HouseDriver : public MapDriver {
  public:
    using MapDriver::MapDriver;

    // Enters a house of the kind (number 1..9 or 1..4 for villages and towns) as the visitor
    // (1 the player, 2..11 a hero) and runs the house's first frame.
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

    // A press held for one frame, then released.
    void Click(int32_t x, int32_t y) { ClickAt(x, y); }
};

}  // namespace varn
