#include "exchange/MeetingScreen.h"

#include <cstdio>

#include "app/GlyphText.h"
#include "characters/ArmyPanel.h"
#include "exchange/ExchangePictures.h"

namespace varn {

namespace {

constexpr int32_t kHalfWidth = 400;
constexpr int32_t kPortraitX = 16;
constexpr int32_t kPortraitY = 12;
constexpr float kPortraitScale = 0.75f;
constexpr int32_t kStatsX = 128;
constexpr int32_t kStatsY = 12;
constexpr int32_t kStatLine = 20;
constexpr int32_t kNameY = 114;
constexpr int32_t kArmiesX = 40;
constexpr int32_t kArmiesY = 152;
constexpr int32_t kTextHeight = 18;

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
    portraits.Draw(card.portraitSlot, 0, left + kPortraitX, kPortraitY, 0xFFFFFFFF, kPortraitScale,
                   kPortraitScale);
    const CharacterStats& stats = card.stats;
    char line[64];
    int32_t y = kStatsY;
    auto statLine = [&](const char* format, auto... values) {
        std::snprintf(line, sizeof line, format, values...);
        Text(line, left + kStatsX, y, kTextGrey);
        y += kStatLine;
    };
    statLine("Health %d / %d", stats.health, stats.maxHealth);
    statLine("Attack %d", stats.attack);
    statLine("Defence %d", stats.defence);
    statLine("Level %d", static_cast<int>(stats.level));
    statLine("Experience %d", stats.experience);
    DrawCentredGlyphs(letters, 0, card.name, left + kHalfWidth / 2, kNameY, kNameLetterSpacing,
                      1.0f);
    DrawArmyPanel({&units, &font}, card.armies, {left + kArmiesX, kArmiesY, 0, kArmyCellHeight},
                  -1);
}

void MeetingScreen::Draw() {
    DrawCard(cards[0], 0);
    DrawCard(cards[1], kHalfWidth);
    for (const ButtonRect& button : kMeetingButtons) {
        DrawExchangeButton(panel, button.id - 1, buttons, button.id);
    }
}

}  // namespace varn
