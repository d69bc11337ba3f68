#pragma once

#include "exchange/ArmyExchangeScreen.h"
#include "exchange/ItemExchangeScreen.h"
#include "exchange/MeetingScreen.h"
#include "support/CharacterPlayer.h"

namespace varn {

// The meeting of two of the party's characters and its two exchange screens.
class ExchangePlayer : public CharacterPlayer {
  public:
    using CharacterPlayer::CharacterPlayer;

    // A road test's shortcut, not input: the heroes join and stand east of the player, one cell
    // apart.
    void JoinHeroesBesidePlayer(int heroes) {
        GameState& world = *app.world;
        int32_t x = 0;
        int32_t y = 0;
        MapCellCorner(world.playerMapCell, x, y);
        for (HeroIndex hero = 0; hero < heroes; ++hero) {
            world.heroJoined[hero] = 1;
            world.heroMapCell[hero] = MapCellAt(x + 40 * (hero + 1), y);
        }
    }

    // A road test's shortcut, not input: the meeting of a pair straight from the world, as the
    // map's leave step hands it over.
    void MeetDirectly(CharacterId first, CharacterId second) {
        app.world->meetingFirst = first;
        app.world->meetingSecond = second;
        app.SwitchState(MeetingStateThunk, kPhaseSwitch);
        Frame();
    }

    // A meeting button, and the frame of the state it leads to.
    void ClickMeetingButton(uint8_t id) {
        Click(kMeetingButtons, id);
        Frame();
    }

    // An army from one column's place to another's (side 0 the first character, 1 the second).
    void DragTradedArmy(int fromSide, int fromSlot, int toSide, int toSlot) {
        Drag(ArmyPlaceX(fromSide), ArmyPlaceY(fromSlot), ArmyPlaceX(toSide), ArmyPlaceY(toSlot));
    }

    // The item of one side's cell to a cell of either side.
    void DragTradedItem(int fromSide, int fromCell, int toSide, int toCell) {
        const CellPosition& from = ItemCells(fromSide)[static_cast<size_t>(fromCell)];
        const CellPosition& to = ItemCells(toSide)[static_cast<size_t>(toCell)];
        Drag(from.x + 32, from.y + 32, to.x + 32, to.y + 32);
    }

    static const CellPositionTable& ItemCells(int side) {
        return side == 0 ? kFirstSideCells : kSecondSideCells;
    }

    static int32_t ArmyPlaceX(int side) {
        return kArmyTradeColumns[static_cast<size_t>(side)].x + kArmyCellWidth / 2;
    }
    static int32_t ArmyPlaceY(int slot) {
        return kArmyTradeColumns[0].y + kArmyTradeColumns[0].stepY * slot + kArmyCellHeight / 2;
    }
};

}  // namespace varn
