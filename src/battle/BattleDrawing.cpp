#include <algorithm>
#include <cstdio>

#include "app/GlyphText.h"
#include "battle/BattlePictures.h"
#include "battle/BattleScreen.h"
#include "engine/Colours.h"
#include "engine/GroundTiles.h"

namespace varn {

namespace {

constexpr int32_t kViewWidth = 800;
constexpr int32_t kViewHeight = 600;
constexpr int32_t kFieldWidth = kBattleColumns * kBattleCellSize;
constexpr int32_t kFieldHeight = kBattleRows * kBattleCellSize;

// Ground tiles and the border's blocks.
// The grid's blocks of segments.
constexpr int32_t kGridBlock = 400;

// True when the w x h rectangle at field point (x, y) can show in the view.
bool InView(int32_t x, int32_t y, int32_t w, int32_t h, int32_t cameraX, int32_t cameraY) {
    return x < cameraX + kViewWidth && x + w > cameraX && y < cameraY + kViewHeight &&
           y + h > cameraY;
}

struct Decoration {
    int32_t frame;
    int32_t x;
    int32_t y;
    float scaleX;
    float scaleY;
};

// What lies on the plains, each drawn with the tile that holds it.
constexpr Decoration kPlainsDecorations[] = {
    {1, 480, 30, 0.9f, 0.8f},   {2, 540, 50, 0.9f, 0.8f},    {3, 840, 80, 0.7f, 0.7f},
    {5, 1070, 140, 0.7f, 0.7f}, {6, 1450, 110, 0.7f, 0.7f},  {8, 130, 250, 0.5f, 0.7f},
    {9, 210, 270, 0.7f, 0.7f},  {12, 450, 290, 0.7f, 0.7f},  {11, 650, 310, 0.7f, 0.7f},
    {10, 690, 340, 0.7f, 0.7f}, {6, 1200, 300, 0.7f, 0.7f},  {7, 1270, 310, 0.7f, 0.7f},
    {3, 200, 500, 0.7f, 0.6f},  {4, 260, 520, 0.6f, 0.6f},   {2, 650, 430, 0.5f, 0.5f},
    {1, 700, 540, 0.6f, 0.7f},  {5, 1000, 450, 0.5f, 0.5f},  {6, 1050, 500, 0.6f, 0.6f},
    {7, 1140, 530, 0.6f, 0.6f}, {5, 200, 820, 0.6f, 0.5f},   {6, 250, 800, 0.4f, 0.5f},
    {7, 290, 920, 0.6f, 0.7f},  {10, 800, 850, 0.6f, 0.5f},  {6, 890, 930, 0.5f, 0.5f},
    {7, 930, 880, 0.6f, 0.6f},  {10, 1400, 850, 0.5f, 0.5f}, {11, 1480, 820, 0.4f, 0.5f},
    {7, 1550, 880, 0.6f, 0.6f},
};

template <size_t N>
constexpr bool Lists(const int32_t (&battles)[N], int32_t battle) {
    return std::find(std::begin(battles), std::end(battles), battle) != std::end(battles);
}
constexpr bool InRange(int32_t battle, int32_t first, int32_t last) {
    return battle >= first && battle <= last;
}

}  // namespace

void BattleScreen::Sprite(SpriteSet* set, int32_t slot, int32_t frame, int32_t x, int32_t y,
                          float scaleX, float scaleY) {
    if (set == nullptr || !set->IsLoaded(slot)) {
        return;
    }
    set->Draw(slot, frame, x, y, kUntinted, scaleX, scaleY);
    if (drawLog != nullptr) {
        drawLog->push_back({set, slot, frame, x, y, {}});
    }
}

void BattleScreen::Text(Font* textFont, const char* text, int32_t x, int32_t y, int32_t w,
                        int32_t h, uint32_t colour) {
    if (textFont == nullptr) {
        return;
    }
    textFont->DrawText(text, x, y, w, h, colour, 0);
    if (drawLog != nullptr) {
        drawLog->push_back({nullptr, 0, 0, x, y, text});
    }
}

void BattleScreen::Number(Font* textFont, int32_t value, int32_t x, int32_t y, int32_t w, int32_t h,
                          uint32_t colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
    Text(textFont, text, x, y, w, h, colour);
}

void BattleScreen::Digits(int32_t slot, int32_t value, const DigitPlaces& places, int32_t y,
                          float scaleX, float scaleY) {
    for (const PlacedDigit& digit : PlaceDigits(value, places)) {
        Sprite(mainSprites.get(), slot, digit.digit, digit.x, y, scaleX, scaleY);
    }
}

void BattleScreen::Name(const GlyphString& name, int32_t x0, int32_t y, float scaleY) {
    constexpr int32_t kGlyphAdvance = 14;
    constexpr float kGlyphScaleX = 0.875f;
    GlyphTextTrace trace(name);
    for (int i = 0; i < kGlyphStringLength; ++i) {
        const GlyphCode code = name[static_cast<size_t>(i)];
        const int32_t x = x0 + kGlyphAdvance * i;
        const auto glyph = [&](SpriteSet* set, int32_t slot, int32_t frame) {
            if (set != nullptr) {
                trace.Add(*set, slot, frame, x, y, kGlyphScaleX, scaleY);
            }
            Sprite(set, slot, frame, x, y, kGlyphScaleX, scaleY);
        };
        if (code == kGlyphCursor) {
            continue;
        }
        if (code < kGlyphCapitalA) {
            glyph(letterSheet2.get(), 0, code);
            continue;
        }
        glyph(letterSheet1.get(), 0, code - kGlyphCapitalA);
        if (code >= kGlyphDigitZero) {
            glyph(mainSprites.get(), kSlotNumberLetters, code - kGlyphDigitZero);
        }
    }
}

void BattleScreen::Draw() {
    if (won < kWonFieldHidden) {
        DrawBorder();
        groundDrawn = 0;
        DrawGroundBlackZima();
        DrawGroundGrey();
        DrawGroundDesert();
        DrawGroundGrass();
        DrawGroundBrown();
        DrawGroundPlains();
        if (gridOn != 0) {
            DrawGrid();
        }
        DrawUnits();
        DrawUnitPanel();
        DrawCommanderPanel();
        DrawNamePanel();
        DrawActiveUnitPanel();
        DrawSideButtons();
        if (showTurnInfo != 0 && lost == 0) {
            DrawTurnInfo();
        }
    }
    if (battleOver == 1) {
        DrawResult();
    }
}

void BattleScreen::DrawBorder() {
    constexpr int32_t kOutside = -26;
    constexpr int32_t kPiece = 40;
    constexpr int32_t kBandRow = 26;
    constexpr int32_t kBandRows = 5;
    SpriteSet* set = mainSprites.get();
    auto blockShows = [this](int32_t x, int32_t y) {
        const int32_t bx = x < 0 ? -kTileSize : x / kTileSize * kTileSize;
        const int32_t by = y < 0 ? -kTileSize : y / kTileSize * kTileSize;
        return InView(bx, by, kTileSize, kTileSize, cameraX, cameraY);
    };
    for (int32_t y = 0; y < kFieldHeight; y += kPiece) {
        if (cameraX < 0 && blockShows(0, y)) {
            Sprite(set, kSlotBorder, 0, kOutside - cameraX, y - cameraY, 0.8f, 1.25f);
        }
        if (cameraX >= kViewWidth && blockShows(kFieldWidth - 1, y)) {
            Sprite(set, kSlotBorder, 0, kFieldWidth - cameraX, y - cameraY, 0.8f, 1.25f);
        }
    }
    for (int32_t x = 0; x < kFieldWidth; x += kPiece) {
        if (cameraY < 0 && blockShows(x, 0)) {
            Sprite(set, kSlotBorder, 1, x - cameraX, kOutside - cameraY, 1.25f, 0.8f);
        }
        if (cameraY >= kViewHeight && blockShows(x, kFieldHeight - 1)) {
            for (int32_t row = 0; row < kBandRows; ++row) {
                Sprite(set, kSlotBorder, 1, x - cameraX, kFieldHeight + kBandRow * row - cameraY,
                       1.25f, 0.8f);
            }
        }
    }
    if (cameraY < 0) {
        if (cameraX < 0) {
            Sprite(set, kSlotBorder, 2, kOutside - cameraX, kOutside - cameraY, 0.8f, 0.8f);
        }
        if (cameraX >= kViewWidth) {
            Sprite(set, kSlotBorder, 2, kFieldWidth - cameraX, kOutside - cameraY, 0.8f, 0.8f);
        }
    }
    if (cameraY >= kViewHeight) {
        for (int32_t row = 0; row < kBandRows; ++row) {
            const int32_t y = kFieldHeight + kBandRow * row - cameraY;
            if (cameraX < 0) {
                Sprite(set, kSlotBorder, 2, kOutside - cameraX, y, 0.8f, 0.8f);
            }
            if (cameraX >= kViewWidth) {
                Sprite(set, kSlotBorder, 2, kFieldWidth - cameraX, y, 0.8f, 0.8f);
            }
        }
    }
}

void BattleScreen::DrawGround(int32_t slot, bool decorated) {
    groundDrawn = 1;
    for (int32_t r = 0; r < kFieldHeight / kTileSize; ++r) {
        for (int32_t c = 0; c < kFieldWidth / kTileSize; ++c) {
            const int32_t x = c * kTileSize;
            const int32_t y = r * kTileSize;
            if (!InView(x, y, kTileSize, kTileSize, cameraX, cameraY)) {
                continue;
            }
            Sprite(groundSprites.get(), slot, 0, x - cameraX, y - cameraY, kTileScale, kTileScale);
            if (!decorated) {
                continue;
            }
            for (const Decoration& d : kPlainsDecorations) {
                if (d.x / kTileSize == c && d.y / kTileSize == r) {
                    Sprite(groundSprites.get(), kGroundExtras, d.frame, d.x - cameraX,
                           d.y - cameraY, d.scaleX, d.scaleY);
                }
            }
        }
    }
}

void BattleScreen::DrawGroundBlackZima() {
    if (groundDrawn == 0 && battleId == kCastleBattle) {
        DrawGround(kGroundBlackZima, false);
    }
}

void BattleScreen::DrawGroundGrey() {
    static constexpr int32_t kBattles[] = {62, 83, 88, 89, 91, 92, 93};
    if (groundDrawn == 0 && (InRange(battleId, 66, 72) || Lists(kBattles, battleId))) {
        DrawGround(kGroundGrey, false);
    }
}

void BattleScreen::DrawGroundDesert() {
    static constexpr int32_t kBattles[] = {82, 84, 85, 87};
    if (groundDrawn == 0 && (InRange(battleId, 54, 61) || Lists(kBattles, battleId))) {
        DrawGround(kGroundDesert, false);
    }
}

void BattleScreen::DrawGroundGrass() {
    static constexpr int32_t kBattles[] = {17, 18, 21, 23, 24, 31, 32, 33, 51, 52, 53};
    if (groundDrawn == 0 && Lists(kBattles, battleId)) {
        DrawGround(kGroundGrass, false);
    }
}

void BattleScreen::DrawGroundBrown() {
    if (groundDrawn == 0 && InRange(battleId, 44, 50)) {
        DrawGround(kGroundBrown, false);
    }
}

void BattleScreen::DrawGroundPlains() {
    if (groundDrawn == 0) {
        DrawGround(kGroundPlains, true);
    }
}

void BattleScreen::DrawGrid() {
    constexpr float kSegmentScale = 25.0f;
    for (int32_t by = 0; by < kFieldHeight; by += kGridBlock) {
        for (int32_t bx = 0; bx < kFieldWidth; bx += kGridBlock) {
            if (!InView(bx, by, kGridBlock, kGridBlock, cameraX, cameraY)) {
                continue;
            }
            for (int32_t y = std::max(by, kBattleCellSize); y < by + kGridBlock;
                 y += kBattleCellSize) {
                Sprite(mainSprites.get(), kSlotGridAcross, 0, bx - cameraX, y - cameraY,
                       kSegmentScale, 1.0f);
            }
            for (int32_t x = std::max(bx, kBattleCellSize); x < bx + kGridBlock;
                 x += kBattleCellSize) {
                Sprite(mainSprites.get(), kSlotGridDown, 0, x - cameraX, by - cameraY, 1.0f,
                       kSegmentScale);
            }
        }
    }
}

}  // namespace varn
