#include "world/GameState.h"

namespace varn {

// Which locked quests the world itself opens. Each rule sees the states the earlier rules of the
// same run left, so a quest solved before the run opens its follower in that run.

namespace {}  // namespace

void GameState::UpdateQuests() {
    auto open = [this](int quest, bool condition) {
        if (condition && Quest(quest) == static_cast<uint8_t>(QuestState::Locked)) {
            Quest(quest) = static_cast<uint8_t>(QuestState::Offered);
        }
    };
    open(1, day > 0);
    open(2, Quest(1) == kQuestSolved);
    open(5,
         Quest(2) == kQuestSolved && (Quest(3) > kQuestInProgress || Quest(4) > kQuestInProgress));
    open(11, Quest(5) == kQuestSolved);
    open(19, true);
    open(20, Quest(19) == kQuestSolved);
    open(12, true);
    open(13, Quest(12) == kQuestSolved);
    open(3, true);
    open(7, true);
    open(8, true);
    open(4, day > 0);
    open(9, true);
    open(10, Quest(9) == kQuestSolved);
}

}  // namespace varn
