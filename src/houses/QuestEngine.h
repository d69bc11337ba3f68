#pragma once

#include <cstdint>

#include "houses/HouseScreen.h"
#include "houses/QuestChains.h"

namespace varn {

class GameState;

// The chain of the house a screen shows: by kind, and for villages and towns by house number;
// null for a village or town number that names no place.
const QuestChain* ChainOf(HouseKind kind, int houseNumber);
const QuestChain* ChainOf(const HouseScreen& screen);

// One run of a house's quest progress on the screen's copy of the quest states: rebuilds the
// display flags, opens the chain's next quests, moves each quest of the chain one step (offer,
// gift, in progress, reward while the talk box is open, goal met to ready) and counts the flags
// it set, raising the nothing-to-tell flag when there are none.
void RunQuestProgress(HouseScreen& screen, const QuestChain& chain);

// Pay through HouseScreen::GiveReward, one quest at a time and each from its own row, the gifts
// whose notes the last run set up (accept Yes), and the rewards (the frame of Talk). So two
// quests of one chain open at once never pay each other's gold or item.
void PayQuestGifts(HouseScreen& screen, int32_t* gold);
void PayQuestRewards(HouseScreen& screen, int32_t* gold);

// Talk in a village or a town: every place of that kind whose joining quest is ready for its
// reward joins, whichever place is visited. A joining quest that a battle closed before it was
// ever reported joins it too, or the place could never join.
void JoinPlacesOnTalk(const HouseScreen& screen, GameState& world);

// Every frame of a village visit: village 2 joins once quest 29 is past its goal.
void ApplyVillage2JoinRule(const HouseScreen& screen, GameState& world);

}  // namespace varn
