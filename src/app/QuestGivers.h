#pragma once

#include <optional>
#include <string>

namespace varn {

// Who gives a quest: the place, as the map names it, and the opening words of its offer, as the
// place's own dialogue says them ("..." where the offer goes on). The houses answer it from their
// talk tables (houses/QuestGivers.cpp), so the quest log asks without reading them.
struct QuestGiver {
    std::string place;
    std::string words;

    bool operator==(const QuestGiver&) const = default;
};

// The giver of quest 1..100; none for a quest that no house offers (the story opens those).
std::optional<QuestGiver> QuestGiverOf(int quest);

}  // namespace varn
