#include "app/GameApp.h"
#include "houses/HouseCopies.h"
#include "houses/HouseScreen.h"
#include "houses/HouseVisit.h"
#include "world/GameState.h"

namespace varn {

namespace {

// One frame of a visit to a house of any kind; the owner holds the screen for the visit's
// length.
template <typename Screen>
void RunVisit(GameApp& app, std::unique_ptr<Screen>& owner) {
    app.OpenFrame();
    if (!owner) {
        // A house the map cannot have sent anyone to, or a visitor who is nobody: back at once,
        // with nothing copied either way.
        if (!IsVisitValid(*app.world, Screen::kKind)) {
            app.SwitchState(MapStateThunk, kPhaseSwitch);
            app.CloseFrame(FrameRateRow::None);
            return;
        }
        owner = std::make_unique<Screen>();
        VisitFrame(app, *owner).Create();
    }
    VisitFrame frame(app, *owner);
    frame.Keys();
    frame.Pointer();
    frame.Join();
    frame.PayAndLatchFame();
    frame.Draw();
    app.CloseFrame(FrameRateRow::None, [&] {
        if (app.LeavingFrees()) {
            frame.Leave();
            FreeHouseScreen(owner);
        }
    });
}

}  // namespace

void GameApp::RunVillageState() {
    RunVisit(*this, villageScreen);
}

void GameApp::RunTownState() {
    RunVisit(*this, townScreen);
}

void GameApp::RunCastleState() {
    RunVisit(*this, castleScreen);
}

void GameApp::RunPalaceState() {
    RunVisit(*this, palaceScreen);
}

void GameApp::RunTempleState() {
    RunVisit(*this, templeScreen);
}

void GameApp::RunTowerState() {
    RunVisit(*this, towerScreen);
}

}  // namespace varn
