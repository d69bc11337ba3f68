#include "world/GameState.h"

namespace varn {

GameState::GameState() : GameStateData() {
    day = 1;
    for (int battle = 1; battle <= 65; ++battle) {
        BattleSite(battle) = 1;
    }
    pileActive.fill(1);
    for (int bag = 0; bag < 16; ++bag) {
        bagActive[bag] = 1;
    }
    for (int chest = 0; chest < 25; ++chest) {
        roamerFlag[chest] = 1;
    }
    townNumber = 1;
    houseVisitor = kPlayerCharacter;
    villageNumber = 1;
    musicOn = 1;
    soundsOn = 1;
    mapSpeed = kSpeedAverage;
    battleMoveSpeed = kSpeedAverage;
    battleSwingSpeed = kSpeedAverage;
}

GameState::~GameState() = default;

}  // namespace varn
