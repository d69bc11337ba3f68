#include "app/QuestGivers.h"

#include <array>
#include <string_view>

#include "app/ObjectCaptions.h"
#include "houses/QuestTexts.h"

namespace varn {

namespace {

// Every house that offers quests, with its caption on the map.
struct HouseOnMap {
    const HouseTexts& texts;
    int32_t captionId;
};

const std::array<HouseOnMap, 17> kHousesOnMap = {{
    {kVillageTexts[0], VillageCaption(1)},
    {kVillageTexts[1], VillageCaption(2)},
    {kVillageTexts[2], VillageCaption(3)},
    {kVillageTexts[3], VillageCaption(4)},
    {kVillageTexts[4], VillageCaption(5)},
    {kVillageTexts[5], VillageCaption(6)},
    {kVillageTexts[6], VillageCaption(7)},
    {kVillageTexts[7], VillageCaption(8)},
    {kVillageTexts[8], VillageCaption(9)},
    {kTownTexts[0], TownCaption(1)},
    {kTownTexts[1], TownCaption(2)},
    {kTownTexts[2], TownCaption(3)},
    {kTownTexts[3], TownCaption(4)},
    {kPalaceTexts, kPalaceCaption},
    {kTempleTexts, kTempleCaption},
    {kCastleTexts, kCastleCaption},
    {kTowerTexts, kTowerCaption},
}};

// The offer's first line without the spaces its box left at the end, and "..." when the offer
// goes on in the middle of a sentence.
std::string OpeningWords(const OfferText& offer) {
    std::string words = offer.lineCount > 0 && offer.lines[0] != nullptr ? offer.lines[0] : "";
    words.erase(words.find_last_not_of(' ') + 1);
    const bool sentenceEnds =
        !words.empty() && std::string_view(".?!").find(words.back()) != std::string_view::npos;
    if (offer.lineCount > 1 && !sentenceEnds) {
        words += "...";
    }
    return words;
}

}  // namespace

std::optional<QuestGiver> QuestGiverOf(int quest) {
    for (const HouseOnMap& house : kHousesOnMap) {
        for (const QuestTexts& texts : house.texts.quests) {
            if (texts.quest == quest) {
                const ObjectCaption* caption = FindObjectCaption(house.captionId);
                return QuestGiver{caption != nullptr ? caption->text : "",
                                  OpeningWords(texts.offer)};
            }
        }
    }
    return std::nullopt;
}

}  // namespace varn
