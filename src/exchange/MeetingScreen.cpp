#include "exchange/MeetingScreen.h"

#include <cstdio>

#include "exchange/ArmyMoves.h"
#include "exchange/ExchangePictures.h"

namespace varn {

namespace {

constexpr int32_t kHalfWidth = 400;
constexpr int32_t kPortraitX = 26;
constexpr int32_t kPortraitY = 32;
constexpr int32_t kStatsX = 176;
constexpr int32_t kStatsY = 36;
constexpr int32_t kStatLine = 24;
constexpr int32_t kNameY = 172;
constexpr int32_t kArmiesTitleY = 214;
constexpr int32_t kFirstArmyY = 240;
constexpr int32_t kArmyRow = 46;
constexpr int32_t kFigureX = 22;
constexpr float kFigureScale = 0.7f;
constexpr int32_t kMenX = 74;
constexpr int32_t kArmyNameX = 150;
constexpr float kArmyNameScale = 0.75f;
constexpr int32_t kTextHeight = 20;

}  // namespace

void MeetingScreen::Init(GraphicsDevice* device) {
    InitPictureSet(panel, device, kMeetingPictures);
    InitPortraitSet(portraits, device);
    InitPictureSet(letters, device, kNameLetterPictures);
    InitPictureSet(units, device, kArmyFigurePictures);
    font.Create(device, "Arial", kTextHeight, 0, 0, 0, 0);
    font.Begin();
}

void MeetingScreen::ReleaseTextures() {
    panel.Free();
    portraits.Free();
    letters.Free();
    units.Free();
}

void MeetingScreen::Free() {
    ReleaseTextures();
    font.End();
    font.Release();
}

void MeetingScreen::Show(const GameState& world, CharacterId first, CharacterId second) {
    cards[0].CopyFrom(world, first);
    cards[1].CopyFrom(world, second);
    buttons.Reset();
}

void MeetingScreen::Text(const char* text, int32_t x, int32_t y, uint32_t colour) {
    font.DrawText(text, x, y, 0, 0, colour, 0);
}

void MeetingScreen::DrawCard(const CharacterCard& card, int32_t left) {
    portraits.Draw(card.portraitSlot, 0, left + kPortraitX, kPortraitY, 0xFFFFFFFF, 1.0f, 1.0f);
    DrawGlyphNameCentred(letters, card.name, left + kHalfWidth / 2, kNameY);

    const CharacterStats& stats = card.stats;
    char line[64];
    int32_t y = kStatsY;
    auto statLine = [&](const char* format, auto... values) {
        std::snprintf(line, sizeof line, format, values...);
        Text(line, left + kStatsX, y, kExchangeTextColour);
        y += kStatLine;
    };
    statLine("Health %d / %d", stats.health, stats.maxHealth);
    statLine("Attack %d", stats.attack);
    statLine("Defence %d", stats.defence);
    statLine("Level %d", static_cast<int>(stats.level));
    statLine("Experience %d", stats.experience);

    Text("Armies", left + kFigureX, kArmiesTitleY, kExchangeTitleColour);
    bool anyArmy = false;
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        if (!HoldsArmy(card.armies, slot)) {
            continue;
        }
        anyArmy = true;
        const int32_t rowY = kFirstArmyY + kArmyRow * slot;
        DrawUnitFigure(units, card.armies.unitType[slot], left + kFigureX, rowY - 6, kFigureScale);
        std::snprintf(line, sizeof line, "%d men", static_cast<int>(card.armies.alive[slot]));
        Text(line, left + kMenX, rowY + 8, kExchangeTextColour);
        DrawGlyphRow(letters, card.armies.name[slot], left + kArmyNameX, rowY + 4, kArmyNameScale);
    }
    if (!anyArmy) {
        Text("No armies", left + kMenX, kFirstArmyY + 8, kExchangeTextColour);
    }
}

void MeetingScreen::Draw() {
    DrawCard(cards[0], 0);
    DrawCard(cards[1], kHalfWidth);
    for (const ButtonRect& button : kMeetingButtons) {
        DrawExchangeButton(panel, button.id - 1, buttons, button.id);
    }
}

}  // namespace varn
