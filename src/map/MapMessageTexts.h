#pragma once

#include <array>
#include <cstdint>

namespace varn {

// The words of the kingdom map's message boxes.

// A story box of a dated event or invasion: its box, where its first line stands, an optional
// title in its own colour, the body lines and where "press Enter to continue" stands.
struct StoryBox {
    int32_t boxX;
    int32_t boxY;
    float scaleX;
    float scaleY;
    int32_t lineX;
    int32_t lineY;
    const char* title;
    uint32_t titleColour;
    std::array<const char*, 6> lines;
    bool waitsForEnter;
    int32_t pressX;
    int32_t pressY;
};

// Story box 1..36, or null.
const StoryBox* FindStoryBox(int id);

// The words of an invasion's three possible endings; an empty kind has no lines.
struct OutcomeText {
    std::array<const char*, 2> hardWin;
    std::array<const char*, 3> easyWin;
    std::array<const char*, 2> reward;
    const char* easyResult;
    // Null: the reward box has no result line.
    const char* rewardResult;
};

// Invader 80..92, or null.
const OutcomeText* FindOutcomeText(int army);

// The lines of a returned quest object (1..31) or a scouting report (101..103); unused lines are
// null. Null for any other id.
const std::array<const char*, 4>* FindReturnedObjectText(int id);

struct FameRewardLine {
    const char* text;
    int32_t x;
};

inline constexpr int kFameRewardLines = 23;
extern const std::array<FameRewardLine, kFameRewardLines> kFameRewardText;

}  // namespace varn
