#include "map/MapMessageTexts.h"

namespace varn {

namespace {

constexpr std::array<StoryBox, 36> kStoryBoxes = {{
    {175, 150, 6.8f, 3.8f, 201, 170, "Quest 6:", 0xFFFAA0A0, {"A very strong enemy force is heading", "towards the Pajaca Palace. The Queen", "asks you to defeat them and promises", "help from the palace guards."}, true, 201, 350},
    {175, 150, 5.5f, 3.1f, 201, 170, nullptr, 0, {"The enemy is slowly moving", "towards the palace. "}, true, 201, 300},
    {175, 120, 6.7f, 4.5f, 201, 140, "Quest 77: ", 0xFFF0A0A0, {"Scouts have reported seeing a large ", "army being formed in the desert.  ", "The Desert Village is in danger of", "being attacked. They think that the", "enemy army will start moving in 4 days! "}, true, 201, 350},
    {175, 150, 6.4f, 3.5f, 201, 170, nullptr, 0, {"A very strong enemy force is", "heading towards the Desert Village.", "The merchants ask you defeat them ", "and promise help with volunteers."}, true, 201, 330},
    {175, 150, 5.5f, 3.1f, 201, 170, nullptr, 0, {"The enemy is slowly moving", "towards the Desert Village. "}, true, 201, 300},
    {175, 120, 6.6f, 4.2f, 201, 140, "Quest 78: ", 0xFFF0A0A0, {"The Little Village is in danger ", "of being attacked by the tribes.  ", "The enemy is expected to start", "marching in 1 week!"}, true, 201, 330},
    {175, 150, 6.4f, 3.5f, 201, 170, nullptr, 0, {"A very strong enemy force is", "heading towards the Little Village.", "The peasants ask you defeat them ", "and promise help with volunteers."}, true, 201, 330},
    {175, 150, 5.5f, 3.1f, 201, 170, nullptr, 0, {"The enemy is slowly moving", "towards the Little Village. "}, true, 201, 300},
    {125, 120, 7.4f, 4.2f, 151, 140, "Quest 80: ", 0xFFF0A0A0, {"A new enemy army has formed in the desert. ", "They walk at night and stay hidden until ", "their force reaches the destination.", "They will reach Mountain village in 1 week!"}, true, 151, 330},
    {200, 120, 4.4f, 1.1f, 260, 143, nullptr, 0, {"Enemy Attacks!"}, false, 0, 0},
    {125, 120, 7.5f, 4.2f, 151, 140, "Quest 84: ", 0xFFF0A0A0, {"The enemy also has plans on attacking   ", "the Desert Village. You must have armies   ", "inside the village to help with the defence! ", "They will reach the Desert Village in 1 week!"}, true, 151, 330},
    {125, 120, 7.5f, 4.2f, 151, 140, "Quest 86: ", 0xFFF0A0A0, {"Bandits are taking advantage of all these", "invasions. They are planning to attack the", "Burak Village in 8 days! You must occupy", "the village in order to defend it!"}, true, 151, 330},
    {140, 120, 5.5f, 2.3f, 160, 140, nullptr, 0, {"The enemy army will attack ", "the Mountain Village tomorrow!"}, true, 160, 230},
    {140, 120, 5.5f, 2.3f, 160, 140, nullptr, 0, {"The enemy army will attack ", "the Desert Village tomorrow!"}, true, 160, 230},
    {140, 120, 5.5f, 2.3f, 160, 140, nullptr, 0, {"The enemy army will attack ", "the Burak Village in 2 days!"}, true, 160, 230},
    {140, 120, 5.5f, 2.3f, 160, 140, nullptr, 0, {"The enemy army will attack ", "the Burak Village tomorrow!"}, true, 160, 230},
    {125, 120, 7.5f, 4.3f, 151, 140, "Quest 91: ", 0xFFF0A0A0, {"The enemy will try one last time to attack ", "the Desert Village. This is their last attempt.", "Guard the village and defeat the enemy army.", "After this battle the desert will be safe.", "They will attack in 2 weeks! "}, true, 151, 350},
    {140, 120, 5.5f, 2.3f, 160, 140, nullptr, 0, {"The enemy army will attack ", "the Desert Village in 1 week!"}, true, 160, 230},
    {140, 120, 5.5f, 2.3f, 160, 140, nullptr, 0, {"The enemy army will attack ", "the Desert Village tomorrow!"}, true, 160, 230},
    {125, 120, 8.3f, 4.2f, 151, 140, "Quest 93: ", 0xFFF0A0A0, {"The enemy is ready to wage war in the wastelands.", "They will test our defences by attacking", "our Tower in 10 days. "}, true, 151, 330},
    {125, 120, 7.5f, 4.2f, 151, 170, nullptr, 0, {"The enemy will attack our Wasteland Tower ", "in 4 days!  There is room for only one of", "your armies inside... "}, true, 151, 330},
    {125, 120, 7.5f, 4.2f, 151, 170, nullptr, 0, {"The enemy will attack our Wasteland Tower ", "tomorrow! This will begin a long war ", "of good vs evil in the wastelands! "}, true, 151, 330},
    {125, 120, 7.3f, 4.2f, 151, 140, "Quest 94: ", 0xFFF0A0A0, {"The enemy will attack the Wawel Castle ", "in 1 week! They are testing our defences", "with forward scouting armies. We hope", "that you bring more than one hero.", "You must win to get any fame or gold."}, true, 151, 330},
    {125, 120, 7.4f, 4.2f, 151, 170, nullptr, 0, {"The enemy will attack the Wawel Castle ", "in 1 day!  We think that the Tower attack", "was just a diversion. The stronger attack", "is coming now."}, true, 151, 330},
    {125, 120, 7.4f, 4.2f, 151, 170, nullptr, 0, {"The King ordered a withdrawal of all guards", "from the Wasteland Tower in 11 days.  ", "It is just too hard to defend. "}, true, 151, 330},
    {175, 150, 6.8f, 4.3f, 200, 170, "Quest 95:", 0xFFFAA0A0, {"A very strong enemy force is heading", "towards the Pajaca Palace. The palace", "guards will not help you if you fight", "outside the palace. Also you must defeat", "the enemy force to get any fame or gold."}, true, 201, 380},
    {125, 120, 6.9f, 4.2f, 151, 170, nullptr, 0, {"Everyone has left the Wasteland Tower.", "The guards have destroyed the tower ", "to prevent the enemy from capturing it.  "}, true, 151, 330},
    {155, 150, 7.3f, 5.3f, 180, 170, "Quest 96:", 0xFFFAA0A0, {"A giant enemy army is heading towards", "the Wawel Castle. The castle guards will", "not help if you fight outside the castle walls.", "Come help with the defence and bring many", "heroes because we will have to surrender", "if you can't defeat this giant invading army."}, true, 201, 440},
    {175, 150, 5.8f, 3.1f, 200, 170, nullptr, 0, {"The giant enemy army is slowly", "moving towards the Wawel Castle. "}, true, 201, 300},
    {25, 95, 9.8f, 5.1f, 46, 140, "Kingdom News:", 0xFFE6E6E6, {"You must attack the Black Zima Castle to end these invasions.", "You will get extra help from the palace guards for every", "quest that you solve for the Pajaca Palace. Also you will ", "get more help from the Castle guards for every quest that ", "you solve for the Wawel Castle. "}, true, 46, 365},
    {25, 95, 9.5f, 4.9f, 50, 140, "War Report:", 0xFFE6E6E6, {"The Black Zima Castle is stronger than any invading army.", "We think that to win you will you need maximum help from", "the Pajaca Palace and Wawel Castle. You will also need to ", "attack with alot of heroes. "}, true, 50, 345},
    {115, 150, 8.3f, 5.3f, 140, 170, "Quest 97:", 0xFFFAA0A0, {"A mammoth invasion is coming towards our castle!", "This invasion is much stronger than all previous ", "attacks. Please help us to defend. If our castle ", "falls then all is lost. Ofcourse if you defeat ", "the Black Zima Castle then the enemy will surely ", "surrender."}, true, 140, 440},
    {175, 150, 6.35f, 3.1f, 200, 170, nullptr, 0, {"The mammoth enemy army is slowly", "moving towards the Wawel Castle. "}, true, 201, 300},
    {115, 150, 8.3f, 4.0f, 140, 170, "Truce Talks:", 0xFFFAA0A0, {"Our kingdom will sign a truce with the enemy if you ", "can't defeat them in the next 30 days. Please don't ", "let our castle fall until then! "}, true, 140, 350},
    {115, 150, 8.3f, 5.3f, 140, 170, "Quest 98:", 0xFFFAA0A0, {"A super strong army is coming towards our castle!", "This invasion is much stronger than all previous ", "attacks. Please help us to defend. If our castle ", "falls then all is lost. Ofcourse if you defeat ", "the Black Zima Castle then the enemy will surely ", "surrender."}, true, 140, 440},
    {175, 150, 6.15f, 3.1f, 200, 170, nullptr, 0, {"The super strong army is slowly", "moving towards the Wawel Castle. "}, true, 201, 300},
}};

constexpr const char* kHardWinVillage[] = {"The village peasants defeat ",
                                          "the enemy with great difficulty."};
constexpr const char* kEasyResult = "+3 fame and +200 gold  ";
constexpr const char* kNoGainResult = "You get no gold and no fame.  ";
constexpr const char* kRewardResult = "+5 fame";
constexpr const char* kBigRewardResult = "+10 fame   +500 gold";

// Armies 80..92.
constexpr std::array<OutcomeText, 13> kOutcomes = {{
    {{"The palace guards defeat the enemy.", "with great difficulty."},
     {"The enemy force was weakened", "through your help. The palace",
      "guards defeat them easily."},
     {"The Queen gives you 500 gold", "for defeating the enemy force."}, kEasyResult,
     kRewardResult},
    {{kHardWinVillage[0], kHardWinVillage[1]},
     {"The enemy force was weakened", "through your help. The village",
      "peasants defeat them easily."},
     {"The merchants give you 500 gold", "for defeating the enemy force."}, kEasyResult,
     kRewardResult},
    {{kHardWinVillage[0], kHardWinVillage[1]},
     {"The enemy force was weakened", "through your help. The village", "peasants defeat them."},
     {"The peasants give you 500 gold", "for defeating the enemy force."}, kEasyResult,
     kRewardResult},
    {{kHardWinVillage[0], kHardWinVillage[1]},
     {"The enemy force was weakened", "through your help. The village", "peasants defeat them."},
     {"The peasants give you 500 gold", "for defeating the enemy force."}, kEasyResult,
     kRewardResult},
    {{kHardWinVillage[0], kHardWinVillage[1]},
     {"The enemy force was weakened", "through your help. The village", "peasants defeat them."},
     {"The peasants give you 500 gold", "for defeating the enemy force."}, kEasyResult,
     kRewardResult},
    {{"The village peasants defeat ", "the bandits with great difficulty."},
     {"The bandit army was weakened", "through your help. The village", "peasants defeat them."},
     {"The peasants give you 500 gold", "for defeating the bandits."}, kEasyResult,
     kRewardResult},
    {{kHardWinVillage[0], kHardWinVillage[1]},
     {"The enemy army was weakened", "through your help. The village", "peasants defeat them."},
     {"The peasants give you 500 gold", "for defeating the enemy."}, kEasyResult, kRewardResult},
    {{"The tower guards defeat ", "the enemy with great difficulty."},
     {"The enemy army was weakened", "through your help. The tower", "guards defeat them."},
     {"The King gives you 500 gold", "for defeating the enemy."}, kEasyResult, kRewardResult},
    {{"The brave castle guards defeat ", "the enemy with great difficulty."},
     {"The enemy army was weakened", "through your help. The castle", "guards defeat them."},
     {"The Queen gives you 500 gold", "for defeating the enemy."}, kNoGainResult, "+10 fame !"},
    {{"The palace guards defeat the enemy.", "with great difficulty."},
     {"The enemy force was weakened", "through your help. The palace", "guards defeat them.."},
     {"The Queen gives you 500 gold", "for defeating the enemy force."}, kNoGainResult,
     nullptr},
    {{}, {}, {"This is great! You defeated", "the giant enemy army!"}, nullptr, kBigRewardResult},
    {{}, {}, {"This is great! You defeated", "the mammoth enemy army!"}, nullptr, kBigRewardResult},
    {{}, {}, {"This is great! You defeated", "the super strong army!"}, nullptr, kBigRewardResult},
}};

// Ids 1..31.
constexpr std::array<std::array<const char*, 4>, 31> kReturnedObjects = {{
    {{"You send some fruits back to", "Kapusta village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the axe back to", "Moja town. You may go", "back and collect your reward.", nullptr}},
    {{"There is something laying", "on the ground but you don't ", "take what is not yours...", nullptr}},
    {{"You send the scroll back to", "Ziemniak town. You may go", "back and collect your reward.", nullptr}},
    {{"You send the key back to the", "Golden temple. You may go", "back and collect your reward.", nullptr}},
    {{"You send the art back to the", "Golden temple. You may go", "back and collect your reward.", nullptr}},
    {{"You send the purple vase back", "to the Moja town. You may go", "back and collect your reward.", nullptr}},
    {{"You send some water back", "to the Little village. You may go", "back and collect your reward.", nullptr}},
    {{"You send some fruit back", "to the Little village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the brown vial back", "to the Little village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the green vial back", "to the Little village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the shield back to the", "Rabarbar town. You may go", "back and collect your reward.", nullptr}},
    {{"You send the armor back to the", "Rabarbar town. You may go", "back and collect your reward.", nullptr}},
    {{"You send the sword back to the", "Rabarbar town. You may go", "back and collect your reward.", nullptr}},
    {{"You send the armor back to the", "Moja town. You may go", "back and collect your reward.", nullptr}},
    {{"You send the armor back to the", "Ziemniak town. You may go", "back and collect your reward.", nullptr}},
    {{"You send the sword back to the", "Ziemniak town. You may go", "back and collect your reward.", nullptr}},
    {{"You send the armor back to the", "Iron village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the armor back to the", "Burak village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the armor back to the", "Usta village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the shoes back to the", "Balon village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the shield back to the", "Balon village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the helmet back to the", "Balon village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the ring back to the", "Trawa village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the armor back to the", "Trawa village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the sword back to the", "Desert village. You may go", "back and collect your reward.", nullptr}},
    {{"You send food back to the", "Mountain village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the pants back to the", "Mountain village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the sword back to the", "Mountain village. You may go", "back and collect your reward.", nullptr}},
    {{"You send the armor back to the", "Wasteland Tower. You may go", "back and collect your reward.", nullptr}},
    {{"You send the sword back to the", "Wasteland Tower. You may go", "back and collect your reward.", nullptr}},
}};

// Ids 101..103.
constexpr std::array<std::array<const char*, 4>, 3> kReports = {{
    {{"You look around and see the evil", "nuns talking to many black figures.", "They must be planning a huge", "invasion!"}},
    {{"From s secret location you see", "a huge invasion army gathering.", "You send the news back to the", "Little village."}},
    {{"You hide behind some bushes ", "and spy on the Janek Tribe.", "Surely the tribes are getting", "ready to invade our kingdom!"}},
}};

}  // namespace

const std::array<FameRewardLine, kFameRewardLines> kFameRewardText = {{
    {"A rich merchant gives you 100 gold. ", 193},
    {"A hero joins you!", 200},
    {"The King gives you 400 gold. ", 205},
    {"The Queen gives you 500 gold. ", 205},
    {"A foreign ruler gives you 600 gold. ", 193},
    {"A foreign prince gives you 600 gold. ", 200},
    {"A hero joins you ! ", 205},
    {"A foreign hero gives you 600 gold. ", 205},
    {"A hero joins you ! ", 205},
    {"A foreign ruler gives you 600 gold. ", 205},
    {"A foreign ruler gives you 600 gold. ", 205},
    {"A hero joins you !", 205},
    {"A merchant gives you 600 gold.", 201},
    {"The Queen gives you 600 gold.", 201},
    {"A hero joins you !", 205},
    {"A merchant gives you 600 gold.", 205},
    {"A foreign ruler gives you 600 gold.", 205},
    {"A foreign hero joins you!", 205},
    {"A foreign hero gives you 600 gold.", 200},
    {"A rich hero gives you 600 gold.", 200},
    {"A merchant gives you 600 gold.", 200},
    {"A foreign hero joins you!", 205},
    {"The King gives you 900 gold.", 200},
}};

const StoryBox* FindStoryBox(int id) {
    return id >= 1 && id <= static_cast<int>(kStoryBoxes.size()) ? &kStoryBoxes[id - 1] : nullptr;
}

const OutcomeText* FindOutcomeText(int army) {
    constexpr int kFirst = 80;
    return army >= kFirst && army < kFirst + static_cast<int>(kOutcomes.size())
               ? &kOutcomes[army - kFirst]
               : nullptr;
}

const std::array<const char*, 4>* FindReturnedObjectText(int id) {
    constexpr int kFirstReport = 101;
    if (id >= 1 && id <= static_cast<int>(kReturnedObjects.size())) {
        return &kReturnedObjects[id - 1];
    }
    if (id >= kFirstReport && id < kFirstReport + static_cast<int>(kReports.size())) {
        return &kReports[id - kFirstReport];
    }
    return nullptr;
}

}  // namespace varn
