#include "houses/HouseCopies.h"

#include <algorithm>

#include "world/GameState.h"

namespace varn {

namespace {

// The bag holds only the record's first twelve cells; the equipment cells stay in the world.
void CopyItemsIn(const CharacterItemRecord& record, HouseScreen& screen) {
    std::copy_n(record.items.begin(), kBagCellCount, screen.bag.begin());
    screen.owned = record.owned;
    // The screen counts a held item's cell from 1, the record from 0.
    for (size_t item = 0; item < kItemTableSize; ++item) {
        const uint8_t cell = record.itemCell[item];
        screen.itemCell[item] = static_cast<uint8_t>(record.owned[item] != 0 ? cell + 1 : cell);
    }
}

void WriteItemsBack(const HouseScreen& screen, CharacterItemRecord& record) {
    std::copy(screen.bag.begin(), screen.bag.end(), record.items.begin());
    record.owned = screen.owned;
    for (size_t item = 0; item < kItemTableSize; ++item) {
        const uint8_t cell = screen.itemCell[item];
        record.itemCell[item] =
            static_cast<uint8_t>(screen.owned[item] != 0 && cell > 0 ? cell - 1 : cell);
    }
}

// Both directions copy the same fields; the two spare rows of the record stay where they are.
template <typename From, typename To>
void CopyArmies(const From& from, To& to) {
    to.present = from.present;
    to.unitId = from.unitId;
    to.position = from.position;
    to.unitType = from.unitType;
    to.alive = from.alive;
    to.light = from.light;
    to.serious = from.serious;
    to.critical = from.critical;
    to.down = from.down;
    to.attack = from.attack;
    to.defence = from.defence;
    to.training = from.training;
    to.equipment = from.equipment;
    to.name = from.name;
}

uint8_t NumberOf(const GameState& world, HouseKind kind) {
    return kind == HouseKind::Village ? world.villageNumber
           : kind == HouseKind::Town  ? world.townNumber
                                      : 0;
}

}  // namespace

HeldStore StoreOf(GameState& world, HouseKind kind, uint8_t houseNumber) {
    auto numbered = [houseNumber](auto& flags, auto& items, int houses) -> HeldStore {
        if (houseNumber < 1 || houseNumber > houses) {
            return {};
        }
        const size_t first = kHeldSlotsPerHouse * (houseNumber - 1U);
        return {std::span(flags).subspan(first, kHeldSlotsPerHouse),
                std::span(items).subspan(first, kHeldSlotsPerHouse)};
    };
    switch (kind) {
        case HouseKind::Village:
            return numbered(world.heldFlagVillage, world.heldItemVillage, kVillageCount);
        case HouseKind::Town:
            return numbered(world.heldFlagTown, world.heldItemTown, kTownCount);
        case HouseKind::Castle:
            return {world.heldFlagCastle, world.heldItemCastle};
        case HouseKind::Palace:
            return {world.heldFlagPalace, world.heldItemPalace};
        case HouseKind::Temple:
            return {world.heldFlagTemple, world.heldItemTemple};
        case HouseKind::Tower:
            return {world.heldFlagTower, world.heldItemTower};
    }
    return {};
}

bool IsVisitValid(const GameState& world, HouseKind kind) {
    const bool visitorKnown =
        world.houseVisitor == kPlayerCharacter || IsHeroCharacter(world.houseVisitor);
    const uint8_t number = NumberOf(world, kind);
    const bool numberKnown = kind == HouseKind::Village ? number >= 1 && number <= kVillageCount
                             : kind == HouseKind::Town  ? number >= 1 && number <= kTownCount
                                                        : true;
    return visitorKnown && numberKnown;
}

void CopyVisitorIdentityIn(const GameState& world, HouseScreen& screen) {
    screen.houseNumber = NumberOf(world, screen.Kind());
    screen.portrait = world.playerPortrait;
    screen.visitor = world.houseVisitor;
}

void CopyVisitorIn(const GameState& world, HouseScreen& screen) {
    if (screen.visitor == kPlayerCharacter) {
        screen.health = world.playerStats.health;
        screen.maxHealth = world.playerStats.maxHealth;
        CopyItemsIn(world.playerItems, screen);
        CopyArmies(world.playerArmy, screen.army);
    } else if (IsHeroCharacter(screen.visitor)) {
        const HeroIndex hero = HeroIndexOfCharacter(screen.visitor);
        screen.heroIndex = hero;
        screen.health = world.heroStats[hero].health;
        screen.maxHealth = world.heroStats[hero].maxHealth;
        CopyItemsIn(world.heroItems[hero], screen);
        CopyArmies(world.heroArmies[hero], screen.army);
    }
}

void CopyStoreIn(GameState& world, HouseScreen& screen) {
    const HeldStore store = StoreOf(world, screen.Kind(), screen.houseNumber);
    std::copy(store.flags.begin(), store.flags.end(), screen.heldFlag.begin());
    std::copy(store.items.begin(), store.items.end(), screen.heldItem.begin());
}

void WriteVisitBack(const HouseScreen& screen, GameState& world) {
    const HeldStore store = StoreOf(world, screen.Kind(), screen.houseNumber);
    std::copy_n(screen.heldFlag.begin(), store.flags.size(), store.flags.begin());
    std::copy_n(screen.heldItem.begin(), store.items.size(), store.items.begin());
    world.questState = screen.questState;
    // A hero's health goes back as the player's does, or a hero raised from 0 would stand up
    // again, at a price, on every visit.
    if (screen.visitor == kPlayerCharacter) {
        world.playerStats.health = screen.health;
        world.playerStats.maxHealth = screen.maxHealth;
        WriteItemsBack(screen, world.playerItems);
        CopyArmies(screen.army, world.playerArmy);
    } else if (IsHeroCharacter(screen.visitor)) {
        const HeroIndex hero = HeroIndexOfCharacter(screen.visitor);
        world.heroStats[hero].health = screen.health;
        world.heroStats[hero].maxHealth = screen.maxHealth;
        WriteItemsBack(screen, world.heroItems[hero]);
        CopyArmies(screen.army, world.heroArmies[hero]);
    }
}

}  // namespace varn
