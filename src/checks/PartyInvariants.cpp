#include <array>
#include <span>

#include "checks/WorldInvariants.h"
#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

namespace {

// Who holds each item: a character or a house store, for the message of an item held twice.
using Holders = std::array<std::string, kItemTableSize>;

void Hold(ItemId item, const std::string& holder, Holders& holders,
          std::vector<std::string>& violations) {
    std::string& first = holders[item - 1];
    if (!first.empty()) {
        violations.push_back("item " + std::to_string(item) + " held by " + first + " and by " +
                             holder);
        return;
    }
    first = holder;
}

void CheckItems(const CharacterItemRecord& record, const std::string& who, Holders& holders,
                std::vector<std::string>& violations) {
    std::array<uint8_t, kItemTableSize> held{};
    for (int cell = 0; cell < kItemCellCount; ++cell) {
        const ItemId item = record.items[static_cast<size_t>(cell)];
        if (item == kNoItem) {
            continue;
        }
        const std::string where = who + " cell " + std::to_string(cell);
        if (held[item - 1] != 0) {
            violations.push_back("item " + std::to_string(item) + " in two cells of " + who);
        } else {
            Hold(item, where, holders, violations);
        }
        held[item - 1] = 1;
        if (record.itemCell[item - 1] != cell) {
            violations.push_back("item " + std::to_string(item) + " in " + where +
                                 " has item cell " + std::to_string(record.itemCell[item - 1]));
        }
    }
    for (int entry = 0; entry < kItemTableSize; ++entry) {
        if ((record.owned[static_cast<size_t>(entry)] != 0) != (held[entry] != 0)) {
            violations.push_back(who + " item " + std::to_string(entry + 1) + " owned flag " +
                                 std::to_string(record.owned[static_cast<size_t>(entry)]) +
                                 (held[entry] != 0 ? " though held" : " though not held"));
        }
    }
}

void CheckArmies(const ArmyRecord& armies, const std::string& who,
                 std::vector<std::string>& violations) {
    std::array<int, 256> slotAt{};
    slotAt.fill(-1);
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        if (armies.present[slot] == 0) {
            continue;
        }
        const std::string army = who + " army " + std::to_string(slot);
        const uint8_t place = armies.position[slot];
        if (slotAt[place] >= 0) {
            violations.push_back(army + " shares place " + std::to_string(place) + " with army " +
                                 std::to_string(slotAt[place]));
        }
        slotAt[place] = slot;
        // The men down stand up again at a house or over the days.
        if (armies.alive[slot] + armies.down[slot] > UINT8_MAX) {
            violations.push_back(army + " has " + std::to_string(armies.alive[slot]) +
                                 " men standing and " + std::to_string(armies.down[slot]) +
                                 " down, more than it can raise");
        }
    }
}

// A house store's slots: a used flag and ItemId - 1.
void CheckStore(std::span<const uint8_t> flags, std::span<const uint8_t> items,
                const std::string& house, Holders& holders, std::vector<std::string>& violations) {
    for (size_t slot = 0; slot < flags.size(); ++slot) {
        const int item = items[slot] + 1;
        if (flags[slot] != 0 && item <= kLastItemId) {
            Hold(static_cast<ItemId>(item), house + " store slot " + std::to_string(slot), holders,
                 violations);
        }
    }
}

}  // namespace

void AddPartyViolations(const GameState& world, std::vector<std::string>& violations) {
    Holders holders;
    for (CharacterId id = kPlayerCharacter; id <= 1 + kHeroCount; ++id) {
        const std::string who = "character " + std::to_string(id);
        CheckItems(*ItemsOf(world, id), who, holders, violations);
        CheckArmies(*ArmyOf(world, id), who, violations);
    }
    CheckStore(world.heldFlagPalace, world.heldItemPalace, "the palace", holders, violations);
    CheckStore(world.heldFlagTemple, world.heldItemTemple, "the temple", holders, violations);
    CheckStore(world.heldFlagCastle, world.heldItemCastle, "the castle", holders, violations);
    CheckStore(world.heldFlagTower, world.heldItemTower, "the tower", holders, violations);
    CheckStore(world.heldFlagVillage, world.heldItemVillage, "the villages'", holders, violations);
    CheckStore(world.heldFlagTown, world.heldItemTown, "the towns'", holders, violations);
}

}  // namespace varn
