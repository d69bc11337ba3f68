#include "houses/QuestEngine.h"

#include <algorithm>

#include "world/GameState.h"

namespace varn {

namespace {

// The first quests of town 2 and of the palace; village 1's quest 5 waits for either.
constexpr int kTownHelpQuest = 3;
constexpr int kPalaceHelpQuest = 4;

// Village 2 joins as soon as its garden quest is past its goal.
constexpr int kGardenQuest = 29;
constexpr int kGardenVillage = 2;

uint8_t& Flag(HouseScreen& screen, const ChainQuest& link, QuestMoment moment) {
    return screen.questDisplay[static_cast<size_t>(DisplayFlag(link, moment))];
}

void FlagPicture(HouseScreen& screen, ItemId item) {
    if (item != kNoItem) {
        screen.rewardItemFlag[item - 1] = 1;
    }
}

bool OpensNow(const HouseScreen& screen, const ChainQuest& link) {
    switch (link.when) {
        case OpenWhen::Locked:
            return true;
        case OpenWhen::Solved:
            return screen.Quest(link.after) == kQuestSolved;
        case OpenWhen::DayStarted:
            return screen.day > 0;
        case OpenWhen::SolvedAndHelpFound:
            return screen.Quest(link.after) == kQuestSolved &&
                   (screen.Quest(kTownHelpQuest) >= kQuestGoalMet ||
                    screen.Quest(kPalaceHelpQuest) >= kQuestGoalMet);
        case OpenWhen::ByWorld:
            return false;
    }
    return false;
}

// `giftWasShowing`: the last run set up this quest's gift note, so a gift drawn since was its own.
void StepQuest(HouseScreen& screen, const ChainQuest& link, bool giftWasShowing) {
    uint8_t& state = screen.Quest(link.quest);
    if (state == kQuestOffered) {
        screen.offeredQuest = link.quest;
        Flag(screen, link, QuestMoment::Offer) = 1;
        FlagPicture(screen, link.giftItem);
    }
    if (state == kQuestAccepted && screen.giftShown != 0 && giftWasShowing) {
        Flag(screen, link, QuestMoment::Reminder) = 1;
        state = kQuestInProgress;
    }
    if (state == kQuestAccepted) {
        Flag(screen, link, QuestMoment::Gift) = 1;
        FlagPicture(screen, link.giftItem);
    }
    if (state == kQuestInProgress) {
        Flag(screen, link, QuestMoment::Reminder) = 1;
    }
    if (state == kQuestRewardReady && screen.talkOpen != 0) {
        Flag(screen, link, QuestMoment::Reward) = 1;
        FlagPicture(screen, link.rewardItem);
        screen.rewardPending = 1;
        state = kQuestSolved;
    }
    // After the reward test, so a quest made ready here is rewarded at a later Talk.
    if (state == kQuestGoalMet) {
        state = kQuestRewardReady;
    }
}

uint8_t& JoinedFlag(GameState& world, HouseKind kind, int number) {
    return kind == HouseKind::Village ? world.VillageJoined(number) : world.TownOwned(number);
}

}  // namespace

const QuestChain* ChainOf(HouseKind kind, int houseNumber) {
    switch (kind) {
        case HouseKind::Village:
            return houseNumber >= 1 && houseNumber <= kVillageCount
                       ? &kVillageChains[static_cast<size_t>(houseNumber - 1)]
                       : nullptr;
        case HouseKind::Town:
            return houseNumber >= 1 && houseNumber <= kTownCount
                       ? &kTownChains[static_cast<size_t>(houseNumber - 1)]
                       : nullptr;
        case HouseKind::Castle:
            return &kCastleChain;
        case HouseKind::Palace:
            return &kPalaceChain;
        case HouseKind::Temple:
            return &kTempleChain;
        case HouseKind::Tower:
            return &kTowerChain;
    }
    return nullptr;
}

const QuestChain* ChainOf(const HouseScreen& screen) {
    return ChainOf(screen.Kind(), screen.houseNumber);
}

void RunQuestProgress(HouseScreen& screen, const QuestChain& chain) {
    // A gift shown earlier in the visit moves on only the quest it belonged to: a second quest
    // accepted in the same visit still gets its own gift.
    std::array<bool, kChainLength> giftWasShowing{};
    for (size_t p = 0; p < chain.size(); ++p) {
        giftWasShowing[p] =
            screen.questDisplay[static_cast<size_t>(DisplayFlag(chain[p], QuestMoment::Gift))] != 0;
    }
    screen.questDisplay.fill(0);
    // Every rule sees the states the earlier ones left, so a quest solved before this run
    // opens its successor now.
    for (const ChainQuest& link : chain) {
        if (screen.Quest(link.quest) == kQuestLocked && OpensNow(screen, link)) {
            screen.Quest(link.quest) = kQuestOffered;
        }
    }
    for (size_t p = 0; p < chain.size(); ++p) {
        StepQuest(screen, chain[p], giftWasShowing[p]);
    }
    screen.displayCount = static_cast<uint8_t>(
        std::count(screen.questDisplay.begin(), screen.questDisplay.end(), uint8_t{1}));
    if (screen.displayCount == 0) {
        screen.questDisplay[kNothingToTellFlag] = 1;
    }
}

void JoinPlacesOnTalk(const HouseScreen& screen, GameState& world) {
    const HouseKind kind = screen.Kind();
    if (kind != HouseKind::Village && kind != HouseKind::Town) {
        return;
    }
    const int places = kind == HouseKind::Village ? kVillageCount : kTownCount;
    for (int number = 1; number <= places; ++number) {
        const uint8_t quest = JoiningQuest(*ChainOf(kind, number));
        const uint8_t state = screen.Quest(quest);
        if (quest != 0 && (state == kQuestRewardReady || state == kQuestSolved)) {
            JoinedFlag(world, kind, number) = 1;
        }
    }
}

void ApplyVillage2JoinRule(const HouseScreen& screen, GameState& world) {
    if (screen.Kind() == HouseKind::Village && screen.Quest(kGardenQuest) > kQuestGoalMet) {
        world.VillageJoined(kGardenVillage) = 1;
    }
}

}  // namespace varn
