#include "frontend/QuestGivers.h"

#include <array>
#include <string_view>

#include "houses/QuestTexts.h"
#include "map/MapCaptions.h"

namespace varn {

namespace {

// Every house that offers quests, with the id of its caption on the map: villages 1..8, the
// ninth village, towns 1..4, then the palace, temple, castle and tower.
struct HouseOnMap {
    const HouseTexts& texts;
    int32_t captionId;
};

const std::array<HouseOnMap, 17> kHousesOnMap = {{
    {kVillageTexts[0], 56},
    {kVillageTexts[1], 57},
    {kVillageTexts[2], 58},
    {kVillageTexts[3], 59},
    {kVillageTexts[4], 60},
    {kVillageTexts[5], 61},
    {kVillageTexts[6], 62},
    {kVillageTexts[7], 63},
    {kVillageTexts[8], 72},
    {kTownTexts[0], 64},
    {kTownTexts[1], 65},
    {kTownTexts[2], 66},
    {kTownTexts[3], 67},
    {kPalaceTexts, 68},
    {kTempleTexts, 69},
    {kCastleTexts, 70},
    {kTowerTexts, 71},
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
