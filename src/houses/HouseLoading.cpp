#include "app/PartyPictures.h"
#include "engine/DeviceConstants.h"
#include "houses/HouseKinds.h"
#include "houses/HousePictures.h"
#include "houses/HouseScreen.h"
#include "items/ItemArt.h"
#include "items/ItemKinds.h"

namespace varn {

namespace {

constexpr int32_t kFontHeight = 22;
// The two item pictures whose key is black, by ItemId.
constexpr int kBlackKeyItems[] = {180, 181};

std::unique_ptr<SpriteSet> MakeSet(GraphicsDevice* device, int32_t count) {
    auto set = std::make_unique<SpriteSet>();
    set->Init(device, count);
    set->SetAlphaTest(1);
    return set;
}

void LoadRow(SpriteSet* set, const PictureLoad& row) {
    if (set != nullptr) {
        set->Load(row.slot, row.file, row.frameWidth, row.frameHeight, row.colourKey,
                  D3DFMT_A1R5G5B5);
    }
}

uint32_t ItemKey(int id) {
    for (int black : kBlackKeyItems) {
        if (id == black) {
            return kHouseBlackKey;
        }
    }
    return kHouseRedKey;
}

}  // namespace

void HouseScreen::InitMainSprites(GraphicsDevice* device) {
    const HouseKindFacts& facts = FactsOf(Kind());
    mainSprites = MakeSet(device, facts.mainSlots);
    LoadPictures(*mainSprites, kHouseMainPictures);
    if (facts.mainSlots > kHealPriceTwoSlot) {
        LoadPictures(*mainSprites, kJoinedHealLabelPictures);
    }
    font = std::make_unique<Font>();
    font->Create(device, "Arial", kFontHeight, 0, 0, 0, 0);
    font->Begin();
    capitalLetters = MakeSet(device, 1);
    LoadPictures(*capitalLetters, kHouseCapitalLetters);
    smallLetters = MakeSet(device, 1);
    LoadPictures(*smallLetters, kHouseSmallLetters);
}

void HouseScreen::InitHouseArt(GraphicsDevice* device) {
    const HouseKindFacts& facts = FactsOf(Kind());
    const size_t kindIndex = static_cast<size_t>(Kind());
    houseArt = MakeSet(device, kHouseArtSlots);
    LoadRow(houseArt.get(), kHouseCaptionPictures[kindIndex]);
    // A village or town loads the pictures of its own number; any other number only the caption.
    size_t row = 0;
    if (IsNumberedKind(Kind())) {
        if (houseNumber < 1 || houseNumber > facts.pictures.size()) {
            return;
        }
        row = houseNumber - 1U;
    }
    LoadRow(mainSprites.get(), kHouseRecruitPictures[kindIndex]);
    LoadRow(houseArt.get(), facts.pictures[row]);
    LoadRow(houseArt.get(), facts.names[row]);
}

void HouseScreen::InitPortraits(GraphicsDevice* device) {
    portraitSprites = MakeSet(device, 1);
    if (visitor == kPlayerCharacter && portrait <= 1) {
        LoadRow(portraitSprites.get(), kHousePortraitPictures[portrait]);
    } else if (IsHeroCharacter(visitor)) {
        LoadRow(portraitSprites.get(), kHousePortraitPictures[visitor]);
    }
}

void HouseScreen::InitArmyPictures(GraphicsDevice* device) {
    armyIcons = MakeSet(device, FactsOf(Kind()).armyIconSlots);
    LoadPictures(*armyIcons, kArmyIconPictures);
    armyFigures = MakeSet(device, kArmyUnitSlotCount);
    LoadPictures(*armyFigures, kIconlessArmyFigurePictures);
}

void HouseScreen::LoadRewardItemArt(GraphicsDevice* device) {
    DeleteSpriteSet(itemArt);
    itemArt = MakeSet(device, kItemArtSlots);
    for (int index = 0; index < kItemArtSlots; ++index) {
        const int id = index + 1;
        if (rewardItemFlag[static_cast<size_t>(index)] == 0 || !IsItem(id)) {
            continue;
        }
        itemArt->Load(index, ItemCatalogue::IconFileName(id).c_str(), kItemArtFrame, kItemArtFrame,
                      ItemKey(id), D3DFMT_A1R5G5B5);
    }
}

}  // namespace varn
