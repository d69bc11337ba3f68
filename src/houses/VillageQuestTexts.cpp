#include "houses/QuestTexts.h"

namespace varn {

namespace {

struct ReminderAt {
    int16_t x;
    float scaleX;
    float scaleY;
    int16_t titleX;
    int16_t lineX;
    int16_t lineWidth;
};

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

constexpr QuestTexts VillageQuest(uint8_t quest, Scale offer,
                                  const std::array<const char*, 3>& offerLines, ReminderAt reminder,
                                  const char* reminderLine, float rewardScaleX,
                                  const std::array<const char*, kMaxNoteLines>& rewardLines,
                                  const std::array<const char*, 2>& giftLines) {
    return QuestTexts{
        quest,
        OfferText{{130, 230, offer.x, offer.y},
                  155,
                  500,
                  CountLines(offerLines),
                  {240, 270, 300, 330, 0},
                  {offerLines[0], offerLines[1], offerLines[2], nullptr}},
        ReminderText{{reminder.x, 300, reminder.scaleX, reminder.scaleY},
                     reminder.titleX,
                     reminder.lineX,
                     reminder.lineWidth,
                     reminderLine},
        NoteText{{150, 100, 5.0f, 3.8f},
                 190,
                 2,
                 {giftLines[0], giftLines[1], nullptr},
                 {190, 290},
                 {190, 200}},
        NoteText{{150, 100, rewardScaleX, 3.8f}, 180, 3, rewardLines, {190, 300}, {190, 230}},
    };
}

constexpr Notice kNoMoreQuestsNotice{{130, 230, 6.6f, 2.0f},
                                     3,
                                     {{{165, 256, 300, 30, "Nobody to talk to around here."},
                                       {165, 281, 400, 30, "There are no more quests in "},
                                       {165, 306, 300, 30, "this village."}}}};

constexpr Notice kTryOtherPlacesNotice{
    {130, 230, 6.6f, 2.0f},
    3,
    {{{165, 256, 300, 30, "Nobody to talk to around here."},
      {165, 281, 400, 30, "Try solving quests from other places"},
      {165, 306, 300, 30, "and then come back here."}}}};

constexpr Notice kAfraidNotice{{130, 230, 7.0f, 1.4f},
                               2,
                               {{{165, 250, 400, 30, "The villagers are very afraid of invasions."},
                                 {165, 273, 300, 30, "Many want to leave."}}}};

constexpr const char* kVillageBenefits = "Benefits: 10 gold/day, cheaper healing and recruiting!";

// Village 1 packs its longer offers tighter and moves "Fame +1 " and the gift's picture.
constexpr HouseTexts Village1Texts() {
    HouseTexts texts{
        {{VillageQuest(
              1, {5.8f, 1.7f},
              {"Find the nearby apple tree and", "bring back some fresh apples.", nullptr},
              {150, 5.0f, 1.5f, 190, 190, 400}, "Go to the apple tree. ", 5.0f,
              {"We are grateful for your help!", "Here is 50 gold. ", "Also take this amulet. "},
              {"We are giving you 20 gold ", "for accepting this task. "}),
          VillageQuest(
              2, {5.8f, 1.7f}, {"Attack the raiding party north of us.", nullptr, nullptr},
              {155, 6.3f, 1.7f, 190, 190, 400}, "The raiding party is still north of us. ", 5.0f,
              {"We are grateful for your help!", "Here is 100 gold. ", "Also take this ring. "},
              {"I'm giving you 30 gold ", "Also take these shoes "}),
          VillageQuest(
              5, {5.8f, 1.7f}, {"Our volunteers will help you.", "to free the gold mine.", nullptr},
              {150, 5.0f, 2.0f, 190, 190, 400}, "Free the gold mine. ", 5.0f,
              {"We are grateful for your help!", "Here is 110 gold .", "Also take these pants. "},
              {"I'm giving you 80 gold ", "Also take this sword "}),
          VillageQuest(
              11, {6.5f, 1.9f},
              {"Go to the north and west where ", "the shoe thieves live. ",
               "Defeat them and we will give you shoes."},
              {150, 5.0f, 1.5f, 190, 190, 400}, "Attack the shoe thieves. ", 5.0f,
              {"We are grateful for your help!", "Here is 100 gold. ", "Also take these shoes. "},
              {"I'm giving you 60 gold ", "Also take this ring "}),
          VillageQuest(
              34, {6.4f, 1.9f},
              {"We heard that northwest of us ", "is an elite army guarding a chest ",
               "with a special armor. We will help. "},
              {30, 8.6f, 1.5f, 60, 60, 600},
              "Attack the elite infantry guarding a chest with armor. ", 5.0f,
              {"We are grateful for your help!", "Here is 115 gold. ", "Also take these gloves. "},
              {"I'm giving you 65 gold ", "Also take this ring "})}},
        {11, 5, &kTryOtherPlacesNotice, &kNoMoreQuestsNotice},
        "The village of Kapusta decided to join you!",
        kVillageBenefits};
    for (QuestTexts& quest : texts.quests) {
        if (quest.quest == 11 || quest.quest == 34) {
            quest.offer.lineY = {240, 270, 292, 314, 0};
        }
        if (quest.quest != 2) {
            quest.reward.fame = {180, 300};
            quest.gift.fame = {190, 200};
            quest.gift.picture = {190, 250};
        }
    }
    return texts;
}

}  // namespace

const std::array<HouseTexts, 9> kVillageTexts = {{
    Village1Texts(),
    {{{VillageQuest(29, {5.95f, 2.1f},
                    {"Our garden to the southwest", "is occupied by our enemy. ",
                     "Can you free our garden?"},
                    {155, 6.3f, 1.5f, 190, 190, 400}, "Take back the garden. ", 5.0f,
                    {"Thank you for your help!", "Here is 60 gold. ", "Also take these pants. "},
                    {"I'm giving you 30 gold. ", "Also take this belt. "}),
       VillageQuest(
           42, {5.95f, 2.1f},
           {"Veteran army is guarding 200 gold", "south of our town. ", "Will you attack them?"},
           {155, 6.3f, 1.5f, 190, 190, 400}, "Attack the army guarding 200 gold. ", 5.0f,
           {"Thank you for your help!", "Here is 70 gold. ", "Also take this ring. "},
           {"I'm giving you 36 gold. ", "Also take this amulet. "}),
       VillageQuest(50, {5.95f, 2.1f},
                    {"Red warriors are near our town", "and there is a rumor that they ",
                     "have a shield in their treasure chest."},
                    {155, 6.3f, 1.5f, 190, 190, 400}, "Attack the red warriors. ", 5.0f,
                    {"Thank you for your help!", "Here is 72 gold. ", "Also take these pants. "},
                    {"I'm giving you 41 gold. ", "Also take these gloves. "}),
       VillageQuest(54, {5.95f, 2.1f},
                    {"Can you find and defeat the large.", "and elite force guarding 600 gold. ",
                     "We will help you."},
                    {155, 6.3f, 1.5f, 190, 190, 400}, "Attack the elite force with 600 gold.. ",
                    5.0f,
                    {"Thank you for your help!", "Here is 80 gold. ", "Also take this helmet. "},
                    {"I'm giving you 45 gold. ", "Also take this ring. "}),
       VillageQuest(
           59, {5.95f, 2.1f},
           {"There is a precious armor", "near our village.  Can you ", "bring it back to us?"},
           {155, 6.3f, 1.5f, 190, 190, 400}, "Bring the precious armor. ", 5.8f,
           {"Thank you for your help!", "Here is 100 gold. ", "Also keep the armor you found! "},
           {"I'm giving you 50 gold. ", "Also take these shoes! "})}},
     {0, 0, nullptr, &kNoMoreQuestsNotice},
     "The village of Burak decided to join you!",
     kVillageBenefits},
    {{{VillageQuest(28, {5.95f, 2.1f},
                    {"We will help you to take back", "the iron mine. Are you ", "interested?"},
                    {155, 6.3f, 1.7f, 190, 190, 400}, "Take back the iron mine. ", 5.0f,
                    {"Thank you for your help!", "Here is 70 gold. ", "Also take this armor. "},
                    {"I'm giving you 30 gold. ", "Also take this helmet. "}),
       VillageQuest(36, {5.95f, 2.1f},
                    {"Northwest of our village is ", "a small enemy force. We will help ",
                     "you because they are fierce! "},
                    {155, 6.7f, 1.7f, 190, 190, 400}, "Attack the fierce but small enemy force. ",
                    5.0f,
                    {"Thank you for your help!", "Here is 78 gold. ", "Also take these gloves. "},
                    {"I'm giving you 35 gold. ", "Also take this ring. "}),
       VillageQuest(39, {6.2f, 2.1f},
                    {"Close to our village is a very ", "large army of bandits guarding",
                     "500 gold! We will help to attack them!"},
                    {55, 8.0f, 1.7f, 250, 90, 500},
                    "Attack the very large army guarding 500 gold. ", 5.0f,
                    {"Thank you for your help!", "Here is 90 gold. ", "Also take this amulet. "},
                    {"I'm giving you 40 gold. ", "Also take these pants. "}),
       VillageQuest(47, {5.95f, 2.1f},
                    {"North of our village is a large ", "and violent army. We will help ",
                     "you to attack them! "},
                    {155, 6.7f, 1.7f, 190, 190, 400}, "Attack the large and violent army. ", 5.0f,
                    {"Thank you for your help!", "Here is 100 gold. ", "Also take this shield. "},
                    {"I'm giving you 50 gold. ", "Also take this ring. "}),
       VillageQuest(
           51, {5.95f, 2.1f},
           {"Can you find the red armor", "which was stolen from us? ", "We may let you keep it. "},
           {155, 6.7f, 1.7f, 190, 190, 400}, "Find the red armor. ", 5.1f,
           {"Thank you for your help!", "Here is 110 gold. ", "Keep the armor you found! "},
           {"I'm giving you 60 gold. ", "Also take this sword. "})}},
     {0, 0, nullptr, &kNoMoreQuestsNotice},
     "The Iron Village decided to join you!",
     kVillageBenefits},
    {{{VillageQuest(
           40, {5.4f, 2.1f},
           {"Please look for the precious", "shoes which should be near our",
            "village.  Will you please?"},
           {155, 6.1f, 1.6f, 190, 190, 400}, "Please find the precious shoes. ", 5.3f,
           {"Thank you for your help.", "Here is 60 gold. ", "Also take the shoes you found! "},
           {"I'm giving you 30 gold. ", "Also take this ring. "}),
       VillageQuest(48, {6.4f, 2.1f},
                    {"A large formation of the red face gang", "is close to our village. ",
                     "Will you attack them?"},
                    {95, 8.0f, 1.5f, 130, 130, 500},
                    "Attack the large formation of the red face gang.", 5.0f,
                    {"Thank you for your help.", "Here is 70 gold. ", "Also take this amulet. "},
                    {"I'm giving you 35 gold.", "Also take this belt."}),
       VillageQuest(
           61, {5.95f, 2.1f},
           {"Can you find our shield?", "It has vanished a while ago", "and nobody can find it."},
           {155, 6.6f, 1.5f, 190, 190, 400}, "Please look for our shield. ", 5.3f,
           {"Thank you for your help.", "Here is 80 gold. ", "Also take the shield you found! "},
           {"I'm giving you 40 gold.", "Also take these pants."}),
       VillageQuest(71, {7.3f, 2.1f},
                    {"Huge army of strong veteran bandits", "is getting ready to attack us! ",
                     "We will attack them. Will you help?"},
                    {55, 8.0f, 1.5f, 90, 90, 600},
                    "Attack the huge army of strong veteran bandits. ", 5.0f,
                    {"Thank you for your help.", "Here is 90 gold. ", "Also take this amulet. "},
                    {"I'm giving you 45 gold.", "Also take this sword."}),
       VillageQuest(
           72, {5.4f, 2.1f},
           {"Can you find and bring", "us the golden helmet?", "We can't find it anywhere."},
           {155, 5.4f, 1.5f, 190, 190, 400}, "Find the golden helmet. ", 5.0f,
           {"We thank you for your help.", "Here is 100 gold. ", "Keep the helmet you found! "},
           {"I'm giving you 50 gold.", "Also take this ring."})}},
     {0, 0, nullptr, &kNoMoreQuestsNotice},
     "The village of Balon decided to join you!",
     kVillageBenefits},
    {{{VillageQuest(
           52, {5.4f, 2.1f},
           {"Please look for the precious", "ring which should be near our",
            "village.  Will you please?"},
           {155, 6.1f, 1.6f, 190, 190, 400}, "Please find the precious ring. ", 5.3f,
           {"Thank you for your help.", "Here is 60 gold. ", "Also take the ring you found! "},
           {"I'm giving you 30 gold. ", "Also take these gloves. "}),
       VillageQuest(
           66, {5.95f, 2.1f},
           {"Attack the huge bandit camp ", "which has stolen 400 gold.  ", "Are you prepared?"},
           {105, 7.5f, 1.5f, 140, 140, 500}, "Attack the huge bandit camp with 400 gold.", 5.0f,
           {"Thank you for your help.", "Here is 70 gold. ", "Also take these pants. "},
           {"I'm giving you 35 gold.", "Also take this amulet."}),
       VillageQuest(69, {5.95f, 2.1f},
                    {"The bandit force responsible for the ", "theft of 800 gold has been found!",
                     "We will help you to attack them!"},
                    {105, 7.6f, 1.5f, 140, 140, 500},
                    "Attack the enemy force which stole 800 gold! ", 5.3f,
                    {"Thank you for your help.", "Here is 80 gold. ", "Also take this ring. "},
                    {"I'm giving you 40 gold.", "Also take this belt."}),
       VillageQuest(73, {6.3f, 2.1f},
                    {"A large and tough veteran force has", "been attacking us. We found their ",
                     "hideout and will help to attack them!"},
                    {155, 7.2f, 1.5f, 190, 190, 400}, "Attack the large and tough veteran force. ",
                    5.0f,
                    {"Thank you for your help.", "Here is 90 gold. ", "Also take this sword. "},
                    {"I'm giving you 45 gold.", "Also take these pants."}),
       VillageQuest(
           74, {5.4f, 2.1f},
           {"Can you find and bring", "us the golden armor?", "We can't find it anywhere."},
           {155, 5.4f, 1.5f, 190, 190, 400}, "Find the golden armor. ", 5.0f,
           {"We thank you for your help.", "Here is 100 gold. ", "Keep the armor you found! "},
           {"I'm giving you 50 gold.", "Also take this helmet."})}},
     {0, 0, nullptr, &kNoMoreQuestsNotice},
     "The village of Trawa decided to join you!",
     kVillageBenefits},
    {{{VillageQuest(35, {6.95f, 2.1f},
                    {"Lots of mean bandits with a Bag of gold", "are south of our village.",
                     "Can you attack them?"},
                    {155, 6.3f, 1.7f, 190, 190, 400}, "Attack the mean bandits. ", 5.0f,
                    {"Thank you for your help.", "Here is 60 gold. ", "Also take this ring. "},
                    {"I'm giving you 30 gold. ", "Also take these gloves. "}),
       VillageQuest(
           45, {5.95f, 2.1f},
           {"Attack the angry, tough,", "and merciless army which is ", "near our village."},
           {105, 7.5f, 1.5f, 140, 140, 500}, "Attack the angry, tough, and merciless army.", 5.0f,
           {"Thank you for your help.", "Here is 70 gold. ", "Also take these pants. "},
           {"I'm giving you 35 gold.", "Also take this amulet."}),
       VillageQuest(49, {5.95f, 2.1f},
                    {"We heard that nearby there are", "lots of Rogues guarding 800 gold!",
                     "We will help to attack them!"},
                    {155, 6.6f, 1.5f, 190, 190, 400}, "Attack the Rogues guarding 800 gold! ", 5.0f,
                    {"Thank you for your help.", "Here is 80 gold. ", "Also take these shoes. "},
                    {"I'm giving you 40 gold.", "Also take this belt."}),
       VillageQuest(56, {7.3f, 2.1f},
                    {"A large enemy army of professional fighters",
                     "is getting ready to attack us! ", "We will attack them. Will you help?"},
                    {155, 6.0f, 1.5f, 190, 190, 400}, "Attack the professional fighters. ", 5.0f,
                    {"Thank you for your help.", "Here is 90 gold. ", "Also take this helmet. "},
                    {"I'm giving you 45 gold.", "Also take this amulet."}),
       VillageQuest(
           63, {5.4f, 2.1f},
           {"Can you find and bring", "us the golden armor?", "We can't find it anywhere."},
           {155, 5.4f, 1.5f, 190, 190, 400}, "Find the golden armor. ", 5.0f,
           {"We thank you for your help.", "Here is 100 gold. ", "Keep the armor you found! "},
           {"I'm giving you 50 gold.", "Also take this sword."})}},
     {0, 0, nullptr, &kNoMoreQuestsNotice},
     "The village of Usta decided to join you!",
     kVillageBenefits},
    {{{VillageQuest(53, {6.95f, 2.1f},
                    {"A gigantic enemy army guards 1000 gold.",
                     "Our army is afraid to attack them.", "Will you attack them alone?"},
                    {105, 7.2f, 1.7f, 140, 140, 500}, "Attack the gigantic army without any help. ",
                    5.0f,
                    {"Thank you for your help.", "Here is 60 gold. ", "Also take this shield. "},
                    {"I'm giving you 30 gold. ", "Also take this sword. "}),
       VillageQuest(57, {5.95f, 2.1f},
                    {"The masked army of the desert", "is spreading fear throughout  ",
                     "the area. Will you attack them?"},
                    {105, 6.9f, 1.5f, 140, 140, 500}, "Attack the masked army of the desert.", 5.0f,
                    {"Thank you for your help.", "Here is 70 gold. ", "Also take these shoes. "},
                    {"I'm giving you 35 gold.", "Also take these gloves."}),
       VillageQuest(60, {6.4f, 2.1f},
                    {"Northeast of our village is a veteran",
                     "desert army guarding a treasure chest.", "We will help to attack them!"},
                    {155, 5.7f, 1.5f, 190, 190, 400}, "Attack the veteran desert army. ", 5.0f,
                    {"Thank you for your help.", "Here is 80 gold. ", "Also take this belt. "},
                    {"I'm giving you 40 gold.", "Also take these pants."}),
       VillageQuest(62, {6.8f, 2.1f},
                    {"There is a large veteran army ", "south of our village and they are ",
                     "enslaving all in their path. Attack them!"},
                    {155, 6.0f, 1.5f, 190, 190, 400}, "Attack the large veteran army. ", 5.0f,
                    {"Thank you for your help.", "Here is 90 gold. ", "Also take this ring. "},
                    {"I'm giving you 45 gold.", "Also take this helmet."}),
       VillageQuest(
           67, {5.4f, 2.1f},
           {"Can you find and bring", "us the golden sword?", "We can't find it anywhere."},
           {155, 5.4f, 1.5f, 190, 190, 400}, "Find the golden sword. ", 5.0f,
           {"We thank you for your help.", "Here is 100 gold. ", "Keep the sword you found! "},
           {"I'm giving you 50 gold.", "Also take these pants."})}},
     {0, 0, nullptr, &kNoMoreQuestsNotice},
     "The Desert Village decided to join you!",
     kVillageBenefits},
    {{{VillageQuest(55, {6.95f, 2.1f},
                    {"There is an oasis near our village.", "We would be grateful if you brought",
                     "us some fresh food."},
                    {105, 7.2f, 1.5f, 140, 140, 500}, "Bring some food from the oasis. ", 5.0f,
                    {"Thank you for your help.", "Here is 60 gold. ", "Also take this amulet. "},
                    {"I'm giving you 30 gold. ", "Also take these pants. "}),
       VillageQuest(58, {5.95f, 2.1f},
                    {"To the west of our village is a ", "gigantic army of battle veterans!  ",
                     "Can you defeat them with our help?"},
                    {105, 5.9f, 1.5f, 140, 140, 500}, "Defeat the giginatic army.", 5.0f,
                    {"Thank you for your help.", "Here is 70 gold. ", "Also take this amulet. "},
                    {"I'm giving you 35 gold.", "Also take this shield."}),
       VillageQuest(
           64, {6.4f, 2.1f},
           {"Please find and bring us the gold", "pants.  We will be happy if you", "help us."},
           {155, 5.7f, 1.5f, 190, 190, 400}, "Bring the gold pants. ", 5.0f,
           {"Thank you for your help.", "Here is 80 gold. ", "Keep the pants you found. "},
           {"I'm giving you 40 gold.", "Also take these gloves."}),
       VillageQuest(65, {6.8f, 2.1f},
                    {"Super strong guards are protecting ", "their treasure. We will help you to ",
                     "attack them. Good luck to us all!"},
                    {155, 6.0f, 1.5f, 190, 190, 400}, "Attack the super strong guards.", 5.0f,
                    {"Thank you for your help.", "Here is 90 gold. ", "Also take this helmet. "},
                    {"I'm giving you 45 gold.", "Also take this amulet."}),
       VillageQuest(
           68, {5.4f, 2.1f},
           {"Can you find and bring", "us the red sword?", "We can't find it anywhere."},
           {155, 5.4f, 1.5f, 190, 190, 400}, "Find the red sword. ", 5.0f,
           {"We thank you for your help.", "Here is 100 gold. ", "Keep the sword you found! "},
           {"I'm giving you 50 gold.", "Also take these pants."})}},
     {0, 0, nullptr, &kNoMoreQuestsNotice},
     "The Mountain village decided to join you!",
     kVillageBenefits},
    {{{VillageQuest(19, {5.95f, 2.1f},
                    {"There is a disease in our village.", "We are thirsty and too weak to walk.",
                     "Will you fetch some water for us?"},
                    {155, 6.3f, 1.7f, 190, 190, 400}, "Water... ", 5.0f,
                    {"Thank you for the water.", "Here is 70 gold. ", "Also take this ring. "},
                    // The gift is a helmet, as its picture shows, so the line names one.
                    {"I'm giving you 30 gold ", "Also take this helmet "}),
       VillageQuest(
           20, {5.95f, 2.1f},
           {"We are very sick and hungry.", "Will you get some fresh fruit", "from our tree?"},
           {155, 6.3f, 1.7f, 190, 190, 400}, "Hungry... ", 5.0f,
           {"Thank you for the fruit.", "Here is 80 gold. ", "Also take this amulet. "},
           {"I'm giving you 40 gold.", "Also take these pants."}),
       VillageQuest(21, {5.95f, 2.1f},
                    {"We need to be healed.", "Please find the brown vial.", "It should cure us."},
                    {155, 6.3f, 1.7f, 190, 190, 400}, "Where is the brown vial? ", 5.0f,
                    {"Thank you for the cure.", "Here is 90 gold. ", "Also take this belt. "},
                    {"I'm giving you 45 gold.", "Also take this ring."}),
       VillageQuest(22, {5.95f, 2.1f},
                    {"We are still not fully healed.", "Please bring the green vial.",
                     "It should make us well."},
                    {155, 6.3f, 1.7f, 190, 190, 400}, "Where is the green vial? ", 5.0f,
                    {"Thank you for the cure!", "Here is 100 gold. ", "Also take this amulet. "},
                    {"I'm giving you 50 gold.", "Also take these gloves."}),
       VillageQuest(
           24, {5.95f, 2.1f},
           {"Can you go to the Kawa tribe", "and spy on them?", "They are hostile."},
           {155, 6.0f, 1.6f, 190, 190, 400}, "Spy on the Kawa tribe. ", 5.0f,
           {"We thank you for your help.", "Here is 110 gold. ", "Also take this amulet. "},
           {"I'm giving you 60 gold.", "Also take this ring."})}},
     {0, 0, nullptr, &kAfraidNotice},
     nullptr,
     nullptr},
}};

}  // namespace varn
