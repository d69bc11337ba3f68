#include <benchmark/benchmark.h>

#include <memory>

#include "PlaceholderData.h"
#include "app/GameApp.h"
#include "engine/Owned.h"
#include "map/ControlPanel.h"
#include "map/MapView.h"
#include "world/GameState.h"

namespace varn {

// One kingdom-map frame of the terrain layer, headless over the placeholder data: the clear, the
// nine bands, the quest signs, the panel and the present, as the map state draws them. No scroll
// position shows all nine regions (the view is narrower than the centre); the arguments pick the
// start position, the four-region meeting point in the west and the far corner, where the
// six-piece border band and the bottom band are on screen with the decorated grey.

namespace {

void BM_MapViewFrame(benchmark::State& state) {
    EnterPlaceholderData();
    GameApp app;
    BringUp(app);
    std::unique_ptr<MapView> view;
    std::unique_ptr<ControlPanel> panel;
    CreateScreen(view, app.device);
    CreateScreen(panel, app.device);
    view->battleTrigger = app.world->battleTrigger;
    view->villageJoined = app.world->villageJoined;
    view->townOwned = app.world->townOwned;
    view->scrollX = static_cast<int32_t>(state.range(0));
    view->scrollY = static_cast<int32_t>(state.range(1));
    for (auto _ : state) {
        app.device.BeginScene();
        app.device.Clear(0);
        view->Animate();
        panel->Animate();
        view->DrawBand1();
        view->DrawBand2();
        view->DrawBand3();
        view->DrawBand4();
        view->DrawBand5();
        view->DrawBand6();
        view->DrawBand7();
        view->DrawBand8();
        view->DrawBand9();
        view->DrawQuestMarkers(app.world->questState);
        panel->Draw();
        panel->ResetHover();
        app.device.EndScene();
        app.device.Present();
    }
    FreeOwned(view);
    FreeOwned(panel);
    app.Cleanup();
}
BENCHMARK(BM_MapViewFrame)
    ->Args({MapView::kStartScrollX, MapView::kStartScrollY})
    ->Args({-1200, 1000})
    ->Args({2958, 1480})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace varn
