#include "map/MapScreen.h"

#include <algorithm>
#include <iterator>

#include "app/PartyPictures.h"
#include "engine/DeviceConstants.h"
#include "engine/GraphicsDevice.h"
#include "map/MapFoundPictures.h"

namespace varn {

namespace {

std::unique_ptr<SpriteSet> CreateSpriteSet(GraphicsDevice* device, int32_t slots) {
    auto set = std::make_unique<SpriteSet>();
    set->Init(device, slots);
    set->SetAlphaTest(1);
    return set;
}

// Loads one row of a found-picture table into slot 0 of a one-slot set.
void LoadOne(SpriteSet& set, const PictureLoad& row) {
    set.Load(0, row.file, row.frameWidth, row.frameHeight, row.colourKey, D3DFMT_A1R5G5B5);
}

}  // namespace

MapScreen::MapScreen() {
    armyMoves.fill(kArmyMovesPerDay);
    heroMovesLeft.fill(kMovesPerDay);
    heroMoves.fill(kMovesPerDay);
    barButtons.available = [this](uint8_t) { return playerSelected != 0 || heroSelected != 0; };
}

MapScreen::~MapScreen() = default;

void MapScreen::Init(GraphicsDevice* device) {
    sprites = CreateSpriteSet(device, kMapSpriteSlots);
    LoadPictures(*sprites, kMapScreenPictures);
    unitSprites = CreateSpriteSet(device, kMapUnitSlots);
    LoadPictures(*unitSprites, kArmyIconPictures);
    unitFigures = CreateSpriteSet(device, kArmyUnitSlotCount);
    LoadPictures(*unitFigures, kIconlessArmyFigurePictures);
    enemySprites = CreateSpriteSet(device, kMapEnemySlots);
    LoadPictures(*enemySprites, kMapEnemyPictures);
    font = std::make_unique<Font>();
    font->Create(device, "Arial", 22, 0, 0, 0, 0);
    font->Begin();
}

void MapScreen::Free() {
    for (std::unique_ptr<SpriteSet>* set :
         {&sprites, &unitSprites, &unitFigures, &enemySprites, &gemArt, &artifactArt, &itemArt}) {
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
    const auto item = std::find(kFoundItemIndices.begin(), kFoundItemIndices.end(), foundItemIndex);
    if (foundItem != 0 && item != kFoundItemIndices.end()) {
        LoadOne(*itemArt, kFoundItemPictures[item - kFoundItemIndices.begin()]);
    }
    if (foundGem != 0 && foundGemIndex < std::size(kFoundGemPictures)) {
        LoadOne(*gemArt, kFoundGemPictures[foundGemIndex]);
    }
    if (foundArtifact != 0 && foundArtifactIndex < std::size(kFoundArtifactPictures)) {
        LoadOne(*artifactArt, kFoundArtifactPictures[foundArtifactIndex]);
    }
}

void MapScreen::PickCell() {
    const int32_t cell = MapCellAt(pickX, pickY);
    if (cell != kNoMapCell) {
        pickedCell = cell;
    }
}

}  // namespace varn
