#include "characters/WealthScreen.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "engine/Colours.h"
#include "engine/ScreenSize.h"
#include "platform/PixelFormat.h"

namespace varn {

namespace {

// The map loads each wealth picture alone into slot 0; here picture k goes into slot k.
void LoadIntoSlots(SpriteSet& set, std::span<const PictureLoad> pictures) {
    for (size_t k = 0; k < pictures.size(); ++k) {
        const PictureLoad& row = pictures[k];
        set.Load(static_cast<int32_t>(k), row.file, row.frameWidth, row.frameHeight, row.colourKey,
                 platform::kFormatA1R5G5B5);
    }
}

void InitSet(SpriteSet& set, GraphicsDevice* device, int32_t slots) {
    set.Init(device, slots);
    set.SetAlphaTest(1);
}

}  // namespace

void WealthScreen::Init(GraphicsDevice* device) {
    InitSet(gemSprites, device, kGemSlotCount);
    LoadIntoSlots(gemSprites, kFoundGemPictures);
    InitSet(artifactSprites, device, kArtifactSlotCount);
    LoadIntoSlots(artifactSprites, kFoundArtifactPictures);
    InitSet(villageSprites, device, 1);
    LoadPictures(villageSprites, kWealthVillagePictures);
    InitSet(townSprites, device, 1);
    LoadPictures(townSprites, kWealthTownPictures);
    InitSet(sprites, device, 2);
    LoadPictures(sprites, kWealthPictures);
    font.Create(device, "Arial", 22, 0, 0, 0, 0);
    font.Begin();
}

void WealthScreen::Free() {
    gemSprites.Free();
    artifactSprites.Free();
    villageSprites.Free();
    townSprites.Free();
    sprites.Free();
    font.End();
    font.Release();
}

void WealthScreen::Show(const GameState& world) {
    std::copy_n(world.gemA.begin(), gems.size(), gems.begin());
    std::copy_n(world.artifactA.begin(), artifacts.size(), artifacts.begin());
    for (size_t place = 0; place < villages.size(); ++place) {
        villages[place] = world.villageA[place];
        villageJoined[place] = world.VillageJoined(villages[place]) != 0 ? 1 : 0;
    }
    for (size_t place = 0; place < towns.size(); ++place) {
        towns[place] = world.townA[place];
        // List value v is the town-owned entry v - 1: the gold mine, towns 1..4, the iron mine.
        townHeld[place] = world.TownOwned(towns[place] - 1) != 0 ? 1 : 0;
    }
    gold = world.gold;
    // The world's figure is only brought up to date at the day's end: what was won since would
    // not show until the next day.
    dailyIncome = world.IncomeOfHoldings();
}

void WealthScreen::Draw() {
    for (int32_t y = 0; y < kScreenHeight; y += kBackTile) {
        for (int32_t x = 0; x < kScreenWidth; x += kBackTile) {
            sprites.Draw(kWealthBackSlot, 0, x, y, kUntinted, 1.0f, 1.0f);
        }
    }
    font.DrawText("Your wealth", 340, 16, 0, 0, kTitleColour, 0);
    font.DrawText("Gems", 40, 56, 0, 0, kTitleColour, 0);
    for (int place = 0; place < kWealthGemPlaces; ++place) {
        const int gem = gems[static_cast<size_t>(place)];
        if (gem >= 1 && gem <= kGemSlotCount) {
            gemSprites.Draw(gem - 1, 0, 40 + 44 * (place % 10), 84 + 40 * (place / 10), kUntinted,
                            1.0f, 1.0f);
        }
    }
    font.DrawText("Artifacts", 40, 210, 0, 0, kTitleColour, 0);
    for (int place = 0; place < kWealthArtifactPlaces; ++place) {
        const int artifact = artifacts[static_cast<size_t>(place)];
        if (artifact >= 1 && artifact <= kArtifactSlotCount) {
            artifactSprites.Draw(artifact - 1, 0, 40 + 44 * place, 238, kUntinted, 1.0f, 1.0f);
        }
    }
    font.DrawText("Villages", 40, 316, 0, 0, kTitleColour, 0);
    for (int place = 0; place < kWealthVillagePlaces; ++place) {
        const int village = villages[static_cast<size_t>(place)];
        if (village >= 1 && village <= kVillagePictureCount) {
            const int frame =
                village - 1 + villageJoined[static_cast<size_t>(place)] * kVillagePictureCount;
            villageSprites.Draw(0, frame, 40 + 72 * place, 344, kUntinted, 1.0f, 1.0f);
        }
    }
    font.DrawText("Towns and mines", 40, 422, 0, 0, kTitleColour, 0);
    for (int place = 0; place < kWealthTownPlaces; ++place) {
        const int town = towns[static_cast<size_t>(place)];
        if (town >= 1 && town <= kTownPictureCount) {
            const int frame = town - 1 + townHeld[static_cast<size_t>(place)] * kTownPictureCount;
            townSprites.Draw(0, frame, 40 + 72 * place, 450, kUntinted, 1.0f, 1.0f);
        }
    }
    char text[64];
    std::snprintf(text, sizeof text, "Gold %d", gold);
    font.DrawText(text, 40, 540, 0, 0, kTextGrey, 0);
    std::snprintf(text, sizeof text, "Daily income %d", dailyIncome);
    font.DrawText(text, 260, 540, 0, 0, kTextGrey, 0);
    const ButtonRect& exit = kWealthButtons[0];
    sprites.Draw(kWealthExitSlot, buttons.Look(kWealthExit), exit.x, exit.y, kUntinted, 1.0f, 1.0f);
}

}  // namespace varn
