#include <algorithm>
#include <cstdio>
#include <span>
#include <string>

#include "engine/Colours.h"
#include "map/MapMessageTexts.h"
#include "map/MapScreen.h"

namespace varn {

// The kingdom map's message boxes: fame gifts, story events, invasion outcomes, the day box, the
// trade refusal, the fame panel, the gold and day strip, the found box and the full bag.

namespace {

constexpr uint32_t kDayColour = 0xFF14E614;
constexpr uint32_t kLossColour = 0xFFE6C8C8;
constexpr uint32_t kEasyWinColour = 0xFFC8C8E6;
constexpr uint32_t kRewardColour = 0xFFC8C8FA;
constexpr int32_t kLineHeight = 30;
constexpr int32_t kLineWidth = 340;
constexpr int32_t kBoxPictureWidth = 64;
constexpr int32_t kFameBoxX = 175;
constexpr float kFameBoxScaleX = 5.8f;
constexpr const char* kPressEnter = "press Enter to continue";

constexpr int kPanelDayDigitSlot = 10;
constexpr int kPanelFameDigitSlot = 11;

// Draws the digits of text at the given x positions, one frame per digit.
void DrawDigits(SpriteSet* set, int32_t slot, const std::string& digits,
                std::initializer_list<int32_t> xs, int32_t y, float scale) {
    if (set == nullptr) {
        return;
    }
    size_t index = 0;
    for (int32_t x : xs) {
        if (index >= digits.size()) {
            return;
        }
        set->Draw(slot, digits[index++] - '0', x, y, 0xFFFFFFFF, scale, scale);
    }
}

// A counter of up to three digits (day, fame); 1000 and more, or below 0, draw none.
void DrawSmallCounter(SpriteSet* set, int32_t slot, int32_t value, std::array<int32_t, 3> one,
                      std::array<int32_t, 2> two, std::array<int32_t, 3> three, int32_t y) {
    if (value < 0 || value >= 1000) {
        return;
    }
    const std::string digits = std::to_string(value);
    if (digits.size() == 1) {
        DrawDigits(set, slot, digits, {one[0]}, y, 0.6f);
    } else if (digits.size() == 2) {
        DrawDigits(set, slot, digits, {two[0], two[1]}, y, 0.6f);
    } else {
        DrawDigits(set, slot, digits, {three[0], three[1], three[2]}, y, 0.6f);
    }
}

// The right edge of a message box drawn at x, stretched by scaleX.
int32_t BoxRight(int32_t x, float scaleX) {
    return x + static_cast<int32_t>(kBoxPictureWidth * scaleX);
}

}  // namespace

void MapScreen::DrawFameReward(uint8_t showDayBox) {
    if (showDayBox == 0 || enemyPhase != kEnemyPhaseOff) {
        return;
    }
    if (fameBoxShown != 0) {
        DrawBox(kFameBoxX, 320, kFameBoxScaleX, 0.6f);
        DrawLine("Because of your high fame:", 201, 330, kLineWidth, kTextGrey);
    }
    for (int gift = 0; gift < kFameRewardLines; ++gift) {
        if (fameRewardShown[gift] == 0) {
            continue;
        }
        const int32_t row = fameRewardRow[gift];
        DrawBox(kFameBoxX, (row + 9) * 40, kFameBoxScaleX, 0.6f);
        // The longest gifts need more than 340 pixels: they reach to the box's edge.
        const int32_t x = kFameRewardText[gift].x;
        DrawLine(kFameRewardText[gift].text, x, row * 40 + 370,
                 BoxRight(kFameBoxX, kFameBoxScaleX) - x, kTextGrey);
    }
}

void MapScreen::DrawStoryBox() {
    const StoryBox* box = FindStoryBox(eventId);
    if (box == nullptr) {
        return;
    }
    DrawBox(box->boxX, box->boxY, box->scaleX, box->scaleY);
    // Title and lines reach to the box's edge: fixed widths would cut "Truce Talks:" or run
    // past the frame.
    const int32_t width = BoxRight(box->boxX, box->scaleX) - box->lineX;
    int32_t y = box->lineY;
    if (box->title != nullptr) {
        DrawLine(box->title, box->lineX, y, width, box->titleColour);
        y += kLineHeight;
    }
    for (const char* line : box->lines) {
        if (line != nullptr) {
            DrawLine(line, box->lineX, y, width, kTextGrey);
            y += kLineHeight;
        }
    }
    if (box->waitsForEnter) {
        DrawLine(kPressEnter, box->pressX, box->pressY, kLineWidth, kTextGrey);
    }
}

void MapScreen::DrawOutcomeBoxes() {
    // An outcome replaces the story box.
    eventId = 0;
    auto drawKind = [this](const OutcomeText* text, int32_t boxX, float scaleY,
                           std::span<const char* const> lines, int32_t firstWidth,
                           const char* result, uint32_t resultColour) {
        if (text == nullptr || lines.empty() || lines[0] == nullptr) {
            return;
        }
        DrawBox(boxX, 200, 6.4f, scaleY);
        int32_t y = 230;
        for (const char* line : lines) {
            DrawLine(line, 200, y, y == 230 ? firstWidth : kLineWidth, kTextGrey);
            y += kLineHeight;
        }
        if (result != nullptr) {
            DrawLine(result, 200, y, kLineWidth, resultColour);
        }
        DrawBox(230, 410, 4.5f, 0.8f);
        DrawLine(kPressEnter, 260, 422, 240, kTextGrey);
    };
    if (const OutcomeText* text = FindOutcomeText(outcomeHardWin)) {
        drawKind(text, 175, 2.1f, text->hardWin, 400, "You lose 3 fame.", kLossColour);
    }
    if (const OutcomeText* text = FindOutcomeText(outcomeEasyWin)) {
        drawKind(text, 175, 2.5f, text->easyWin, kLineWidth, text->easyResult, kEasyWinColour);
    }
    if (const OutcomeText* text = FindOutcomeText(outcomeReward)) {
        drawKind(text, 160, 2.1f, text->reward, kLineWidth, text->rewardResult, kRewardColour);
    }
}

void MapScreen::DrawDayBox() {
    if (dayShown == 1) {
        DrawBox(210, 20, 4.7f, 2.2f);
        DrawLine("Move around by:", 231, 40, kLineWidth, kTextGrey);
        DrawLine("left click to draw path ", 231, 80, kLineWidth, kTextGrey);
        DrawLine("press ENTER to move", 231, 120, kLineWidth, kTextGrey);
        DrawSprite(kMapMouseSlot, 0, 450, 70, 0.9f, 0.9f);
        DrawSprite(kMapLargeBoxSlot, 0, 174, 196, 1.45f, 0.9f);
        DrawLine("You arrive at the Kingdom of Zav.", 201, 256, kLineWidth, kTextGrey);
    } else {
        DrawSprite(kMapLargeBoxSlot, 0, 270, 198, 0.6f, 0.6f);
    }
    char dayText[16];
    std::snprintf(dayText, sizeof dayText, "%ld", static_cast<long>(dayShown));
    DrawLine("Day ", 310, 220, 100, kDayColour);
    DrawLine(dayText, 370, 220, 100, kDayColour);
    if (healMessages[0] != 0) {
        DrawBox(240, 16, 3.6f, 1.0f);
        DrawLine("Your forces heal.", 271, 36, kLineWidth, kTextGrey);
    }
    if (healMessages[1] != 0) {
        DrawBox(240, 114, 3.6f, 1.0f);
        DrawLine("Enemy forces heal.", 261, 134, kLineWidth, kTextGrey);
    }
    if (healMessages[2] != 0) {
        DrawBox(135, 70, 7.2f, 0.7f);
        DrawLine("The enemy at Black Zima Castle fully heals!", 156, 81, 460, kTextGrey);
    }
}

void MapScreen::DrawStatusStrip(uint32_t gold, SpriteSet* panelSprites) {
    DrawSprite(kMapSmallBoxSlot, 0, 0, 0, gold >= 100000 ? 1.65f : 1.45f, 0.8f);
    DrawSprite(kMapDayAndGoldSlot, 0, 8, 0, 0.9f, 0.85f);
    DrawSprite(kMapDayAndGoldSlot, 1, 100, 1, 0.9f, 0.85f);
    DrawSmallCounter(panelSprites, kPanelDayDigitSlot, dayShown, {26}, {17, 37}, {7, 27, 47}, 30);
    // Six digits at most, 20 apart; a seventh is not drawn.
    const std::string digits = std::to_string(gold).substr(0, 6);
    constexpr std::array<int32_t, 6> kFirstX = {120, 110, 98, 88, 78, 78};
    const int32_t first = kFirstX[digits.size() - 1];
    for (size_t i = 0; i < digits.size(); ++i) {
        DrawSprite(kMapDigitSlot, digits[i] - '0', first + static_cast<int32_t>(i) * 20, 30, 0.6f,
                   0.6f);
    }
}

void MapScreen::DrawFoundBox(int32_t goldX, int32_t goldY) {
    DrawBox(180, 200, 5.6f, 3.1f);
    if (const auto* lines = FindReturnedObjectText(returnedObject)) {
        const bool report = returnedObject >= kFirstScoutingReport;
        const int32_t x = !report ? 220 : returnedObject == kFirstScoutingReport ? 198 : 203;
        int32_t y = report ? 240 : 250;
        for (const char* line : *lines) {
            if (line != nullptr) {
                DrawLine(line, x, y, 400, kTextGrey);
                y += kLineHeight;
            }
        }
    }
    if (foundGoldShown != 0) {
        DrawSprite(kMapPileSlot, 0, 320, 220, 0.8f, 0.8f);
        const int32_t amount = std::max(foundGold, 0);
        if (amount < 100) {
            const std::string two = {static_cast<char>('0' + amount / 10),
                                     static_cast<char>('0' + amount % 10)};
            DrawDigits(sprites.get(), kMapDigitSlot, two, {goldX + 25, goldX + 50}, goldY, 0.7f);
        } else if (amount < 1000) {
            DrawDigits(sprites.get(), kMapDigitSlot, std::to_string(amount),
                       {goldX + 13, goldX + 35, goldX + 60}, goldY, 0.7f);
        } else {
            DrawDigits(sprites.get(), kMapDigitSlot, std::to_string(amount),
                       {goldX - 13, goldX + 10, goldX + 35, goldX + 60}, goldY, 0.7f);
        }
    }
    if (foundGem != 0 && gemArt) {
        gemArt->Draw(0, 0, 240, 240, 0xFFFFFFFF, 1.0f, 1.0f);
    }
    if (foundArtifact != 0 && artifactArt) {
        artifactArt->Draw(0, 0, 425, 235, 0xFFFFFFFF, 1.2f, 0.8f);
    }
    if (foundItem != 0 && itemArt) {
        itemArt->Draw(0, 0, 315, 320, 0xFFFFFFFF, 1.0f, 1.0f);
    }
}

void MapScreen::DrawEventMessage(int32_t goldX, int32_t goldY, uint8_t showDayBox, uint32_t gold,
                                 SpriteSet* panelSprites, uint8_t showFamePanel) {
    DrawStoryBox();
    if (outcomeShown != 0) {
        DrawOutcomeBoxes();
    }
    if (showDayBox != 0 && enemyPhase == kEnemyPhaseOff) {
        DrawDayBox();
    }
    if (tradeFailed != 0) {
        DrawBox(140, 450, 7.22f, 0.8f);
        DrawLine("Can't Trade. Someone has 0 movement left.", 162, 465, 540, kTextGrey);
    }
    if (showFamePanel != 0) {
        DrawSprite(kMapSmallBoxSlot, 0, 659, 49, 1.0f, 0.75f);
        DrawSprite(kMapFameSlot, 0, 695, 48, 0.9f, 0.9f);
        DrawSmallCounter(panelSprites, kPanelFameDigitSlot, fameShown, {715}, {703, 723},
                         {694, 714, 734}, 75);
    }
    DrawStatusStrip(gold, panelSprites);
    if (foundBox == kFoundBoxShown) {
        DrawFoundBox(goldX, goldY);
    }
    if (bagFull != 0) {
        DrawBox(180, 200, 5.6f, 2.0f);
        DrawLine("Your bag is full.", 290, 220, 200, kTextGrey);
        if (itemArt) {
            itemArt->Draw(0, 0, 215, 210, 0xFFFFFFFF, 1.0f, 1.0f);
        }
        DrawLine("Item placed back in the chest.", 220, 279, 280, kTextGrey);
    }
}

void MapScreen::DrawBox(int32_t x, int32_t y, float scaleX, float scaleY) {
    DrawSprite(kMapBoxSlot, 0, x, y, scaleX, scaleY);
}

void MapScreen::DrawSprite(int32_t slot, int32_t frame, int32_t x, int32_t y, float scaleX,
                           float scaleY) {
    if (sprites) {
        sprites->Draw(slot, frame, x, y, 0xFFFFFFFF, scaleX, scaleY);
    }
}

void MapScreen::DrawLine(const char* text, int32_t x, int32_t y, int32_t width, uint32_t colour) {
    if (font) {
        font->DrawText(text, x, y, width, kLineHeight, colour, 0);
    }
}

}  // namespace varn
