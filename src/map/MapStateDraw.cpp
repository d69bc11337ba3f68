#include <algorithm>

#include "app/GameApp.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr uint32_t kNoticeColour = 0xFFFFFF64;
constexpr int32_t kNoticeX = 150;
constexpr int32_t kNoticeY = 500;

}  // namespace

// The terrain, then the map's objects over it, the panel, the message boxes and the bottom bar.
void DrawMap(GameApp& app) {
    MapView& view = *app.mapView;
    MapScreen& screen = *app.mapScreen;
    ControlPanel& panel = *app.controlPanel;
    view.DrawBand1();
    view.DrawBand2();
    view.DrawBand3();
    view.DrawBand4();
    view.DrawBand5();
    view.DrawBand6();
    view.DrawBand7();
    view.DrawBand8();
    view.DrawBand9();
    view.DrawQuestMarkers(app.world->questState);
    screen.DrawGoldPiles(view.scrollX, view.scrollY);
    screen.DrawObjects(view.scrollX, view.scrollY);
    screen.DrawSelection(view.scrollX, view.scrollY);
    panel.Draw();
    screen.DrawFameReward(app.mapDrawFlag);
    screen.DrawEventMessage(295, 280, app.mapDrawFlag,
                            static_cast<uint32_t>(std::max(app.world->gold, 0)),
                            panel.sprites.get(), panel.shown);
    screen.DrawHeroPanel();
    screen.DrawObjectCaption();
    // A plain save that failed says so until the map is left.
    if (!app.notice.empty()) {
        app.font.DrawText(app.notice.c_str(), kNoticeX, kNoticeY, 500, 30, kNoticeColour, 0);
    }
}

// The trade and look modes show their own pointers, both at once when both are on.
void DrawMapPointer(GameApp& app) {
    const MapScreen& screen = *app.mapScreen;
    const bool plainTrade = screen.tradeMode == kTradeOff || screen.tradeMode == kTradeLongPath;
    if (plainTrade && screen.lookMode == kLookOff) {
        app.mouseCursor.Draw();
    }
    if (screen.tradeMode == kTradeArmed) {
        app.mouseCursor.DrawFrame(0);
    }
    if (screen.lookMode != kLookOff) {
        app.mouseCursor.DrawFrame(1);
    }
}

}  // namespace varn
