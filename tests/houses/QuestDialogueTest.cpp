#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "houses/QuestDialogue.h"
#include "houses/QuestHouses.h"
#include "platform/FontRasterizer.h"

using namespace varn;

namespace {

// What a dialogue asked to draw, in order.
struct Drawn {
    enum Kind { Box, Text, Item, Button } kind;
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    uint32_t colour = 0;
    float scaleX = 0;
    float scaleY = 0;
    int item = 0;
};

class RecordingCanvas final : public DialogueCanvas {
  public:
    void Box(const Panel& panel) override {
        drawn.push_back({Drawn::Box, "", panel.x, panel.y, 0, 0, 0, panel.scaleX, panel.scaleY});
    }
    void Text(const char* text, int32_t x, int32_t y, int32_t width, int32_t height,
              uint32_t colour) override {
        drawn.push_back({Drawn::Text, text, x, y, width, height, colour});
    }
    void ItemPicture(ItemId item, Spot at) override {
        Drawn picture{Drawn::Item, "", at.x, at.y};
        picture.item = item;
        drawn.push_back(picture);
    }
    void Button(int32_t slot, int32_t frame, Spot at) override {
        Drawn button{Drawn::Button, "", at.x, at.y};
        button.item = slot;
        button.width = frame;
        drawn.push_back(button);
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Drawn& d : drawn) {
            if (d.kind == Drawn::Text) {
                texts.push_back(d.text);
            }
        }
        return texts;
    }
    std::vector<int> Items() const {
        std::vector<int> items;
        for (const Drawn& d : drawn) {
            if (d.kind == Drawn::Item) {
                items.push_back(d.item);
            }
        }
        return items;
    }
    bool Shows(const std::string& text) const {
        const auto texts = Texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    std::vector<Drawn> drawn;
};

RecordingCanvas Talk(HouseScreen& screen) {
    const QuestChain& chain = *ChainOf(screen);
    const HouseTexts& texts = *TextsOf(screen.Kind(), screen.houseNumber);
    RecordingCanvas canvas;
    DrawBagFullNotes(screen, canvas);
    DrawQuestTalk(screen, chain, texts, canvas);
    return canvas;
}

void ShowOnly(HouseScreen& screen, const ChainQuest& link, QuestMoment moment) {
    screen.questDisplay.fill(0);
    screen.questDisplay[static_cast<size_t>(DisplayFlag(link, moment))] = 1;
}

// The width in pixels that the house font gives a line.
int MeasuredWidth(const char* text) {
    static platform::FontRasterizer font;
    if (!font.IsOpen()) {
        font.Open("Arial", 22, false, false);
    }
    platform::BackBuffer buffer;
    buffer.Resize(800, 40);
    font.DrawText(buffer, text, platform::Rect{0, 0, 800, 40}, 0xFFFFFFFF);
    int right = 0;
    for (int y = 0; y < buffer.height; ++y) {
        for (int x = 0; x < buffer.width; ++x) {
            if (buffer.Row(y)[x] != 0) {
                right = std::max(right, x + 1);
            }
        }
    }
    return right;
}

// Every line drawn lies whole inside its own rectangle and inside the box drawn last before
// it, so that nothing is clipped or spills onto the house picture.
void ExpectEveryLineInsideItsBox(const RecordingCanvas& canvas) {
    const Drawn* box = nullptr;
    for (const Drawn& d : canvas.drawn) {
        if (d.kind == Drawn::Box) {
            box = &d;
            continue;
        }
        if (d.kind != Drawn::Text) {
            continue;
        }
        ASSERT_NE(box, nullptr) << d.text;
        const int width = MeasuredWidth(d.text.c_str());
        const float right = box->x + 64 * box->scaleX;
        const float bottom = box->y + 64 * box->scaleY;
        EXPECT_LE(width, d.width) << d.text;
        EXPECT_GE(d.x, box->x) << d.text;
        EXPECT_LE(d.x + width, right) << d.text;
        EXPECT_GE(d.y, box->y) << d.text;
        EXPECT_LE(d.y + 20, bottom) << d.text;
    }
}

TEST(QuestDialogue, EveryQuestTextOfEveryHouseFitsItsBox) {
    for (const QuestHouse& house : AllQuestHouses()) {
        auto screen = MakeHouseScreen(house);
        screen->talkOpen = 1;
        for (const ChainQuest& link : *ChainOf(*screen)) {
            for (QuestMoment moment : {QuestMoment::Offer, QuestMoment::Reminder,
                                       QuestMoment::Reward, QuestMoment::Gift}) {
                SCOPED_TRACE(Describe(house) + " quest " + std::to_string(link.quest) + " moment " +
                             std::to_string(static_cast<int>(moment)));
                ShowOnly(*screen, link, moment);
                screen->acceptedNow = moment == QuestMoment::Gift ? 1 : 0;
                screen->acceptQuestion = 0;
                ExpectEveryLineInsideItsBox(Talk(*screen));
            }
        }
    }
}

TEST(QuestDialogue, AnOfferShowsItsTitledLinesAndOpensTheAcceptQuestion) {
    for (const QuestHouse& house : AllQuestHouses()) {
        SCOPED_TRACE(Describe(house));
        auto screen = MakeHouseScreen(house);
        const HouseTexts& texts = *TextsOf(house.kind, house.number);
        const ChainQuest& link = (*ChainOf(*screen))[2];
        ShowOnly(*screen, link, QuestMoment::Offer);
        // Drawn only while the talk box is open.
        EXPECT_TRUE(Talk(*screen).drawn.empty());
        EXPECT_EQ(screen->acceptQuestion, 0);
        screen->talkOpen = 1;
        screen->buttons.SetLook(kAcceptYesButton, kButtonPressed);
        const RecordingCanvas canvas = Talk(*screen);
        EXPECT_EQ(screen->acceptQuestion, 1);
        const auto shown = canvas.Texts();
        ASSERT_GE(shown.size(), 3u);
        EXPECT_EQ(shown[0], "Quest " + std::to_string(link.quest));
        EXPECT_EQ(shown[1], texts.quests[2].offer.lines[0]);
        EXPECT_EQ(shown.back(), "Accept?");
        const Drawn& yes = canvas.drawn[canvas.drawn.size() - 2];
        const Drawn& no = canvas.drawn.back();
        EXPECT_EQ(yes.kind, Drawn::Button);
        EXPECT_EQ(yes.item, 22);
        EXPECT_EQ(yes.width, 2);
        EXPECT_EQ(no.item, 23);
        EXPECT_EQ(no.width, 0);
    }
}

TEST(QuestDialogue, AGiftShowsWhileAcceptedWithItsOwnItemAndLetsTheQuestMoveOn) {
    for (const QuestHouse& house : AllQuestHouses()) {
        SCOPED_TRACE(Describe(house));
        auto screen = MakeHouseScreen(house);
        const ChainQuest& link = (*ChainOf(*screen))[0];
        ShowOnly(*screen, link, QuestMoment::Gift);
        screen->itemIndex = 199;
        Talk(*screen);
        EXPECT_EQ(screen->giftShown, 0);
        screen->acceptedNow = 1;
        const RecordingCanvas canvas = Talk(*screen);
        EXPECT_EQ(screen->giftShown, 1);
        EXPECT_TRUE(canvas.Shows("Fame +1 "));
        EXPECT_EQ(canvas.Items(),
                  link.giftItem == kNoItem ? std::vector<int>{} : std::vector<int>{link.giftItem});
    }
}

TEST(QuestDialogue, ARewardShowsItsOwnItemRaisesTheFameLatchOnceAndJoinsItsPlace) {
    for (const QuestHouse& house : AllQuestHouses()) {
        auto screen = MakeHouseScreen(house);
        screen->talkOpen = 1;
        const HouseTexts& texts = *TextsOf(house.kind, house.number);
        for (const ChainQuest& link : *ChainOf(*screen)) {
            SCOPED_TRACE(Describe(house) + " quest " + std::to_string(link.quest));
            ShowOnly(*screen, link, QuestMoment::Reward);
            screen->fameUpLatch = 0;
            RecordingCanvas canvas = Talk(*screen);
            EXPECT_EQ(screen->fameUpLatch, 1);
            EXPECT_TRUE(canvas.Shows("Fame +1 "));
            EXPECT_EQ(canvas.Items(), link.rewardItem == kNoItem
                                          ? std::vector<int>{}
                                          : std::vector<int>{link.rewardItem});
            EXPECT_EQ(link.joins, texts.joinMessage != nullptr && canvas.Shows(texts.joinMessage));
            // A latch the state already applied stays where it is.
            screen->fameUpLatch = 2;
            Talk(*screen);
            EXPECT_EQ(screen->fameUpLatch, 2);
        }
    }
}

TEST(QuestDialogue, JoinBoxesNameTheirPlaceAndItsIncome) {
    VillageScreen village;
    village.houseNumber = 3;
    village.talkOpen = 1;
    ShowOnly(village, (*ChainOf(village))[0], QuestMoment::Reward);
    const auto villageTexts = Talk(village).Texts();
    EXPECT_EQ(villageTexts[villageTexts.size() - 2], "The Iron Village decided to join you!");
    EXPECT_EQ(villageTexts.back(), "Benefits: 10 gold/day, cheaper healing and recruiting!");
    TownScreen town;
    town.houseNumber = 4;
    town.talkOpen = 1;
    ShowOnly(town, (*ChainOf(town))[4], QuestMoment::Reward);
    const auto townTexts = Talk(town).Texts();
    EXPECT_EQ(townTexts[townTexts.size() - 2], "The town of Moja decided to join you!");
    EXPECT_EQ(townTexts.back(), "Benefits: 20 gold/day, cheaper healing and recruiting!");
}

TEST(QuestDialogue, NothingToSayChoosesItsTextByHouseAndQuest) {
    struct Case {
        QuestHouse house;
        int quest;
        uint8_t state;
        std::vector<std::string> lines;
    };
    const std::string nobody = "Nobody to talk to around here.";
    const std::string guards1 = "The palace guards are getting ready for ";
    const std::string guards2 = "a possible attack. No quests till then. ";
    const std::vector<Case> cases = {
        {{HouseKind::Village, 1},
         11,
         4,
         {nobody, "Try solving quests from other places", "and then come back here."}},
        {{HouseKind::Village, 1}, 11, 5, {nobody, "There are no more quests in ", "this village."}},
        {{HouseKind::Village, 6}, 0, 0, {nobody, "There are no more quests in ", "this village."}},
        {{HouseKind::Village, 9},
         0,
         0,
         {"The villagers are very afraid of invasions.", "Many want to leave."}},
        {{HouseKind::Town, 3}, 0, 0, {nobody, "There are no more quests in ", "this town."}},
        {{HouseKind::Town, 2},
         8,
         4,
         {"Nobody to talk to around here", "Try the town of Ziemniak first."}},
        {{HouseKind::Town, 2}, 8, 5, {nobody, "There are no more quests in ", "this town."}},
        {{HouseKind::Castle, 0}, 6, 6, {guards1, guards2}},
        {{HouseKind::Castle, 0}, 6, 7, {}},
        {{HouseKind::Palace, 0}, 6, 0, {guards1, guards2}},
        {{HouseKind::Palace, 0}, 6, 7, {}},
        {{HouseKind::Temple, 0},
         0,
         0,
         {"Good luck with your quests.", "We need peace and quiet now..."}},
        {{HouseKind::Tower, 0},
         0,
         0,
         {nobody, "There are no more quests from ", "the Wasteland Tower."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.house) + " quest " + std::to_string(c.quest) + " at " +
                     std::to_string(c.state));
        auto screen = MakeHouseScreen(c.house);
        screen->Quest(c.quest) = c.state;
        screen->questDisplay[kNothingToTellFlag] = 1;
        screen->talkOpen = 1;
        RecordingCanvas canvas = Talk(*screen);
        EXPECT_EQ(canvas.Texts(), c.lines);
        for (const Drawn& d : canvas.drawn) {
            if (d.kind == Drawn::Text) {
                EXPECT_EQ(d.colour, kTitleColour);
            }
        }
        ExpectEveryLineInsideItsBox(canvas);
        // Items still held: the holding lines follow.
        screen->heldAny = 1;
        std::vector<std::string> held = c.lines;
        held.push_back("Still holding stuff for you.");
        held.push_back("Your bag is full.");
        EXPECT_EQ(Talk(*screen).Texts(), held);
    }
}

TEST(QuestDialogue, AReminderIsFollowedByTheHoldingLinesWhileItemsAreHeld) {
    TowerScreen tower;
    tower.talkOpen = 1;
    ShowOnly(tower, kTowerChain[3], QuestMoment::Reminder);
    EXPECT_EQ(Talk(tower).Texts(),
              (std::vector<std::string>{"Quest 89", "Bring the golden sword to us. "}));
    tower.heldAny = 1;
    EXPECT_EQ(Talk(tower).Texts(),
              (std::vector<std::string>{"Quest 89", "Bring the golden sword to us. ",
                                        "Still holding stuff for you.", "Your bag is full."}));
}

TEST(QuestDialogue, BagFullNotesFollowARewardAtTalkAndAGiftWhileItShows) {
    CastleScreen castle;
    castle.bagFull = 1;
    ShowOnly(castle, kCastleChain[1], QuestMoment::Reward);
    EXPECT_TRUE(Talk(castle).drawn.empty());
    castle.talkOpen = 1;
    auto texts = Talk(castle).Texts();
    EXPECT_EQ(texts[0], "Your bag is full. Come back at any time");
    EXPECT_EQ(texts[1], "to pick up your stuff.");

    castle.talkOpen = 0;
    ShowOnly(castle, kCastleChain[1], QuestMoment::Gift);
    castle.acceptedNow = 1;
    const RecordingCanvas gift = Talk(castle);
    EXPECT_EQ(gift.drawn[0].kind, Drawn::Box);
    EXPECT_EQ(gift.drawn[0].y, 430);
    EXPECT_EQ(gift.Texts()[0], "Your bag is full. Come back at any time");
    castle.bagFull = 0;
    EXPECT_FALSE(Talk(castle).Shows("to pick up your stuff."));
}

// Yes takes the later of two offers, so the earlier is not written under its panel.
TEST(QuestDialogue, ThePalacesTwoOffersShowTheOneYesTakesAndTwoRewardsEachTheirOwnItem) {
    PalaceScreen palace;
    palace.talkOpen = 1;
    palace.questDisplay[0] = 1;
    palace.questDisplay[4] = 1;
    auto texts = Talk(palace).Texts();
    EXPECT_EQ(texts.front(), "Quest 70");
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "Quest 4"), texts.end());
    EXPECT_EQ(texts.back(), "Accept?");
    EXPECT_EQ(palace.acceptQuestion, 1);

    palace.questDisplay.fill(0);
    palace.questDisplay[3] = 1;
    palace.questDisplay[7] = 1;
    palace.itemIndex = 75 - 1;
    EXPECT_EQ(Talk(palace).Items(), (std::vector<int>{91, 73}));
}

