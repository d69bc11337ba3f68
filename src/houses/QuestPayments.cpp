#include "houses/QuestEngine.h"

namespace varn {

namespace {

void Pay(HouseScreen& screen, int32_t* gold, int32_t amount, ItemId item) {
    screen.goldPending = 1;
    screen.goldAmount = amount;
    screen.itemPending = item != kNoItem ? 1 : 0;
    if (item != kNoItem) {
        screen.itemIndex = static_cast<uint8_t>(item - 1);
    }
    screen.GiveReward(gold);
}

void PayFlagged(HouseScreen& screen, int32_t* gold, QuestMoment moment) {
    const QuestChain* chain = ChainOf(screen);
    if (chain == nullptr) {
        return;
    }
    for (const ChainQuest& link : *chain) {
        if (screen.questDisplay[static_cast<size_t>(DisplayFlag(link, moment))] == 0) {
            continue;
        }
        if (moment == QuestMoment::Gift) {
            Pay(screen, gold, link.giftGold, link.giftItem);
        } else {
            Pay(screen, gold, link.rewardGold, link.rewardItem);
        }
    }
}

}  // namespace

void PayQuestGifts(HouseScreen& screen, int32_t* gold) {
    PayFlagged(screen, gold, QuestMoment::Gift);
}

void PayQuestRewards(HouseScreen& screen, int32_t* gold) {
    PayFlagged(screen, gold, QuestMoment::Reward);
}

}  // namespace varn
