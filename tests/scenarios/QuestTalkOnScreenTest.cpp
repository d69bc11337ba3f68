#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "houses/HousePictures.h"
#include "houses/HouseScreen.h"
#include "houses/QuestDialogue.h"
#include "houses/QuestEngine.h"
#include "support/HousePlayer.h"
#include "world/GameState.h"

namespace varn {

namespace {

// One thing a frame drew: a text (no set) or a picture, and where.
struct Mark {
    const SpriteSet* set;
    int32_t slot;
    std::string text;
    int32_t x;
    int32_t y;
    bool operator==(const Mark&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Mark& mark) {
    return out << (mark.set == nullptr ? "text \"" + mark.text + "\""
                                       : "slot " + std::to_string(mark.slot))
               << " at " << mark.x << "," << mark.y;
}

Mark Text(const std::string& text, int32_t x, int32_t y) {
    return {nullptr, 0, text, x, y};
}

std::string Title(uint8_t quest) {
    return "Quest " + std::to_string(quest);
}

struct HouseCase {
    HouseKind kind;
    uint8_t number;
    const char* name;
};

void PrintTo(const HouseCase& house, std::ostream* out) {
    *out << house.name;
}

// The talk box as the house state draws it, read back from the screen's own draw log and held
// against the house's dialogue table (the right house's texts, in their boxes, where the table
// puts them, with the pictures of the right items), beside what each step does to the world.
class QuestTalkOnScreen : public testing::TestWithParam<HouseCase> {
  protected:
    void SetUp() override {
        player.EnterMap();
        player.PressKey(kKeyReturn);
        // The palace's first quest is opened by the world, never by the palace.
        World().Quest(4) = kQuestOffered;
    }
    GameState& World() { return *game.app.world; }
    HouseScreen& House() { return *player.House(); }

    void Enter() { player.EnterHouse(GetParam().kind, GetParam().number, kPlayerCharacter); }
    void Leave() {
        player.ClickHouseButton(kLeaveButton);
        ASSERT_EQ(player.House(), nullptr);
        player.Frames(2);
    }
    bool BagHolds(ItemId item) {
        return item != kNoItem &&
               std::find(House().bag.begin(), House().bag.end(), item) != House().bag.end();
    }

    // One more frame of the visit, logged.
    std::vector<Mark> DrawnFrame() {
        std::vector<HouseDraw> log;
        House().drawLog = &log;
        player.Frame();
        House().drawLog = nullptr;
        std::vector<Mark> marks;
        for (const HouseDraw& d : log) {
            marks.push_back({d.set, d.slot, d.text, d.x, d.y});
        }
        return marks;
    }

    // What the frame drew right after the backdrop stretched into `panel`, as many marks as
    // expected.
    void ExpectInBox(const std::vector<Mark>& frame, const Panel& panel,
                     const std::vector<Mark>& expected) {
        const Mark box{House().mainSprites.get(), kBoxSlot, "", panel.x, panel.y};
        const auto at = std::find(frame.begin(), frame.end(), box);
        ASSERT_NE(at, frame.end()) << "no box at " << panel.x << "," << panel.y;
        ASSERT_GE(frame.end() - at - 1, static_cast<std::ptrdiff_t>(expected.size()));
        EXPECT_EQ(std::vector<Mark>(at + 1, at + 1 + static_cast<std::ptrdiff_t>(expected.size())),
                  expected);
    }

    void ExpectNote(const std::vector<Mark>& frame, uint8_t quest, const NoteText& note,
                    ItemId item) {
        std::vector<Mark> expected{Text(Title(quest), note.textX, note.panel.y + 10)};
        for (int k = 0; k < note.lineCount; ++k) {
            expected.push_back(
                Text(note.lines[static_cast<size_t>(k)], note.textX, note.panel.y + 40 + 30 * k));
        }
        expected.push_back(Text(kFameLine, note.fame.x, note.fame.y));
        if (item != kNoItem) {
            expected.push_back(
                {House().itemArt.get(), item - 1, "", note.picture.x, note.picture.y});
        }
        ExpectInBox(frame, note.panel, expected);
    }

