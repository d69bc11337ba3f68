#pragma once

#include <memory>
#include <string>
#include <vector>

#include "houses/HouseScreen.h"
#include "houses/QuestEngine.h"

namespace varn {

// One house with a quest chain, as the tests walk them all.
struct QuestHouse {
    HouseKind kind;
    int number;
};

inline std::vector<QuestHouse> AllQuestHouses() {
    std::vector<QuestHouse> houses;
    for (int n = 1; n <= kVillageCount; ++n) {
        houses.push_back({HouseKind::Village, n});
    }
    for (int n = 1; n <= kTownCount; ++n) {
        houses.push_back({HouseKind::Town, n});
    }
    for (HouseKind kind :
         {HouseKind::Castle, HouseKind::Palace, HouseKind::Temple, HouseKind::Tower}) {
        houses.push_back({kind, 0});
    }
    return houses;
}

inline std::string Describe(const QuestHouse& house) {
    static const char* const kNames[] = {"village", "town", "castle", "palace", "temple", "tower"};
    return std::string(kNames[static_cast<int>(house.kind)]) + " " + std::to_string(house.number);
}

// A screen of the house's own class, showing that house on day 1.
inline std::unique_ptr<HouseScreen> MakeHouseScreen(const QuestHouse& house) {
    std::unique_ptr<HouseScreen> screen;
    switch (house.kind) {
        case HouseKind::Village:
            screen = std::make_unique<VillageScreen>();
            break;
        case HouseKind::Town:
            screen = std::make_unique<TownScreen>();
            break;
        case HouseKind::Castle:
            screen = std::make_unique<CastleScreen>();
            break;
        case HouseKind::Palace:
            screen = std::make_unique<PalaceScreen>();
            break;
        case HouseKind::Temple:
            screen = std::make_unique<TempleScreen>();
            break;
        case HouseKind::Tower:
            screen = std::make_unique<TowerScreen>();
            break;
    }
    screen->houseNumber = static_cast<uint8_t>(house.number);
    screen->day = 1;
    return screen;
}

// What the world does so that every quest of a house's chain can open in turn: town 2's and
// the palace's first quests offered from the new game on, the goal of town 2's first quest met
// (village 1's quest 5 waits for it).
inline void PrepareWorldFor(const QuestHouse& house, HouseScreen& screen) {
    if (house.kind == HouseKind::Town && house.number == 2) {
        screen.Quest(3) = static_cast<uint8_t>(QuestState::Offered);
    }
    if (house.kind == HouseKind::Village && house.number == 1) {
        screen.Quest(3) = static_cast<uint8_t>(QuestState::GoalMet);
    }
    if (house.kind == HouseKind::Palace) {
        screen.Quest(4) = static_cast<uint8_t>(QuestState::Offered);
    }
}

}  // namespace varn
