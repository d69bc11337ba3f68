#include "frontend/InformationScreen.h"

#include <string>

#include "frontend/FrontEndDrawing.h"

namespace varn {

namespace {

constexpr std::string_view kControlsLines[] = {
    "Move the pointer to an edge of the map, or press the",
    "arrow keys, to scroll.",
    "Click a cell to draw a path for the chosen character,",
    "one move a step.",
    "Press Enter, or click the right mouse button, to walk it.",
    "Escape or Backspace goes back from any screen;",
    "Enter confirms.",
};
constexpr std::string_view kDayLines[] = {
    "You and each of your heroes have seven moves a day.",
    "End the day with the button at the foot of the side",
    "panel; then the enemy parties move.",
    "Every joined village and town, gem and artifact pays",
    "gold each day.",
    "Overnight your characters and wounded armies recover.",
    "On day 150 the invaders offer peace and the game ends.",
};
constexpr std::string_view kArmyLines[] = {
    "You and each hero lead up to six armies.",
    "Recruit them in villages, towns and the great houses;",
    "a place that has joined you recruits and heals for less.",
    "Wounded men fight worse: heal them in a house, or let",
    "them rest.",
    "Victories bring experience, and each level makes the",
    "leader stronger.",
};
constexpr std::string_view kQuestLines[] = {
    "Talk to the people of a place to be offered its quests.",
    "Accept a quest, reach its goal, then go back for the",
    "reward.",
    "A place joins you when its joining quest is solved.",
    "The quest log on the side panel shows every quest and",
    "how far it has come.",
};
constexpr std::string_view kBattleLines[] = {
    "Walking into an enemy party, or being caught by one,",
    "starts a battle.",
    "Click one of your armies, then a cell to move to or an",
    "enemy beside it to strike.",
    "End your turn with its side button; your allies and the",
    "enemy move after you.",
    "A quick victory brings more fame; a lost battle costs",
    "fame. A retreat costs less, and the enemy stays weakened.",
};

constexpr InformationPage kPages[] = {
    {"Controls", kControlsLines}, {"The day", kDayLines},    {"Armies", kArmyLines},
    {"Quests", kQuestLines},      {"Battles", kBattleLines},
};

constexpr int32_t kTitleX = 120;
constexpr int32_t kTitleY = 70;
constexpr int32_t kLinesX = 60;
constexpr int32_t kLinesY = 140;
constexpr int32_t kLineHeight = 36;

}  // namespace

std::span<const InformationPage> InformationPages() {
    return kPages;
}

void InformationScreen::Init(GraphicsDevice* device) {
    art.Init(device, kInformationPictures);
}

void InformationScreen::Free() {
    art.Free();
}

void InformationScreen::Draw() {
    const InformationPage& page = kPages[static_cast<size_t>(pages.page)];
    art.Text(std::string(page.title).c_str(), kTitleX, kTitleY, kTitleColour);
    int32_t y = kLinesY;
    for (std::string_view line : page.lines) {
        art.Text(std::string(line).c_str(), kLinesX, y, kTextGrey);
        y += kLineHeight;
    }
    DrawPageButtons(art, buttons, pages);
}

}  // namespace varn
