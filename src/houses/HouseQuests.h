#pragma once

#include "houses/HouseScreen.h"

namespace varn {

// What a house state calls at its four quest moments (creation, Talk, accept Yes, leaving):
// every quest updater of the screen's kind in number order, each acting only for its own house.
void RunQuestUpdaters(HouseScreen& screen);

// Every frame, between the recruit panel and the entry messages: the quest dialogues of the
// screen's kind in number order.
void DrawQuestDialogues(HouseScreen& screen);

}  // namespace varn
