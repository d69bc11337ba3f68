#include "frontend/QuestLogScreen.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "app/QuestGivers.h"
#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

constexpr int32_t kTitleX = 340;
constexpr int32_t kTitleY = 40;
// A quest takes two lines: number, giver and stage, then the giver's opening words; the last
// entry of a page stays clear of the page number at y 448.
constexpr int32_t kFirstLineY = 96;
constexpr int32_t kEntryHeight = 68;
constexpr int32_t kWordsDrop = 28;
constexpr int32_t kNumberX = 60;
constexpr int32_t kPlaceX = 170;
constexpr int32_t kStageX = 420;
constexpr int32_t kWordsWidth = 600;
constexpr int32_t kWordsHeight = 30;

bool StageOf(uint8_t state, QuestStage& stage) {
    switch (static_cast<QuestState>(state)) {
        case QuestState::Offered:
            stage = QuestStage::Offered;
            return true;
        case QuestState::Accepted:
        case QuestState::InProgress:
            stage = QuestStage::Underway;
            return true;
        case QuestState::GoalMet:
        case QuestState::RewardReady:
            stage = QuestStage::RewardDue;
            return true;
        case QuestState::Solved:
            stage = QuestStage::Solved;
            return true;
        default:
            return false;
    }
}

}  // namespace

std::vector<QuestLogEntry> QuestLogEntries(const std::array<uint8_t, kQuestCount>& questState) {
    std::vector<QuestLogEntry> entries;
    for (int quest = 1; quest <= kQuestCount; ++quest) {
        QuestStage stage{};
        if (StageOf(questState[static_cast<size_t>(quest - 1)], stage)) {
            entries.push_back({static_cast<uint8_t>(quest), stage});
        }
    }
    // Stable: within a stage the quests keep their numbers' order.
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const QuestLogEntry& a, const QuestLogEntry& b) { return a.stage < b.stage; });
    return entries;
}

std::string_view QuestStageText(QuestStage stage) {
    switch (stage) {
        case QuestStage::Offered:
            return "Offered: not yet accepted";
        case QuestStage::Underway:
            return "Accepted: under way";
        case QuestStage::RewardDue:
            return "Goal met: go back for the reward";
        case QuestStage::Solved:
            return "Solved";
    }
    return "";
}

void QuestLogScreen::Init(GraphicsDevice* device) {
    art.Init(device, kQuestLogPictures);
}

void QuestLogScreen::Free() {
    art.Free();
}

void QuestLogScreen::Show(const GameState& world) {
    entries = QuestLogEntries(world.questState);
    const int lines = static_cast<int>(entries.size());
    pages = {0, std::max(1, (lines + kQuestLogEntriesPerPage - 1) / kQuestLogEntriesPerPage)};
}

void QuestLogScreen::Draw() {
    art.Text("Quest log", kTitleX, kTitleY, kTitleColour);
    if (entries.empty()) {
        art.Text("You have no quests yet.", kNumberX, kFirstLineY, kTextGrey);
    }
    const size_t first = static_cast<size_t>(pages.page * kQuestLogEntriesPerPage);
    const size_t end = std::min(entries.size(), first + kQuestLogEntriesPerPage);
    int32_t y = kFirstLineY;
    for (size_t i = first; i < end; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "Quest %d", entries[i].quest);
        art.Text(number, kNumberX, y, kTextGrey);
        art.Text(std::string(QuestStageText(entries[i].stage)).c_str(), kStageX, y, kTextGrey);
        if (const std::optional<QuestGiver> giver = QuestGiverOf(entries[i].quest)) {
            art.Text(giver->place.c_str(), kPlaceX, y, kTitleColour);
            art.font.DrawText(giver->words.c_str(), kPlaceX, y + kWordsDrop, kWordsWidth,
                              kWordsHeight, kTextGrey, 0);
        }
        y += kEntryHeight;
    }
    DrawPageButtons(art, buttons, pages);
}

}  // namespace varn
