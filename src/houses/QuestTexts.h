#pragma once

#include <array>
#include <cstdint>

namespace varn {

// A box of the talk dialogue: the 64 x 64 backdrop stretched from its top-left corner.
struct Panel {
    int16_t x;
    int16_t y;
    float scaleX;
    float scaleY;
};

struct Spot {
    int16_t x;
    int16_t y;
};

// One line of text drawn into the rectangle (x, y, width, height).
struct TextLine {
    int16_t x;
    int16_t y;
    int16_t width;
    int16_t height;
    const char* text;
};

inline constexpr int kMaxOfferLines = 4;
inline constexpr int kMaxNoteLines = 3;
inline constexpr int kMaxNoticeLines = 3;
inline constexpr int16_t kTitleWidth = 100;
inline constexpr int16_t kLineHeight = 32;

// The offer with "Accept?": the title at (textX, lineY[0]), line k at (textX, lineY[k + 1]).
struct OfferText {
    Panel panel;
    int16_t textX;
    int16_t lineWidth;
    uint8_t lineCount;
    std::array<int16_t, kMaxOfferLines + 1> lineY;
    std::array<const char*, kMaxOfferLines> lines;
};

// The one-line reminder of a quest in progress: the title at (titleX, 320), the line at
// (lineX, 350).
struct ReminderText {
    Panel panel;
    int16_t titleX;
    int16_t lineX;
    int16_t lineWidth;
    const char* line;
};

// A gift or reward note: the title at (textX, panel y + 10), line k 30 pixels apart from
// panel y + 40, "Fame +1 " and the item's picture where given.
struct NoteText {
    Panel panel;
    int16_t textX;
    uint8_t lineCount;
    std::array<const char*, kMaxNoteLines> lines;
    Spot fame;
    Spot picture;
};

struct QuestTexts {
    uint8_t quest;
    OfferText offer;
    ReminderText reminder;
    NoteText gift;
    NoteText reward;
};

// A fixed box of green lines: what a house says when it has no quest to talk about.
struct Notice {
    Panel panel;
    uint8_t lineCount;
    std::array<TextLine, kMaxNoticeLines> lines;
};

// Which notice a house shows when it has nothing to say: `whileBelow` while quest `quest` is
// below `below`, `otherwise` after (null: nothing but the holding lines).
struct NoticeRule {
    uint8_t quest;
    uint8_t below;
    const Notice* whileBelow;
    const Notice* otherwise;
};

// Everything one house's talk dialogue says, its quests in chain order.
struct HouseTexts {
    std::array<QuestTexts, 5> quests;
    NoticeRule nothingToSay;
    // The first line of the join box; null where no quest joins.
    const char* joinMessage;
    const char* joinBenefits;
};

// Villages 1..9 and towns 1..4 at entry number - 1.
extern const std::array<HouseTexts, 9> kVillageTexts;
extern const std::array<HouseTexts, 4> kTownTexts;
extern const HouseTexts kCastleTexts;
extern const HouseTexts kPalaceTexts;
extern const HouseTexts kTempleTexts;
extern const HouseTexts kTowerTexts;

// The fixed pieces every house dialogue shares.
inline constexpr const char* kFameLine = "Fame +1 ";
inline constexpr const char* kAcceptLine = "Accept?";
inline constexpr Panel kAcceptPanel{190, 370, 3.5f, 1.9f};
inline constexpr TextLine kAcceptText{264, 390, 500, kLineHeight, kAcceptLine};
inline constexpr Spot kAcceptYesSpot{230, 430};
inline constexpr Spot kAcceptNoSpot{340, 430};
inline constexpr Panel kJoinPanel{50, 450, 8.7f, 1.4f};
inline constexpr Spot kJoinMessageSpot{80, 470};
inline constexpr int16_t kJoinMessageWidth = 450;
inline constexpr Spot kJoinBenefitsSpot{80, 500};
inline constexpr int16_t kJoinBenefitsWidth = 600;
inline constexpr Panel kHoldingPanel{150, 470, 5.0f, 1.8f};
inline constexpr std::array<TextLine, 2> kHoldingLines{{
    {190, 490, 400, kLineHeight, "Still holding stuff for you."},
    {190, 520, 400, kLineHeight, "Your bag is full."},
}};
inline constexpr const char* kBagFullLine = "Your bag is full. Come back at any time";
inline constexpr const char* kBagFullLine2 = "to pick up your stuff.";
// The bag-full note under a reward, and under a gift.
inline constexpr Panel kRewardBagFullPanel{130, 350, 6.6f, 1.2f};
inline constexpr std::array<TextLine, 2> kRewardBagFullLines{{
    {155, 360, 500, kLineHeight, kBagFullLine},
    {155, 390, 500, kLineHeight, kBagFullLine2},
}};
inline constexpr Panel kGiftBagFullPanel{130, 430, 6.6f, 2.4f};
inline constexpr std::array<TextLine, 2> kGiftBagFullLines{{
    {155, 470, 500, kLineHeight, kBagFullLine},
    {155, 500, 500, kLineHeight, kBagFullLine2},
}};

}  // namespace varn
