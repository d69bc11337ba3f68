#include "characters/CharacterSteps.h"

#include "app/GameApp.h"
#include "characters/CharacterScreen.h"
#include "characters/PaperDollArt.h"
#include "engine/Owned.h"
#include "items/ItemArt.h"
#include "items/ItemBonuses.h"
#include "items/ItemLayout.h"
#include "items/ItemTexts.h"
#include "map/ControlPanel.h"
#include "world/GameState.h"

namespace varn {

void CreateCharacterArt(GameApp& app) {
    if (CreateScreen(app.controlPanel, app.device)) {
        app.controlPanel->portrait = app.world->playerPortrait;
    }
    CreateScreen(app.paperDollArt, app.device);
}

void CopyCharacterIn(CharacterScreen& screen, const CharacterItemRecord& items,
                     const ArmyRecord& army, CharacterStats& stats) {
    screen.Reset();
    screen.items = items.items;
    screen.owned = items.owned;
    screen.itemCell = items.itemCell;
    screen.army = army;
    ItemCatalogue::LayoutBagItems(screen.items, screen.iconX, screen.iconY, screen.itemCell);
    ItemCatalogue::RecomputeEquipmentStats(EquipmentOf(screen.items), stats, screen.slotBonus);
    screen.dollReload.RequestAll();
    ItemCatalogue::LoadEquipmentArt(screen.dollLayers, EquipmentOf(screen.items),
                                    screen.dollReload);
    ItemCatalogue::BuildKindTable(screen.itemKinds, screen.itemIconSlots, *screen.itemIcons,
                                  screen.owned);
    screen.stats = stats;
}

void WriteCharacterBack(const CharacterScreen& screen, CharacterItemRecord& items,
                        ArmyRecord& army) {
    items.items = screen.items;
    items.owned = screen.owned;
    items.itemCell = screen.itemCell;
    army = screen.army;
}

uint8_t PollCharacterScreen(GameApp& app, CharacterScreen& screen) {
    ControlPanel& panel = *app.controlPanel;
    InputDevice& mouse = app.mouseCursor.mouse;
    const int32_t x = app.mouseCursor.x;
    const int32_t y = app.mouseCursor.y;
    panel.HoverShowHide(x, y);
    panel.ClickShowHide(x, y, mouse);
    if (panel.TakeShowHideAction(mouse) == kScreenHideShowButton) {
        screen.descriptionHidden = !screen.descriptionHidden;
        panel.shown = screen.descriptionHidden ? 0 : 1;
    }
    const bool back = app.BackKeyOnce();
    if (screen.question != CharacterQuestion::None) {
        const uint8_t answer = app.PollButtons(screen.questionButtons);
        if (answer == kQuestionYes || answer == kQuestionNo || back) {
            screen.Answer(answer == kQuestionYes);
        }
        return 0;
    }
    if (back) {
        return kCharacterExit;
    }
    const uint8_t action = app.PollButtons(screen.buttons);
    screen.HandleMouse(mouse, x, y);
    return action;
}

void UpdateCharacterItems(CharacterScreen& screen, CharacterStats& stats) {
    if (screen.layoutDirty != 0) {
        screen.layoutDirty = 0;
        ItemCatalogue::LayoutBagItems(screen.items, screen.iconX, screen.iconY, screen.itemCell);
        screen.sumsDirty = 1;
    }
    if (screen.sumsDirty != 0) {
        screen.sumsDirty = 0;
        ItemCatalogue::RecomputeEquipmentStats(EquipmentOf(screen.items), stats, screen.slotBonus);
    }
    ItemCatalogue::LoadEquipmentArt(screen.dollLayers, EquipmentOf(screen.items),
                                    screen.dollReload);
    ItemCatalogue::RefreshDescription(screen.description, screen.shownItem);
    screen.stats = stats;
}

void DrawCharacterScreen(GameApp& app, CharacterScreen& screen) {
    ControlPanel& panel = *app.controlPanel;
    screen.Draw(*app.paperDollArt, *panel.sprites);
    panel.DrawShowHide();
    screen.buttons.ResetHover();
    screen.questionButtons.ResetHover();
    panel.showHideButton.ResetHover();
}

void RenameArmy(GameApp& app, const CharacterScreen& screen, uint8_t owner, uint8_t returnCode,
                uint8_t phase) {
    if (screen.selectedArmy < 0 || screen.selectedArmy >= kArmySlotCount) {
        return;
    }
    app.world->armyNameHandOver = screen.army.name[static_cast<size_t>(screen.selectedArmy)];
    app.renameArmy = 1;
    app.renameHero = 0;
    app.renameArmySlot = static_cast<uint8_t>(screen.selectedArmy + 1);
    app.renameOwner = owner;
    app.renameReturn = returnCode;
    app.SwitchState(RenameStateThunk, phase);
}

}  // namespace varn
