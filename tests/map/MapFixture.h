#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "engine/Owned.h"
#include "map/ControlPanel.h"
#include "map/MapView.h"
#include "support/HeadlessGame.h"
#include "world/GameState.h"

namespace varn {

// A game on the headless backend with a map view and a control panel over the placeholder data,
// the view's place flags copied from the new game as the map copies them on entry.
class MapFixture : public testing::Test {
  protected:
    MapFixture() {
        CreateScreen(view, game.app.device);
        CreateScreen(panel, game.app.device);
        view->battleTrigger = game.app.world->battleTrigger;
        view->villageJoined = game.app.world->villageJoined;
        view->townOwned = game.app.world->townOwned;
    }
    ~MapFixture() override {
        FreeOwned(view);
        FreeOwned(panel);
    }

    static platform::HeadlessBackend& backend() { return HeadlessGame::backend(); }

    void DrawBands() {
        view->DrawBand1();
        view->DrawBand2();
        view->DrawBand3();
        view->DrawBand4();
        view->DrawBand5();
        view->DrawBand6();
        view->DrawBand7();
        view->DrawBand8();
        view->DrawBand9();
    }

    // The terrain, the quest signs and the panel, in the map's order, presented.
    void DrawMapFrame() {
        GraphicsDevice& device = game.app.device;
        device.BeginScene();
        device.Clear(0);
        DrawBands();
        view->DrawQuestMarkers(game.app.world->questState);
        panel->Draw();
        device.EndScene();
        device.Present();
    }

    HeadlessGame game;
    std::unique_ptr<MapView> view;
    std::unique_ptr<ControlPanel> panel;
};

}  // namespace varn
