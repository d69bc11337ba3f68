#include "world/GameState.h"

namespace varn {

// Gold paid each day by the player's holdings; any nonzero entry counts as held.

namespace {

constexpr int32_t kGemIncome = 3;
constexpr int32_t kArtifactIncome = 5;
constexpr int32_t kVillageIncome = 10;
constexpr int32_t kTownOrMineIncome = 20;

template <size_t N>
int32_t IncomeOf(const std::array<uint8_t, N>& held, int32_t each) {
    int32_t income = 0;
    for (uint8_t entry : held) {
        income += entry != 0 ? each : 0;
    }
    return income;
}

}  // namespace

int32_t GameState::IncomeOfHoldings() const {
    return IncomeOf(gemOwned, kGemIncome) + IncomeOf(artifactOwned, kArtifactIncome) +
           IncomeOf(villageJoined, kVillageIncome) + IncomeOf(townOwned, kTownOrMineIncome);
}

void GameState::ComputeDailyIncome() {
    dailyIncome = IncomeOfHoldings();
}

}  // namespace varn
