#include "exchange/ExchangeDrawing.h"

#include <algorithm>

#include "app/PartyPictures.h"
#include "engine/Colours.h"
#include "engine/SpriteSet.h"
#include "exchange/ExchangePictures.h"
#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

namespace {

constexpr int32_t kFirstHeroPortraitSlot = 2;

}  // namespace

void CharacterCard::CopyFrom(const GameState& world, CharacterId character) {
    *this = CharacterCard{};
    if (!IsInParty(world, character)) {
        return;
    }
    id = character;
    if (character == kPlayerCharacter) {
        portraitSlot = std::min<int32_t>(world.playerPortrait, 1);
        bodyVariant = world.playerPortrait;
    } else {
        const HeroIndex hero = HeroIndexOfCharacter(character);
        portraitSlot = kFirstHeroPortraitSlot + hero;
        bodyVariant = world.heroBodyVariant[hero];
    }
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
    set.Draw(slot, 0, x, y, kUntinted, static_cast<float>(w) / kSlotBoxSize,
             static_cast<float>(h) / kSlotBoxSize);
}

void DrawExchangeButton(SpriteSet& set, int32_t slot, const ButtonBar& bar, uint8_t id) {
    const ButtonRect* rect = bar.Find(id);
    if (rect != nullptr) {
        set.Draw(slot, bar.Look(id), rect->x, rect->y, kUntinted, 1.0f, 1.0f);
    }
}

}  // namespace varn
