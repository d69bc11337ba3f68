#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/PageButtons.h"
#include "frontend/ScreenArt.h"
#include "world/GameState.h"

namespace varn {

class GraphicsDevice;

inline constexpr PictureLoad kQuestLogPictures[] = {
    kPreviousPagePicture,
    kNextPagePicture,
    kBackPagePicture,
};

// How far a quest has come, as the log groups them, in the order it lists them: what the player
// has taken on first, where a look at the first page finds it, then what is only offered.
enum class QuestStage : uint8_t { Underway, RewardDue, Offered, Solved };

struct QuestLogEntry {
    uint8_t quest;  // 1..100
    QuestStage stage;

    bool operator==(const QuestLogEntry&) const = default;
};

inline constexpr int kQuestLogEntriesPerPage = 5;

// The quests the player knows of (every one past locked), by stage and within a stage by
// number. A byte that is no quest state is left out.
std::vector<QuestLogEntry> QuestLogEntries(const std::array<uint8_t, kQuestCount>& questState);
std::string_view QuestStageText(QuestStage stage);

// The player's quests, a page at a time: number, who gives it and how far it has come, and the
// opening words of its offer.
class QuestLogScreen {
  public:
    virtual ~QuestLogScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Show(const GameState& world);
    void Draw();

    ButtonBar buttons{kPageButtons};
    ScreenArt art;
    std::vector<QuestLogEntry> entries;
    PageCursor pages;
};

}  // namespace varn
