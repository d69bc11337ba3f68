#include "battle/scenarios/ScenarioTables.h"

namespace varn {

namespace {

// Battle numbers are bytes; every row is found by its number in one step.
constexpr int kBattleNumberCount = 256;

template <typename Row>
std::array<const Row*, kBattleNumberCount> IndexByBattle(std::span<const Row> rows) {
    std::array<const Row*, kBattleNumberCount> index{};
    for (const Row& row : rows) {
        index[row.battle] = &row;
    }
    return index;
}

template <typename Row>
const Row* Lookup(const std::array<const Row*, kBattleNumberCount>& index, int battle) {
    if (battle < 0 || battle >= kBattleNumberCount) {
        return nullptr;
    }
    return index[battle];
}

}  // namespace

const PlayerSideRow* FindPlayerSideRow(int battle) {
    static const auto index = IndexByBattle(PlayerSideRows());
    return Lookup(index, battle);
}

const EnemySideRow* FindEnemySideRow(int battle) {
    static const auto index = IndexByBattle(EnemySideRows());
    return Lookup(index, battle);
}

}  // namespace varn