TEST(QuestDialogue, QuestTwentyThreeGivesTheHelmetItsNoteNames) {
    TempleScreen temple;
    temple.talkOpen = 1;
    ShowOnly(temple, kTempleChain[3], QuestMoment::Reward);
    const RecordingCanvas canvas = Talk(temple);
    EXPECT_TRUE(canvas.Shows("Also take this helmet. "));
    EXPECT_EQ(canvas.Items(), std::vector<int>{44});
}

TEST(QuestDialogue, VillageOneMovesItsGiftPictureAndFameLine) {
    VillageScreen village;
    village.houseNumber = 1;
    village.acceptedNow = 1;
    ShowOnly(village, kVillageChains[0][2], QuestMoment::Gift);
    const RecordingCanvas canvas = Talk(village);
    const auto fame = std::find_if(canvas.drawn.begin(), canvas.drawn.end(),
                                   [](const Drawn& d) { return d.text == "Fame +1 "; });
    ASSERT_NE(fame, canvas.drawn.end());
    EXPECT_EQ(fame->y, 200);
    EXPECT_EQ(canvas.drawn.back().kind, Drawn::Item);
    EXPECT_EQ(canvas.drawn.back().y, 250);
    // Quest 1's gift is gold alone: no picture.
    ShowOnly(village, kVillageChains[0][0], QuestMoment::Gift);
    EXPECT_TRUE(Talk(village).Items().empty());
}

}  // namespace
