// Where the item screens put their cells, dolls, description and question, read as a player
// would: nothing covers what it should not, nothing leaves the screen.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "characters/CharacterScreen.h"
#include "characters/ItemHolder.h"
#include "characters/SlotFrames.h"
#include "engine/ScreenSize.h"
#include "exchange/ItemExchangeScreen.h"
#include "items/ItemArt.h"
#include "items/ItemKinds.h"
#include "map/ControlPanel.h"

namespace varn {

namespace {

struct Box {
    int32_t x;
    int32_t y;
    int32_t w;
    int32_t h;
};

Box BoxOf(const CellFrame& frame) {
    return {frame.x, frame.y, frame.size, frame.size};
}

Box BoxOf(const ButtonRect& rect) {
    return {rect.x, rect.y, rect.w, rect.h};
}

bool Overlap(const Box& a, const Box& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool Inside(const Box& inner, const Box& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

constexpr Box kScreen{0, 0, kScreenWidth, kScreenHeight};
// The screen less its outermost two pixels.
constexpr Box kScreenInside{2, 2, kScreenWidth - 4, kScreenHeight - 4};

struct Table {
    const char* name;
    const CellPositionTable* positions;
};

const Table kTables[] = {
    {"character screens", &ItemCatalogue::ItemCellPositions},
    {"exchange, first side", &kFirstSideCells},
    {"exchange, second side", &kSecondSideCells},
};

}  // namespace

// The slots around a doll stand closer than an icon is wide; their frames must still read as
// one box per slot, each on its icon, and all on the screen.
TEST(CellFrames, EveryFrameSitsOnItsIconApartFromTheOthersAndOnTheScreen) {
    for (const Table& table : kTables) {
        SCOPED_TRACE(table.name);
        const CellFrameTable frames = CellFramesOf(*table.positions);
        for (size_t cell = 0; cell < frames.size(); ++cell) {
            SCOPED_TRACE("cell " + std::to_string(cell));
            const CellFrame& frame = frames[cell];
            const CellPosition& icon = (*table.positions)[cell];
            EXPECT_EQ(frame.x * 2 + frame.size, icon.x * 2 + kItemIconSize);
            EXPECT_EQ(frame.y * 2 + frame.size, icon.y * 2 + kItemIconSize);
            EXPECT_GE(frame.size, 24);
            EXPECT_TRUE(Inside(BoxOf(frame), kScreen));
            if (static_cast<int>(cell) < kFirstEquipCell) {
                EXPECT_EQ(frame.size, kItemIconSize) << "a bag cell is its icon's square";
            } else {
                EXPECT_TRUE(Inside(BoxOf(frame), kScreenInside))
                    << "a slot's border stays clear of the screen's edge";
            }
            for (size_t other = cell + 1; other < frames.size(); ++other) {
                EXPECT_FALSE(Overlap(BoxOf(frame), BoxOf(frames[other]))) << "and " << other;
            }
        }
    }
}

// Ring 2's icon square begins inside ring 1's: the point is in ring 2's frame, so it is ring 2.
TEST(CellFrames, APointInAFrameNamesThatSlotThoughAnEarlierIconSquareHoldsIt) {
    CharacterItems items{};
    std::array<uint8_t, kItemTableSize> owned{};
    std::array<uint8_t, kItemTableSize> itemCell{};
    PaperDollReloadFlags reload;
    const std::array<ItemHolder, 1> holders = {{{&items, &owned, &itemCell, &reload}}};
    const auto ring1Cell = static_cast<size_t>(CellOf(EquipSlot::Ring1));
    const auto ring2Cell = static_cast<size_t>(CellOf(EquipSlot::Ring2));
    const CellFrame ring2 = CellFramesOf(ItemCatalogue::ItemCellPositions)[ring2Cell];
    const CellPosition& ring1 = ItemCatalogue::ItemCellPositions[ring1Cell];
    ASSERT_LT(ring2.x, ring1.x + kItemIconSize);
    EXPECT_EQ(ItemCellAt(holders, ring2.x + 1, ring2.y + 1),
              (ItemCellRef{0, static_cast<int>(ring2Cell)}));
}

// Two dolls, two bags and the description share the exchange screen without covering each other
// or a slot.
TEST(ExchangeLayout, DollsBagsAndTheDescriptionKeepApartAndOnTheScreen) {
    const Box description{kExchangeDescription.boxX, kExchangeDescription.boxY,
                          kExchangeDescription.boxWidth, kExchangeDescription.boxHeight};
    EXPECT_TRUE(Inside(description, kScreen));
    std::array<Box, 2> dolls{};
    for (size_t side = 0; side < dolls.size(); ++side) {
        dolls[side] = {kExchangeDollX[side], kExchangeDollY,
                       static_cast<int32_t>(kBodyWidth * kExchangeDollScale),
                       static_cast<int32_t>(kBodyHeight * kExchangeDollScale)};
        EXPECT_TRUE(Inside(dolls[side], kScreen));
        EXPECT_FALSE(Overlap(dolls[side], description));
    }
    EXPECT_FALSE(Overlap(dolls[0], dolls[1]));
    // Either side's amulets get boxes of one size, the one by the screen's edge too.
    const CellFrameTable first = CellFramesOf(kFirstSideCells);
    const CellFrameTable second = CellFramesOf(kSecondSideCells);
    for (int amulet = 0; amulet < 3; ++amulet) {
        const auto cell = static_cast<size_t>(CellOf(EquipSlot::Amulet1) + amulet);
        EXPECT_EQ(second[cell].size, first[cell].size) << "amulet " << amulet + 1;
    }
    for (const CellPositionTable* table : {&kFirstSideCells, &kSecondSideCells}) {
        const CellFrameTable frames = CellFramesOf(*table);
        for (size_t cell = 0; cell < frames.size(); ++cell) {
            EXPECT_FALSE(Overlap(BoxOf(frames[cell]), description)) << "cell " << cell;
            if (static_cast<int>(cell) < kFirstEquipCell) {
                EXPECT_FALSE(Overlap(BoxOf(frames[cell]), dolls[0])) << "bag cell " << cell;
                EXPECT_FALSE(Overlap(BoxOf(frames[cell]), dolls[1])) << "bag cell " << cell;
            }
        }
    }
}

// The heroes screen's buttons keep clear of each other and of the Hide button, and the question
// stands on its box with both answers.
TEST(CharacterLayout, ButtonsKeepApartAndTheQuestionHoldsItsAnswers) {
    std::vector<Box> buttons;
    for (const ButtonRect& rect : kHeroButtons) {
        buttons.push_back(BoxOf(rect));
    }
    buttons.push_back(BoxOf(kScreenHideShowButtons[0]));
    for (size_t a = 0; a < buttons.size(); ++a) {
        EXPECT_TRUE(Inside(buttons[a], kScreen));
        for (size_t b = a + 1; b < buttons.size(); ++b) {
            EXPECT_FALSE(Overlap(buttons[a], buttons[b])) << a << " and " << b;
        }
    }
    for (const ButtonRect& answer : kQuestionButtons) {
        EXPECT_TRUE(Inside(BoxOf(answer), BoxOf(kQuestionBox)));
    }
}

}  // namespace varn
