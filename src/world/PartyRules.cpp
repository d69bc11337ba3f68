#include "world/PartyRules.h"

#include <array>
#include <span>

#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

namespace {

// Where the rules found their faults: lines for the checks, only a count for the load, so a
// sound world costs no text.
class Faults {
  public:
    explicit Faults(std::vector<std::string>* lines) : lines_(lines) {}

    template <typename Describe>
    void Add(Describe describe) {
        found_ = true;
        if (lines_ != nullptr) {
            lines_->push_back(describe());
        }
    }
    bool Found() const { return found_; }

  private:
    std::vector<std::string>* lines_;
    bool found_ = false;
};

// A character's cell or a house store's slot.
struct Holder {
    const char* store = nullptr;
    int owner = 0;
    int place = -1;

    bool Empty() const { return place < 0; }
    std::string Text() const {
        return store != nullptr
                   ? std::string(store) + " store slot " + std::to_string(place)
                   : "character " + std::to_string(owner) + " cell " + std::to_string(place);
    }
};

// Who holds each item, by ItemId - 1.
using Holders = std::array<Holder, kItemTableSize>;

void Hold(ItemId item, const Holder& holder, Holders& holders, Faults& faults) {
    Holder& first = holders[item - 1];
    if (!first.Empty()) {
        faults.Add([&] {
            return "item " + std::to_string(item) + " held by " + first.Text() + " and by " +
                   holder.Text();
        });
        return;
    }
    first = holder;
}

void CheckItems(const CharacterItemRecord& record, CharacterId id, Holders& holders,
                Faults& faults) {
    const auto who = [id] { return "character " + std::to_string(id); };
    std::array<uint8_t, kItemTableSize> held{};
    for (int cell = 0; cell < kItemCellCount; ++cell) {
        const ItemId item = record.items[static_cast<size_t>(cell)];
        if (item == kNoItem) {
            continue;
        }
        const Holder where{nullptr, id, cell};
        if (held[item - 1] != 0) {
            faults.Add(
                [&] { return "item " + std::to_string(item) + " in two cells of " + who(); });
        } else {
            Hold(item, where, holders, faults);
        }
        held[item - 1] = 1;
        if (record.itemCell[item - 1] != cell) {
            faults.Add([&] {
                return "item " + std::to_string(item) + " in " + where.Text() + " has item cell " +
                       std::to_string(record.itemCell[item - 1]);
            });
        }
    }
    for (size_t entry = 0; entry < kItemTableSize; ++entry) {
        if ((record.owned[entry] != 0) != (held[entry] != 0)) {
            faults.Add([&] {
                return who() + " item " + std::to_string(entry + 1) + " owned flag " +
                       std::to_string(record.owned[entry]) +
                       (held[entry] != 0 ? " though held" : " though not held");
            });
        }
    }
}

void CheckArmies(const ArmyRecord& armies, CharacterId id, Faults& faults) {
    std::array<int, 256> slotAt{};
    slotAt.fill(-1);
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        if (armies.present[slot] == 0) {
            continue;
        }
        const auto army = [id, slot] {
            return "character " + std::to_string(id) + " army " + std::to_string(slot);
        };
        const uint8_t place = armies.position[slot];
        if (slotAt[place] >= 0) {
            faults.Add([&] {
                return army() + " shares place " + std::to_string(place) + " with army " +
                       std::to_string(slotAt[place]);
            });
        }
        slotAt[place] = slot;
        // The men down stand up again at a house or over the days.
        if (armies.alive[slot] + armies.down[slot] > UINT8_MAX) {
            faults.Add([&] {
                return army() + " has " + std::to_string(armies.alive[slot]) +
                       " men standing and " + std::to_string(armies.down[slot]) +
                       " down, more than it can raise";
            });
        }
    }
}

// A house store's slots: a used flag and ItemId - 1.
void CheckStore(std::span<const uint8_t> flags, std::span<const uint8_t> items, const char* store,
                Holders& holders, Faults& faults) {
    for (size_t slot = 0; slot < flags.size(); ++slot) {
        const int item = items[slot] + 1;
        if (flags[slot] != 0 && item <= kLastItemId) {
            Hold(static_cast<ItemId>(item), Holder{store, 0, static_cast<int>(slot)}, holders,
                 faults);
        }
    }
}

void CheckParty(const GameStateData& world, Faults& faults) {
    Holders holders;
    for (CharacterId id = kPlayerCharacter; id <= 1 + kHeroCount; ++id) {
        CheckItems(*ItemsOf(world, id), id, holders, faults);
        CheckArmies(*ArmyOf(world, id), id, faults);
    }
    CheckStore(world.heldFlagPalace, world.heldItemPalace, "the palace", holders, faults);
    CheckStore(world.heldFlagTemple, world.heldItemTemple, "the temple", holders, faults);
    CheckStore(world.heldFlagCastle, world.heldItemCastle, "the castle", holders, faults);
    CheckStore(world.heldFlagTower, world.heldItemTower, "the tower", holders, faults);
    CheckStore(world.heldFlagVillage, world.heldItemVillage, "the villages'", holders, faults);
    CheckStore(world.heldFlagTown, world.heldItemTown, "the towns'", holders, faults);
}

}  // namespace

bool PartyKeepsTheRules(const GameStateData& world) {
    Faults faults(nullptr);
    CheckParty(world, faults);
    return !faults.Found();
}

void AddPartyViolations(const GameStateData& world, std::vector<std::string>& violations) {
    Faults faults(&violations);
    CheckParty(world, faults);
}

}  // namespace varn
