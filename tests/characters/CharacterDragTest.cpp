#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "characters/ArmySlots.h"
#include "characters/CharacterScreen.h"
#include "characters/ItemInvariants.h"
#include "engine/InputDevice.h"
#include "items/ItemLayout.h"

namespace varn {

namespace {

// A mouse whose left button the test holds and lets go, with the device's latch rule.
struct TestMouse {
    TestMouse() { device.kind = InputDevice::kKindMouse; }

    void Button(bool down) {
        device.mouseState.buttons[0] = down ? 0x80 : 0;
        if (!down) {
            device.latch[0] = 0;
        }
    }

    InputDevice device;
};

struct Point {
    int32_t x;
    int32_t y;
};

Point Centre(const ButtonRect& rect) {
    return {rect.x + rect.w / 2, rect.y + rect.h / 2};
}

// Every place a player might press or let go: each cell, both targets, each army, empty ground.
std::vector<Point> PlacesToPoint() {
    std::vector<Point> places;
    for (const CellPosition& at : ItemCatalogue::ItemCellPositions) {
        places.push_back({at.x + 32, at.y + 32});
    }
    places.push_back(Centre(kThrowAwayTarget));
    places.push_back(Centre(kDisbandTarget));
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        places.push_back(
            {kCharacterArmies.x + 20, kCharacterArmies.y + slot * kCharacterArmies.stepY + 20});
    }
    places.push_back({300, 40});
    return places;
}

class CharacterDrag : public ::testing::Test {
  protected:
    void SetUp() override {
        ItemIconSlotTable slots{};
        ItemCatalogue::FillKindTables(screen.itemKinds, slots);
        for (int cell = 0; cell < kBagCellCount; ++cell) {
            Give(cell, static_cast<ItemId>(1 + 13 * cell));  // amulets, helmets, armour ... shields
        }
        Give(CellOf(EquipSlot::Sword), 250);
        Give(CellOf(EquipSlot::Helmet), 56);
        Give(CellOf(EquipSlot::Ring3), 191);
        for (int slot = 0; slot < kArmySlotCount; ++slot) {
            screen.army.present[static_cast<size_t>(slot)] = 1;
            screen.army.alive[static_cast<size_t>(slot)] = 10;
        }
    }

    void Give(int cell, ItemId id) {
        screen.items[static_cast<size_t>(cell)] = id;
        screen.owned[static_cast<size_t>(id - 1)] = 1;
        screen.itemCell[static_cast<size_t>(id - 1)] = static_cast<uint8_t>(cell);
        ++items;
    }

    // Pressed at one place, carried to another and let go, one frame each.
    void Drag(Point from, Point to) {
        mouse.Button(true);
        screen.HandleMouse(mouse.device, from.x, from.y);
        screen.HandleMouse(mouse.device, to.x, to.y);
        mouse.Button(false);
        screen.HandleMouse(mouse.device, to.x, to.y);
    }

    YouScreen screen;
    TestMouse mouse;
    int items = 0;
};

}  // namespace

TEST_F(CharacterDrag, ASeededRandomDragSequenceKeepsEveryItemAndArmyAccountedFor) {
    std::mt19937 random(7);
    const std::vector<Point> places = PlacesToPoint();
    std::uniform_int_distribution<size_t> place(0, places.size() - 1);
    std::bernoulli_distribution yes(0.3);
    int armies = kArmySlotCount;
    const ItemHolder holder = screen.Holder();
    for (int step = 0; step < 3000; ++step) {
        Drag(places[place(random)], places[place(random)]);
        if (screen.question != CharacterQuestion::None) {
            const bool answer = yes(random);
            if (answer && screen.question == CharacterQuestion::ThrowAway) {
                --items;
            }
            if (answer && screen.question == CharacterQuestion::Disband) {
                --armies;
            }
            screen.Answer(answer);
        }
        ASSERT_FALSE(screen.drag.Dragging()) << step;
        ASSERT_EQ(screen.draggedArmy, -1) << step;
        ExpectItemsConsistent({&holder, 1}, items);
        int present = 0;
        for (int slot = 0; slot < kArmySlotCount; ++slot) {
            present += HasArmy(screen.army, slot) ? 1 : 0;
        }
        ASSERT_EQ(present, armies) << step;
        if (HasFatalFailure()) {
            FAIL() << "step " << step;
        }
    }
    // The sequence reached every kind of outcome.
    EXPECT_LT(items, 31 - kEquipSlotCount + 3);
    EXPECT_LT(armies, kArmySlotCount);
}

TEST_F(CharacterDrag, PointingAtAnItemDescribesItAndDraggingKeepsItShown) {
    const CellPosition& bag = ItemCatalogue::ItemCellPositions[2];
    screen.HandleMouse(mouse.device, bag.x + 5, bag.y + 5);
    EXPECT_EQ(screen.shownItem, screen.items[2]);
    screen.HandleMouse(mouse.device, 300, 40);
    EXPECT_EQ(screen.shownItem, 0);
    mouse.Button(true);
    screen.HandleMouse(mouse.device, bag.x + 5, bag.y + 5);
    screen.HandleMouse(mouse.device, 300, 40);
    EXPECT_EQ(screen.shownItem, screen.items[2]);
    EXPECT_EQ(screen.drag.iconX, 295);  // the icon keeps where it was taken
    EXPECT_EQ(screen.drag.iconY, 35);
}

}  // namespace varn
