#include "houses/QuestTexts.h"

#include "world/CharacterRecords.h"

namespace varn {

namespace {

constexpr uint8_t CountLines(const auto& lines) {
    uint8_t count = 0;
    for (const char* line : lines) {
        count += line != nullptr ? 1 : 0;
    }
    return count;
}

// The castle's layout, which the palace, temple and tower start from: the reminder panel at
// (155, 300), the gift and reward notes at (150, 100).
constexpr QuestTexts HouseQuest(uint8_t quest, Panel offerPanel, int16_t textX,
                                const std::array<int16_t, kMaxOfferLines + 1>& lineY,
                                const std::array<const char*, kMaxOfferLines>& offerLines,
                                const char* reminderLine,
                                const std::array<const char*, kMaxNoteLines>& rewardLines,
                                const std::array<const char*, 2>& giftLines) {
    return QuestTexts{
        quest,
        OfferText{offerPanel, textX, 500, CountLines(offerLines), lineY, offerLines},
        ReminderText{{155, 300, 6.3f, 1.5f}, 190, 188, 400, reminderLine},
        NoteText{{150, 100, 5.0f, 3.8f},
                 190,
                 2,
                 {giftLines[0], giftLines[1], nullptr},
                 {190, 290},
                 {190, 200}},
        NoteText{{150, 100, 5.1f, 3.8f}, 180, 3, rewardLines, {180, 300}, {190, 230}},
    };
}

// The first quest of the castle, palace and tower: a taller reminder and the reward's picture
// and "Fame +1 " moved.
constexpr QuestTexts FirstQuestLayout(QuestTexts quest, float reminderScaleX) {
    quest.reminder.panel = {155, 300, reminderScaleX, 1.7f};
    quest.reminder.lineX = 190;
    quest.reward.picture = {190, 220};
    quest.reward.fame = {190, 300};
    return quest;
}

// Quest 91 pays gold and fame alone (every armor is already given somewhere), so its reward
// note has no line promising one.
constexpr QuestTexts WithoutRewardItemLine(QuestTexts quest) {
    quest.reward.lineCount = 2;
    return quest;
}

// The castle speaks through the palace guards in the palace's wider box, so that their first
// line is not cut short.
constexpr Notice kPalaceGuardsNotice{
    {130, 230, 6.9f, 1.6f},
    2,
    {{{165, 258, 380, 30, "The palace guards are getting ready for "},
      {165, 284, 380, 30, "a possible attack. No quests till then. "}}}};

constexpr Notice kTempleNotice{{130, 230, 5.8f, 1.5f},
                               2,
                               {{{165, 258, 300, 30, "Good luck with your quests."},
                                 {165, 278, 320, 30, "We need peace and quiet now..."}}}};

constexpr Notice kTowerNotice{{130, 230, 6.6f, 2.0f},
                              3,
                              {{{165, 256, 300, 30, "Nobody to talk to around here."},
                                {165, 281, 400, 30, "There are no more quests from "},
                                {165, 306, 300, 30, "the Wasteland Tower."}}}};

// The world's quest 6 sends the enemy toward the palace; until it is solved the castle and
// the palace have nothing new.
constexpr uint8_t kPalaceDefenceQuest = 6;

constexpr HouseTexts CastleTexts() {
    HouseTexts texts{
        {{HouseQuest(
              81, {100, 230, 7.8f, 2.1f}, 125, {240, 270, 300, 330, 0},
              {"An enormous enemy camp is southwest of our ",
               "castle walls. We will spare some guards",
               "if you are brave enough to attack them. ", nullptr},
              "Attack the enormous enemy camp.",
              {"We are grateful for your help!", "Here is 100 gold ", "Also take this amulet "},
              {"I'm giving you 40 gold. ", "Also take this armor."}),
          HouseQuest(
              82, {80, 230, 8.1f, 2.1f}, 105, {240, 270, 300, 330, 0},
              {"If you are very strong and brave then attack the",
               "Lato Tribe. We will help but consider attacking",
               "them a few times in 1 day to finally defeat them. ", nullptr},
              "Attack the Lato Tribe. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this amulet. "},
              {"I'm giving you 55 gold. ", "Also take this ring. "}),
          HouseQuest(
              83, {80, 230, 8.1f, 1.8f}, 105, {240, 270, 297, 0, 0},
              {"We ask you to attack the Grubas Tribe.", "We will help you with some volunteers. ",
               nullptr, nullptr},
              "Attack the Grubas Tribe. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this ring. "},
              {"I'm giving you 50 gold. ", "Also take this helmet. "}),
          HouseQuest(
              85, {80, 230, 6.4f, 2.15f}, 105, {240, 275, 300, 325, 0},
              {"The Noga Tribe is very strong!", "Defeat them with our help and you will ",
               "have our full support in the future! ", nullptr},
              "Attack the Noga Tribe. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this amulet. "},
              {"I'm giving you 60 gold. ", "Also take this shield. "}),
          HouseQuest(91, {80, 230, 7.9f, 2.15f}, 105, {240, 275, 300, 325, 0},
                     {"The only way to force the enemy to surrender",
                      "is to defeat the Black Zima Castle. ", "You will have our full support!  ",
                      nullptr},
                     "Attack the Black Zima Castle! ",
                     {"We are grateful for your help!", "Here is 110 gold. ", nullptr},
                     {"I'm giving you 62 gold. ", "Also take this sword. "})}},
        {kPalaceDefenceQuest, kQuestSolved, &kPalaceGuardsNotice, nullptr},
        nullptr,
        nullptr};
    texts.quests[0] = FirstQuestLayout(texts.quests[0], 6.3f);
    texts.quests[4] = WithoutRewardItemLine(texts.quests[4]);
    return texts;
}

