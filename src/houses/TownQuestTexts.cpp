#include "houses/QuestTexts.h"

namespace varn {

namespace {

struct Scale {
    float x;
    float y;
};

constexpr uint8_t CountLines(const auto& lines) {
    uint8_t count = 0;
    for (const char* line : lines) {
        count += line != nullptr ? 1 : 0;
    }
    return count;
}

// Every town speaks from the same places; each box is as wide as its longest line. A
// four-line offer packs its lines closer so that they stay clear of "Accept?".
constexpr QuestTexts TownQuest(uint8_t quest, Scale offer, int16_t offerWidth,
                               const std::array<const char*, kMaxOfferLines>& offerLines,
                               float reminderScaleX, const char* reminderLine, float giftScaleX,
                               const std::array<const char*, 2>& giftLines, float rewardScaleX,
                               const std::array<const char*, kMaxNoteLines>& rewardLines) {
    const uint8_t offerCount = CountLines(offerLines);
    return QuestTexts{
        quest,
        OfferText{{80, 230, offer.x, offer.y},
                  105,
                  offerWidth,
                  offerCount,
                  offerCount == kMaxOfferLines
                      ? std::array<int16_t, kMaxOfferLines + 1>{240, 270, 295, 320, 345}
                      : std::array<int16_t, kMaxOfferLines + 1>{240, 270, 300, 330, 0},
                  offerLines},
        ReminderText{{155, 300, reminderScaleX, 1.5f}, 190, 188, 400, reminderLine},
        NoteText{{150, 100, giftScaleX, 3.8f},
                 190,
                 2,
                 {giftLines[0], giftLines[1], nullptr},
                 {190, 290},
                 {190, 200}},
        NoteText{{150, 100, rewardScaleX, 3.8f}, 180, 3, rewardLines, {180, 300}, {190, 230}},
    };
}

constexpr Notice kNoMoreQuestsNotice{{130, 230, 6.6f, 2.0f},
                                     3,
                                     {{{165, 256, 300, 30, "Nobody to talk to around here."},
                                       {165, 281, 400, 30, "There are no more quests in "},
                                       {165, 306, 300, 30, "this town."}}}};

constexpr Notice kZiemniakFirstNotice{{130, 230, 5.4f, 1.4f},
                                      2,
                                      {{{165, 256, 300, 30, "Nobody to talk to around here"},
                                        {165, 281, 300, 30, "Try the town of Ziemniak first."}}}};

constexpr const char* kTownBenefits = "Benefits: 20 gold/day, cheaper healing and recruiting!";

}  // namespace

const std::array<HouseTexts, 4> kTownTexts = {{
    {{{TownQuest(12, {7.8f, 1.7f}, 500,
                 {"Attack the enemy force southwest of our town.",
                  "You may keep the treasure they guard. ", nullptr, nullptr},
                 6.4f, "Good luck with attacking the enemy. ", 5.0f,
                 {"I'm giving you 55 gold. ", "Also take this belt. "}, 5.3f,
                 {"We are grateful for your help!", "Here is 100 gold ", "Also take this helmet "}),
       TownQuest(13, {8.3f, 1.7f}, 500,
                 {"Bandits have set up a road block east of our town.",
                  "We will help you to attack them. ", nullptr, nullptr},
                 6.4f, "Good luck with attacking the enemy. ", 5.0f,
                 {"I'm giving you 55 gold. ", "Also take these pants. "}, 5.3f,
                 {"We are grateful for your help!", "Here is 110 gold ", "Also take this ring "}),
       TownQuest(
           14, {7.9f, 2.3f}, 500,
           {"A brave hero is missing. We think", "he is being held captive north of our town ",
            "by a very powerfull enemy force. ",
            "Don't worry! We will help you with a large army. "},
           5.7f, "Good luck with freeing the hero. ", 5.0f,
           {"I'm giving you 55 gold. ", "Also take this sword !"}, 5.3f,
           {"We are grateful for your help!", "Here is 110 gold. ", "Also take these shoes. "}),
       TownQuest(
           17, {8.1f, 2.1f}, 500,
           {"To the south of our town is a tough enemy force.",
            "Defeat them and keep their treasure. ", "A few volunteers will help you. ", nullptr},
           6.4f, "Good luck with attacking the enemy. ", 5.0f,
           {"I'm giving you 55 gold. ", "Also take this ring."}, 5.3f,
           {"We are grateful for your help!", "Here is 110 gold. ", "Also take this amulet. "}),
       TownQuest(
           31, {7.5f, 2.1f}, 500,
           {"To the northwest of our town is an elite force", "which is guarding great treasure. ",
            "Make us feel safer and keep the treasure. ", nullptr},
           6.4f, "Good luck with attacking the enemy. ", 5.0f,
           {"I'm giving you 55 gold. ", "Also take this amulet."}, 5.3f,
           {"We are grateful for your help!", "Here is 110 gold. ", "Also take this armor. "})}},
     {0, 0, nullptr, &kNoMoreQuestsNotice},
     "The town of Cebula decided to join you!",
     kTownBenefits},
    {{{TownQuest(3, {6.1f, 1.7f}, 500,
                 {"Attack the bandits east of our town.", "They are holding a hero prisoner.",
                  nullptr, nullptr},
                 5.7f, "Good luck with freeing the hero. ", 5.0f,
                 {"I'm giving you 40 gold ", "Also take these gloves "}, 5.3f,
                 {"We are grateful for your help!", "Here is 100 gold ", "Also take this amulet "}),
       TownQuest(
           16, {6.3f, 2.1f}, 500,
           {"Attack the bandits south of our town.", "Trade is bad because of them.",
            "Many volunteers will help you.", nullptr},
           6.5f, "Good luck with attacking the bandits. ", 5.0f,
           {"I'm giving you 50 gold ", "Also take these shoes "}, 5.3f,
           {"We are grateful for your help!", "Here is 100 gold. ", "Also take this shield ! "}),
       TownQuest(25, {6.0f, 2.1f}, 500,
                 {"Can you find our shield which was", "stolen a while ago. We will be ",
                  "glad if you ever find it.", nullptr},
                 5.9f, "Good luck with finding the shield. ", 5.0f,
                 {"I'm giving you 54 gold. ", "Also take this amulet. "}, 6.8f,
                 {"We are grateful for your help!", "Here is 110 gold. ",
                  "We are giving you the shield you found! "}),
       TownQuest(30, {6.0f, 2.1f}, 500,
                 {"Can you find our armor which was", "stolen a while ago. We will be ",
                  "glad if you ever find it.", nullptr},
                 5.9f, "Good luck with finding the armor. ", 5.0f,
                 {"I'm giving you 60 gold. ", "Also take this ring. "}, 6.8f,
                 {"We are grateful for your help!", "Here is 114 gold. ",
                  "We are giving you the armor you found! "}),
       TownQuest(43, {9.2f, 2.1f}, 546,
                 {"Nearby there is a loud and rowdy group of bandits.",
                  "The worst part is that they are extremely strong. ",
                  "Can you find them and bring back the sword they have?", nullptr},
                 5.9f, "Good luck with finding the sword. ", 5.0f,
                 {"I'm giving you 70 gold. ", "Also take this amulet. "}, 6.8f,
                 {"We are grateful for your help!", "Here is 120 gold. ",
                  "We are giving you the sword you found! "})}},
     {8, 5, &kZiemniakFirstNotice, &kNoMoreQuestsNotice},
     "The town of Rabarbar decided to join you!",
     kTownBenefits},
    {{{TownQuest(
           8, {5.7f, 1.7f}, 500,
           {"Our elders lost the scroll of laws.", "Please find it for us.", nullptr, nullptr},
           4.0f, "Where is our scroll? ", 5.2f,
           {"I'm giving you 40 gold. ", "We think it is near our town. "}, 5.3f,
           {"We are grateful for your help!", "Here is 80 gold ", "Also take this ring"}),
       TownQuest(27, {6.9f, 1.7f}, 500,
                 {"Southwest of our town is the gang of 10.", "Can you please make them leave?",
                  nullptr, nullptr},
                 4.2f, "Attack the gang of 10. ", 5.0f,
                 {"I'm giving you 45 gold. ", "Also take this amulet. "}, 5.3f,
                 {"We are grateful for your help!", "Here is 86 gold. ", "Also take these pants."}),
       TownQuest(
           33, {6.0f, 1.7f}, 500,
           {"Near our town are red heads.", "Can you please make them leave?", nullptr, nullptr},
           4.1f, "Attack the red heads. ", 5.0f,
           {"I'm giving you 50 gold. ", "Also take this belt. "}, 5.3f,
           {"We are grateful for your help!", "Here is 90 gold. ", "Also take this helmet.."}),
       TownQuest(37, {4.8f, 1.7f}, 500,
                 {"Please find our iron armor.", "Will you find it for us?", nullptr, nullptr},
                 4.9f, "Please find our iron armor. ", 5.0f,
                 {"I'm giving you 60 gold. ", "Also take this ring. "}, 5.6f,
                 {"We are grateful for your help!", "Here is 100 gold. ",
                  "Also keep the armor you found!"}),
       TownQuest(38, {5.1f, 1.7f}, 500,
                 {"We can't find our iron sword.", "Will you find it for us?", nullptr, nullptr},
                 5.0f, "Please find our iron sword. ", 5.0f,
                 {"I'm giving you 62 gold. ", "Also take this ring. "}, 5.6f,
                 {"We are grateful for your help!", "Here is 110 gold. ",
                  "Also keep the sword you found!"})}},
     {0, 0, nullptr, &kNoMoreQuestsNotice},
     "The town of Ziemniak decided to join you!",
     kTownBenefits},
    {{{TownQuest(7, {5.6f, 1.7f}, 500,
                 {"Bring back our axe and we shall", "be very happy.", nullptr, nullptr}, 3.7f,
                 "Where is our axe? ", 5.0f,
                 {"I'm giving you 40 gold. ", "Also take these gloves. "}, 5.3f,
                 {"We are grateful for your help!", "Here is 80 gold ", "Also take this helmet"}),
       TownQuest(
           18, {5.5f, 1.7f}, 500,
           {"Bring back our purple vase and ", "we shall reward you.", nullptr, nullptr}, 3.9f,
           "Where is our vase? ", 5.0f, {"I'm giving you 40 gold. ", "Also take these shoes. "},
           5.3f,
           {"We are grateful for your help!", "Here is 100 gold. ", "Also take this ring ! "}),
       TownQuest(32, {5.6f, 2.1f}, 500,
                 {"We just found out that the 7 evil ", "brothers are near our town. ",
                  "Will you chase them away? ", nullptr},
                 4.8f, "Attack the 7 evil brothers. ", 5.0f,
                 {"I'm giving you 50 gold. ", "Also take this amulet. "}, 5.3f,
                 {"We are grateful for your help!", "Here is 105 gold. ",
                  "Also take these pants ! "}),
       TownQuest(44, {5.0f, 2.1f}, 500,
                 {"To the east of our town is  ", "a group of greedy bandits. ",
                  "Will you chase them away? ", nullptr},
                 4.9f, "Attack the greedy bandits. ", 5.0f,
                 {"I'm giving you 60 gold. ", "Also take this ring. "}, 5.3f,
                 {"We are grateful for your help!", "Here is 110 gold. ", "Also take this belt. "}),
       TownQuest(46, {5.8f, 2.1f}, 500,
                 {"Can you find the special armor  ", "which was stolen from our vault? ",
                  "We may let you keep it. ", nullptr},
                 4.9f, "Attack the greedy bandits. ", 5.0f,
                 {"I'm giving you 65 gold. ", "Also take this ring. "}, 6.8f,
                 {"We are grateful for your help!", "Here is 120 gold. ",
                  "We are giving you the armor you found. "})}},
     {0, 0, nullptr, &kNoMoreQuestsNotice},
     "The town of Moja decided to join you!",
     kTownBenefits},
}};

}  // namespace varn