    HeadlessGame game;
    HousePlayer player{game};
};

}  // namespace

// The first quest of each kind's chain on its road, with the player: offered at the first
// Talk, accepted for a fame point and the gift at once, in progress after the visit, met
// elsewhere, rewarded at the next visit's Talk (its place joining where the quest joins), one
// fame point for the visit, and its successor offered at the Talk after.
TEST_P(QuestTalkOnScreen, TheFirstQuestsRoadShowsTheTablesLinesAndPaysItsOwnGiftAndReward) {
    World().gold = 500;
    World().fame = 10;
    Enter();
    const QuestChain& chain = *ChainOf(House());
    const ChainQuest& first = chain[0];
    const QuestTexts& texts = TextsOf(GetParam().kind, GetParam().number)->quests[0];
    ASSERT_EQ(House().Quest(first.quest), kQuestOffered);

    player.ClickHouseButton(kTalkButton);
    std::vector<Mark> frame = DrawnFrame();
    std::vector<Mark> offer{Text(Title(first.quest), texts.offer.textX, texts.offer.lineY[0])};
    for (int k = 0; k < texts.offer.lineCount; ++k) {
        offer.push_back(Text(texts.offer.lines[static_cast<size_t>(k)], texts.offer.textX,
                             texts.offer.lineY[static_cast<size_t>(k + 1)]));
    }
    ExpectInBox(frame, texts.offer.panel, offer);
    const SpriteSet* controls = House().mainSprites.get();
    ExpectInBox(frame, kAcceptPanel,
                {Text(kAcceptLine, kAcceptText.x, kAcceptText.y),
                 {controls, kYesButtonSlot, "", kAcceptYesSpot.x, kAcceptYesSpot.y},
                 {controls, kNoButtonSlot, "", kAcceptNoSpot.x, kAcceptNoSpot.y}});

    player.ClickHouseButton(kAcceptYesButton);
    ExpectNote(DrawnFrame(), first.quest, texts.gift, first.giftItem);
    EXPECT_EQ(House().Quest(first.quest), kQuestAccepted);
    EXPECT_EQ(World().fame, 11);
    EXPECT_EQ(World().gold, 500 + first.giftGold);
    EXPECT_EQ(BagHolds(first.giftItem), first.giftItem != kNoItem);
    player.CloseHouseNote();
    Leave();
    EXPECT_EQ(World().Quest(first.quest), kQuestInProgress);
    EXPECT_EQ(World().fame, 11);

    World().Quest(first.quest) = kQuestGoalMet;
    Enter();
    EXPECT_EQ(House().Quest(first.quest), kQuestRewardReady);
    player.ClickHouseButton(kTalkButton);
    EXPECT_EQ(House().Quest(first.quest), kQuestSolved);
    EXPECT_EQ(World().gold, 500 + first.giftGold + first.rewardGold);
    EXPECT_EQ(BagHolds(first.rewardItem), first.rewardItem != kNoItem);
    frame = DrawnFrame();
    ExpectNote(frame, first.quest, texts.reward, first.rewardItem);
    if (first.joins) {
        const HouseTexts& house = *TextsOf(GetParam().kind, GetParam().number);
        ExpectInBox(frame, kJoinPanel,
                    {Text(house.joinMessage, kJoinMessageSpot.x, kJoinMessageSpot.y),
                     Text(house.joinBenefits, kJoinBenefitsSpot.x, kJoinBenefitsSpot.y)});
        EXPECT_EQ(GetParam().kind == HouseKind::Village ? World().VillageJoined(GetParam().number)
                                                        : World().TownOwned(GetParam().number),
                  1);
    }
    player.Frames(2);
    EXPECT_EQ(World().fame, 12);
    player.ClickHouseButton(kTalkButton);
    EXPECT_EQ(World().fame, 12);
    if (chain[1].when == OpenWhen::Solved && chain[1].after == first.quest) {
        EXPECT_EQ(House().Quest(chain[1].quest), kQuestOffered);
        EXPECT_EQ(House().acceptQuestion, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, QuestTalkOnScreen,
                         testing::Values(HouseCase{HouseKind::Village, 3, "Village3"},
                                         HouseCase{HouseKind::Town, 1, "Town1"},
                                         HouseCase{HouseKind::Castle, 0, "Castle"},
                                         HouseCase{HouseKind::Palace, 0, "Palace"},
                                         HouseCase{HouseKind::Temple, 0, "Temple"},
                                         HouseCase{HouseKind::Tower, 0, "Tower"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace varn
