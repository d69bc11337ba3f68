#pragma once

#include <array>
#include <cstdint>

#include "world/CharacterRecords.h"

namespace varn {

inline constexpr int kChainLength = 5;

// When a house opens a quest of its chain (locked to offered).
enum class OpenWhen : uint8_t {
    // As soon as the house sees it locked.
    Locked,
    // Once the quest `after` is solved.
    Solved,
    // Once the day counter is above 0.
    DayStarted,
    // Once the quest `after` is solved and town 2's or the palace's first quest (3 or 4) has met
    // its goal.
    SolvedAndHelpFound,
    // Never by the house: the world opens it.
    ByWorld,
};

struct ChainQuest {
    uint8_t quest;
    OpenWhen when;
    uint8_t after;
    int32_t giftGold;
    // kNoItem: the gift is gold alone.
    ItemId giftItem;
    int32_t rewardGold;
    // kNoItem: the reward is gold and fame alone.
    ItemId rewardItem;
    // Solving it makes its village or town join the player.
    bool joins;
    // Its four dialogue flags start at 4 * slot.
    uint8_t slot;
};

using QuestChain = std::array<ChainQuest, kChainLength>;

// The four dialogue flags of a chain quest, in the order of its display slot's flags.
enum class QuestMoment : uint8_t { Offer, Gift, Reminder, Reward };

constexpr int DisplayFlag(const ChainQuest& link, QuestMoment moment) {
    return 4 * link.slot + static_cast<int>(moment);
}

// Villages 1..9 and towns 1..4 at entry number - 1.
extern const std::array<QuestChain, 9> kVillageChains;
extern const std::array<QuestChain, 4> kTownChains;
extern const QuestChain kCastleChain;
extern const QuestChain kPalaceChain;
extern const QuestChain kTempleChain;
extern const QuestChain kTowerChain;

// The quest of a chain that makes its place join; 0 when it has none (village 9).
uint8_t JoiningQuest(const QuestChain& chain);

}  // namespace varn