constexpr HouseTexts PalaceTexts() {
    HouseTexts texts{
        {{HouseQuest(
              4, {130, 230, 5.8f, 1.9f}, 155, {240, 270, 300, 0, 0},
              {"There is a reward for getting rid ", "of wild wolves near our palace.", nullptr,
               nullptr},
              "The wild wolves are still around.",
              {"We are grateful for your help!", "Here is 100 gold ", "Also take this belt "},
              {"I'm giving you 40 gold ", "Also take these pants "}),
          HouseQuest(
              70, {80, 230, 8.1f, 2.1f}, 105, {240, 270, 300, 330, 0},
              {"A mammoth enemy camp of bloodthirsty bandits",
               "is to the northwest of our palace! ", "We will help you to defeat them! ", nullptr},
              "Attack the mammoth enemy camp. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this armor. "},
              {"I'm giving you 55 gold. ", "Also take this armor. "}),
          HouseQuest(
              75, {80, 230, 8.1f, 2.15f}, 105, {240, 263, 287, 309, 333},
              {"If you are very strong and brave then attack ",
               "the Kawa Tribe. We will help but know this: ",
               "many think that this is a foolish adventure. ", "Best of luck to you! "},
              "Attack the Kawa Tribe. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this amulet. "},
              {"I'm giving you 50 gold. ", "Also take this helmet. "}),
          HouseQuest(
              79, {90, 230, 6.1f, 2.15f}, 117, {240, 275, 300, 325, 0},
              {"Attack the Olej Tribe! We will help.", "They are very strong but we know ",
               "that you can win again! ", nullptr},
              "Attack the Olej Tribe. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this amulet. "},
              {"I'm giving you 60 gold. ", "Also take this ring. "}),
          HouseQuest(
              87, {80, 230, 8.1f, 2.15f}, 105, {238, 271, 294, 317, 340},
              {"Our palace guards are fully ready ", "to help you attack The Black Zima Castle. ",
               "You must win this battle to make the enemy ",
               "surrender and bring peace to our kingdom."},
              "Attack the Black Zima Castle. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this armor. "},
              {"I'm giving you 62 gold. ", "Also take this shield. "})}},
        {kPalaceDefenceQuest, kQuestSolved, &kPalaceGuardsNotice, nullptr},
        nullptr,
        nullptr};
    texts.quests[0] = FirstQuestLayout(texts.quests[0], 6.3f);
    return texts;
}

