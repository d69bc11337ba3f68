#include "map/MapScreen.h"

#include <algorithm>
#include <cstdio>

#include "engine/DeviceConstants.h"
#include "engine/GraphicsDevice.h"

namespace varn {

namespace {

// The item indices (ItemId - 1) that have a picture for the found box.
constexpr std::array<uint8_t, 33> kFoundItemPictures = {
    1,   2,   35,  36,  37,  39,  45,  48,  49,  56,  57,  61,  64,  65,  66,  68,  75,
    80,  81,  84,  103, 105, 112, 113, 115, 122, 153, 220, 222, 223, 235, 240, 242,
};

std::unique_ptr<SpriteSet> CreateSpriteSet(GraphicsDevice* device, int32_t slots) {
    auto set = std::make_unique<SpriteSet>();
    set->Init(device, slots);
    set->SetAlphaTest(1);
    return set;
}

void LoadOne(SpriteSet& set, const char* path, int16_t width, int16_t height, uint32_t key) {
    set.Load(0, path, width, height, key, D3DFMT_A1R5G5B5);
}

}  // namespace

MapScreen::MapScreen() {
    armyMoves.fill(kArmyMovesPerDay);
    heroMovesLeft.fill(kMovesPerDay);
    heroMoves.fill(kMovesPerDay);
}

MapScreen::~MapScreen() = default;

void MapScreen::Init(GraphicsDevice* device) {
    sprites = CreateSpriteSet(device, kMapSpriteSlots);
    LoadPictures(*sprites, kMapScreenPictures);
    unitSprites = CreateSpriteSet(device, kMapUnitSlots);
    LoadPictures(*unitSprites, kMapUnitPictures);
    enemySprites = CreateSpriteSet(device, kMapEnemySlots);
    LoadPictures(*enemySprites, kMapEnemyPictures);
    font = std::make_unique<Font>();
    font->Create(device, "Arial", 22, 0, 0, 0, 0);
    font->Begin();
}

void MapScreen::Free() {
    for (std::unique_ptr<SpriteSet>* set :
         {&sprites, &unitSprites, &enemySprites, &gemArt, &artifactArt, &itemArt}) {
        DeleteSpriteSet(*set);
    }
    if (font) {
        font->End();
        font->Release();
        font.reset();
    }
}

void MapScreen::LoadFoundItemArt(GraphicsDevice* device) {
    // A new find replaces the pictures of the last one.
    itemArt = CreateSpriteSet(device, 1);
    gemArt = CreateSpriteSet(device, 1);
    artifactArt = CreateSpriteSet(device, 1);
    char path[40];
    if (foundItem != 0 && std::find(kFoundItemPictures.begin(), kFoundItemPictures.end(),
                                    foundItemIndex) != kFoundItemPictures.end()) {
        std::snprintf(path, sizeof path, "Art\\Items\\Item%d.bmp", foundItemIndex + 1);
        LoadOne(*itemArt, path, 64, 64, 0xFFFF0000);
    }
    if (foundGem != 0) {
        std::snprintf(path, sizeof path, "Art\\Wealth\\Gem%d.bmp", foundGemIndex + 1);
        LoadOne(*gemArt, path, 32, 32, foundGemIndex == 1 ? 0xFFFF0000 : 0xFF000000);
    }
    if (foundArtifact != 0) {
        std::snprintf(path, sizeof path, "Art\\Wealth\\Artifact%d.bmp", foundArtifactIndex + 1);
        LoadOne(*artifactArt, path, 32, 64, 0xFF000000);
    }
}

void MapScreen::PickCell() {
    const int32_t cell = MapCellAt(pickX, pickY);
    if (cell != kNoMapCell) {
        pickedCell = cell;
    }
}

}  // namespace varn
