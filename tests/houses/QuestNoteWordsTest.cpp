#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "QuestHouses.h"
#include "houses/QuestDialogue.h"
#include "items/ItemKinds.h"

namespace varn {

namespace {

constexpr std::array<std::pair<std::string_view, ItemKind>, 10> kKindWords = {{
    {"amulet", ItemKind::Amulet},
    {"helmet", ItemKind::Helmet},
    {"armor", ItemKind::Armor},
    {"belt", ItemKind::Belt},
    {"pants", ItemKind::Pants},
    {"shoes", ItemKind::Shoes},
    {"gloves", ItemKind::Gloves},
    {"ring", ItemKind::Ring},
    {"shield", ItemKind::Shield},
    {"sword", ItemKind::Sword},
}};

// The kind of thing a note's lines promise, by the first whole word that names one; none when
// they name no kind.
std::optional<ItemKind> KindNamed(const NoteText& note) {
    for (int line = 0; line < note.lineCount; ++line) {
        std::string word;
        for (const char* c = note.lines[static_cast<size_t>(line)];; ++c) {
            if (*c != '\0' && std::isalpha(static_cast<unsigned char>(*c)) != 0) {
                word += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
                continue;
            }
            for (const auto& [name, kind] : kKindWords) {
                if (word == name) {
                    return kind;
                }
            }
            word.clear();
            if (*c == '\0') {
                break;
            }
        }
    }
    return std::nullopt;
}

const QuestTexts* TextsOfQuest(const HouseTexts& texts, uint8_t quest) {
    for (const QuestTexts& q : texts.quests) {
        if (q.quest == quest) {
            return &q;
        }
    }
    return nullptr;
}

}  // namespace

TEST(QuestNotes, EveryGiftAndRewardNamesTheKindOfItemItGives) {
    int named = 0;
    for (const QuestHouse& house : AllQuestHouses()) {
        const QuestChain& chain = *ChainOf(house.kind, house.number);
        const HouseTexts& texts = *TextsOf(house.kind, house.number);
        for (const ChainQuest& link : chain) {
            SCOPED_TRACE(Describe(house) + " quest " + std::to_string(link.quest));
            const QuestTexts* quest = TextsOfQuest(texts, link.quest);
            ASSERT_NE(quest, nullptr);
            const struct {
                const char* moment;
                const NoteText& note;
                ItemId item;
            } notes[] = {{"gift", quest->gift, link.giftItem},
                         {"reward", quest->reward, link.rewardItem}};
            for (const auto& [moment, note, item] : notes) {
                SCOPED_TRACE(moment);
                const std::optional<ItemKind> promised = KindNamed(note);
                // A note that names a kind gives an item of it; one that gives nothing names none.
                if (promised) {
                    ++named;
                    EXPECT_EQ(KindOf(item), *promised) << "item " << int{item};
                }
            }
        }
    }
    // Nearly every note names what it gives: a new table the scan misses shows here.
    EXPECT_GE(named, 160);
}

}  // namespace varn
