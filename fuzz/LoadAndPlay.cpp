#include <cstdint>

#include "FuzzGame.h"
#include "app/GameApp.h"
#include "battle/BattleSideButtons.h"
#include "engine/KeyCodes.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapView.h"
#include "platform/HeadlessBackend.h"

using namespace varn;

// Takes the input as a save file, loads it through the game's own load step and, when the load
// takes it, plays a few hundred frames of the map or the battle it leads to: boxes put away, the
// day ended, a walk drawn and confirmed, a battle turn ended, and at last the game saved. No data
// set is needed: missing pictures draw nothing.

namespace {

constexpr int kFrames = 300;

// What the script does: a key, a click at a screen position, or a click on the map cell at an
// offset in cells from the player's party (the screen's centre off the map).
enum class Act : uint8_t { Key, Click, ClickNearParty };

struct ScriptStep {
    int frame;
    Act act;
    uint8_t key;
    int32_t x;
    int32_t y;
};

constexpr ButtonRect kEndDay = kPanelButtons[0];
constexpr ButtonRect kEndTurn = kSideButtons[0];
constexpr int32_t kEndDayX = kEndDay.x + kEndDay.w / 2;
constexpr int32_t kEndDayY = kEndDay.y + kEndDay.h / 2;
constexpr int32_t kEndTurnX = kEndTurn.x + kEndTurn.w / 2;
constexpr int32_t kEndTurnY = kEndTurn.y + kEndTurn.h / 2;

// Boxes put away, the day or the turn ended, a walk of two cells, the day or the turn ended
// again, and the game saved from the question.
constexpr ScriptStep kScript[] = {
    {2, Act::Key, kKeyReturn, 0, 0},          {6, Act::Click, 0, 300, 150},
    {10, Act::Click, 0, kEndDayX, kEndDayY},  {14, Act::Click, 0, kEndTurnX, kEndTurnY},
    {110, Act::Key, kKeyReturn, 0, 0},        {114, Act::Click, 0, 300, 150},
    {120, Act::ClickNearParty, 0, 0, 0},      {124, Act::ClickNearParty, 0, 2, 0},
    {128, Act::Key, kKeyReturn, 0, 0},        {180, Act::Click, 0, kEndTurnX, kEndTurnY},
    {186, Act::Click, 0, kEndDayX, kEndDayY}, {260, Act::Key, kKeyReturn, 0, 0},
    {270, Act::Key, kKeyEscape, 0, 0},        {276, Act::Key, kKeyReturn, 0, 0},
};

// Where a step points on the screen.
void Target(const GameApp& app, const ScriptStep& step, int32_t& x, int32_t& y) {
    x = step.x;
    y = step.y;
    if (step.act != Act::ClickNearParty) {
        return;
    }
    x = 400;
    y = 300;
    if (app.mapScreen && app.mapView) {
        constexpr int32_t kCell = 40;
        x = app.mapScreen->walkX - app.mapView->scrollX + kCell / 2 + step.x * kCell;
        y = app.mapScreen->walkY - app.mapView->scrollY + kCell / 2 + step.y * kCell;
    }
}

}  // namespace

// The system font library keeps a cache for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzWorkingFolder folder;
    if (!WriteFirstSlot({data, size})) {
        return 0;
    }
    // A fast clock: walks and swings take few frames.
    GameApp app;
    platform::HeadlessBackend& backend = StartHeadlessGame(app, 100);
    if (!LoadFirstSlot(app)) {
        app.Cleanup();
        return 0;
    }
    for (int frame = 0; frame < kFrames; ++frame) {
        for (const ScriptStep& step : kScript) {
            if (step.act == Act::Key && (step.frame == frame || step.frame + 1 == frame)) {
                backend.SetKey(step.key, step.frame == frame);
            }
            const bool click = step.act != Act::Key;
            if (click && step.frame == frame) {
                int32_t x = 0;
                int32_t y = 0;
                Target(app, step, x, y);
                backend.MoveMouse(x - app.mouseCursor.x, y - app.mouseCursor.y);
            }
            if (click && (step.frame + 1 == frame || step.frame + 2 == frame)) {
                backend.SetButton(0, step.frame + 1 == frame);
            }
        }
        app.Frame();
    }
    app.Cleanup();
    return 0;
}
