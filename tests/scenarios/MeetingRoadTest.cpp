#include <gtest/gtest.h>

#include <set>
#include <string>

#include "characters/ArmyPanel.h"
#include "engine/KeyCodes.h"
#include "exchange/ArmyExchangeScreen.h"
#include "exchange/MeetingScreen.h"
#include "support/ExchangePlayer.h"
#include "support/GoldenImage.h"
#include "support/PartyInvariants.h"

namespace varn {

namespace {

constexpr CharacterId kFirstHero = 2;
constexpr CharacterId kSecondHero = 3;

// A new game with heroes 1 and 2 joined and standing east of the player; every frame the
// party must hold what it held at the start.
class MeetingRoad : public testing::Test {
  protected:
    MeetingRoad() {
        exchange.JoinHeroesBesidePlayer(2);
        // The second hero brings two armies of his own, to have something to swap.
        ArmyRecord& second = World().heroArmies[1];
        for (int slot = 0; slot < 2; ++slot) {
            second.present[slot] = 1;
            second.position[slot] = static_cast<uint8_t>(slot);
            second.unitType[slot] = 2;
            second.unitId[slot] = 3;
            second.alive[slot] = static_cast<uint8_t>(5 + slot);
        }
        totals = CountParty(World());
        game.afterFrame = [this] { ExpectSoundParty(World(), totals, "a frame"); };
    }

    GameState& World() { return *game.app.world; }
    GameApp& App() { return game.app; }

    // The map entered, the player chosen, the bar's trade armed and the first hero clicked.
    MapScreen& TradeWithTheFirstHero() {
        player.EnterMap();
        player.PressKey(kKeyReturn);
        MapScreen& screen = *App().mapScreen;
        player.DrawPlayerPath(screen.walkX, screen.walkY);
        player.ClickAt(kBarButtons[1].x + 20, kBarButtons[1].y + 20);
        EXPECT_EQ(screen.tradeMode, 1);
        player.ClickCell(screen.walkX + 40, screen.walkY);
        return screen;
    }

    void MeetDirectly(CharacterId first, CharacterId second) {
        exchange.MeetDirectly(first, second);
    }
    void ClickMeetingButton(uint8_t id) { exchange.ClickMeetingButton(id); }

    void DragArmy(int fromSide, int fromSlot, int toSide, int toSlot) {
        exchange.DragTradedArmy(fromSide, fromSlot, toSide, toSlot);
    }

