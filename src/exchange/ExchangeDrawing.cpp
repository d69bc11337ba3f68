#include "exchange/ExchangeDrawing.h"

#include <algorithm>

#include "engine/SpriteSet.h"
#include "exchange/ExchangePictures.h"
#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

namespace {

constexpr uint32_t kOpaque = 0xFFFFFFFF;
constexpr int32_t kLetterAdvance = 14;
constexpr int32_t kFirstHeroPortraitSlot = 2;

}  // namespace

void CharacterCard::CopyFrom(const GameState& world, CharacterId character) {
    *this = CharacterCard{};
    if (!IsInParty(world, character)) {
        return;
    }
    id = character;
    portraitSlot = character == kPlayerCharacter
                       ? std::min<int32_t>(world.playerPortrait, 1)
                       : kFirstHeroPortraitSlot + HeroIndexOfCharacter(character);
    name = NameOf(world, character);
    stats = *StatsOf(world, character);
    armies = *ArmyOf(world, character);
}

void InitPictureSet(SpriteSet& set, GraphicsDevice* device, std::span<const PictureLoad> table) {
    int32_t slots = 0;
    for (const PictureLoad& row : table) {
        slots = std::max(slots, row.slot + 1);
    }
    set.Init(device, slots);
    set.SetAlphaTest(1);
    LoadPictures(set, table);
}

void InitPortraitSet(SpriteSet& set, GraphicsDevice* device) {
    set.Init(device, kFirstHeroPortraitSlot + kHeroCount);
    set.SetAlphaTest(1);
    int32_t slot = 0;
    for (const auto& table : {std::span<const PictureLoad>(kPlayerPortraitPictures),
                              std::span<const PictureLoad>(kHeroPortraitPictures)}) {
        for (PictureLoad row : table) {
            row.slot = slot++;
            LoadPictures(set, std::span(&row, 1));
        }
    }
}

void DrawBox(SpriteSet& set, int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h) {
    set.Draw(slot, 0, x, y, kOpaque, static_cast<float>(w) / kSlotBoxSize,
             static_cast<float>(h) / kSlotBoxSize);
}

void DrawExchangeButton(SpriteSet& set, int32_t slot, const ButtonBar& bar, uint8_t id) {
    const ButtonRect* rect = bar.Find(id);
    if (rect != nullptr) {
        set.Draw(slot, bar.Look(id), rect->x, rect->y, kOpaque, 1.0f, 1.0f);
    }
}

void DrawGlyphRow(SpriteSet& letters, const GlyphString& name, int32_t x, int32_t y, float scale) {
    for (int i = 0; i < kGlyphStringLength; ++i) {
        const GlyphCode code = name[static_cast<size_t>(i)];
        if (code != kGlyphBlank && code != kGlyphCursor && IsValidGlyph(code)) {
            letters.Draw(0, code, x + static_cast<int32_t>(kLetterAdvance * scale * i), y, kOpaque,
                         scale, scale);
        }
    }
}

void DrawGlyphNameCentred(SpriteSet& letters, const GlyphString& name, int32_t centreX, int32_t y) {
    constexpr int32_t kLetterWidth = 16;
    const int32_t left = centreX - kLetterAdvance * LastGlyphIndex(name) / 2 - kLetterWidth / 2;
    DrawGlyphRow(letters, name, left, y, 1.0f);
}

void DrawUnitFigure(SpriteSet& units, uint8_t unitType, int32_t x, int32_t y, float scale) {
    if (units.IsLoaded(unitType)) {
        units.Draw(unitType, kUnitFacingViewer, x, y, kOpaque, scale, scale);
    }
}

}  // namespace varn