// The temple's notes are a little wider, and each reminder has its own width.
constexpr HouseTexts TempleTexts() {
    HouseTexts texts{
        {{HouseQuest(9, {130, 230, 5.8f, 1.6f}, 155, {240, 270, 300, 0, 0},
                     {"Our elders lost the gate key.", "Please find it for us.", nullptr, nullptr},
                     "Where is our key? ",
                     {"We are grateful for your help!", "Here is 80 gold ", "Also take this ring"},
                     {"I'm giving you 40 gold. ", "Also take these pants."}),
          HouseQuest(
              10, {130, 230, 5.8f, 1.6f}, 155, {240, 270, 300, 0, 0},
              {"Our priced painting is missing.", "Please find it for us.", nullptr, nullptr},
              "Where is our art? ",
              {"Again you helped us!", "Here is 86 gold ", "Also take this ring"},
              {"I'm giving you 45 gold. ", "Also take this helmet."}),
          HouseQuest(
              15, {130, 230, 5.8f, 2.1f}, 155, {240, 270, 300, 330, 0},
              {"Far away in the wastelands there.", "is the evil nuns temple. Go spy on",
               "them and tell us what you saw.  ", nullptr},
              "Did you travel to the evil nuns temple? ",
              {"We are grateful for your help.", "Here is 96 gold. ", "Also take these gloves."},
              {"I'm giving you 50 gold. ", "Also take this armor."}),
          HouseQuest(
              23, {110, 230, 6.1f, 2.15f}, 143, {240, 275, 300, 325, 0},
              {"We want to avoid any more theft", "from our beautiful temple. Can you ",
               "find and attack the temple thieves? ", nullptr},
              // The reward is a helmet, as its picture shows, so the line names one.
              "Attack the temple thieves. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this helmet. "},
              {"I'm giving you 55 gold. ", "Also take this belt."}),
          HouseQuest(
              41, {80, 230, 8.2f, 2.15f}, 105, {240, 275, 300, 325, 0},
              {"Very far in the wastelands is the Evil Nuns Temple.",
               "Attack them only if you are very strong. ", "Some volunteers will help you. ",
               nullptr},
              "Attack the Evil Nuns Temple! ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this shield. "},
              {"I'm giving you 55 gold. ", "Also take this amulet."})}},
        {0, 0, nullptr, &kTempleNotice},
        nullptr,
        nullptr};
    constexpr std::array<float, 5> kReminderScaleX{6.3f, 6.3f, 6.6f, 6.3f, 5.3f};
    for (std::size_t p = 0; p < texts.quests.size(); ++p) {
        QuestTexts& quest = texts.quests[p];
        quest.gift.panel.scaleX = p == 0 ? 5.0f : 5.2f;
        quest.reward.panel.scaleX = p <= 1 ? 5.0f : 5.1f;
        quest.reminder.panel.scaleX = kReminderScaleX[p];
        quest.reminder.lineX = p <= 2 ? 190 : 188;
    }
    return texts;
}

constexpr HouseTexts TowerTexts() {
    HouseTexts texts{
        {{HouseQuest(
              26, {100, 230, 7.3f, 2.1f}, 125, {240, 270, 300, 330, 0},
              {"The tribes are restless in the wastelands. ",
               "Can you go to the Janek Tribe and see", "what the tribes are planning? ", nullptr},
              "Spy on the Janek Tribe.",
              {"We are grateful for your help!", "Here is 100 gold. ", "Also take this armor. "},
              {"I'm giving you 40 gold. ", "Also take this amulet."}),
          HouseQuest(
              76, {80, 230, 8.1f, 2.1f}, 105, {240, 270, 300, 330, 0},
              {"Southeast of here are enemy frontier troops.",
               "If you manage to defeat them then we will ", "be in position to help you too.",
               nullptr},
              "Attack the enemy frontier troops. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this helmet. "},
              {"I'm giving you 55 gold. ", "Also take this amulet. "}),
          HouseQuest(
              88, {80, 230, 8.1f, 1.5f}, 105, {240, 263, 287, 0, 0},
              {"Please bring the golden armor back to us.", "There is not much time left... ",
               nullptr, nullptr},
              "Bring the golden armor to us. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also keep this armor. "},
              {"I'm giving you 50 gold. ", "Also take this amulet. "}),
          HouseQuest(
              89, {80, 230, 8.1f, 1.5f}, 105, {240, 263, 287, 0, 0},
              {"Please bring the golden sword back to us.", "There is not much time left... ",
               nullptr, nullptr},
              "Bring the golden sword to us. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also keep this sword! "},
              {"I'm giving you 60 gold. ", "Also take this ring. "}),
          HouseQuest(
              90, {80, 230, 8.0f, 2.15f}, 105, {240, 275, 300, 325, 0},
              {"If you are very strong then attack the Janek Tribe.",
               "There will be volunteers helping you but few",
               "believe that they can be defeated.  ", nullptr},
              "Attack the Janek Tribe. ",
              {"We are grateful for your help!", "Here is 110 gold. ", "Also take this armor. "},
              {"I'm giving you 62 gold. ", "Also take these pants. "})}},
        {0, 0, nullptr, &kTowerNotice},
        nullptr,
        nullptr};
    texts.quests[0] = FirstQuestLayout(texts.quests[0], 5.3f);
    return texts;
}

}  // namespace

const HouseTexts kCastleTexts = CastleTexts();
const HouseTexts kPalaceTexts = PalaceTexts();
const HouseTexts kTempleTexts = TempleTexts();
const HouseTexts kTowerTexts = TowerTexts();

}  // namespace varn
