#include "battle/BattleScreen.h"

#include <algorithm>
#include <iterator>

#include "battle/BattlePictures.h"
#include "engine/Owned.h"

namespace varn {

namespace {

constexpr int32_t kFontSize = 22;
constexpr int32_t kBigFontSize = 30;

// A new sprite set of count slots with the alpha test on, replacing whatever the pointer held.
SpriteSet& NewSpriteSet(std::unique_ptr<SpriteSet>& set, GraphicsDevice* device, int32_t count) {
    DeleteSpriteSet(set);
    set = std::make_unique<SpriteSet>();
    set->Init(device, count);
    set->SetAlphaTest(1);
    return *set;
}

std::unique_ptr<Font> NewFont(GraphicsDevice* device, int32_t height) {
    auto font = std::make_unique<Font>();
    font->Create(device, "Arial", height, 0, 0, 0, 0);
    font->Begin();
    return font;
}

void FreeFont(std::unique_ptr<Font>& font) {
    if (font) {
        font->End();
        font->Release();
        font.reset();
    }
}

// Loads the rows of the table whose slot the test accepts.
template <typename Wanted>
void LoadWanted(SpriteSet& set, std::span<const PictureLoad> table, Wanted wanted) {
    for (const PictureLoad& row : table) {
        if (wanted(row.slot)) {
            LoadPictures(set, std::span<const PictureLoad>(&row, 1));
        }
    }
}

}  // namespace

std::span<const NamedPictureTable> BattlePictureTables() {
    static constexpr NamedPictureTable kTables[] = {
        {"battle main", kBattleMainPictures},
        {"battle dark grid", kBattleDarkGridPictures},
        {"battle ground", kBattleGroundPictures},
        {"battle commander marker", kCommanderMarkerPictures},
        {"battle army figures", kArmyFigurePictures},
        {"battle army icons", kArmyIconPictures},
        {"battle enemy figures", kEnemyFigurePictures},
        {"battle ally figures", kAllyFigurePictures},
        {"battle ally icons", kAllyIconPictures},
        {"battle player portrait", kPlayerPortraitPictures},
        {"battle hero portraits", kHeroPortraitPictures},
        {"battle capital letters", kLetterSheet1Pictures},
        {"battle small letters", kLetterSheet2Pictures},
    };
    return kTables;
}

void BattleScreen::InitMainSprites(GraphicsDevice* device) {
    SpriteSet& main = NewSpriteSet(mainSprites, device, kMainSlots);
    LoadPictures(main, kBattleMainPictures);
    if (UsesDarkGrid(battleId)) {
        LoadPictures(main, kBattleDarkGridPictures);
    }
    FreeFont(font);
    FreeFont(bigFont);
    font = NewFont(device, kFontSize);
    bigFont = NewFont(device, kBigFontSize);
    LoadPictures(NewSpriteSet(letterSheet1, device, 1), kLetterSheet1Pictures);
    LoadPictures(NewSpriteSet(letterSheet2, device, 1), kLetterSheet2Pictures);
}

void BattleScreen::InitGround(GraphicsDevice* device) {
    LoadPictures(NewSpriteSet(groundSprites, device, kGroundSlots), kBattleGroundPictures);
}

void BattleScreen::InitPortrait(GraphicsDevice* device) {
    SpriteSet& set = NewSpriteSet(portraitSprites, device, 1);
    if (commanderIsPlayer != 0) {
        if (portraitVariant < std::size(kPlayerPortraitPictures)) {
            LoadPictures(set, std::span(&kPlayerPortraitPictures[portraitVariant], 1));
        }
    } else if (commanderHero >= 1 && commanderHero <= std::size(kHeroPortraitPictures)) {
        LoadPictures(set, std::span(&kHeroPortraitPictures[commanderHero - 1], 1));
    }
}

void BattleScreen::InitHeroMarker(GraphicsDevice* device) {
    SpriteSet& set = NewSpriteSet(commanderMarker, device, kMarkerSlots);
    LoadPictures(set, std::span(&kCommanderMarkerPictures[commanderIsPlayer != 0 ? 0 : 1], 1));
}

void BattleScreen::InitArmySprites(GraphicsDevice* device) {
    for (int s = 0; s < kBattleArmySlots; ++s) {
        if (armyPresent[s] != 0 && armyType[s] < unitTypeLoaded.size()) {
            unitTypeLoaded[armyType[s]] = 1;
        }
    }
    auto typeWanted = [this](int32_t type) { return unitTypeLoaded[type] != 0; };
    LoadWanted(NewSpriteSet(armySprites, device, kArmyPictureSlots), kArmyFigurePictures,
               typeWanted);
    LoadWanted(NewSpriteSet(armyIcons, device, kArmyPictureSlots), kArmyIconPictures, typeWanted);
    auto kindWanted = [this](int32_t kind) { return allyKindUsed[kind] != 0; };
    LoadWanted(NewSpriteSet(allySprites, device, kAllyPictureSlots), kAllyFigurePictures,
               kindWanted);
    LoadWanted(NewSpriteSet(allyIcons, device, kAllyPictureSlots), kAllyIconPictures, kindWanted);
}

void BattleScreen::InitEnemySprites(GraphicsDevice* device) {
    LoadWanted(NewSpriteSet(enemySprites, device, kEnemyPictureSlots), kEnemyFigurePictures,
               [this](int32_t kind) { return enemyKindUsed[kind] != 0; });
}

void BattleScreen::LoadHeroPortrait() {
    if (joiningHero < 1 || joiningHero > std::size(kHeroPortraitPictures) || !mainSprites) {
        return;
    }
    PictureLoad portrait = kHeroPortraitPictures[joiningHero - 1];
    portrait.slot = kSlotJoiningHero;
    LoadPictures(*mainSprites, std::span<const PictureLoad>(&portrait, 1));
}

void BattleScreen::Free() {
    DeleteSpriteSet(mainSprites);
    DeleteSpriteSet(portraitSprites);
    DeleteSpriteSet(groundSprites);
    DeleteSpriteSet(commanderMarker);
    DeleteSpriteSet(armySprites);
    DeleteSpriteSet(armyIcons);
    DeleteSpriteSet(allySprites);
    DeleteSpriteSet(allyIcons);
    DeleteSpriteSet(enemySprites);
    FreeFont(font);
    FreeFont(bigFont);
    DeleteSpriteSet(letterSheet1);
    DeleteSpriteSet(letterSheet2);
}

}  // namespace varn