    HeadlessGame game;
    ExchangePlayer exchange{game};
    MapPlayer& player = exchange;
    PartyTotals totals;
};

TEST_F(MeetingRoad, TradeModeOnTheMapOpensTheMeetingOfThePlayerAndTheHeroClicked) {
    TradeWithTheFirstHero();
    EXPECT_EQ(App().stateHandler, MeetingStateThunk);
    EXPECT_EQ(World().meetingFirst, kPlayerCharacter);
    EXPECT_EQ(World().meetingSecond, kFirstHero);
    // A meeting costs no moves and the map was written back and left.
    EXPECT_EQ(World().playerMovesLeft, kMovesPerDay);
    EXPECT_EQ(App().mapScreen, nullptr);
    ASSERT_NE(App().meetingScreen, nullptr);
    EXPECT_EQ(App().meetingScreen->cards[0].id, kPlayerCharacter);
    EXPECT_EQ(App().meetingScreen->cards[1].id, kFirstHero);

    ClickMeetingButton(kMeetLeaveButton);
    EXPECT_EQ(App().stateHandler, MapStateThunk);
    player.Frames(2);
    EXPECT_EQ(App().meetingScreen, nullptr);
    ASSERT_NE(App().mapScreen, nullptr);
    EXPECT_EQ(App().mapScreen->tradeMode, 0);
}

TEST_F(MeetingRoad, AHeroWithoutMovesRefusesTheTradeAndTheMapRunsOn) {
    World().heroMovesLeft[0] = 0;
    MapScreen& screen = TradeWithTheFirstHero();
    EXPECT_EQ(App().stateHandler, MapStateThunk);
    EXPECT_EQ(App().mapScreen.get(), &screen);
    EXPECT_EQ(screen.tradeFailed, 1);
    EXPECT_EQ(screen.tradeMode, 0);
    EXPECT_EQ(App().meetingScreen, nullptr);
}

TEST_F(MeetingRoad, APairThatIsNotTwoCharactersOfThePartyGoesStraightBackToTheMap) {
    const CharacterId kAbsentHero = 4;
    const std::pair<CharacterId, CharacterId> pairs[] = {
        {kPlayerCharacter, 100},         {100, kFirstHero},
        {kFirstHero, kFirstHero},        {kPlayerCharacter, 0},
        {kPlayerCharacter, kAbsentHero}, {kPlayerCharacter, 12},
    };
    for (const auto& [first, second] : pairs) {
        SCOPED_TRACE(std::to_string(first) + " and " + std::to_string(second));
        const GameStateData before = World();
        MeetDirectly(first, second);
        EXPECT_EQ(App().stateHandler, MapStateThunk);
        EXPECT_EQ(App().statePhase, kPhaseSwitch);
        EXPECT_EQ(App().meetingScreen, nullptr);
        EXPECT_EQ(World().heroArmies, before.heroArmies);
        EXPECT_EQ(World().playerArmy, before.playerArmy);
    }
}

TEST_F(MeetingRoad, ArmiesMovedAndSwappedInTheExchangeReachTheWorldThroughTheMeeting) {
    const ArmyRecord playerArmies = World().playerArmy;
    const ArmyRecord heroArmies = World().heroArmies[1];
    ASSERT_NE(playerArmies.present[0], 0);
    MeetDirectly(kPlayerCharacter, kSecondHero);
    MeetingScreen* meeting = App().meetingScreen.get();
    ASSERT_NE(meeting, nullptr);

    ClickMeetingButton(kMeetArmiesButton);
    EXPECT_EQ(App().stateHandler, ArmyTradeStateThunk);
    ASSERT_NE(App().armyExchangeScreen, nullptr);
    // The meeting keeps its screen while the exchange runs.
    EXPECT_EQ(App().meetingScreen.get(), meeting);

    // The player's first army into the hero's empty third slot, then the hero's two swapped.
    DragArmy(0, 0, 1, 2);
    DragArmy(1, 0, 1, 1);
    const ArmyRecord& shown = App().armyExchangeScreen->cards[1].armies;
    EXPECT_EQ(shown.alive[2], playerArmies.alive[0]);
    EXPECT_EQ(shown.alive[0], heroArmies.alive[1]);
    EXPECT_EQ(shown.alive[1], heroArmies.alive[0]);
    // Nothing reaches the world before the exchange is left.
    EXPECT_EQ(World().heroArmies[1], heroArmies);

    player.PressKey(kKeyEscape);
    EXPECT_EQ(App().stateHandler, MeetingStateThunk);
    EXPECT_EQ(App().armyExchangeScreen, nullptr);
    const ArmyRecord& hero = World().heroArmies[1];
    EXPECT_EQ(hero.name[2], playerArmies.name[0]);
    EXPECT_EQ(hero.attack[2], playerArmies.attack[0]);
    EXPECT_EQ(hero.position[2], 2);
    EXPECT_EQ(World().playerArmy.present[0], 0);
    EXPECT_EQ(World().playerArmy.name[0], GlyphString{});
    // The meeting shows the world afresh.
    EXPECT_EQ(App().meetingScreen.get(), meeting);
    EXPECT_EQ(meeting->cards[1].armies, hero);

    ClickMeetingButton(kMeetLeaveButton);
    player.Frames(2);
    EXPECT_EQ(App().stateHandler, MapStateThunk);
    EXPECT_EQ(World().heroArmies[1], hero);
}

TEST_F(MeetingRoad, AnArmyLetGoOutsideTheColumnsStaysWhereItWas) {
    MeetDirectly(kPlayerCharacter, kFirstHero);
    ClickMeetingButton(kMeetArmiesButton);
    const ArmyRecord before = App().armyExchangeScreen->cards[0].armies;
    exchange.Drag(ExchangePlayer::ArmyPlaceX(0), ExchangePlayer::ArmyPlaceY(0), 700, 500);
    EXPECT_EQ(App().armyExchangeScreen->cards[0].armies, before);
    // Hero 1's slots hold men but no army: nothing there to pick up.
    DragArmy(1, 0, 0, 5);
    EXPECT_EQ(App().armyExchangeScreen->cards[0].armies, before);
}

// An army's name is drawn inside the bottom row of its own cell, in both columns of the meeting
// and of the army exchange: a rectangle that reaches past the cell lets a long name run over
// the next army.
TEST_F(MeetingRoad, EachArmyNameKeepsToItsCell) {
    const auto expectNamesInCells = [](const std::vector<ArmyPanelLayout>& columns) {
        static const std::set<std::string> kNames = {"Watch Hounds", "Village Farmers",
                                                     "Hunting Dogs", "The Grey Hounds"};
        int names = 0;
        for (const auto& text : MapPlayer::Backend().presentedTexts) {
            if (kNames.count(text.text) == 0) {
                continue;
            }
            ++names;
            bool inCell = false;
            for (const ArmyPanelLayout& column : columns) {
                const int slot = ArmySlotAt(column, text.requested.left, text.requested.top);
                const int32_t cellBottom = column.y + slot * column.stepY + kArmyCellHeight;
                inCell = inCell || (slot >= 0 && text.requested.bottom == cellBottom &&
                                    ArmySlotAt(column, text.requested.right - 1,
                                               text.requested.bottom - 1) == slot);
            }
            EXPECT_TRUE(inCell) << text.text;
        }
        EXPECT_EQ(names, 4);
    };
    MeetDirectly(kPlayerCharacter, kSecondHero);
    player.Frame();
    expectNamesInCells({{40, 152, 0, kArmyCellHeight}, {440, 152, 0, kArmyCellHeight}});
    ClickMeetingButton(kMeetArmiesButton);
    player.Frame();
    expectNamesInCells({kArmyTradeColumns[0], kArmyTradeColumns[1]});
}

TEST_F(MeetingRoad, GoldenImagesOfTheMeetingAndTheArmyExchange) {
    MeetDirectly(kPlayerCharacter, kSecondHero);
    player.PointAt(400, 300);
    player.Frame();
    ExpectMatchesGolden(MapPlayer::Backend().presented, "meeting");
    ClickMeetingButton(kMeetArmiesButton);
    player.PointAt(400, 300);
    player.Frame();
    ExpectMatchesGolden(MapPlayer::Backend().presented, "army_exchange");
}

}  // namespace

}  // namespace varn
